// The four-seat heuristics and the entry point's limits, as case tables.
#include <gtest/gtest.h>

#include "ai/attack_rules.h"
#include "ai/computer_player.h"
#include "ai/defence_rules.h"
#include "fixtures.h"

namespace tarvel {
namespace {

using testing::C;
using testing::SetHand;
using testing::SetTable;

Byte Suit(char s) { return kSuitChar[s == 'H' ? 1 : s == 'D' ? 2 : s == 'C' ? 3 : 4]; }

std::string Named(const GameState& g, int seat, MoveAnswer a) {
  return a.stop ? "stop" : AsciiName(g.CardsI[seat][a.slot]);
}

TEST(LeadRule, CaseTable) {
  struct Case { char trump; std::initializer_list<const char*> hand; const char* lead; };
  const Case cases[] = {
      {'H', {"7C", "7D", "8S", "10H"}, "7C"},   // two sevens against one eight: the seven in the lower slot
      {'H', {"6C", "8S", "8D"}, "8S"},          // two eights against one six
      {'S', {"6C", "8S", "8D"}, "6C"},          // one eight left in a plain suit: the six
      {'H', {"9C", "JD", "AS", "6H"}, "9C"},    // plain cards from nine up: the lowest plain card
      {'H', {"6H", "QH", "8H"}, "6H"},          // trumps only: the lowest trump
  };
  for (const Case& c : cases) {
    GameState g;
    g.Koz = Suit(c.trump);
    SetHand(g, 1, c.hand);
    EXPECT_EQ(Named(g, 1, LeadRule(g, 1)), c.lead);
  }
}

TEST(AddRule, CaseTable) {
  struct Case { char trump; int och; std::initializer_list<const char*> table; std::initializer_list<const char*> hand;
                bool partner; const char* add; };
  const Case cases[] = {
      {'C', 25, {"6S", "QS", "KS"}, {"QD", "AH"}, false, "QD"},   // a plain king lies on the table
      {'C', 25, {"6S", "QS"}, {"QD", "AH"}, false, "QD"},         // the plain queen on the table counts
      {'C', 25, {"6S", "QC"}, {"QD", "AH"}, false, "stop"},       // only a trump queen: no plain J/Q/K
      {'C', 25, {"KD", "AD"}, {"KS", "7H"}, false, "stop"},        // fewer than two plain six-to-nines
      {'C', 25, {"KD", "AD", "7S", "8S"}, {"KS", "7H"}, false, "7H"},  // the seven comes first anyway
      {'C', 25, {"9D", "9S", "7S", "8S"}, {"9H"}, false, "9H"},
      {'C', 25, {"7D", "7S", "8S", "9D"}, {"7C", "AH"}, false, "7C"},  // a low trump with four plain low cards
      {'C', 25, {"7D", "7S", "8S"}, {"7C", "AH"}, false, "stop"},
      {'C', 34, {"7D", "8S"}, {"7C", "AH"}, false, "stop"},  // late stock: the lead attacker keeps his trump
      {'C', 34, {"7D", "8S"}, {"7C", "AH"}, true, "7C"},     // his partner adds it
      {'C', 37, {"KD", "AD"}, {"KS"}, false, "KS"},           // late or empty: any plain card of a rank there
  };
  for (const Case& c : cases) {
    GameState g;
    g.Koz = Suit(c.trump);
    g.Och = static_cast<Byte>(c.och);
    SetHand(g, 1, c.hand);
    SetTable(g, c.table, 1, 0);
    EXPECT_EQ(Named(g, 1, AddRule(g, 1, c.partner)), c.add) << *c.table.begin() << " " << *c.hand.begin();
  }
}

TEST(ThrowInToTakerRule, OnlyLowPlainCards) {
  GameState g;
  g.Koz = Suit('H');
  SetTable(g, {"JS", "6D"}, 2, 2);
  SetHand(g, 1, {"JC", "AH"});
  EXPECT_EQ(Named(g, 1, ThrowInToTakerRule(g, 1)), "stop");
  SetHand(g, 1, {"JC", "6C", "6H"});
  EXPECT_EQ(Named(g, 1, ThrowInToTakerRule(g, 1)), "6C");
}

TEST(BeatCard, CaseTable) {
  struct Case { char trump; const char* attack; std::initializer_list<const char*> table;
                std::initializer_list<const char*> hand; const char* beat; };
  const Case cases[] = {
      {'H', "7S", {"7S", "9D"}, {"8S", "9S", "JS"}, "9S"},   // the run 8-9 holds a rank on the table
      {'H', "7S", {"7S"}, {"8S", "9S", "JS"}, "8S"},
      {'H', "7S", {"10D", "7S"}, {"8S", "10S"}, "8S"},       // the run is only the eight
      {'S', "10C", {"10C", "8D"}, {"6S", "8S"}, "8S"},       // six of trumps, an eight on the table and no six
      {'S', "10C", {"10C", "9D"}, {"6S", "9S"}, "9S"},
      {'S', "10C", {"10C", "9D"}, {"7S", "9S"}, "9S"},
      {'S', "10C", {"10C", "9D", "7D"}, {"7S", "9S"}, "7S"},  // a seven lies there: the seven, in the run
      {'S', "10C", {"10C"}, {"6S", "KS"}, "6S"},
      {'S', "9S", {"9S"}, {"8S", "AC"}, "stop"},              // a trump attack with no higher trump
      {'S', "9C", {"9C"}, {"AD"}, "stop"},
  };
  for (const Case& c : cases) {
    GameState g;
    g.Koz = Suit(c.trump);
    SetHand(g, 1, c.hand);
    SetTable(g, c.table, 1, 1);
    const TStr2 attack = C(c.attack);
    const int slot = BeatCard(HandOf(g, 1), attack, LevelOf(attack), g.Koz, TableLevels(g));
    EXPECT_EQ(slot ? AsciiName(g.CardsI[1][slot]) : "stop", c.beat) << c.attack;
  }
}

TEST(DefendRule, StockDecidesHowFreelyTrumpsAreSpent) {
  struct Case { int och; std::initializer_list<const char*> table; std::initializer_list<const char*> hand; int userCards;
                const char* answer; };
  const Case cases[] = {
      {25, {"JD", "QS"}, {"7C", "AH"}, 6, "stop"},  // early, every plain card on the table jack or higher
      {25, {"9D", "JD", "QS"}, {"7C", "AH"}, 6, "7C"},
      {25, {"QS"}, {"KC", "AH"}, 6, "stop"},        // only the king of trumps beats: take while the stock lasts
      {34, {"QS"}, {"KC", "AH"}, 6, "KC"},          // late stock: beat with it
      {32, {"QS"}, {"AC", "AH"}, 1, "AC"},          // the ace near the end: 5 in the stock + 1 with the user
      {25, {"QS"}, {"AC", "AH"}, 3, "stop"},
  };
  for (const Case& c : cases) {
    GameState g;
    g.Koz = Suit('C');
    g.Och = static_cast<Byte>(c.och);
    SetHand(g, 2, c.hand);
    g.KolCards[4] = static_cast<Byte>(c.userCards);
    SetTable(g, c.table, 1, 1);
    g.KartaHod = g.InGameI[g.KolCardsStol];
    g.DostHod = g.InGameJ[g.KolCardsStol];
    EXPECT_EQ(Named(g, 2, DefendRule(g, 2)), c.answer) << c.och << " " << *c.hand.begin();
  }
}

TEST(ChooseMove, LimitsAndLegalityTurnAnswersIntoStop) {
  GameState g;
  g.Koz = Suit('H');
  g.Och = 37;
  g.Hod = 1;
  SetHand(g, 1, {"6S", "6D", "7C"});
  SetHand(g, 2, {"8C", "9C"});
  SetTable(g, {"6C", "7S"}, 1, 0);
  g.BoutMax = 6;
  EXPECT_FALSE(ChooseMove(g, MoveKind::Add, 1, false).stop);
  g.KolHods = 6;
  EXPECT_TRUE(ChooseMove(g, MoveKind::Add, 1, false).stop);  // the bout is full
  g.KolHods = 2;
  g.KolFree = 2;
  EXPECT_TRUE(ChooseMove(g, MoveKind::AddToTaker, 1, false).stop);  // the taker holds exactly KolFree cards
  // A cover that cannot beat turns into a take: seat 2 would beat a plain seven of spades with nothing.
  g.KolFree = 1;
  g.KartaHod = C("AS");
  g.DostHod = LevelOf(g.KartaHod);
  EXPECT_TRUE(ChooseMove(g, MoveKind::Cover, 2, false).stop);
}

TEST(ChooseMove, DefenderOfTheLimitsFollowsTheModes) {
  GameState g;
  g.Koz = Suit('H');
  g.Och = 37;
  SetHand(g, 4, {"6S", "6D"});
  SetHand(g, 1, {"8D", "9D"});
  SetTable(g, {"6C", "7C"}, 1, 0);
  g.BoutMax = 6;
  // Two seats left, 4 and 1: seat 1 defends, so seat 3's empty hand sets no limit, and adding wins.
  g.PairMode = true;
  g.PairCode = 41;
  g.Hod = 4;
  EXPECT_EQ(Named(g, 4, ChooseMove(g, MoveKind::Add, 4, false)), "6S");
  // Two seats left, 3 and 4: seat 3 defends and holds no card.
  g.PairCode = 34;
  EXPECT_TRUE(ChooseMove(g, MoveKind::Add, 4, false).stop);
  // Seat 2 out, seat 4 attacks against seat order: seat 3 defends and holds as many cards as are uncovered.
  g.PairMode = false;
  g.PairCode = 0;
  g.OutMode = true;
  g.OutSeat = 2;
  g.OutPhase = 2;
  g.LoneAttack = true;
  SetHand(g, 3, {"8C"});
  g.KolFree = 1;
  EXPECT_TRUE(ChooseMove(g, MoveKind::Add, 4, false).stop);
  g.OutPhase = 1;  // with play in seat order seat 1 defends, holding two
  EXPECT_EQ(Named(g, 4, ChooseMove(g, MoveKind::Add, 4, false)), "6S");
}

}  // namespace
}  // namespace tarvel
