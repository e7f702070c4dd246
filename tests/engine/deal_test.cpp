#include <gtest/gtest.h>

#include <algorithm>

#include "fixtures.h"

namespace tarvel {
namespace {

using testing::C;
using testing::TestGame;

// A deck whose first positions are the given cards and whose last card (the trump) is `bottom`; the
// other cards fill the positions between in deck order. Blocks of six go to seats 4, 2, 1, 3.
DealtCards Deck(std::vector<std::string> top, const std::string& bottom, std::vector<std::string> beforeBottom = {}) {
  DealtCards d;
  std::vector<TStr2> order;
  for (auto& n : top) order.push_back(C(n));
  std::vector<TStr2> tail;
  for (auto& n : beforeBottom) tail.push_back(C(n));
  tail.push_back(C(bottom));
  auto used = [&](TStr2 c) {
    return std::find(order.begin(), order.end(), c) != order.end() || std::find(tail.begin(), tail.end(), c) != tail.end();
  };
  for (int v = 1; v <= 36 && order.size() + tail.size() < 36; ++v)
    if (!used(CardOfOrder(v))) order.push_back(CardOfOrder(v));
  order.insert(order.end(), tail.begin(), tail.end());
  EXPECT_EQ(order.size(), 36u);
  for (int p = 1; p <= 36; ++p) {
    d.KolodaI[p] = order[p - 1];
    d.KolodaJ[p] = LevelOf(order[p - 1]);
  }
  const int blockSeat[4] = {4, 2, 1, 3};
  for (int b = 0; b < 4; ++b)
    for (int k = 1; k <= 6; ++k) d.handOrder[blockSeat[b]][k] = b * 6 + k;
  return d;
}

TEST(Deal, StateAfterTheFirstDealOfASeries) {
  TestGame t(5);
  NewDeal(t.game, false);
  const GameState& st = t.st();
  EXPECT_EQ(st.Och, 25);
  for (int s = 1; s <= 4; ++s) EXPECT_EQ(st.KolCards[s], 6);
  EXPECT_EQ(st.KolCardsStol, 0);
  EXPECT_EQ(st.OchGame, 1);
  EXPECT_EQ(st.BitoPos, 1);
  EXPECT_EQ(st.KolHods, 0);
  EXPECT_EQ(st.KolFree, 0);
  EXPECT_TRUE(st.KartaHod.IsEmpty());
  EXPECT_EQ(st.DostHod, 99);
  EXPECT_EQ(st.StartPhase, 1);
  EXPECT_EQ(st.Step, 0);
  EXPECT_EQ(st.Koz, st.KolodaI[36].Suit());
  EXPECT_EQ(st.KonAll - st.KonAtStart, 1);
  EXPECT_EQ(st.BoutMax, 6);
  EXPECT_TRUE(st.GameOn);
  EXPECT_EQ(st.SeatName[1], "PC");
  EXPECT_EQ(st.SeatName[4], "Anna");
  EXPECT_EQ(CheckInvariants(st), "");
  EXPECT_EQ(t.game.controls.main.caption, Caption::ToBegin);
  EXPECT_TRUE(t.game.controls.main.enabled);
  EXPECT_EQ(t.game.controls.exit.caption, Caption::ExitToMenu);
  EXPECT_FALSE(t.game.controls.exit.enabled);
  EXPECT_EQ(t.view.Starting("sound"), std::vector<std::string>{"sound WTasoKo"});
  EXPECT_EQ(t.view.Starting("interval"), std::vector<std::string>{"interval 500"});
}

TEST(Deal, BlocksOfSixGoToSeatsFourTwoOneThree) {
  TestGame t;
  const DealtCards d = Deck({}, "6H");
  NewDeal(t.game, false, &d);
  // Positions 1-6 (seat 4) hold the first six cards of deck order after the bottom card was set aside.
  std::vector<std::string> seat4 = testing::Hand(t.st(), 4);
  EXPECT_EQ(seat4.size(), 6u);
  EXPECT_TRUE(std::find(seat4.begin(), seat4.end(), AsciiName(d.KolodaI[1])) != seat4.end());
  std::vector<std::string> seat3 = testing::Hand(t.st(), 3);
  EXPECT_TRUE(std::find(seat3.begin(), seat3.end(), AsciiName(d.KolodaI[24])) != seat3.end());
}

TEST(Deal, LowestTrumpLeadsAndIsShown) {
  TestGame t;
  // Seat 2 gets positions 7-12 and with them the six of hearts; hearts are trumps (bottom card AH).
  const DealtCards d = Deck({"7C", "8C", "9C", "10C", "JC", "QC", "6H", "7D", "8D", "9D", "10D", "JD"}, "AH");
  NewDeal(t.game, false, &d);
  EXPECT_EQ(t.st().FirstHod, 2);
  EXPECT_EQ(t.st().Hod, 2);
  EXPECT_EQ(t.st().LowTrumpShown, C("6H"));
  EXPECT_EQ(t.view.Starting("lowtrump"), std::vector<std::string>{"lowtrump 2 6H"});
  StartPlay(t.game);
  PlayStep(t.game, 2, true, 1, false);
  EXPECT_TRUE(t.st().LowTrumpShown.IsEmpty());  // gone with the first card played
}

TEST(Deal, WithoutTrumpsInAnyHandSeatFourLeads) {
  TestGame t;
  // All nine hearts lie in the stock (positions 25-36), the ace of hearts at the bottom.
  const DealtCards d = Deck({}, "AH", {"6H", "7H", "8H", "9H", "10H", "JH", "QH", "KH"});
  NewDeal(t.game, false, &d);
  EXPECT_EQ(t.st().FirstHod, 4);
  EXPECT_TRUE(t.view.Starting("lowtrump").empty());
}

TEST(Deal, FiveOfASuitRedeal) {
  GameState st;
  auto load = [&](const DealtCards& d) {
    st.KolodaI = d.KolodaI;
    st.KolodaJ = d.KolodaJ;
  };
  load(Deck({"6C", "7C", "8C", "9C", "10C", "6H"}, "AS"));  // five clubs, spades trump
  EXPECT_TRUE(HasFiveOfSuit(st));
  load(Deck({"6S", "7S", "8S", "9S", "10S", "6H"}, "AS"));  // five trumps are allowed
  EXPECT_FALSE(HasFiveOfSuit(st));
  load(Deck({"6H", "7H", "8H", "9H", "6D", "6C", "10H", "JH", "QH", "KH", "AH"}, "AS"));  // 4 + 5 in block 2
  EXPECT_TRUE(HasFiveOfSuit(st));

  TestGame t(11);
  t.game.rules.OptNoFiveOfSuit = true;
  for (int deal = 0; deal < 300; ++deal) {
    NewDeal(t.game, deal > 0);
    ASSERT_FALSE(HasFiveOfSuit(t.st()));
    t.st().LastRes = 0;
  }
}

TEST(Deal, FirstDiscardFiveSetsTheLimitAndTheMarker) {
  TestGame t;
  t.game.rules.OptFirstDiscardFive = true;
  NewDeal(t.game, false);
  EXPECT_EQ(t.st().BoutMax, 5);
  EXPECT_EQ(t.view.Starting("firstbout"), std::vector<std::string>{"firstbout on"});
  t.game.rules.OptFirstDiscardFive = false;
  t.view.Clear();
  NewDeal(t.game, true);
  EXPECT_EQ(t.st().BoutMax, 6);
  EXPECT_EQ(t.view.Starting("firstbout"), std::vector<std::string>{"firstbout off"});
}

TEST(Deal, FirstAttackerAfterADecidedDeal) {
  struct Case { GameKind kind; int own; int lastRes; int firstMove; int dialog; int expected; bool asks; };
  const Case cases[] = {
      {GameKind::Local, 1, 1, 3, 4, 1, false},   // the winner seat of team {1, 3} leads; no dialog
      {GameKind::Local, 1, 3, 3, 4, 3, false},
      {GameKind::Local, 1, 4, 1, 4, 2, false},   // "Always computer"
      {GameKind::Local, 1, 4, 2, 4, 4, false},   // "Always person"
      {GameKind::Local, 1, 4, 3, 4, 4, true},    // "To ask", "Me"
      {GameKind::Local, 1, 4, 3, 2, 2, true},    // "To ask", "My partner"
      {GameKind::Local, 1, 4, 0, 2, 4, false},   // never set
      {GameKind::Network, 1, 3, 3, 4, 1, false},
      {GameKind::Network, 2, 1, 3, 4, 3, false},
      {GameKind::Network, 3, 3, 3, 4, 3, false},
      {GameKind::Network, 4, 1, 3, 4, 1, false},
      {GameKind::Network, 1, 4, 3, 2, 4, false},
      {GameKind::Network, 2, 2, 3, 2, 2, false},
      {GameKind::Network, 3, 4, 3, 2, 4, false},
      {GameKind::Tournament, 4, 2, 0, 2, 2, false},
  };
  for (const Case& c : cases) {
    TestGame t(3);
    t.game.kind = c.kind;
    t.game.ownNumber = c.own;
    t.game.rules.OptFirstMove = static_cast<Byte>(c.firstMove);
    t.view.firstMoveAnswer = c.dialog;
    NewDeal(t.game, false);
    t.st().LastRes = static_cast<Byte>(c.lastRes);
    t.view.Clear();
    NewDeal(t.game, true);
    EXPECT_EQ(t.st().Hod, c.expected) << "kind " << int(c.kind) << " own " << c.own << " res " << c.lastRes;
    EXPECT_EQ(!t.view.Starting("ask").empty(), c.asks);
    EXPECT_EQ(t.st().LastRes, 0);
    EXPECT_TRUE(t.view.Starting("lowtrump").empty() || c.lastRes == 0);
  }
}

TEST(Deal, AfterADrawTheLowestTrumpLeadsAgain) {
  TestGame t;
  const DealtCards d = Deck({"7C", "8C", "9C", "10C", "JC", "QC", "6H", "7D", "8D", "9D", "10D", "JD"}, "AH");
  NewDeal(t.game, false, &d);
  t.st().LastRes = 0;
  NewDeal(t.game, true, &d);
  EXPECT_EQ(t.st().Hod, 2);
  EXPECT_EQ(t.st().KonAll - t.st().KonAtStart, 2);
}

class FixedCounters : public CounterSource {
 public:
  UserCounters value;
  UserCounters LoadCounters(PlayerKind) override { return value; }
};

TEST(Deal, CountersLoadedAtTheFirstDealByKindOfPlayer) {
  struct Case { PlayerKind kind; UserCounters loaded; int konAll, konAtStart, scoreAtStart, totalScore; };
  const Case cases[] = {
      {PlayerKind::ClubMember, {58, 120, 0.5}, 59, 58, 120, 0},
      {PlayerKind::NewPlayer, {58, 120, 0.5}, 1, 0, 0, 0},
      {PlayerKind::OnlineAccount, {0, 90, 0.5}, 1, 0, 0, 0},
      {PlayerKind::OnlineAccount, {12, 90, 0.5}, 13, 12, 90, 0},
      {PlayerKind::TournamentClient, {7, 300, 0.5}, 8, 0, 0, 300},
  };
  for (const Case& c : cases) {
    FixedCounters counters;
    counters.value = c.loaded;
    RecordingPresenter view;
    testing::RandomChooser chooser(1);
    Game g(&view, &chooser, &counters, 9);
    g.player = c.kind;
    NewDeal(g, false);
    EXPECT_EQ(g.st.KonAll, c.konAll);
    EXPECT_EQ(g.st.KonAtStart, c.konAtStart);
    EXPECT_EQ(g.st.ScoreAtStart, c.scoreAtStart);
    EXPECT_EQ(g.st.TotalScore, c.totalScore);
  }
}

}  // namespace
}  // namespace tarvel
