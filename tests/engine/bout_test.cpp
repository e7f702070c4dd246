#include <gtest/gtest.h>

#include "fixtures.h"

namespace tarvel {
namespace {

using testing::C;
using testing::SetHand;
using testing::TestGame;

// A bout in progress: spades trump, seat 1 attacks seat 2, seat 3 throws in. The stock holds the
// cards no hand holds, so the invariants hold throughout.
struct BoutFixture : ::testing::Test {
  TestGame t;
  void SetUp() override {
    GameState& st = t.st();
    st.Koz = kSuitChar[4];
    SetHand(st, 1, {"6H", "6D", "7H", "10C"});
    SetHand(st, 2, {"8H", "9H", "KD", "AS"});
    SetHand(st, 3, {"6C", "7C", "8D", "JC"});
    SetHand(st, 4, {"QH", "QD", "QC", "KC"});
    FillStockWithTheRest(st);
    st.GameOn = true;
    st.StartPhase = 2;
    st.Step = 1;
    st.Hod = 1;
    st.BoutMax = 6;
  }
  static void FillStockWithTheRest(GameState& st) {
    bool held[37] = {};
    for (int s = 1; s <= 4; ++s)
      for (int k = 1; k <= st.KolCards[s]; ++k) held[OrderNumber(st.CardsI[s][k])] = true;
    // The bottom card is the highest free trump; the other free cards lie above it.
    int p = 36;
    for (int v = 36; v >= 1; --v)
      if (!held[v] && CardOfOrder(v).Suit() == st.Koz) {
        st.KolodaI[36] = CardOfOrder(v);
        st.KolodaJ[36] = LevelOf(CardOfOrder(v));
        held[v] = true;
        --p;
        break;
      }
    for (int v = 36; v >= 1; --v)
      if (!held[v]) {
        st.KolodaI[p] = CardOfOrder(v);
        st.KolodaJ[p] = LevelOf(CardOfOrder(v));
        --p;
      }
    st.Och = static_cast<Byte>(p + 1);
  }

