#include <gtest/gtest.h>

#include "fixtures.h"

namespace tarvel {
namespace {

GameState WithSeatsOut(std::initializer_list<int> out) {
  GameState st;
  for (int s = 1; s <= 4; ++s) st.KolCards[s] = 3;
  for (int s : out) st.KolCards[s] = 0;
  st.Step = 1;
  return st;
}

TEST(OutModes, EnteringTheLonePlayerMode) {
  struct Case { int out, prevHod, hod, newHod, phase; };
  const Case cases[] = {
      {4, 2, 4, 2, 2}, {4, 2, 3, 3, 2}, {4, 3, 4, 2, 2}, {4, 4, 2, 2, 1}, {4, 4, 1, 1, 1},
      {3, 1, 3, 1, 2}, {3, 1, 2, 2, 2}, {3, 2, 3, 1, 2}, {3, 3, 1, 1, 1}, {3, 3, 4, 4, 1},
      {2, 4, 2, 4, 2}, {2, 4, 1, 1, 2}, {2, 1, 2, 4, 2}, {2, 2, 4, 4, 1}, {2, 2, 3, 3, 1},
      {1, 3, 1, 3, 2}, {1, 3, 4, 4, 2}, {1, 4, 1, 3, 2}, {1, 1, 3, 3, 1}, {1, 1, 2, 2, 1},
  };
  for (const Case& c : cases) {
    GameState st = WithSeatsOut({c.out});
    st.PrevHod = static_cast<Byte>(c.prevHod);
    st.Hod = static_cast<Byte>(c.hod);
    UpdateOutPhase(st);
    EnterOrChangeMode(st);
    EXPECT_TRUE(st.OutMode);
    EXPECT_FALSE(st.PairMode);
    EXPECT_EQ(st.OutSeat, c.out);
    EXPECT_EQ(st.Hod, c.newHod) << c.out << " " << c.prevHod << " " << c.hod;
    EXPECT_EQ(st.OutPhase, c.phase) << c.out << " " << c.prevHod << " " << c.hod;
  }
}

TEST(OutModes, PhaseUpdateInTheLonePlayerMode) {
  struct Case { int out, prevHod, hod, phaseBefore, phaseAfter; };
  const Case cases[] = {
      {1, 2, 3, 2, 1}, {1, 3, 2, 2, 1}, {1, 4, 2, 2, 1}, {1, 2, 4, 1, 2}, {1, 3, 4, 1, 2}, {1, 4, 3, 1, 2},
      {1, 3, 3, 1, 2}, {1, 3, 3, 2, 1},
      {2, 3, 4, 2, 1}, {2, 4, 3, 2, 1}, {2, 1, 3, 2, 1}, {2, 3, 1, 1, 2}, {2, 4, 1, 1, 2}, {2, 1, 4, 1, 2},
      {2, 4, 4, 1, 2},
      {3, 4, 1, 2, 1}, {3, 1, 4, 2, 1}, {3, 2, 4, 2, 1}, {3, 4, 2, 1, 2}, {3, 1, 2, 1, 2}, {3, 2, 1, 1, 2},
      {3, 1, 1, 2, 1},
      {4, 1, 2, 2, 1}, {4, 2, 1, 2, 1}, {4, 3, 1, 2, 1}, {4, 1, 3, 1, 2}, {4, 2, 3, 1, 2}, {4, 3, 2, 1, 2},
      {4, 2, 2, 1, 2},
      {4, 1, 1, 2, 2},  // not in the table: the phase stays
  };
  for (const Case& c : cases) {
    GameState st = WithSeatsOut({c.out});
    st.OutMode = true;
    st.OutSeat = static_cast<Byte>(c.out);
    st.OutPhase = static_cast<Byte>(c.phaseBefore);
    st.PrevHod = static_cast<Byte>(c.prevHod);
    st.Hod = static_cast<Byte>(c.hod);
    UpdateOutPhase(st);
    EXPECT_EQ(st.OutPhase, c.phaseAfter) << c.out << " (" << c.prevHod << ", " << c.hod << ")";
  }
}

TEST(OutModes, EnteringTheTwoSeatMode) {
  struct Case { int outA, outB, prevHod, hod, code, newHod; };
  const Case cases[] = {
      {3, 4, 2, 3, 12, 1}, {3, 4, 3, 4, 12, 2}, {4, 1, 3, 4, 23, 2}, {4, 1, 4, 1, 23, 3},
      {1, 2, 4, 1, 34, 3}, {1, 2, 1, 2, 34, 4}, {2, 3, 1, 2, 41, 4}, {2, 3, 2, 3, 41, 1},
  };
  for (const Case& c : cases) {
    GameState st = WithSeatsOut({c.outA, c.outB});
    st.PrevHod = static_cast<Byte>(c.prevHod);
    st.Hod = static_cast<Byte>(c.hod);
    EnterOrChangeMode(st);
    EXPECT_TRUE(st.PairMode);
    EXPECT_FALSE(st.OutMode);
    EXPECT_EQ(st.PairCode, c.code);
    EXPECT_EQ(st.Hod, c.newHod) << c.code << " " << c.prevHod << " " << c.hod;
  }
}

TEST(OutModes, FromTheLonePlayerModeToTheTwoSeatMode) {
  GameState st = WithSeatsOut({4, 1});  // seat 4 was out; seat 1, an opponent of seat 2, is out now
  st.OutMode = true;
  st.OutSeat = 4;
  st.OutPhase = 2;
  st.Hod = 1;
  EnterOrChangeMode(st);
  EXPECT_FALSE(st.OutMode);
  EXPECT_EQ(st.OutSeat, 0);
  EXPECT_EQ(st.OutPhase, 0);
  EXPECT_TRUE(st.PairMode);
  EXPECT_EQ(st.PairCode, 23);
  EXPECT_EQ(st.Hod, 3);

  GameState teamOut = WithSeatsOut({4, 2});  // the lone player is out too: the deal ends instead
  teamOut.OutMode = true;
  teamOut.OutSeat = 4;
  teamOut.OutPhase = 1;
  EnterOrChangeMode(teamOut);
  EXPECT_TRUE(teamOut.OutMode);
  EXPECT_FALSE(teamOut.PairMode);
}

TEST(OutModes, RolesInTheModes) {
  GameState st = WithSeatsOut({4});
  st.OutMode = true;
  st.OutSeat = 4;
  // Seat 1 attacked seat 2, who took: seat 3 attacks seat 2 and seat 1 throws in.
  st.OutPhase = 1;
  st.PrevHod = 1;
  st.Hod = 3;
  UpdateOutPhase(st);
  BoutRoles r = RolesOf(st);
  EXPECT_EQ(r.attacker, 3);
  EXPECT_EQ(r.defender, 2);
  EXPECT_EQ(r.partner, 1);
  EXPECT_FALSE(r.twoSeat);
  // Seat 2 attacked seat 3, who took: seat 2 attacks again, now seat 1, in a two-seat bout.
  st.OutPhase = 1;
  st.PrevHod = 2;
  st.Hod = 2;
  UpdateOutPhase(st);
  st.LoneAttack = true;
  r = RolesOf(st);
  EXPECT_EQ(st.OutPhase, 2);
  EXPECT_EQ(r.defender, 1);
  EXPECT_TRUE(r.twoSeat);
  EXPECT_EQ(Actor(st), 2);
  st.Step = 3;
  EXPECT_EQ(Actor(st), 1);
}

TEST(OutModes, SeatFourCoversWithItsLastCardAndItsPartnerTakesOver) {
  testing::TestGame t;
  GameState& st = t.st();
  st.Koz = kSuitChar[4];
  testing::SetHand(st, 1, {"6H", "AH"});
  testing::SetHand(st, 2, {"7D", "8D"});
  testing::SetHand(st, 3, {"9C", "10C", "7H"});
  testing::SetHand(st, 4, {"QH"});
  st.Och = 37;
  st.GameOn = true;
  st.StartPhase = 2;
  st.Hod = 3;
  st.Step = 1;
  ASSERT_TRUE(PlayStep(t.game, 3, true, 1, false));  // 7H
  ASSERT_TRUE(PlayStep(t.game, 3, true, 1, false));  // QH covers: seat 4 has no card left
  EXPECT_TRUE(AttackLimitReached(st));
  ASSERT_TRUE(PlayStep(t.game, 3, true, 0, true));   // seat 3 has nothing to add
  ASSERT_TRUE(PlayStep(t.game, 3, true, 0, true));   // seat 1 neither
  EXPECT_EQ(st.Step, 13);
  ASSERT_TRUE(PlayStep(t.game, 3, true, 0, true));
  EXPECT_TRUE(st.OutMode);
  EXPECT_EQ(st.OutSeat, 4);
  EXPECT_EQ(st.Hod, 2);
  EXPECT_EQ(st.OutPhase, 2);
  EXPECT_TRUE(st.LoneAttack);
  EXPECT_EQ(RolesOf(st).defender, 1);
  EXPECT_EQ(t.game.controls.main.caption, Caption::Ok);  // the user takes no part
  EXPECT_FALSE(st.DealOver);
}

TEST(OutModes, CaptionForTheNextBoutFollowsTheUsersRole) {
  struct Case { bool out; int outSeat; int phase; bool pair; int code; int hod; Caption caption; };
  const Case cases[] = {
      {false, 0, 0, false, 0, 1, Caption::Ok},       {false, 0, 0, false, 0, 3, Caption::ITake},
      {false, 0, 0, false, 0, 2, Caption::ThatsAll}, {false, 0, 0, false, 0, 4, Caption::ThatsAll},
      {true, 2, 1, false, 0, 3, Caption::ITake},     {true, 2, 2, false, 0, 1, Caption::ITake},
      {true, 2, 1, false, 0, 4, Caption::ThatsAll},  {false, 0, 0, true, 12, 1, Caption::Ok},
      {false, 0, 0, true, 23, 3, Caption::Ok},       {false, 0, 0, true, 34, 3, Caption::ITake},
  };
  for (const Case& c : cases) {
    GameState st;
    st.OutMode = c.out;
    st.OutSeat = static_cast<Byte>(c.outSeat);
    st.OutPhase = static_cast<Byte>(c.phase);
    st.PairMode = c.pair;
    st.PairCode = static_cast<Byte>(c.code);
    st.Hod = static_cast<Byte>(c.hod);
    st.LoneAttack = c.out && c.hod == PartnerOf(c.outSeat);
    EXPECT_EQ(StartOfBoutCaption(st), c.caption) << c.outSeat << " " << c.code << " " << c.hod;
  }
}

}  // namespace
}  // namespace tarvel
