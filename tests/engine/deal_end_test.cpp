#include <gtest/gtest.h>

#include "fixtures.h"

namespace tarvel {
namespace {

using testing::TestGame;

TEST(DealEnd, TheTeamThatIsOutWins) {
  struct Case { int k1, k2, k3, k4; bool over; int team0, team1; bool lastResFirstTeam; int lastRes; };
  const Case cases[] = {
      {0, 2, 0, 0, true, 1, 0, true, 0},    // seats 1 and 3 out, seat 2 holds two cards
      {3, 0, 1, 0, true, 0, 1, false, 4},
      {0, 0, 0, 0, true, 0, 0, false, 0},   // a draw
      {0, 1, 2, 0, false, 0, 0, false, 0},
  };
  for (const Case& c : cases) {
    TestGame t;
    t.st().KolCards = {0, Byte(c.k1), Byte(c.k2), Byte(c.k3), Byte(c.k4)};
    EXPECT_EQ(TestDealEnd(t.game), c.over);
    EXPECT_EQ(t.st().TeamWins[0], c.team0);
    EXPECT_EQ(t.st().TeamWins[1], c.team1);
    if (c.lastResFirstTeam) EXPECT_TRUE(t.st().LastRes == 1 || t.st().LastRes == 3);
    else EXPECT_EQ(t.st().LastRes, c.lastRes);
  }
}

TEST(DealEnd, TheWinnerOfTheFirstTeamIsDrawnAtRandom) {
  TestGame t(17);
  int seen[4] = {};
  for (int i = 0; i < 200; ++i) {
    t.st().DealOver = false;
    t.st().KolCards = {0, 0, 2, 0, 1};
    TestDealEnd(t.game);
    ++seen[t.st().LastRes];
  }
  EXPECT_GT(seen[1], 60);
  EXPECT_GT(seen[3], 60);
  EXPECT_EQ(seen[1] + seen[3], 200);
}

TEST(DealEnd, ShowingTheResult) {
  struct Case { int lastRes; int konAll; bool rated; int row; const char* sound; bool mainOn, exitOn, complete; };
  const Case cases[] = {
      {1, 5, false, 449, "sound WKoBads", true, true, false},
      {4, 5, false, 450, "sound WKoGood", true, true, false},
      {0, 5, false, 451, "sound WKoGood", true, true, false},
      {4, 60, false, 450, "sound WKoGood", false, true, true},  // the cycle is complete
      {4, 6, true, 450, "sound WKoGood", false, true, false},   // rated: leave only after a multiple of 3
      {4, 7, true, 450, "sound WKoGood", true, false, false},
  };
  for (const Case& c : cases) {
    TestGame t;
    t.game.ratedOnline = c.rated;
    t.st().GameOn = true;
    t.st().DealOver = true;
    t.st().LastRes = Byte(c.lastRes);
    t.st().KonAll = c.konAll;
    Tick(t.game);
    EXPECT_TRUE(t.st().DealShown);
    EXPECT_EQ(t.view.Starting("result"), std::vector<std::string>{"result " + std::to_string(c.row)});
    EXPECT_EQ(t.view.Starting("sound"), std::vector<std::string>{c.sound});
    EXPECT_EQ(t.game.controls.main.caption, Caption::WePlayStill);
    EXPECT_EQ(t.game.controls.main.enabled, c.mainOn) << c.konAll;
    EXPECT_EQ(t.game.controls.exit.enabled, c.exitOn) << c.konAll;
    EXPECT_EQ(t.st().GameComplete, c.complete);
    t.view.Clear();
    Tick(t.game);  // shown once per deal
    EXPECT_TRUE(t.view.Starting("result").empty());
  }
}

TEST(DealEnd, NetworkAndTournamentButtons) {
  struct Case { GameKind kind; int own; int konAll; bool mainOn, exitOn, complete; };
  const Case cases[] = {
      {GameKind::Network, 1, 4, true, false, false},  {GameKind::Network, 2, 4, false, false, false},
      {GameKind::Network, 1, 6, false, true, false},  {GameKind::Network, 1, 30, false, true, true},
      {GameKind::Tournament, 1, 1, false, true, false}, {GameKind::Tournament, 3, 1, false, false, false},
  };
  for (const Case& c : cases) {
    TestGame t;
    t.game.kind = c.kind;
    t.game.ownNumber = c.own;
    t.st().GameOn = true;
    t.st().DealOver = true;
    t.st().KonAll = c.konAll;
    Tick(t.game);
    EXPECT_EQ(t.game.controls.main.enabled, c.mainOn);
    EXPECT_EQ(t.game.controls.exit.enabled, c.exitOn);
    EXPECT_EQ(t.st().GameComplete, c.complete);
  }
}

TEST(DealEnd, SeriesScoreAndLeaving) {
  TestGame t;
  t.st().TeamWins = {1, 3};
  EXPECT_EQ(SeriesScore(t.st()), 20);
  t.st().TeamWins = {4, 1};
  EXPECT_EQ(SeriesScore(t.st()), -30);

  t.st().GameOn = true;
  t.st().ScoreAtStart = 100;
  t.st().KonAll = 60;
  t.st().KonAtStart = 55;
  t.st().GameComplete = true;
  const SeriesOutcome out = LeaveAfterDeal(t.game);
  EXPECT_EQ(out.seriesScore, -30);
  EXPECT_EQ(out.dealsPlayed, 5);
  EXPECT_EQ(out.totalScore, 70);
  EXPECT_EQ(t.st().TotalScore, 70);
  EXPECT_TRUE(out.gameComplete);
  EXPECT_FALSE(t.st().GameOn);
}

TEST(DealEnd, LeavingDuringADealDeletesOnlyAClubMembersRow) {
  TestGame t;
  t.game.player = PlayerKind::NewPlayer;
  NewDeal(t.game, false);
  EXPECT_FALSE(AbandonSeries(t.game));
  EXPECT_FALSE(t.st().GameOn);
  t.game.player = PlayerKind::ClubMember;
  t.game.ratedOnline = true;
  NewDeal(t.game, false);
  EXPECT_TRUE(AbandonSeries(t.game));
  EXPECT_FALSE(t.game.ratedOnline);
}

TEST(DealEnd, NoNewDealAfterTheCycleIsComplete) {
  TestGame t;
  t.st().GameOn = true;
  t.st().DealOver = true;
  t.st().LastRes = 4;
  t.st().KonAll = 60;
  Tick(t.game);
  ASSERT_TRUE(t.st().GameComplete);
  t.game.controls.main.enabled = true;  // even a stray press starts nothing
  MainButton(t.game);
  EXPECT_TRUE(t.st().DealOver);
  EXPECT_EQ(t.st().KonAll, 60);
}

}  // namespace
}  // namespace tarvel
