#pragma once
// Where everything of the start menu lies at every window size, and the small rules of its animations:
// the lights' pictures per phase, the clock's digits, the statistics display's mode, value text and digit
// places, and the recolouring of the caption plates. Standard library only; the Qt menu draws by these.
#include <array>
#include <string>

#include "table/table_layout.h"

namespace tarvel {

// The unit height of the menu's buttons: round(s x 30).
int MenuUnitHeight(const WindowFactors& f);

struct MenuLayout {
  Rect panel4;                    // the club list header
  std::array<Rect, 6> members;    // [1..5]: the club members' buttons
  Rect newPlayer;                 // Button6
  Rect topTen, history, options, mode, exit;
  std::array<Rect, 4> topPanels;  // [1..3]: the first three of the top ten (laid out, kept hidden)
  Rect title, caption, modePlate;
  Rect animation1, animation2;
  Rect scrollLeft, scrollRight;
  Rect calendarLeft, calendarRight;
  Rect clock, stats;              // meaningful only when ClockShown
  Rect radio, newsShelf;          // meaningful only when s >= 1.6
  Rect newsSirenSmall, chatSirenSmall;  // the lone sirens of the smaller windows
};

// The menu for the factors of a client area; the scrolls sit 20 units further out while the calendar
// leaves are shown.
MenuLayout MenuLayoutFor(const WindowFactors& f, int clientWidth, int clientHeight, bool calendarShown);

// The clock and the statistics display are shown at window sizes 4 and 5, and at size 2 on a client area
// wider than 1290 and higher than 850.
bool ClockShown(int windowSize, int clientWidth, int clientHeight);

// The six places of the lights, relative to their scroll's top-left corner: left scroll 0-2, right 3-5.
Point LightPlace(int place);
// The picture (0-5) of light place 0-5 at phase 0-5.
int LightPicture(int phase, int place);

// The clock's digits for hours and minutes: four picture digits, the first -1 when the hour's tens are 0.
std::array<int, 4> ClockDigits(int hour, int minute);
inline constexpr std::array<int, 4> kClockDigitX{14, 34, 61, 81};

// The statistics display's mode for a minute: (minute mod 7) + 1; the balance (6) needs a logged-in account
// (state 2 or 3) and becomes the club size (7) otherwise.
int StatsModeFor(int minute, int accountState);
// The digit set of a mode: "GRClock", "GAClock", "GGClock", "GYClock", "GVClock", "GLClock", "GNClock".
std::string StatsDigitSet(int mode);
// A count shortened for the display: unchanged up to 999, then thousands "K", millions "M", milliards "G".
struct ShortCount {
  std::string digits;
  std::string suffix;
};
ShortCount ShortenCount(long long n);
// The width and the x of every character of a value text of that length; no places beyond six characters.
struct DigitPlaces {
  int width = 18;
  std::array<int, 6> x{};
  int count = 0;
};
DigitPlaces StatsDigitPlaces(int length);
// What a failed request adds to the hint of a mode: ": NO CONNECT" (1, 2, 6), "NO CONNECT" (3-5) or
// " NO CONNECT" (7).
std::string NoConnectSuffix(int mode);

// A pixel of the red caption artwork recoloured for `CaptionColour` k (1 leaves it as it is).
struct Rgb {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
Rgb RecolourCaptionPixel(Rgb c, int k);
// The click on the caption plate: 1, 2, ... 7, 1.
int NextCaptionColour(int k);

}  // namespace tarvel
