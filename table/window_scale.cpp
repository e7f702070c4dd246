#include "table/window_scale.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

int RoundHalfEven(double v) {
  const double floor = std::floor(v);
  const double frac = v - floor;
  double r = floor;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(floor, 2.0) != 0.0)) r += 1.0;
  return static_cast<int>(r);
}

WindowFactors FactorsFor(int windowSize, int clientWidth, int clientHeight) {
  switch (windowSize) {
    case 2: {
      if (clientWidth <= 0 || clientHeight <= 0) return {};
      const double sx = static_cast<double>(clientWidth) / kDesignWidth;
      const double sy = static_cast<double>(clientHeight) / kDesignHeight;
      return {sx, sy, std::min(sx, sy)};
    }
    case 3: return {1.3, 1.3, 1.3};
    case 4: return {1.7, 1.7, 1.7};
    case 5: return {2.0, 2.0, 2.0};
    default: return {};
  }
}

PixelSize ClientSizeFor(int windowSize) {
  switch (windowSize) {
    case 3: return {990, 650};
    case 4: return {1290, 850};
    case 5: return {1520, 1000};
    default: return {kDesignWidth, kDesignHeight};
  }
}

std::string_view WindowSizeHint(int windowSize) {
  switch (windowSize) {
    case 1: return "760 x 500";
    case 3: return "990 x 650";
    case 4: return "1290 x 850";
    case 5: return "1520 x 1000";
    default: return {};
  }
}

int Scaled(double v, const WindowFactors& f) { return RoundHalfEven(v * f.s); }

CardGeometry CardGeometryFor(int cardSet, const WindowFactors& f) {
  const bool narrow = IsNarrowCardSet(cardSet);
  // The factors of the fixed sizes are decimal fractions: compare with a little slack so that 1.3 counts as
  // 1.3 and a free window of 1519 pixels stays below the large mode.
  constexpr double kSlack = 1e-9;
  if (f.s < 1.3 - kSlack) return {71, 96, PictureMode::Small};
  if (f.s < 2.0 - kSlack) return {Scaled(narrow ? 61 : 71, f), Scaled(96, f), PictureMode::Scaled};
  return {narrow ? 126 : 146, 198, PictureMode::Large};
}

int DeckShift(int cardSet, int windowSize, const WindowFactors& f) {
  return IsNarrowCardSet(cardSet) && windowSize >= 2 && windowSize <= 5 ? Scaled(5, f) : 0;
}

}  // namespace tarvel
