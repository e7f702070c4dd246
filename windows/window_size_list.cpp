#include "windows/window_size_list.h"

#include "table/window_scale.h"

namespace tarvel {

bool WindowSizeFits(int windowSize, QSize available) {
  if (windowSize == 1 || windowSize == 2) return true;
  if (windowSize < 3 || windowSize > 5) return false;
  const PixelSize client = ClientSizeFor(windowSize);
  return client.width + kWindowFrameWidth <= available.width() &&
         client.height + kWindowFrameHeight <= available.height();
}

std::vector<int> OfferedWindowSizes(QSize available, int current) {
  std::vector<int> sizes;
  for (int size = 1; size <= 5; ++size) {
    if (WindowSizeFits(size, available) || size == current) sizes.push_back(size);
  }
  return sizes;
}

}  // namespace tarvel
