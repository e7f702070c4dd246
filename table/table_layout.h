#pragma once
// Where everything of the table screen lies: the components at every window size, the spread of a
// hand, the places of attack and cover cards, the layers of the stock pile, the speech bubbles' colours
// and the font steps. Standard library only; the Qt table draws by these numbers.
#include <array>
#include <string_view>
#include <vector>

#include "engine/presenter.h"
#include "table/window_scale.h"

namespace tarvel {

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A base rectangle of the 760 x 500 design placed in the window: scaled by the uniform factor and kept
// centred on its position scaled by the horizontal and vertical factors.
Rect PlaceRect(const Rect& base, const WindowFactors& f);

enum class Component {
  Hand1, Hand2, Hand3, Hand4,
  Say1, Say2, Say3, Say4,
  Tab1, Tab2,
  Stock, Table, DealPanel, Help, Memo,
};
// The base rectangle of a component; the hands' height is the card height, given in window pixels and
// not scaled again.
Rect BaseRect(Component c);
Rect ComponentRect(Component c, const WindowFactors& f, int cardHeight);
Component HandOf(int seat);
Component BubbleOf(int seat);

// The one-line entry and the button under the message log.
Rect MemoEntryRect(const Rect& memo, const WindowFactors& f);
Rect MemoButtonRect(const Rect& memo, const WindowFactors& f);

// x of every card of a hand of `count` cards between `left` and `right`: side by side with a gap of 3
// and centred when they fit, else overlapping from the left edge.
std::vector<int> SpreadCards(int left, int right, int count, int cardWidth);

// Attack place k (1..6) and the cover place over it, inside the table picture, in window pixels.
struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};
Point AttackPlace(int k, const WindowFactors& f);
Point CoverPlace(int k, const WindowFactors& f);

// The y of each back of the stock pile, the lowest first, in window pixels; empty for a stock of 0 or 1.
std::vector<int> StockPileLayers(int cards, const WindowFactors& f);

// The colour code of a speech and its bubble picture: 121 "SPYellow", 114 "SPRed", 103 "SPGreen",
// 98 "SPBlue" (111 "SPFiolet" is the menu's).
int BubbleColourCode(Speech s);
std::string_view BubblePicture(int colourCode);

// The pixel height for a base height in a font class, by its scale percent.
int FontHeight(int base, int scalePercent);

// The move clock of a seat in tournament games: a square as high as the hand picture beside it.
Rect MoveClockRect(int seat, const WindowFactors& f, int cardHeight);

}  // namespace tarvel
