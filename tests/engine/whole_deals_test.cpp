// Whole deals driven from outside: computer seats by the tick, seat 4 through the main button and
// given cards, with the invariants checked after every step.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "fixtures.h"

namespace tarvel {
namespace {

using testing::RandomChooser;
using testing::TestGame;

struct Coverage {
  std::set<int> fourSeatSteps, twoSeatSteps, outSeats, pairCodes;
  bool loneAttack = false;
  int results[5] = {};
  int steps = 0;
};

// Plays one deal to its shown result. Returns an empty string or the first fault found.
std::string PlayDeal(TestGame& t, RandomChooser& user, Coverage& cov, bool first) {
  Game& g = t.game;
  NewDeal(g, !first);
  if (!g.controls.main.enabled) return "start button disabled";
  MainButton(g);
  for (int guard = 0; guard < 2000; ++guard) {
    GameState& st = g.st;
    if (st.DealOver) {
      Tick(g);
      if (!st.DealShown) return "result not shown";
      ++cov.results[st.LastRes];
      return {};
    }
    const BoutRoles r = RolesOf(st);
    (r.twoSeat ? cov.twoSeatSteps : cov.fourSeatSteps).insert(st.Step);
    if (st.OutMode) cov.outSeats.insert(st.OutSeat);
    if (st.PairMode) cov.pairCodes.insert(st.PairCode);
    cov.loneAttack |= st.LoneAttack;
    ++cov.steps;

    const int actor = Actor(st);
    if (actor >= 1 && actor <= 3) {
      if (g.controls.main.enabled) return "main button enabled while a computer seat acts";
      const Byte stepBefore = st.Step;
      const int cardsBefore = st.KolCardsStol;
      Tick(g);
      if (st.Step == stepBefore && st.KolCardsStol == cardsBefore && !st.DealOver) return "tick did nothing";
    } else if (actor == 4) {
      const UserMove m = UserMoveKind(st);
      if (!m.allowed) return "user may not move at his own phase";
      const MoveAnswer a = user.ChooseMove(st, m.kind, 4, st.Hod != 4);
      if (a.stop) {
        if (!g.controls.main.enabled) return "main button disabled at phase " + std::to_string(st.Step);
        MainButton(g);
      } else {
        if (m.kind == MoveKind::Lead && g.controls.main.enabled) return "main button enabled for a lead";
        if (!PlayStep(g, st.Hod, true, a.slot, false)) return "a legal card was refused";
      }
    } else {
      if (!g.controls.main.enabled) return "main button disabled at closing phase " + std::to_string(st.Step);
      if (r.twoSeat ? st.Step == 5 : st.Step == 13) {
        if (g.controls.main.caption != Caption::Beaten) return "no \"Beaten\" caption";
      }
      const Byte stepBefore = st.Step;
      Tick(g);  // ticks never close a bout
      if (st.Step != stepBefore) return "a tick closed the bout";
      MainButton(g);
    }
    const std::string fault = CheckInvariants(st);
    if (!fault.empty()) return fault + " after step " + std::to_string(cov.steps);
  }
  return "deal did not end";
}

TEST(WholeDeals, EveryBoutFormAndModeIsReachedWithTheInvariantsIntact) {
  Coverage cov;
  for (std::uint64_t seed = 1; seed <= 8; ++seed) {
    TestGame t(seed);
    t.game.rules.OptFirstDiscardFive = seed % 2 == 0;
    t.game.rules.OptNoFiveOfSuit = seed % 3 == 0;
    t.game.rules.OptFirstMove = static_cast<Byte>(seed % 4);
    RandomChooser user(seed * 31, 30);
    for (int deal = 0; deal < 60; ++deal) {
      const std::string fault = PlayDeal(t, user, cov, deal == 0);
      ASSERT_EQ(fault, "") << "seed " << seed << " deal " << deal;
      if (t.st().GameComplete) break;
    }
  }
  EXPECT_EQ(cov.fourSeatSteps, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14}));
  EXPECT_EQ(cov.twoSeatSteps, (std::set<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(cov.outSeats, (std::set<int>{1, 2, 3, 4}));
  EXPECT_EQ(cov.pairCodes, (std::set<int>{12, 23, 34, 41}));
  EXPECT_TRUE(cov.loneAttack);
  EXPECT_GT(cov.results[1] + cov.results[3], 0);
  EXPECT_GT(cov.results[4], 0);
}

TEST(WholeDeals, TheSameSeedPlaysTheSameDeals) {
  auto signature = [](std::uint64_t seed) {
    TestGame t(seed);
    RandomChooser user(seed + 1);
    Coverage cov;
    std::size_t hash = 0;
    for (int deal = 0; deal < 20; ++deal) {
      EXPECT_EQ(PlayDeal(t, user, cov, deal == 0), "");
      for (const auto& e : t.view.events) hash = hash * 1000003u ^ std::hash<std::string>{}(e);
      t.view.Clear();
    }
    return hash;
  };
  EXPECT_EQ(signature(99), signature(99));
  EXPECT_NE(signature(99), signature(100));
}

TEST(WholeDeals, NothingMovesBeforeTheStartButton) {
  TestGame t(4);
  NewDeal(t.game, false);
  const GameState before = t.st();
  for (int i = 0; i < 5; ++i) Tick(t.game);
  EXPECT_EQ(t.st().Step, 0);
  EXPECT_EQ(t.st().KolCards, before.KolCards);
  EXPECT_EQ(Actor(t.st()), 0);
  MainButton(t.game);
  EXPECT_EQ(t.st().StartPhase, 2);
  EXPECT_EQ(t.st().Step, 1);
  EXPECT_EQ(t.view.Starting("timer"), std::vector<std::string>{"timer on"});
}

TEST(WholeDeals, TicksWaitForTheUsersDefence) {
  TestGame t(6);
  NewDeal(t.game, false);
  t.st().Hod = 3;  // seat 3 attacks seat 4
  MainButton(t.game);
  EXPECT_EQ(t.game.controls.main.caption, Caption::ITake);
  Tick(t.game);  // seat 3 leads
  ASSERT_EQ(t.st().Step, 6);
  EXPECT_TRUE(t.game.controls.main.enabled);
  for (int i = 0; i < 5; ++i) Tick(t.game);
  EXPECT_EQ(t.st().Step, 6);
  MainButton(t.game);  // "I Take"
  EXPECT_EQ(t.st().Step, 3);
}

}  // namespace
}  // namespace tarvel
