#include "windows/window_context.h"

namespace tarvel {

QString WindowContext::Tr(int row) const {
  const std::string_view text = texts.Text(row);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tarvel
