#include "lan/entry_checks.h"

namespace tarvel {

bool AddressTextAllowed(std::string_view text) {
  for (char c : text)
    if (c != '.' && (c < '0' || c > '9')) return false;
  return true;
}

bool PortTextAllowed(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

bool AddressLooksValid(std::string_view text) {
  int dots = 0, group = 0;
  for (char c : text) {
    if (c == '.') {
      if (group < 1 || group > 3) return false;
      ++dots;
      group = 0;
    } else {
      ++group;
    }
  }
  return dots == 3 && group >= 1 && group <= 3;
}

std::optional<unsigned short> PortNumber(std::string_view text) {
  if (text.empty() || text.size() > 5 || !PortTextAllowed(text)) return std::nullopt;
  unsigned value = 0;
  for (char c : text) value = value * 10 + static_cast<unsigned>(c - '0');
  if (value == 0 || value > 65535) return std::nullopt;
  return static_cast<unsigned short>(value);
}

}  // namespace tarvel
