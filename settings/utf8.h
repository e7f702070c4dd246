#pragma once
// UTF-8 decoding and encoding, shared by the code-page conversion and the text-table compiler.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// The code point that starts at `pos`, with `pos` moved past it. A malformed sequence (a stray continuation
// byte, a bad lead, a sequence cut short, an overlong form, a surrogate, a value beyond U+10FFFF) gives
// nothing and moves `pos` past the longest part of it that could still begin a well-formed sequence (at
// least its first byte), the usual way of counting replacements: "\xE2\x82" cut short is one malformed
// piece, a surrogate "\xED\xA0\x80" is three, as no well-formed sequence begins "\xED\xA0". `pos` thus
// never moves past a byte that may start the next sequence. `pos` must be less than text.size().
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos);

void AppendUtf8(std::string& out, char32_t code_point);

bool IsValidUtf8(std::string_view text);

}  // namespace tarvel
