#pragma once
// The checks of the network entries of the welcome window: what each entry accepts while typing and
// what the confirmation accepts.
#include <optional>
#include <string_view>

namespace tarvel {

// The address entry takes digits and "." only; the port entry digits only. Text that fails keeps the
// entry's last accepted text.
bool AddressTextAllowed(std::string_view text);
bool PortTextAllowed(std::string_view text);
// Exactly three "." with one to three characters in each of the four groups.
bool AddressLooksValid(std::string_view text);
// The port number, or nullopt when the text is empty or names no port (0 or above 65535).
std::optional<unsigned short> PortNumber(std::string_view text);

}  // namespace tarvel
