#include "settings/options.h"

#include <array>

namespace tarvel {
namespace {

std::string Deciphered(const std::string& enciphered) { return DecipherAddress(enciphered).value_or(""); }

}  // namespace

std::string Options::RecordsServiceUrl() const { return Deciphered(RecordsServiceAddress); }
std::string Options::StatsServiceUrl() const { return Deciphered(StatsServiceAddress); }
std::string Options::AccountServiceUrl() const { return Deciphered(AccountServiceAddress); }

bool IsValidCountryCode(std::string_view code) {
  // Last country index per continent: 1 Europe, 2 Asia, 3 North America, 4 South America, 5 Oceania, 6 Africa.
  constexpr std::array<int, 7> kLastIndex = {-1, 48, 51, 35, 14, 23, 54};
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (code.size() != 5 || code[1] != '-') return false;
  if (code[0] < '1' || code[0] > '6' || !digit(code[2]) || !digit(code[3]) || !digit(code[4])) return false;
  const int index = (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0');
  return index <= kLastIndex[code[0] - '0'];
}

}  // namespace tarvel
