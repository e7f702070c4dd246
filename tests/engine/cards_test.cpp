#include <gtest/gtest.h>

#include "engine/cards.h"
#include "engine/game.h"
#include "fixtures.h"

namespace tarvel {
namespace {

using testing::C;

TEST(Cards, CodesAreTwoWindows1251Bytes) {
  const TStr2 tenOfHearts = MakeCard(5, 1);
  EXPECT_EQ(tenOfHearts.len, 2);
  EXPECT_EQ(tenOfHearts.ch[0], '1');
  EXPECT_EQ(tenOfHearts.ch[1], 0xF7);  // "ч"
  EXPECT_EQ(MakeCard(9, 4).ch[0], 0xD2);  // ace "Т"
  EXPECT_EQ(MakeCard(9, 4).ch[1], 0xEF);  // spades "п"
  EXPECT_TRUE(kNoCard.IsEmpty());
  EXPECT_EQ(LevelOf(kNoCard), kEmptyLevel);
}

TEST(Cards, OrderNumbersAndStems) {
  EXPECT_EQ(AsciiName(CardOfOrder(1)), "6H");
  EXPECT_EQ(AsciiName(CardOfOrder(2)), "6D");
  EXPECT_EQ(AsciiName(CardOfOrder(4)), "6S");
  EXPECT_EQ(AsciiName(CardOfOrder(5)), "7H");
  EXPECT_EQ(AsciiName(CardOfOrder(36)), "AS");
  for (int v = 1; v <= 36; ++v) EXPECT_EQ(OrderNumber(CardOfOrder(v)), v);
  EXPECT_EQ(ResourceStem(C("QC")), "Kr3Q");
  EXPECT_EQ(ResourceStem(C("10H")), "Ch10");
  EXPECT_EQ(ResourceStem(C("6D")), "Bu06");
  EXPECT_EQ(ResourceStem(C("AS")), "Pi5A");
}

TEST(Cards, BeatsTable) {
  const Byte hearts = kSuitChar[1], clubs = kSuitChar[3];
  struct Case { const char* attack; const char* cover; Byte trump; bool beats; };
  const Case cases[] = {
      {"7S", "8S", hearts, true},    // same suit, higher
      {"8S", "7S", hearts, false},   // same suit, lower
      {"7S", "AD", hearts, false},   // other non-trump suit, whatever its level
      {"AS", "6H", hearts, true},    // any trump on a non-trump
      {"9H", "8H", hearts, false},   // lower trump on a trump
      {"9H", "10H", hearts, true},   // higher trump on a trump
      {"6H", "AC", hearts, false},   // non-trump on a trump
      {"KD", "6C", clubs, true},     // suits are never compared by number
      {"6C", "KD", clubs, false},
  };
  for (const Case& c : cases) {
    const TStr2 a = C(c.attack), d = C(c.cover);
    EXPECT_EQ(Beats(a, LevelOf(a), d, LevelOf(d), c.trump), c.beats) << c.attack << " by " << c.cover;
  }
}

TEST(Cards, SortHandPutsTrumpsLastAndClosesHoles) {
  GameState st;
  st.Koz = kSuitChar[2];  // diamonds
  testing::SetHand(st, 1, {"AD", "7S", "6D", "KC", "7H", "9S"});
  EXPECT_EQ(st.KolCards[1], 6);
  EXPECT_EQ(testing::Hand(st, 1), (std::vector<std::string>{"7S", "7H", "9S", "KC", "6D", "AD"}));

  st.CardsI[1][2] = kNoCard;  // a card was played from slot 2
  st.CardsJ[1][2] = kEmptyLevel;
  EXPECT_EQ(SortHand(st.CardsI[1], st.CardsJ[1], st.Koz), 5);
  EXPECT_EQ(st.CardsI[1][1], C("7S"));
  EXPECT_EQ(st.CardsI[1][2], C("9S"));
  EXPECT_TRUE(st.CardsI[1][6].IsEmpty());
  EXPECT_EQ(st.CardsJ[1][6], kEmptyLevel);
}

TEST(Cards, LowestOfSuitAndRankOnTable) {
  GameState st;
  st.Koz = kSuitChar[4];
  testing::SetHand(st, 2, {"QS", "9H", "7S", "KS"});
  EXPECT_EQ(st.CardsI[2][LowestOfSuit(st.CardsI[2], st.CardsJ[2], st.Koz)], C("7S"));
  EXPECT_EQ(LowestTrumpCode(st.CardsI[2], st.CardsJ[2], st.Koz), C("7S"));
  EXPECT_EQ(LowestOfSuit(st.CardsI[2], st.CardsJ[2], kSuitChar[3]), 0);
  EXPECT_TRUE(LowestTrumpCode(st.CardsI[2], st.CardsJ[2], kSuitChar[3]).IsEmpty());

  testing::SetTable(st, {"10H", "QH"}, 1, 0);
  EXPECT_TRUE(RankOnTable(st.InGameI, C("10S")));
  EXPECT_TRUE(RankOnTable(st.InGameI, C("QC")));
  EXPECT_FALSE(RankOnTable(st.InGameI, C("KH")));
  st.InGameI.fill(kNoCard);
  EXPECT_FALSE(RankOnTable(st.InGameI, kNoCard));  // empty slots never match
}

TEST(Cards, ShuffleIsAPermutationAndUniform) {
  GameState st;
  DealRandom random(42);
  int topCount[37] = {};
  const int shuffles = 36000;
  for (int i = 0; i < shuffles; ++i) {
    Shuffle(st, random);
    bool seen[37] = {};
    for (int p = 1; p <= 36; ++p) {
      const int v = OrderNumber(st.KolodaI[p]);
      ASSERT_GE(v, 1);
      ASSERT_FALSE(seen[v]);
      seen[v] = true;
      ASSERT_EQ(st.KolodaJ[p], LevelOf(st.KolodaI[p]));
    }
    ++topCount[OrderNumber(st.KolodaI[1])];
  }
  // Each card should be on top about 1000 times; 5 sigma is about 160.
  for (int v = 1; v <= 36; ++v) EXPECT_NEAR(topCount[v], shuffles / 36, 160) << v;
}

TEST(Cards, SeededShufflesRepeatAndFreshOnesDiffer) {
  GameState a, b;
  DealRandom r1(7), r2(7);
  Shuffle(a, r1);
  Shuffle(b, r2);
  EXPECT_EQ(a.KolodaI, b.KolodaI);
  DealRandom f1, f2;
  Shuffle(a, f1);
  Shuffle(b, f2);
  EXPECT_NE(a.KolodaI, b.KolodaI);
}

}  // namespace
}  // namespace tarvel
