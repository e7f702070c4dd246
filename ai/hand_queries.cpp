#include "ai/hand_queries.h"

namespace tarvel {

namespace {
bool Real(HandView h, int slot) { return !h.cards[slot].IsEmpty() && h.levels[slot] >= 1 && h.levels[slot] <= 9; }

// The first slot (lowest level, then lowest slot) whose card passes the test.
template <typename Test>
int First(HandView h, Test test) {
  for (int level = 1; level <= 9; ++level)
    for (int slot = 1; slot <= 36; ++slot)
      if (Real(h, slot) && h.levels[slot] == level && test(slot)) return slot;
  return 0;
}
}  // namespace

int LowestNonTrump(HandView h, Byte trump) {
  return First(h, [&](int s) { return h.cards[s].Suit() != trump; });
}

int LowestOfSuit(HandView h, Byte suit) {
  return First(h, [&](int s) { return h.cards[s].Suit() == suit; });
}

int SecondLowestOfSuit(HandView h, Byte suit) {
  const int lowest = LowestOfSuit(h, suit);
  if (lowest == 0) return 0;
  return First(h, [&](int s) { return s != lowest && h.cards[s].Suit() == suit; });
}

int SlotOf(HandView h, TStr2 card) {
  for (int slot = 1; slot <= 36; ++slot)
    if (Real(h, slot) && h.cards[slot] == card) return slot;
  return 0;
}

bool HoldsCard(HandView h, TStr2 card) { return SlotOf(h, card) != 0; }

bool HasNonTrump(HandView h, Byte trump) { return LowestNonTrump(h, trump) != 0; }

int FirstNonTrumpIn(HandView h, Byte trump, LevelSet set) {
  return First(h, [&](int s) { return h.cards[s].Suit() != trump && Has(set, h.levels[s]); });
}

int FirstTrumpIn(HandView h, Byte trump, LevelSet set) {
  return First(h, [&](int s) { return h.cards[s].Suit() == trump && Has(set, h.levels[s]); });
}

int LastNonTrumpIn(HandView h, Byte trump, LevelSet set) {
  for (int pass = 0; pass < 2; ++pass)
    for (int level = 9; level >= 1; --level)
      for (int slot = 36; slot >= 1; --slot)
        if (Real(h, slot) && h.levels[slot] == level && Has(set, level) &&
            (pass == 1 || h.cards[slot].Suit() != trump))
          return slot;
  return 0;
}

int CountNonTrumpIn(HandView h, Byte trump, LevelSet set) {
  int n = 0;
  for (int slot = 1; slot <= 36; ++slot)
    if (Real(h, slot) && h.cards[slot].Suit() != trump && Has(set, h.levels[slot])) ++n;
  return n;
}

int CountIn(HandView h, LevelSet set) {
  int n = 0;
  for (int slot = 1; slot <= 36; ++slot)
    if (Real(h, slot) && Has(set, h.levels[slot])) ++n;
  return n;
}

LevelSet HandLevels(HandView h) {
  LevelSet s = 0;
  for (int slot = 1; slot <= 36; ++slot)
    if (Real(h, slot)) s = static_cast<LevelSet>(s | (1u << h.levels[slot]));
  return s;
}

LevelSet HandSuitLevels(HandView h, Byte suit) {
  LevelSet s = 0;
  for (int slot = 1; slot <= 36; ++slot)
    if (Real(h, slot) && h.cards[slot].Suit() == suit) s = static_cast<LevelSet>(s | (1u << h.levels[slot]));
  return s;
}

namespace {
template <typename Test>
void ForTable(const GameState& g, Test test) {
  for (int k = 1; k <= 12; ++k)
    if (!g.InGameI[k].IsEmpty() && g.InGameJ[k] >= 1 && g.InGameJ[k] <= 9) test(g.InGameI[k], g.InGameJ[k]);
}
}  // namespace

LevelSet TableLevels(const GameState& g) {
  LevelSet s = 0;
  ForTable(g, [&](TStr2, Byte l) { s = static_cast<LevelSet>(s | (1u << l)); });
  return s;
}

LevelSet TableNonTrumpLevels(const GameState& g, Byte trump) {
  LevelSet s = 0;
  ForTable(g, [&](TStr2 c, Byte l) {
    if (c.Suit() != trump) s = static_cast<LevelSet>(s | (1u << l));
  });
  return s;
}

int CountTableNonTrumpIn(const GameState& g, Byte trump, LevelSet set) {
  int n = 0;
  ForTable(g, [&](TStr2 c, Byte l) { n += c.Suit() != trump && Has(set, l); });
  return n;
}

bool TableHighOnly(const GameState& g, Byte trump) {
  bool high = true;
  ForTable(g, [&](TStr2 c, Byte l) { high &= c.Suit() == trump || l >= 6; });
  return high;
}

}  // namespace tarvel
