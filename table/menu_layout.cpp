#include "table/menu_layout.h"

#include <algorithm>

namespace tarvel {

namespace {

int R(double v) { return RoundHalfEven(v); }

// Stretched: position and width follow the horizontal and vertical factors; the height is given.
Rect Stretched(double x, int top, double w, int height, const WindowFactors& f) {
  return {R(f.sx * x), top, R(f.sx * w), height};
}

// Fixed-size: the picture keeps its pixel size and stays centred on its scaled place.
Rect FixedSize(double x, double y, int w, int h, const WindowFactors& f) {
  return {R(f.sx * x) + R((f.sx - 1) * w / 2.0), R(f.sy * y) + R((f.sy - 1) * h / 2.0), w, h};
}

}  // namespace

int MenuUnitHeight(const WindowFactors& f) { return R(f.s * 30); }

MenuLayout MenuLayoutFor(const WindowFactors& f, int clientWidth, int clientHeight, bool calendarShown) {
  MenuLayout m;
  const int p = MenuUnitHeight(f);
  const int listTop = R(f.sy * 265);
  for (int i = 1; i <= 5; ++i) m.members[i] = Stretched(180, listTop + (i - 1) * p, 400, p, f);
  m.newPlayer = Stretched(280, listTop + 5 * p + Scaled(10, f), 200, p, f);
  m.panel4 = Stretched(180, listTop - p - Scaled(10, f), 400, p, f);
  m.topTen = Stretched(40, R(f.sy * 225), 100, p, f);
  m.history = Stretched(40, R(f.sy * 255), 100, p, f);
  m.options = Stretched(620, R(f.sy * 225), 100, p, f);
  m.mode = Stretched(620, R(f.sy * 255), 100, p, f);
  m.exit = Stretched(330, R(f.sy * 465), 100, p, f);
  for (int i = 1; i <= 3; ++i) m.topPanels[i] = Stretched(230, R(f.sy * 90) + (i - 1) * p, 300, p, f);
  m.title = Stretched(230, R(f.sy * 90) - Scaled(5, f), 300, 3 * p, f);
  m.caption = PlaceRect({180, 12, 400, 70}, f);
  m.modePlate = PlaceRect({205, 183, 350, 40}, f);
  m.animation1 = FixedSize(7, 290, 160, 200, f);
  m.animation2 = FixedSize(592, 290, 160, 200, f);
  const int z = calendarShown ? 20 : 0;
  m.scrollLeft = FixedSize(60 - z, 30, 100, 200, f);
  m.scrollRight = FixedSize(600 + z, 30, 100, 200, f);
  m.calendarLeft = FixedSize(150, 95, 60, 100, f);
  m.calendarRight = FixedSize(550, 95, 60, 100, f);

  // The clock and the display hang under their scrolls, centred in the gap down to the buttons beside.
  const auto under = [](const Rect& scroll, const Rect& button) {
    const int top = scroll.top + 200 + R((button.top - scroll.top - 200) / 2.0) - 36;
    return Rect{scroll.left - 7, top, 115, 64};
  };
  m.clock = under(m.scrollLeft, m.topTen);
  m.stats = under(m.scrollRight, m.options);

  const Rect& b5 = m.members[5];
  const double lowTop = (clientHeight + b5.top + b5.height) / 2.0;
  m.radio = {R((m.animation1.Right() + m.newPlayer.left) / 2.0 - 110), R(lowTop - 62.5), 220, 125};
  const double shelfMiddle = (m.animation2.left + m.newPlayer.Right()) / 2.0;
  m.newsShelf = {R(shelfMiddle - 110), m.radio.top, 220, 125};
  const Point anchor{R(shelfMiddle - 15), R(lowTop - 16.5)};
  m.newsSirenSmall = {anchor.x - 25, anchor.y, 30, 33};
  m.chatSirenSmall = {anchor.x + 15, anchor.y, 30, 33};
  (void)clientWidth;
  return m;
}

bool ClockShown(int windowSize, int clientWidth, int clientHeight) {
  if (windowSize == 4 || windowSize == 5) return true;
  return windowSize == 2 && clientWidth > 1290 && clientHeight > 850;
}

Point LightPlace(int place) {
  static constexpr std::array<Point, 3> kPlaces{{{16, 15}, {41, 1}, {66, 15}}};
  return kPlaces[static_cast<std::size_t>(std::clamp(place, 0, 5) % 3)];
}

int LightPicture(int phase, int place) {
  static constexpr int kTable[6][6] = {
      {0, 1, 2, 2, 0, 3}, {1, 2, 3, 1, 5, 0}, {2, 3, 4, 0, 1, 4},
      {3, 4, 5, 5, 4, 1}, {4, 5, 0, 4, 2, 5}, {5, 0, 1, 3, 3, 2},
  };
  return kTable[((phase % 6) + 6) % 6][std::clamp(place, 0, 5)];
}

std::array<int, 4> ClockDigits(int hour, int minute) {
  return {hour / 10 == 0 ? -1 : hour / 10, hour % 10, minute / 10, minute % 10};
}

int StatsModeFor(int minute, int accountState) {
  const int mode = minute % 7 + 1;
  if (mode == 6 && accountState != 2 && accountState != 3) return 7;
  return mode;
}

std::string StatsDigitSet(int mode) {
  static constexpr const char* kSets[] = {"GRClock", "GAClock", "GGClock", "GYClock", "GVClock", "GLClock", "GNClock"};
  return kSets[std::clamp(mode, 1, 7) - 1];
}

ShortCount ShortenCount(long long n) {
  if (n < 1000) return {std::to_string(n), ""};
  if (n <= 999'999) return {std::to_string(n / 1000), "K"};
  if (n <= 999'999'999) return {std::to_string(n / 1'000'000), "M"};
  return {std::to_string(n / 1'000'000'000), "G"};
}

DigitPlaces StatsDigitPlaces(int length) {
  switch (length) {
    case 1: return {18, {50}, 1};
    case 2: return {18, {38, 58}, 2};
    case 3: return {18, {29, 49, 69}, 3};
    case 4: return {15, {27, 42, 57, 72}, 4};
    case 5: return {12, {28, 40, 52, 64, 76}, 5};
    case 6: return {9, {15, 24, 33, 42, 51, 60}, 6};
    default: return {0, {}, 0};
  }
}

std::string NoConnectSuffix(int mode) {
  if (mode == 1 || mode == 2 || mode == 6) return ": NO CONNECT";
  if (mode >= 3 && mode <= 5) return "NO CONNECT";
  return " NO CONNECT";
}

Rgb RecolourCaptionPixel(Rgb c, int k) {
  switch (k) {
    case 2:
      if (c.g < c.r && c.b < c.r) {
        const int b = R(0.7 * std::min(c.b, c.g));
        return {c.r, b + R(0.4 * (c.r - b)), b};
      }
      return c;
    case 3: return {c.r, c.r, c.b};
    case 4: return {c.g, c.r, c.b};
    case 5: return {c.b, c.r, c.r};
    case 6: return {c.b, c.g, c.r};
    case 7: return {c.r, c.g, c.r};
    default: return c;
  }
}

int NextCaptionColour(int k) { return k >= 7 || k < 1 ? 1 : k + 1; }

}  // namespace tarvel
