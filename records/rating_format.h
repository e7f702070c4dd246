#pragma once
// Number texts of the records files. Ratings are written with a comma as the decimal separator whatever
// the locale, and rounded to the nearest value with an exact half going to the even neighbour.
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

namespace records_text {
// Nearest integer, an exact half to the even neighbour; independent of the floating-point rounding mode.
double RoundHalfEven(double x);

// x rounded half to even to an integer, NaN as 0 and the magnitude bounded to 10^15 (always defined).
long long RoundToInteger(double x);
}  // namespace records_text

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

}  // namespace tarvel
