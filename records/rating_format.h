#pragma once
// Number texts of the records files. Ratings are written with a comma as the decimal separator whatever
// the locale, and rounded to the nearest value with an exact half going to the even neighbour.
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// Nearest integer, an exact half to the even neighbour; independent of the floating-point rounding mode.
double RoundHalfEven(double x);

// x rounded half to even to an integer, NaN as 0 and the magnitude bounded to 10^15 (always defined).
long long RoundToInteger(double x);

// x rounded to six decimals (x * 1 000 000 rounded half to even, divided back).
double RoundSixDecimals(double x);

// The club file's six-decimal format: "  2,333333", " -0,500000"; right-aligned in 10 characters (longer
// when the value needs more).
std::string FormatRating6(double rating);

// The two-decimal format: "0,00", "-1,50", "12,35", padded with spaces on the left to width.
std::string FormatRating2(double rating, int width);

// Reads a rating written with any one decimal separator ("2,333333", " -1.5", "7"): spaces around it are
// ignored, the first character that is not a space, "-" or a digit is taken as the separator. Empty or
// malformed text gives nothing.
std::optional<double> ParseRating(std::string_view text);

// A decimal integer with optional spaces around it and an optional "-" or "+"; nothing when malformed or
// out of the 32-bit range.
std::optional<int> ParseDecimal(std::string_view text);

// text padded with spaces on the left (right-aligned) or on the right (left-aligned) to width characters;
// a longer text is returned whole.
std::string PadLeft(std::string_view text, std::size_t width);
std::string PadRight(std::string_view text, std::size_t width);

// value clamped into [lo, hi].
long long Clamp(long long value, long long lo, long long hi);

}  // namespace tarvel
