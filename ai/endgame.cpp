#include "ai/endgame.h"

#include "ai/defence_rules.h"
#include "ai/hand_queries.h"

namespace tarvel {

namespace {

bool Covers(TStr2 z, TStr2 x, Byte trump) { return Beats(x, LevelOf(x), z, LevelOf(z), trump); }

LevelSet RecordTableLevels(const StatTarvel2& r) {
  LevelSet s = 0;
  for (int k = 1; k <= 12; ++k)
    if (!r.InGameI[k].IsEmpty() && r.InGameJ[k] >= 1 && r.InGameJ[k] <= 9) s = static_cast<LevelSet>(s | (1u << r.InGameJ[k]));
  return s;
}

void Fill(SearchCards& s, const TCards_I1x36& codes, const TCards_J1x36& levels, int count) {
  s.count = count;
  for (int k = 1; k <= count && k <= 36; ++k) {
    s.code[k] = codes[k];
    s.level[k] = levels[k];
  }
}

MoveAnswer Card(int slot) { return slot ? MoveAnswer{slot, false} : MoveAnswer{0, true}; }

// The two lowest of the levels in `range` held in non-trump suits; the one with more such cards,
// ties to the lower. 0 when none is held.
int LevelWithMoreCards(HandView h, Byte trump, int highestLevel) {
  int l1 = 0, l2 = 0;
  for (int level = 1; level <= highestLevel && !l2; ++level)
    if (FirstNonTrumpIn(h, trump, Levels({level}))) (l1 ? l2 : l1) = level;
  if (!l1) return 0;
  const int n1 = CountNonTrumpIn(h, trump, Levels({l1}));
  const int n2 = l2 ? CountNonTrumpIn(h, trump, Levels({l2})) : 0;
  return n2 > n1 ? l2 : l1;
}

int LowestLevel(LevelSet s, int skip = 0) {
  for (int level = 1; level <= 9; ++level)
    if (Has(s, level) && skip-- == 0) return level;
  return 0;
}

int HighestLevel(LevelSet s) {
  for (int level = 9; level >= 1; --level)
    if (Has(s, level)) return level;
  return 0;
}

int Count(LevelSet s) {
  int n = 0;
  for (int level = 1; level <= 9; ++level) n += Has(s, level);
  return n;
}

int HeuristicLead(const StatTarvel2& r) {
  const HandView mine{r.CardsI1, r.CardsJ1}, his{r.CardsI2, r.CardsJ2};
  const LevelSet trumps = HandSuitLevels(mine, r.Koz);
  const LevelSet onlyPlain = static_cast<LevelSet>(HandLevels(mine) & ~trumps);
  const int plainLevels = Count(onlyPlain);
  if (plainLevels <= 1) {
    const int m = plainLevels == 0 ? LowestLevel(trumps, 1) : LowestLevel(trumps);
    const int h = HighestLevel(HandSuitLevels(his, r.Koz));
    if (m > h) return plainLevels == 0 ? SecondLowestOfSuit(mine, r.Koz) : LowestOfSuit(mine, r.Koz);
  }
  const int level = LevelWithMoreCards(mine, r.Koz, 7);
  if (level) return FirstNonTrumpIn(mine, r.Koz, Levels({level}));
  if (HasNonTrump(mine, r.Koz)) return LowestNonTrump(mine, r.Koz);
  return LowestOfSuit(mine, r.Koz);
}

}  // namespace

StatTarvel2 MakeEndgameRecord(const GameState& g, int seat, int otherSeat) {
  StatTarvel2 r;
  r.CardsI1 = g.CardsI[seat];
  r.CardsJ1 = g.CardsJ[seat];
  r.KolCards1 = g.KolCards[seat];
  r.CardsI2 = g.CardsI[otherSeat];
  r.CardsJ2 = g.CardsJ[otherSeat];
  r.KolCards2 = g.KolCards[otherSeat];
  r.Och = g.Och;
  r.Koz = g.Koz;
  r.Vskr = g.KolodaI[36].Rank();
  r.InGameI = g.InGameI;
  r.InGameJ = g.InGameJ;
  r.KolFree = g.KolFree;
  r.Bito = g.Bito;
  r.Plan = 0;
  r.KartaHod = g.KartaHod;
  r.DostHod = g.DostHod;
  r.Prognoz = 0;
  r.KolCardsStol = g.KolCardsStol;
  r.OchGame = g.OchGame;
  r.KolHods = g.KolHods;
  r.MaxSuper = 12;
  return r;
}

SearchPosition EndgamePosition(MoveKind kind, const StatTarvel2& r) {
  SearchPosition p;
  Fill(p.mover, r.CardsI1, r.CardsJ1, r.KolCards1);
  Fill(p.opponent, r.CardsI2, r.CardsJ2, r.KolCards2);
  p.table.count = r.OchGame > 0 ? r.OchGame - 1 : 0;
  if (p.table.count > 12) p.table.count = 12;
  for (int k = 1; k <= p.table.count; ++k) {
    p.table.code[k] = r.InGameI[k];
    p.table.level[k] = r.InGameJ[k];
  }
  p.trump = r.Koz;
  p.uncovered = r.KolFree;
  switch (kind) {
    case MoveKind::Lead: p.start = SearchStart::Attack; p.played = 0; break;
    case MoveKind::Add: p.start = SearchStart::Attack; p.played = r.KolHods; break;
    case MoveKind::Cover: p.start = SearchStart::Defend; p.played = r.KolHods; break;
    case MoveKind::AddToTaker: p.start = SearchStart::AttackAfterTake; p.played = r.KolHods; break;
  }
  return p;
}

MoveAnswer EndgameChoice(MoveKind kind, StatTarvel2& r, Solver solver) {
  r.Prognoz = 10;
  const HandView mine{r.CardsI1, r.CardsJ1};
  const int n = r.KolCards1 + r.KolCards2 + r.KolCardsStol;
  const bool large = n > r.MaxSuper;
  if (kind == MoveKind::Lead) {
    if (r.KolCards1 == 2 && r.KolCards2 == 2) {
      const ClosedForm f = TwoAgainstTwo(r.CardsI1[1], r.CardsI1[2], r.CardsI2[1], r.CardsI2[2], r.Koz);
      r.Prognoz = static_cast<Byte>(f.pessimistic);
      return {SlotOf(mine, f.lead), false};
    }
    if (r.KolCards1 == 3 && r.KolCards2 == 1) {
      const ClosedForm f = ThreeAgainstOne(r.CardsI1[1], r.CardsI1[2], r.CardsI1[3], r.CardsI2[1], r.Koz);
      r.Prognoz = static_cast<Byte>(f.pessimistic);
      return {SlotOf(mine, f.lead), false};
    }
    if (large) return {HeuristicLead(r), false};
  } else if (large) {
    const LevelSet onTable = RecordTableLevels(r);
    switch (kind) {
      case MoveKind::Add: {
        const int c = FirstNonTrumpIn(mine, r.Koz, onTable);
        return Card(c ? c : FirstTrumpIn(mine, r.Koz, onTable));
      }
      case MoveKind::Cover: return Card(BeatCard(mine, r.KartaHod, r.DostHod, r.Koz, onTable));
      case MoveKind::AddToTaker: return Card(FirstNonTrumpIn(mine, r.Koz, onTable));
      case MoveKind::Lead: break;
    }
  }

  const SearchPosition p = EndgamePosition(kind, r);
  SearchProgress progress;
  if (r.Image) {
    progress = [&r](int option, int total, int seconds) {
      r.Image(r.Think + std::to_string(option) + "/" + std::to_string(total) + " (" + std::to_string(seconds) +
              " sec.)");
    };
  }
  const SearchResult s = solver == Solver::Fast ? FastSearch(p, progress) : ReferenceSearch(p, progress);
  if (s.value == -2) r.Prognoz = 2;
  else if (s.value == 0) r.Prognoz = 4;
  else if (s.value == 2) r.Prognoz = 6;
  if (s.card.IsEmpty()) return {0, true};
  return {SlotOf(mine, s.card), false};
}

ClosedForm TwoAgainstTwo(TStr2 m1, TStr2 m2, TStr2 o1, TStr2 o2, Byte trump) {
  if (LevelOf(m1) == LevelOf(m2)) {
    const bool both = (Covers(o1, m1, trump) && Covers(o2, m2, trump)) || (Covers(o2, m1, trump) && Covers(o1, m2, trump));
    return {m1, both ? 4 : 6, both ? 4 : 6};
  }
  if (!Covers(o1, m1, trump) && !Covers(o2, m1, trump)) return {m1, 6, 6};
  if (!Covers(o1, m2, trump) && !Covers(o2, m2, trump)) return {m2, 6, 6};
  // For each lead X (other Y) and each of his cards Z that covers it (other W).
  auto value = [&](TStr2 x, TStr2 y) {
    ClosedForm f{x, 100, 0};
    const TStr2 his[2] = {o1, o2};
    for (int i = 0; i < 2; ++i) {
      const TStr2 z = his[i], w = his[1 - i];
      if (!Covers(z, x, trump)) continue;
      int outcome;
      if (LevelOf(y) == LevelOf(z)) outcome = Covers(w, y, trump) ? 4 : 6;
      else outcome = Covers(y, w, trump) ? 4 : 2;
      f.pessimistic = std::min(f.pessimistic, outcome);
      f.optimistic = std::max(f.optimistic, outcome);
    }
    return f;
  };
  const ClosedForm a = value(m1, m2), b = value(m2, m1);
  if (b.pessimistic > a.pessimistic) return b;
  if (b.pessimistic < a.pessimistic) return a;
  return a.optimistic > b.optimistic ? a : b;
}

ClosedForm ThreeAgainstOne(TStr2 m1, TStr2 m2, TStr2 m3, TStr2 o, Byte trump) {
  const TStr2 mine[3] = {m1, m2, m3};
  bool found = false;
  ClosedForm best;
  for (int i = 0; i < 3; ++i) {
    if (Covers(o, mine[i], trump)) continue;  // not safe
    // He takes the safe card and I lead again with my other two, in slot order.
    TStr2 rest[2];
    int n = 0;
    for (int j = 0; j < 3; ++j)
      if (j != i) rest[n++] = mine[j];
    ClosedForm f = TwoAgainstTwo(rest[0], rest[1], o, mine[i], trump);
    f.lead = mine[i];
    // A later card wins a full tie.
    if (!found || f.pessimistic > best.pessimistic ||
        (f.pessimistic == best.pessimistic && f.optimistic >= best.optimistic))
      best = f;
    found = true;
  }
  if (!found) return {m1, 2, 2};
  return best;
}

}  // namespace tarvel
