#pragma once
// Lines and fixed-width fields of the records' text files. Files are written with CR LF line ends; on
// reading, a bare LF ends a line too and a CR before it is dropped. Kept in a namespace of the layer's own
// so that these everyday names never meet their namesakes of other layers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::records_text {

// The lines of bytes without their ends; a last line without an end counts, an empty rest does not.
std::vector<std::string> SplitLines(std::string_view bytes);

// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Up to n characters of text from position pos (0-based); empty when pos lies beyond the text.
inline std::string_view Field(std::string_view text, std::size_t pos, std::size_t n) {
  return pos >= text.size() ? std::string_view() : text.substr(pos, n);
}

// text without the spaces at its end, or at both ends.
inline std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}
inline std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return TrimRight(text);
}

// text padded with spaces on the left (right-aligned) or on the right (left-aligned) to width characters;
// a longer text is returned whole.
std::string PadLeft(std::string_view text, std::size_t width);
std::string PadRight(std::string_view text, std::size_t width);

// value written with leading zeros in exactly digits characters (the low digits of a larger value).
std::string ZeroPadded(long long value, int digits);

// A decimal integer with optional spaces around it and an optional "-" or "+"; nothing when malformed or
// out of the 32-bit range.
std::optional<int> ParseDecimal(std::string_view text);

// value clamped into [lo, hi].
long long Clamp(long long value, long long lo, long long hi);

}  // namespace tarvel::records_text
