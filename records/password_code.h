#pragma once
// The password code of a club member line: the password padded with spaces to five characters, each
// character's Windows-1251 byte value plus a fixed offset written as three decimal digits (15 digits).
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// Same for every character; 100 + 255 + offset stays within three digits for every byte value.
inline constexpr int kPasswordOffset = 317;
inline constexpr std::size_t kPasswordLength = 5;

// password is UTF-8 as typed; it is converted to Windows-1251 and cut to five characters.
std::string EncodePassword(std::string_view password);

// The five Windows-1251 characters a code stands for (padding included); nothing when the code is not
// 15 digits or a triple lies outside the offset's range.
std::optional<std::string> DecodePassword(std::string_view code);

// True when the typed UTF-8 password, padded with spaces to five characters, is the one the code stands for.
bool PasswordMatches(std::string_view code, std::string_view typed);

}  // namespace tarvel
