#pragma once
// UTF-8 decoding and encoding, shared by the code-page conversion and the text-table compiler.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// The code point that starts at `pos`, with `pos` moved past it. A malformed sequence (a stray continuation
// byte, a bad lead, a sequence cut short, an overlong form, a surrogate, a value beyond U+10FFFF) gives
// nothing and moves `pos` past the bytes that belong to it, never past a byte that may start the next one.
// `pos` must be less than text.size().
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos);

void AppendUtf8(std::string& out, char32_t code_point);

bool IsValidUtf8(std::string_view text);

}  // namespace tarvel
