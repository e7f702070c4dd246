#include "records/text_fields.h"

namespace tarvel::records_text {

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = bytes.size();
    std::size_t stop = end;
    if (!last && stop > start && bytes[stop - 1] == '\r') --stop;
    lines.emplace_back(bytes.substr(start, stop - start));
    start = last ? bytes.size() : end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::optional<int> ParseDecimal(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 10) return std::nullopt;
  long long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (negative) v = -v;
  if (v < -2147483648LL || v > 2147483647LL) return std::nullopt;
  return static_cast<int>(v);
}

std::string PadLeft(std::string_view text, std::size_t width) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), ' ');
  out += text;
  return out;
}

std::string PadRight(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

long long Clamp(long long value, long long lo, long long hi) {
  return value < lo ? lo : value > hi ? hi : value;
}

std::string ZeroPadded(long long value, int digits) {
  if (value < 0) value = 0;
  std::string text = std::to_string(value);
  if (text.size() < static_cast<std::size_t>(digits))
    text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
  else
    text = text.substr(text.size() - static_cast<std::size_t>(digits));
  return text;
}

}  // namespace tarvel::records_text
