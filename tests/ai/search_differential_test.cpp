// The fast search against the reference: the same card (or stop) and the same forecast, on positions
// from seeded self-play and on random positions of every kind of decision.
#include <gtest/gtest.h>

#include "ai/endgame_search.h"
#include "endgame_positions.h"
#include "engine/random.h"

namespace tarvel {
namespace {

int Prognoz(int value) { return value == -2 ? 2 : value == 0 ? 4 : value == 2 ? 6 : 10; }

std::string Describe(const SearchPosition& p) {
  std::string s = "mover";
  for (int k = 1; k <= p.mover.count; ++k) s += " " + AsciiName(p.mover.code[k]);
  s += " | opponent";
  for (int k = 1; k <= p.opponent.count; ++k) s += " " + AsciiName(p.opponent.code[k]);
  s += " | table";
  for (int k = 1; k <= p.table.count; ++k) s += " " + AsciiName(p.table.code[k]);
  return s + " | start " + std::to_string(static_cast<int>(p.start)) + " unc " + std::to_string(p.uncovered) +
         " played " + std::to_string(p.played);
}

void ExpectSameChoice(const SearchPosition& p) {
  const SearchResult ref = ReferenceSearch(p, {}, [] { return 0; });
  const SearchResult fast = FastSearch(p);
  EXPECT_EQ(AsciiName(fast.card), AsciiName(ref.card)) << Describe(p);
  EXPECT_EQ(Prognoz(fast.value), Prognoz(ref.value)) << Describe(p);
}

// A random position: two hands sorted as the game keeps them, and a table that fits the kind.
SearchPosition RandomPosition(DealRandom& random, SearchStart start) {
  SearchPosition p;
  p.trump = kSuitChar[random.Uniform(1, 4)];
  p.start = start;
  bool used[37] = {};
  auto draw = [&] {
    int v;
    do v = random.Uniform(1, 36);
    while (used[v]);
    used[v] = true;
    return CardOfOrder(v);
  };
  auto add = [](SearchCards& s, TStr2 c) {
    ++s.count;
    s.code[s.count] = c;
    s.level[s.count] = LevelOf(c);
  };
  const int pairs = start == SearchStart::Attack ? random.Uniform(0, 2) : random.Uniform(0, 1);
  for (int i = 0; i < pairs; ++i) {
    const TStr2 a = draw();
    std::vector<int> covers;  // the free cards that beat it
    for (int v = 1; v <= 36; ++v)
      if (!used[v] && Beats(a, LevelOf(a), CardOfOrder(v), LevelOf(CardOfOrder(v)), p.trump)) covers.push_back(v);
    if (covers.empty()) continue;
    const int v = covers[random.Uniform(0, static_cast<int>(covers.size()) - 1)];
    used[v] = true;
    add(p.table, a);
    add(p.table, CardOfOrder(v));
    ++p.played;
  }
  if (start != SearchStart::Attack || pairs == 0) {
    const int open = start == SearchStart::Attack ? 0 : start == SearchStart::Defend ? 1 : random.Uniform(1, 2);
    for (int i = 0; i < open; ++i) add(p.table, draw());
    p.played += open;
    p.uncovered = open;
  }
  const int room = 10 - p.table.count;
  const int mine = random.Uniform(1, room - 1);
  const int his = random.Uniform(1, room - mine);
  SearchCards hands[2];
  for (int i = 0; i < mine; ++i) add(hands[0], draw());
  for (int i = 0; i < his; ++i) add(hands[1], draw());
  // Slot order as in the game: plain cards by level, then trumps by level.
  for (SearchCards* h : {&hands[0], &hands[1]}) {
    SearchCards sorted;
    for (int trumps = 0; trumps < 2; ++trumps)
      for (int level = 1; level <= 9; ++level)
        for (int k = 1; k <= h->count; ++k)
          if (h->level[k] == level && (h->code[k].Suit() == p.trump) == (trumps == 1)) add(sorted, h->code[k]);
    *h = sorted;
  }
  p.mover = hands[0];
  p.opponent = hands[1];
  return p;
}

TEST(SearchDifferential, SelfPlayPositionsOfEveryKind) {
  const std::vector<EndgameCase> cases = CollectEndgamePositions(240, 5, 10);
  ASSERT_GE(cases.size(), 200u);
  int kinds[5] = {};
  for (const EndgameCase& c : cases) {
    ++kinds[static_cast<int>(c.kind)];
    ExpectSameChoice(c.position);
  }
  for (int k = 1; k <= 4; ++k) EXPECT_GT(kinds[k], 20) << "kind " << k;
}

TEST(SearchDifferential, RandomPositions) {
  DealRandom random(2024);
  for (int i = 0; i < 300; ++i) {
    const SearchStart start = static_cast<SearchStart>(i % 3);
    ExpectSameChoice(RandomPosition(random, start));
  }
}

}  // namespace
}  // namespace tarvel
