#pragma once
// Windows-1251, the single-byte code page of the program's files and network texts (options, club and
// history files alike), and UTF-8, the encoding of everything shown on screen. Conversion happens only at
// that edge.
#include <string>
#include <string_view>

namespace tarvel {

// Every character that Windows-1251 lacks becomes one "?", and so does every malformed piece of UTF-8 as
// DecodeUtf8 counts them (utf8.h).
std::string Utf8ToCp1251(std::string_view utf8);

// Byte 0x98, the one code Windows-1251 leaves undefined, becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view cp1251);

}  // namespace tarvel
