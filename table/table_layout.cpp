#include "table/table_layout.h"

namespace tarvel {

namespace {
constexpr Rect kBase[] = {
    {10, 180, 190, 0},  {285, 10, 190, 0}, {560, 180, 190, 0}, {160, 395, 440, 0},   // hands
    {35, 287, 160, 20}, {295, 117, 160, 20}, {560, 287, 160, 20}, {295, 365, 160, 20},  // bubbles
    {615, 100, 130, 60}, {615, 410, 130, 60},                                        // team tables
    {28, 3, 100, 170},  {249, 150, 252, 200}, {615, 5, 130, 70}, {138, 78, 40, 60},   // stock, table, deal, help
    {5, 370, 130, 90},                                                               // message log
};
constexpr int kAttackX[7] = {0, 0, 74, 148, 0, 74, 148};
constexpr int kAttackY[7] = {0, 20, 20, 20, 100, 100, 100};
}  // namespace

Rect PlaceRect(const Rect& b, const WindowFactors& f) {
  return {RoundHalfEven(f.sx * b.left) + RoundHalfEven((f.sx - f.s) * b.width / 2.0),
          RoundHalfEven(f.sy * b.top) + RoundHalfEven((f.sy - f.s) * b.height / 2.0), RoundHalfEven(f.s * b.width),
          RoundHalfEven(f.s * b.height)};
}

Rect BaseRect(Component c) { return kBase[static_cast<int>(c)]; }

Rect ComponentRect(Component c, const WindowFactors& f, int cardHeight) {
  const int i = static_cast<int>(c);
  if (i <= static_cast<int>(Component::Hand4)) {
    // The hand keeps the card height as it is; only its position and width follow the window.
    Rect r = PlaceRect(kBase[i], f);
    r.height = cardHeight;
    return r;
  }
  return PlaceRect(kBase[i], f);
}

Component HandOf(int seat) { return static_cast<Component>(static_cast<int>(Component::Hand1) + seat - 1); }
Component BubbleOf(int seat) { return static_cast<Component>(static_cast<int>(Component::Say1) + seat - 1); }

Rect MemoEntryRect(const Rect& memo, const WindowFactors& f) {
  return {memo.left, memo.Bottom() + Scaled(1, f) + RoundHalfEven((Scaled(35, f) - Scaled(20, f)) / 2.0),
          memo.width - Scaled(36, f), Scaled(20, f)};
}

Rect MemoButtonRect(const Rect& memo, const WindowFactors& f) {
  return {memo.Right() - Scaled(35, f), memo.Bottom() + Scaled(1, f), Scaled(35, f), Scaled(35, f)};
}

std::vector<int> SpreadCards(int left, int right, int count, int cardWidth) {
  std::vector<int> x;
  if (count <= 0) return x;
  const double w = right - left;
  const int mid = left + RoundHalfEven(w / 2);
  const int step = cardWidth + 3;
  if (step <= w / count) {
    for (int i = 1; i <= count; ++i) x.push_back(RoundHalfEven(mid - step * count / 2.0 + (i - 1) * step));
    return x;
  }
  const double e = step - w / count;
  const int d = count > 1 ? static_cast<int>(w / count - e / (count - 1)) : 0;
  for (int i = 1; i <= count; ++i) x.push_back(left + (i - 1) * d);
  return x;
}

Point AttackPlace(int k, const WindowFactors& f) {
  if (k < 1 || k > 6) k = 1;
  return {Scaled(kAttackX[k], f), Scaled(kAttackY[k], f)};
}

Point CoverPlace(int k, const WindowFactors& f) {
  if (k < 1 || k > 6) k = 1;
  return {Scaled(kAttackX[k] + 30, f), Scaled(kAttackY[k] - 20, f)};
}

std::vector<int> StockPileLayers(int cards, const WindowFactors& f) {
  std::vector<int> y;
  // 2 cards: one back; 3-4: two; ... 11-12: six. A single card is the trump alone.
  const int layers = cards < 2 ? 0 : (cards + 1) / 2;
  for (int i = 0; i < layers && i < 6; ++i) y.push_back(Scaled(45 - 3 * i, f));
  return y;
}

int BubbleColourCode(Speech s) {
  switch (s) {
    case Speech::Name: return 121;
    case Speech::IGo: return 114;
    case Speech::ITake: return 103;
    case Speech::ThatsAll:
    case Speech::Blank: return 98;
  }
  return 121;
}

std::string_view BubblePicture(int colourCode) {
  switch (colourCode) {
    case 98: return "SPBlue";
    case 103: return "SPGreen";
    case 114: return "SPRed";
    case 111: return "SPFiolet";
    default: return "SPYellow";
  }
}

int FontHeight(int base, int scalePercent) { return RoundHalfEven(base * scalePercent / 100.0); }

Rect MoveClockRect(int seat, const WindowFactors& f, int cardHeight) {
  if (seat < 1 || seat > 4) seat = 4;
  const Rect hand = ComponentRect(HandOf(seat), f, cardHeight);
  const int side = hand.height;
  const int left = seat == 3 ? hand.left - Scaled(10, f) - Scaled(20, f) : hand.Right() + Scaled(10, f);
  return {left, hand.top, side, side};
}

}  // namespace tarvel
