// The two-seat endgame: the closed forms, the dispatch by size, and the searches' root cases.
#include <gtest/gtest.h>

#include "ai/endgame.h"
#include "fixtures.h"

namespace tarvel {
namespace {

using testing::C;

constexpr Byte kHearts = kSuitChar[1], kSpades = kSuitChar[4];

TEST(TwoAgainstTwo, CaseTable) {
  struct Case { const char *m1, *m2, *o1, *o2; const char* lead; int pessimistic; };
  const Case cases[] = {
      {"7S", "7C", "8S", "9C", "7S", 4},   // equal levels, he covers both: a draw
      {"7S", "7C", "8S", "9D", "7S", 6},   // equal levels, he cannot cover both
      {"6S", "AC", "7S", "8D", "AC", 6},   // nothing of his covers the second card
      {"AC", "6S", "7S", "8D", "AC", 6},   // nor the first
      {"6S", "7D", "8S", "9D", "7D", 2},   // both leads lose; equal optimistic values go to the second
      {"6S", "8D", "8S", "9D", "6S", 4},   // 8S covers 6S, 8D follows on the eight and 9D covers it: a draw
  };
  for (const Case& c : cases) {
    const ClosedForm f = TwoAgainstTwo(C(c.m1), C(c.m2), C(c.o1), C(c.o2), kHearts);
    EXPECT_EQ(AsciiName(f.lead), c.lead) << c.m1 << " " << c.m2 << " vs " << c.o1 << " " << c.o2;
    EXPECT_EQ(f.pessimistic, c.pessimistic) << c.m1 << " " << c.m2 << " vs " << c.o1 << " " << c.o2;
  }
}

TEST(ThreeAgainstOne, CaseTable) {
  struct Case { const char *m1, *m2, *m3, *o; const char* lead; int pessimistic; };
  const Case cases[] = {
      {"6S", "7S", "8S", "AH", "6S", 2},  // his ace of trumps covers everything: no safe card
      {"6S", "7S", "KD", "8S", "KD", 2},  // one safe card: he takes it, then 6S 7S lose to 8S and KD
      {"JD", "QD", "KD", "10D", "QD", 6}, // three safe: JD and QD tie at 6, the later card leads
  };
  for (const Case& c : cases) {
    const ClosedForm f = ThreeAgainstOne(C(c.m1), C(c.m2), C(c.m3), C(c.o), kHearts);
    EXPECT_EQ(AsciiName(f.lead), c.lead) << c.o;
    EXPECT_EQ(f.pessimistic, c.pessimistic) << c.o;
  }
}

// A two-seat ending between seats 1 and 2, hearts trump, the stock empty.
struct Ending {
  GameState g;
  Ending(std::initializer_list<const char*> mine, std::initializer_list<const char*> his) {
    g.Koz = kHearts;
    g.Och = 37;
    testing::SetHand(g, 1, mine);
    testing::SetHand(g, 2, his);
    g.PairMode = true;
    g.PairCode = 12;
  }
  StatTarvel2 Record() { return MakeEndgameRecord(g, 1, 2); }
};

TEST(EndgameChoice, SizeDecidesBetweenSearchAndHeuristics) {
  // Seat 1 defends an uncovered plain seven with twelve or thirteen cards in play.
  Ending twelve({"8S", "9S", "10S", "JS", "QS", "KS"}, {"6D", "7D", "8D", "9D", "10D"});
  testing::SetTable(twelve.g, {"7S"}, 1, 1);
  twelve.g.KartaHod = C("7S");
  twelve.g.DostHod = LevelOf(C("7S"));
  StatTarvel2 r = twelve.Record();
  EndgameChoice(MoveKind::Cover, r);
  EXPECT_TRUE(r.Prognoz == 2 || r.Prognoz == 4 || r.Prognoz == 6);  // searched

  Ending thirteen({"8S", "9S", "10S", "JS", "QS", "KS"}, {"6D", "7D", "8D", "9D", "10D", "JD"});
  testing::SetTable(thirteen.g, {"7S"}, 1, 1);
  thirteen.g.KartaHod = C("7S");
  thirteen.g.DostHod = LevelOf(C("7S"));
  r = thirteen.Record();
  const MoveAnswer a = EndgameChoice(MoveKind::Cover, r);
  EXPECT_EQ(r.Prognoz, 10);  // not searched: BeatCard beats with the lowest spade above
  EXPECT_EQ(AsciiName(thirteen.g.CardsI[1][a.slot]), "8S");
}

TEST(EndgameChoice, HeuristicLeadForLargePositions) {
  // Only trumps and one plain level: the lowest trump leads when the opponent cannot beat it.
  Ending e({"QH", "KH", "AH", "6S", "6C", "6D", "7H"}, {"6H", "7S", "8S", "9S", "10S", "JS"});
  StatTarvel2 r = e.Record();
  MoveAnswer a = EndgameChoice(MoveKind::Lead, r);
  EXPECT_EQ(AsciiName(e.g.CardsI[1][a.slot]), "7H");  // his highest trump is the six
  // Two plain levels: the level with more plain cards among six to queen.
  Ending f({"7S", "8S", "8C", "AH", "KH", "QD", "JD"}, {"6H", "7H", "9S", "10S", "JS", "QS"});
  r = f.Record();
  a = EndgameChoice(MoveKind::Lead, r);
  EXPECT_EQ(AsciiName(f.g.CardsI[1][a.slot]), "8S");
}

TEST(EndgameSearch, AWinningFirstCardEndsTheProgressAtOne) {
  SearchPosition p;
  p.trump = kHearts;
  p.mover.count = 1;
  p.mover.code[1] = C("6S");
  p.mover.level[1] = LevelOf(C("6S"));
  p.opponent.count = 3;
  const char* his[] = {"7S", "8D", "9C"};
  for (int k = 0; k < 3; ++k) {
    p.opponent.code[k + 1] = C(his[k]);
    p.opponent.level[k + 1] = LevelOf(C(his[k]));
  }
  for (auto search : {+[](const SearchPosition& q, const SearchProgress& s) { return ReferenceSearch(q, s); },
                      +[](const SearchPosition& q, const SearchProgress& s) { return FastSearch(q, s); }}) {
    std::string last;
    StatTarvel2 r;
    const SearchResult res = search(p, [&](int option, int total, int seconds) {
      last = r.Think + std::to_string(option) + "/" + std::to_string(total) + " (" + std::to_string(seconds) + " sec.)";
    });
    EXPECT_EQ(res.value, 2);
    EXPECT_EQ(res.card, C("6S"));
    EXPECT_EQ(last, "I think... 1/1 (0 sec.)");
  }
}

TEST(EndgameSearch, ADefenderWithNoCoverTakesWithMinusThree) {
  SearchPosition p;
  p.trump = kSpades;
  p.start = SearchStart::Defend;
  p.uncovered = 1;
  p.played = 1;
  p.table.count = 1;
  p.table.code[1] = C("AS");
  p.table.level[1] = LevelOf(C("AS"));
  p.mover.count = 2;
  p.mover.code[1] = C("6H");
  p.mover.level[1] = 1;
  p.mover.code[2] = C("7H");
  p.mover.level[2] = 2;
  p.opponent.count = 1;
  p.opponent.code[1] = C("8H");
  p.opponent.level[1] = 3;
  const SearchResult ref = ReferenceSearch(p), fast = FastSearch(p);
  EXPECT_EQ(ref.value, -3);
  EXPECT_TRUE(ref.card.IsEmpty());
  EXPECT_EQ(fast.value, -3);
  EXPECT_TRUE(fast.card.IsEmpty());
}

TEST(EndgameSearch, TheReferenceStopsAfterTenSecondsAndStillAnswersLegally) {
  // Twelve cards: deep enough for the clock to be read; the clock jumps to 11 seconds at once.
  Ending e({"6S", "8S", "10S", "QS", "7D", "9C"}, {"7S", "9S", "JS", "KS", "8D", "10C"});
  StatTarvel2 r = e.Record();
  const SearchPosition p = EndgamePosition(MoveKind::Lead, r);
  int reads = 0;
  std::string lastProgress;
  const SearchResult res = ReferenceSearch(
      p, [&](int option, int total, int seconds) {
        lastProgress = std::to_string(option) + "/" + std::to_string(total) + " (" + std::to_string(seconds) + " sec.)";
      },
      [&] { return ++reads > 1 ? 11 : 0; });
  EXPECT_TRUE(res.timedOut);
  EXPECT_GE(res.option, 1);
  EXPECT_LE(res.option, p.mover.count);
  EXPECT_FALSE(res.card.IsEmpty());
  EXPECT_NE(lastProgress.find("(11 sec.)"), std::string::npos) << lastProgress;
}

}  // namespace
}  // namespace tarvel
