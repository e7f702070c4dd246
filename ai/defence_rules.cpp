#include "ai/defence_rules.h"

namespace tarvel {

namespace {

// The card of `suit` at `level`, 0 when not held.
int CardAt(HandView h, Byte suit, int level) {
  for (int slot = 1; slot <= 36; ++slot)
    if (!h.cards[slot].IsEmpty() && h.cards[slot].Suit() == suit && h.levels[slot] == level) return slot;
  return 0;
}

// From the level of `start` upwards while the hand holds every level in `suit`: the lowest level of
// that unbroken run that also lies on the table, 0 when none does.
int RunLevelOnTable(HandView h, Byte suit, int startLevel, LevelSet tableLevels) {
  for (int level = startLevel; level <= 9 && CardAt(h, suit, level); ++level)
    if (Has(tableLevels, level)) return CardAt(h, suit, level);
  return 0;
}

}  // namespace

int BeatCard(HandView h, TStr2 attack, Byte attackLevel, Byte trump, LevelSet tableLevels) {
  const Byte suit = attack.Suit();
  int c0 = 0;
  for (int level = attackLevel + 1; level <= 9 && !c0; ++level) c0 = CardAt(h, suit, level);
  if (c0) {
    const int onTable = RunLevelOnTable(h, suit, h.levels[c0], tableLevels);
    return onTable ? onTable : c0;
  }
  if (suit == trump) return 0;
  const int t0 = LowestOfSuit(h, trump);
  if (!t0) return 0;
  const int onTable = RunLevelOnTable(h, trump, h.levels[t0], tableLevels);
  if (onTable) return onTable;
  const int t0Level = h.levels[t0];
  const int six = 1, seven = 2, eight = 3, nine = 4;
  if (t0Level == six && Has(tableLevels, eight) && !Has(tableLevels, six) && CardAt(h, trump, eight))
    return CardAt(h, trump, eight);
  if (t0Level == six && Has(tableLevels, nine) && !Has(tableLevels, six) && CardAt(h, trump, nine))
    return CardAt(h, trump, nine);
  if (t0Level == seven && Has(tableLevels, nine) && !Has(tableLevels, seven) && CardAt(h, trump, nine))
    return CardAt(h, trump, nine);
  return t0;
}

MoveAnswer DefendRule(const GameState& g, int seat) {
  const HandView h = HandOf(g, seat);
  const int b = BeatCard(h, g.KartaHod, g.DostHod, g.Koz, TableLevels(g));
  if (!b) return {0, true};
  if (PhaseOfStock(g) != StockPhase::Early || h.cards[b].Suit() != g.Koz) return {b, false};
  const int level = h.levels[b];
  if (level <= 4) return TableHighOnly(g, g.Koz) ? MoveAnswer{0, true} : MoveAnswer{b, false};
  if (level <= 8) return {0, true};
  // The ace of trumps: only near the end, with few cards in the seat's and the user's hands.
  const bool nearEnd = g.KolCards[seat] <= 3 && StockCount(g) + g.KolCards[4] <= 6;
  return nearEnd ? MoveAnswer{b, false} : MoveAnswer{0, true};
}

}  // namespace tarvel
