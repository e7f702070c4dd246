#pragma once
// The stored form of the web-service addresses: in the program, in lines 26 and 31 of the options file and
// in the remote configuration text. It keeps the addresses out of plain sight; it is not a secret.
//
// Form: every byte of the address XORed with a keystream drawn from a numeric key, written as two
// upper-case hexadecimal digits, followed by two more digits of a check byte. The alphabet (0-9, A-F) holds
// no "#", space or line end, so the form survives both the options file and the remote text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

inline constexpr std::uint32_t kAddressKey = 0x7A3C91E5;

// `plain` should be printable ASCII (what a URL is); anything else enciphers but will not decipher.
std::string EncipherAddress(std::string_view plain, std::uint32_t key = kAddressKey);

// The address, or nothing when `enciphered` is not a well-formed stored form for `key`: wrong length,
// a non-hex digit, a failed check byte, or an address that is empty or not printable ASCII.
std::optional<std::string> DecipherAddress(std::string_view enciphered, std::uint32_t key = kAddressKey);

// Built-in defaults, enciphered: services of a tarvel-services server on this machine.
inline constexpr std::string_view kBuiltInRecordsServiceAddress =  // http://127.0.0.1:8765/records
    "2D01144A5CB034E440C99B1C2DB19167541B3531918BA90F758F44A57A83";
inline constexpr std::string_view kBuiltInStatsServiceAddress =  // http://127.0.0.1:8765/stats
    "2D01144A5CB034E440C99B1C2DB19167541B3531918BA81E779445BE";
inline constexpr std::string_view kBuiltInAccountServiceAddress =  // http://127.0.0.1:8765/accounts
    "2D01144A5CB034E440C99B1C2DB19167541B3531918BBA09758F43AF7DB27F";
inline constexpr std::string_view kBuiltInRemoteConfigurationAddress =  // http://127.0.0.1:8765/config.txt
    "2D01144A5CB034E440C99B1C2DB19167541B3531918BB80578865FA627B5B7AE3B";

}  // namespace tarvel
