#include "ai/attack_rules.h"

#include "ai/hand_queries.h"

namespace tarvel {

namespace {
MoveAnswer Card(int slot) { return slot ? MoveAnswer{slot, false} : MoveAnswer{0, true}; }
}  // namespace

MoveAnswer LeadRule(const GameState& g, int seat) {
  const HandView h = HandOf(g, seat);
  // The two lowest of six, seven and eight held in a non-trump suit; the one with more cards leads.
  int l1 = 0, l2 = 0;
  for (int level = 1; level <= 3 && !l2; ++level)
    if (FirstNonTrumpIn(h, g.Koz, Levels({level}))) (l1 ? l2 : l1) = level;
  if (l1) {
    const int n1 = CountNonTrumpIn(h, g.Koz, Levels({l1}));
    const int n2 = l2 ? CountNonTrumpIn(h, g.Koz, Levels({l2})) : 0;
    return {FirstNonTrumpIn(h, g.Koz, Levels({n2 > n1 ? l2 : l1})), false};
  }
  if (HasNonTrump(h, g.Koz)) return {LowestNonTrump(h, g.Koz), false};
  return {LowestOfSuit(h, g.Koz), false};
}

MoveAnswer AddRule(const GameState& g, int seat, bool partnerFlag) {
  const HandView h = HandOf(g, seat);
  const LevelSet onTable = TableLevels(g);
  const int c = FirstNonTrumpIn(h, g.Koz, onTable);
  const int cLevel = c ? h.levels[c] : 0;
  if (PhaseOfStock(g) == StockPhase::Early) {
    if (c && cLevel <= 5) return Card(c);
    if (c && cLevel <= 7) return Card(TableNonTrumpLevels(g, g.Koz) & Levels({6, 7, 8}) ? c : 0);
    if (c) return Card(CountTableNonTrumpIn(g, g.Koz, Levels({1, 2, 3, 4})) >= 2 ? c : 0);
    const int d = FirstTrumpIn(h, g.Koz, onTable);
    const bool add = d && h.levels[d] <= 3 && CountTableNonTrumpIn(g, g.Koz, Levels({1, 2, 3, 4})) >= 4;
    return Card(add ? d : 0);
  }
  if (c) return Card(c);
  const int d = FirstTrumpIn(h, g.Koz, onTable);
  return Card(d && h.levels[d] <= 4 && partnerFlag ? d : 0);
}

MoveAnswer ThrowInToTakerRule(const GameState& g, int seat) {
  const HandView h = HandOf(g, seat);
  const int c = FirstNonTrumpIn(h, g.Koz, TableLevels(g));
  return Card(c && h.levels[c] <= 5 ? c : 0);
}

}  // namespace tarvel
