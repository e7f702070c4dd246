#include "records/rating_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "records/text_fields.h"

namespace tarvel {

using namespace records_text;

namespace {

long long Scaled(double x, double scale) {
  return RoundToInteger(x * scale);
}

// "-12,35" from -1235 with two decimals: the digits of |n| with at least decimals + 1 of them and a comma
// before the last decimals.
std::string WithComma(long long n, int decimals) {
  std::string digits = std::to_string(n < 0 ? -n : n);
  if (digits.size() < static_cast<std::size_t>(decimals + 1))
    digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
  digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, ',');
  return n < 0 ? "-" + digits : digits;
}

}  // namespace

namespace records_text {

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  const double floor = std::floor(x);
  const double frac = x - floor;
  if (frac > 0.5) return floor + 1;
  if (frac < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

long long RoundToInteger(double x) {
  if (std::isnan(x)) return 0;
  constexpr double kLimit = 1e15;
  double v = RoundHalfEven(x);
  if (v > kLimit) v = kLimit;
  if (v < -kLimit) v = -kLimit;
  return static_cast<long long>(v);
}

}  // namespace records_text

double RoundSixDecimals(double x) {
  return RoundHalfEven(x * 1e6) / 1e6;
}

std::string FormatRating6(double rating) {
  return PadLeft(WithComma(Scaled(rating, 1e6), 6), 10);
}

std::string FormatRating2(double rating, int width) {
  return PadLeft(WithComma(Scaled(rating, 100), 2), static_cast<std::size_t>(width < 0 ? 0 : width));
}

std::optional<double> ParseRating(std::string_view text) {
  text = Trim(text);
  // Normalised to "-123.456" and read by from_chars, which ignores the locale.
  std::string normal;
  if (!text.empty() && text[0] == '-') {
    normal += '-';
    text.remove_prefix(1);
  }
  bool anyDigit = false, separator = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      anyDigit = true;
      normal += c;
    } else if (!separator && c != ' ' && c != '-') {
      separator = true;
      normal += '.';
    } else {
      return std::nullopt;
    }
  }
  if (!anyDigit || normal.size() > 64) return std::nullopt;
  double value = 0;
  const char* first = normal.data();
  if (*first == '-') ++first;  // from_chars takes no sign of its own for the leading-separator form ".5"
  const auto [ptr, ec] = std::from_chars(first, normal.data() + normal.size(), value);
  if (ec != std::errc() || ptr != normal.data() + normal.size()) return std::nullopt;
  return normal[0] == '-' ? -value : value;
}

}  // namespace tarvel
