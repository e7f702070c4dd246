#pragma once
// Lines of the records' text files. Files are written with CR LF line ends; on reading, a bare LF ends a
// line too and a CR before it is dropped.
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

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

}  // namespace tarvel