  // One answer: a card name from the acting seat's hand, or "-" for no card.
  bool Answer(const std::string& card) {
    if (card == "-") return PlayStep(t.game, t.st().Hod, true, 0, true);
    const int seat = Actor(t.st());
    for (int k = 1; k <= t.st().KolCards[seat]; ++k)
      if (AsciiName(t.st().CardsI[seat][k]) == card) return PlayStep(t.game, t.st().Hod, true, k, false);
    ADD_FAILURE() << card << " not in the hand of seat " << seat;
    return false;
  }
  struct Move { const char* answer; int actor; int stepAfter; };
  void Run(const std::vector<Move>& script) {
    for (const Move& m : script) {
      ASSERT_EQ(Actor(t.st()), m.actor) << "before " << m.answer << " at step " << int(t.st().Step);
      ASSERT_TRUE(Answer(m.answer)) << m.answer;
      ASSERT_EQ(t.st().Step, m.stepAfter) << "after " << m.answer;
      ASSERT_EQ(CheckInvariants(t.st()), "") << "after " << m.answer;
    }
  }
};

TEST_F(BoutFixture, PassesOfAttackerThenPartnerCloseWithADiscard) {
  Run({{"6H", 1, 6}, {"8H", 2, 2}, {"-", 1, 9}, {"-", 3, 13}});
  EXPECT_EQ(Actor(t.st()), 0);
  EXPECT_EQ(t.game.controls.main.caption, Caption::Beaten);
  t.view.Clear();
  ASSERT_TRUE(Answer("-"));
  const GameState& st = t.st();
  EXPECT_EQ(st.Step, 1);
  EXPECT_EQ(st.Hod, 2);  // the defender leads next
  EXPECT_EQ(st.PrevHod, 1);
  EXPECT_EQ(st.BitoPos, 3);
  EXPECT_EQ(st.KolCardsStol, 0);
  EXPECT_EQ(st.KolCards[1], 6);
  EXPECT_EQ(st.KolCards[2], 6);
  EXPECT_EQ(st.KolCards[3], 6);
  // Attacker first (three cards), then the partner (two), then the defender (three), from the top.
  const int first = st.Och - 8;
  const int seats[8] = {1, 1, 1, 3, 3, 2, 2, 2};
  std::vector<std::string> expected;
  for (int k = 0; k < 8; ++k) expected.push_back("fly draw " + std::to_string(seats[k]) + " " + AsciiName(st.KolodaI[first + k]));
  EXPECT_EQ(t.view.Starting("fly draw"), expected);
  EXPECT_EQ(CheckInvariants(st), "");
}

TEST_F(BoutFixture, ThePartnerThrowsInAndTheAttackerComesBack) {
  Run({{"6H", 1, 6}, {"8H", 2, 2}, {"6D", 1, 6}, {"KD", 2, 2}, {"-", 1, 9}, {"8D", 3, 14}, {"AS", 2, 7},
       {"-", 3, 4}, {"-", 1, 13}});
  ASSERT_TRUE(Answer("-"));
  EXPECT_EQ(t.st().BitoPos, 7);
  EXPECT_EQ(t.st().Hod, 2);
}

TEST_F(BoutFixture, TakeAtTheFirstCoverThenThrowInsOfAttackerAndPartner) {
  Run({{"6H", 1, 6}, {"-", 2, 3}, {"6D", 1, 3}, {"-", 1, 10}, {"6C", 3, 10}, {"-", 3, 12}});
  EXPECT_EQ(t.st().KolFree, 3);
  ASSERT_TRUE(Answer("-"));
  const GameState& st = t.st();
  EXPECT_EQ(st.KolCards[2], 7);  // 4 + 3 taken, no refill for the taker
  EXPECT_EQ(st.Hod, 3);          // the seat after the taker
  EXPECT_EQ(st.KolCards[1], 6);
  EXPECT_EQ(st.KolCards[3], 6);
  EXPECT_EQ(CheckInvariants(st), "");
}

TEST_F(BoutFixture, TakeAtTheSecondCoverGoesPartnerFirst) {
  Run({{"6H", 1, 6}, {"8H", 2, 2}, {"-", 1, 9}, {"8D", 3, 14}, {"-", 2, 8}, {"-", 3, 5}, {"6D", 1, 5},
       {"-", 1, 12}});
}

TEST_F(BoutFixture, SpeechSoundsAndAnnouncements) {
  Run({{"6H", 1, 6}, {"-", 2, 3}});
  EXPECT_EQ(t.view.Starting("say"), (std::vector<std::string>{"say 2 itake"}));
  EXPECT_EQ(t.view.Starting("sound"), (std::vector<std::string>{"sound WHodsDo wait", "sound WHodBer wait"}));
  ASSERT_EQ(t.view.notes.size(), 2u);
  EXPECT_EQ(t.view.notes[0].kind, NoteKind::Lead);
  EXPECT_EQ(t.view.notes[0].seat, 1);
  EXPECT_EQ(t.view.notes[0].slot, 1);
  EXPECT_EQ(t.view.notes[0].card, C("6H"));
  EXPECT_EQ(t.view.notes[1].kind, NoteKind::Take);
  t.view.Clear();
  Run({{"-", 1, 10}});
  EXPECT_EQ(t.view.Starting("say"), (std::vector<std::string>{"say 1 thatsall", "say 3 igo"}));
  EXPECT_EQ(t.view.Starting("sound"), (std::vector<std::string>{"sound WDing_1 wait"}));
  EXPECT_EQ(t.view.notes.back().kind, NoteKind::PassPartnerGoes);
  t.view.Clear();
  Run({{"-", 3, 12}});
  EXPECT_EQ(t.view.notes.back().kind, NoteKind::PassNextActs);
  t.view.Clear();
  ASSERT_TRUE(Answer("-"));
  ASSERT_EQ(t.view.notes.size(), 1u);
  const MoveNote& end = t.view.notes[0];
  EXPECT_EQ(end.kind, NoteKind::EndOfBout);
  EXPECT_EQ(end.taker, 2);
  EXPECT_EQ(end.drawOrder[0], 1);
  EXPECT_EQ(end.drawOrder[1], 3);
  EXPECT_EQ(end.drawOrder[2], 0);
  EXPECT_EQ(end.nextMover, 3);
  EXPECT_EQ(t.view.Starting("say"), (std::vector<std::string>{"say 1 name", "say 2 name", "say 3 name", "say 4 name",
                                                              "say 3 igo"}));
}

TEST_F(BoutFixture, IllegalGivenAnswersChangeNothing) {
  const GameState before = t.st();
  EXPECT_FALSE(PlayStep(t.game, 1, true, 0, true));   // a lead is obligatory
  EXPECT_FALSE(PlayStep(t.game, 1, true, 9, false));  // no such slot
  ASSERT_TRUE(Answer("6H"));
  EXPECT_FALSE(Answer("KD"));  // does not beat the six of hearts
  ASSERT_TRUE(Answer("8H"));
  EXPECT_FALSE(Answer("10C"));  // no ten on the table
  EXPECT_EQ(t.st().Step, 2);
  EXPECT_EQ(before.KolCards[4], t.st().KolCards[4]);
}

TEST_F(BoutFixture, ComputerSeatThrowsAllItsCardsToATakerInOneStep) {
  Run({{"6H", 1, 6}, {"-", 2, 3}});
  // The random chooser with a stop chance of 0 lays every legal card: 6D (the only other six).
  t.chooser.stopPercent_ = 0;
  ASSERT_TRUE(PlayStep(t.game, 1, false, 0, false));
  EXPECT_EQ(t.st().Step, 10);
  EXPECT_EQ(t.st().KolHods, 2);
  EXPECT_EQ(t.st().KolFree, 2);
}

TEST(Limits, NoThrowInBeyondTheLimits) {
  struct Case { int boutMax, attacks, uncovered, defenderCards; bool limit; };
  const Case cases[] = {
      {6, 6, 1, 5, true},   // six attack cards laid
      {5, 5, 0, 5, true},   // the first bout under "First beat - 5 cards"
      {6, 5, 0, 0, true},   // the defender covered with his last card
      {6, 3, 2, 2, true},   // as many uncovered cards as the defender holds
      {6, 3, 1, 2, false},
      {6, 5, 0, 3, false},
  };
  for (const Case& c : cases) {
    GameState st;
    st.Koz = kSuitChar[4];
    st.Hod = 1;
    st.BoutMax = static_cast<Byte>(c.boutMax);
    st.KolHods = static_cast<Byte>(c.attacks);
    st.KolFree = static_cast<Byte>(c.uncovered);
    st.KolCards[2] = static_cast<Byte>(c.defenderCards);
    EXPECT_EQ(AttackLimitReached(st), c.limit) << c.boutMax << " " << c.attacks << " " << c.uncovered;
    EXPECT_EQ(TestUserCard(st, C("6H"), 1, MoveKind::AddToTaker).limitReached, c.limit);
  }
}

TEST(UserCards, CoverTests) {
  GameState st;
  st.Koz = kSuitChar[4];  // spades
  struct Case { const char* attack; const char* cover; bool wrong; };
  const Case cases[] = {
      {"10H", "JH", false}, {"10H", "9H", true}, {"10H", "6S", false}, {"10H", "AC", true},
      {"9S", "7S", true},   {"9S", "JS", false},
  };
  for (const Case& c : cases) {
    st.KartaHod = C(c.attack);
    st.DostHod = LevelOf(st.KartaHod);
    EXPECT_EQ(TestUserCard(st, C(c.cover), LevelOf(C(c.cover)), MoveKind::Cover).wrongCard, c.wrong)
        << c.attack << " by " << c.cover;
  }
}

TEST(UserCards, MoveKindByPhase) {
  GameState st;
  st.GameOn = true;
  st.StartPhase = 2;
  struct Case { bool pair; int hod; int step; bool allowed; MoveKind kind; };
  const Case cases[] = {
      {false, 4, 1, true, MoveKind::Lead},       {false, 4, 2, true, MoveKind::Add},
      {false, 4, 3, true, MoveKind::AddToTaker}, {false, 3, 6, true, MoveKind::Cover},
      {false, 3, 14, true, MoveKind::Cover},     {false, 2, 7, true, MoveKind::Add},
      {false, 2, 8, true, MoveKind::AddToTaker}, {false, 1, 6, false, MoveKind::Lead},
      {false, 4, 12, false, MoveKind::Lead},     {true, 4, 2, true, MoveKind::Add},
      {true, 3, 3, true, MoveKind::Cover},       {true, 4, 4, true, MoveKind::AddToTaker},
      {true, 4, 5, false, MoveKind::Lead},
  };
  for (const Case& c : cases) {
    st.PairMode = c.pair;
    st.PairCode = c.pair ? 34 : 0;
    st.Hod = static_cast<Byte>(c.hod);
    st.Step = static_cast<Byte>(c.step);
    const UserMove m = UserMoveKind(st);
    EXPECT_EQ(m.allowed, c.allowed) << c.hod << " " << c.step;
    if (c.allowed) {
      EXPECT_EQ(m.kind, c.kind) << c.hod << " " << c.step;
    }
  }
  st.StartPhase = 1;
  st.PairMode = false;
  st.PairCode = 0;
  st.Hod = 4;
  st.Step = 1;
  EXPECT_FALSE(UserMoveKind(st).allowed);  // before "To Begin"
}

TEST(TwoSeatBout, DiscardHandsTheLeadToTheDefenderAndATakeKeepsTheAttacker) {
  TestGame t;
  GameState& st = t.st();
  st.Koz = kSuitChar[4];
  SetHand(st, 1, {"6H", "6D", "9C"});
  SetHand(st, 2, {"8H", "AD", "7D"});
  st.KolCards[3] = st.KolCards[4] = 0;
  st.Och = 37;
  st.GameOn = true;
  st.StartPhase = 2;
  st.PairMode = true;
  st.PairCode = 12;
  st.Hod = 1;
  st.Step = 1;
  PlayStep(t.game, 1, true, 1, false);  // 6H
  EXPECT_EQ(st.Step, 3);
  EXPECT_EQ(Actor(st), 2);
  PlayStep(t.game, 1, true, 0, true);  // seat 2 takes
  EXPECT_EQ(st.Step, 4);
  PlayStep(t.game, 1, true, 1, false);  // 6D to the taker
  EXPECT_EQ(st.Step, 4);
  PlayStep(t.game, 1, true, 0, true);
  EXPECT_EQ(st.Step, 6);
  EXPECT_EQ(Actor(st), 0);
  PlayStep(t.game, 1, true, 0, true);  // close with the take
  EXPECT_EQ(st.Hod, 1);
  EXPECT_EQ(st.KolCards[2], 5);
  EXPECT_EQ(st.Step, 1);
  PlayStep(t.game, 1, true, 1, false);  // 9C
  PlayStep(t.game, 1, true, 0, true);   // seat 2 takes again
  PlayStep(t.game, 1, true, 0, true);   // done
  PlayStep(t.game, 1, true, 0, true);   // close
  EXPECT_TRUE(st.DealOver);            // seat 1 is out, seat 2 holds cards: team {1, 3} wins
  EXPECT_EQ(st.TeamWins[0], 1);
}

TEST(Refill, AttackerThenPartnerThenDefenderWhileTheStockLasts) {
  TestGame t;
  GameState& st = t.st();
  st.Koz = kSuitChar[4];
  SetHand(st, 1, {"6H", "7H", "8H", "9H", "10H"});
  SetHand(st, 2, {"6D", "7D", "8D", "9D"});
  SetHand(st, 3, {"6C", "7C", "8C", "9C", "10C"});
  st.KolodaI[35] = C("JC");
  st.KolodaJ[35] = LevelOf(C("JC"));
  st.KolodaI[36] = C("AS");
  st.KolodaJ[36] = LevelOf(C("AS"));
  st.Och = 35;
  Refill(t.game, 1);
  Refill(t.game, 3);
  Refill(t.game, 2);
  EXPECT_EQ(st.KolCards[1], 6);
  EXPECT_EQ(st.KolCards[3], 6);
  EXPECT_EQ(st.KolCards[2], 4);  // nothing left for the defender
  EXPECT_EQ(st.Och, 37);
  EXPECT_EQ(st.CardsI[3][6], C("AS"));  // the face-up trump is drawn last
}

}  // namespace
}  // namespace tarvel
