#pragma once
// Window factors: every coordinate of the 760 x 500 design is mapped to the window by a horizontal, a
// vertical and a uniform factor fixed by the window size option; card sizes and picture modes follow.
// Standard library only.
#include <string_view>

#include "table/picture_names.h"

namespace tarvel {

inline constexpr int kDesignWidth = 760;
inline constexpr int kDesignHeight = 500;

struct WindowFactors {
  double sx = 1.0;
  double sy = 1.0;
  double s = 1.0;
};

// Rounds to the nearest integer, an exact half going to the even neighbour.
int RoundHalfEven(double v);

// Factors for `WindowSize` 1-5. Size 2 takes the client area it is given; any other value outside 1-5
// counts as size 1. A client area of zero width or height keeps the factors at 1.
WindowFactors FactorsFor(int windowSize, int clientWidth = kDesignWidth, int clientHeight = kDesignHeight);

// The fixed client size of sizes 1, 3, 4 and 5; the design size for 2 and anything else.
struct PixelSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};
PixelSize ClientSizeFor(int windowSize);

// The hint of the size box: "760 x 500", "990 x 650", "1290 x 850", "1520 x 1000"; empty for size 2.
std::string_view WindowSizeHint(int windowSize);

// v times the uniform factor, rounded.
int Scaled(double v, const WindowFactors& f);

// The card size and picture mode of a card-face set at these factors.
struct CardGeometry {
  int width = 71;
  int height = 96;
  PictureMode mode = PictureMode::Small;
  friend bool operator==(const CardGeometry&, const CardGeometry&) = default;
};
CardGeometry CardGeometryFor(int cardSet, const WindowFactors& f);

// The rightward shift of the deck picture: Scaled(5) for a narrow set at window sizes 2-5, else 0.
int DeckShift(int cardSet, int windowSize, const WindowFactors& f);

}  // namespace tarvel
