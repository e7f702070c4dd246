#pragma once
// Which window sizes the options dialog offers: "Small window" and "Full screen" always, the three larger
// fixed sizes only when the window, frame included, fits the space the screen leaves for windows.
#include <QSize>
#include <vector>

namespace tarvel {

// What the window manager adds around the client area (borders and the title bar), allowed for when a
// fixed size is tested against the screen.
inline constexpr int kWindowFrameWidth = 16;
inline constexpr int kWindowFrameHeight = 40;

// True for sizes 1 and 2; for 3, 4 and 5 true when the client size plus the frame fits `available`.
// An empty `available` (no screen known) offers only 1 and 2.
bool WindowSizeFits(int windowSize, QSize available);

// The sizes in list order: 1, 2, then those of 3, 4, 5 that fit. `current` is listed even when it does
// not fit, so that the list always shows what the options hold.
std::vector<int> OfferedWindowSizes(QSize available, int current);

}  // namespace tarvel
