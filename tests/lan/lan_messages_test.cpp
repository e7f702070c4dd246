#include "lan/lan_messages.h"

#include <gtest/gtest.h>

#include "lan/seat_table.h"

namespace tarvel {
namespace {

TEST(JoinRequest, GameKindAndNameAsTheHostChecksThem) {
  EXPECT_EQ(JoinRequest(7, "Al"), "kex0725connect1Al  ");
  EXPECT_EQ(JoinRequest(16, "Alexander"), "kex1625connect1Alex");
  struct Case {
    const char* text;
    int hostKind;
    bool accepted;
  } cases[] = {
      {"kex0725connect1Al  ", 7, true},
      {"kex0725connect1Al  ", 17, false},
      {"kex1725connect1Al  ", 17, true},
      {"kez0725connect1Al  ", 7, false},
      {"kex0726connect1Al  ", 7, false},
      {"kex0725connect2Al  ", 7, false},
      {"kex0725connect1Al ", 7, false},
      {"kex0725connect1Al   ", 7, false},
  };
  for (const Case& c : cases) {
    const auto name = ParseJoinRequest(c.text, c.hostKind);
    EXPECT_EQ(name.has_value(), c.accepted) << c.text << " host " << c.hostKind;
    if (name) {
      EXPECT_EQ(name->size(), 4u);
    }
  }
}

TEST(SeatMessages, FixedLengthsAndNamesInSeatOrder) {
  SeatNames names;
  names[1] = "Al";
  names[2] = "Boris";
  names[3] = std::string(kComputerName);
  names[4] = "";
  const std::string assign = SeatAssignment(2, names);
  EXPECT_EQ(assign, "connect2+2Al  BoriPC      ");
  EXPECT_EQ(assign.size(), 26u);
  EXPECT_EQ(assign.substr(10, 4), "Al  ");  // seat 1's name at characters 11-14
  const std::string joined = PlayerJoined(3, names);
  EXPECT_EQ(joined.substr(0, 9), "connect4+");
  EXPECT_EQ(joined.size(), 25u);
  EXPECT_EQ(joined.substr(9, 4), "Al  ");  // characters 10-13

  const auto a = ParseSeatMessage(assign);
  ASSERT_TRUE(a && a->assignment);
  EXPECT_EQ(a->seat, 2);
  EXPECT_EQ(a->names[2], "Bori");
  const auto j = ParseSeatMessage(joined);
  ASSERT_TRUE(j && !j->assignment);
  EXPECT_EQ(j->clients, 3);
  // Only "3" and "4" name a later seat; any other digit leaves seat 2.
  EXPECT_EQ(ParseSeatMessage("connect2+9" + assign.substr(10))->seat, 2);
  EXPECT_EQ(ParseSeatMessage("connect2+4" + assign.substr(10))->seat, 4);
  EXPECT_FALSE(ParseSeatMessage(assign.substr(0, 25)));
  EXPECT_FALSE(ParseSeatMessage("connect5+" + joined.substr(9)));
}

GameState DealtState(std::uint64_t seed) {
  Game g(nullptr, nullptr, nullptr, seed);
  NewDeal(g, false);
  return g.st;
}

TEST(DealMessage, CarriesTheDeckRanksAndSwitches) {
  const GameState st = DealtState(11);
  RuleSwitches rules;
  rules.OptFirstMove = 3;
  rules.OptFirstDiscardFive = false;
  const std::string m = DealMessage(st, rules);
  ASSERT_EQ(m.size(), 111u);
  EXPECT_EQ(m.substr(109), "3\xCB");  // "3Л"
  rules.OptFirstMove = 1;
  rules.OptFirstDiscardFive = true;
  EXPECT_EQ(DealMessage(st, rules).substr(109), "1\xC8");  // "1И"
  for (int p = 1; p <= 36; ++p) EXPECT_EQ(m[72 + p], '0' + st.KolodaJ[p]);
}

TEST(DealMessage, EveryClientHoldsTheHandsOfTheHostsSeats) {
  Game host(nullptr, nullptr, nullptr, 5);
  NewDeal(host, false);
  const std::string m = DealMessage(host.st, host.rules);
  for (int own = 2; own <= 4; ++own) {
    const auto d = ParseDeal(m, own);
    ASSERT_TRUE(d);
    Game client(nullptr, nullptr);
    client.kind = GameKind::Network;
    client.ownNumber = own;
    NewDeal(client, false, &d->cards);
    for (int seat = 1; seat <= 4; ++seat) {
      const int hp = PositionOf(1, seat), cp = PositionOf(own, seat);
      ASSERT_EQ(client.st.KolCards[cp], 6);
      for (int k = 1; k <= 6; ++k) EXPECT_EQ(client.st.CardsI[cp][k], host.st.CardsI[hp][k]) << own << " " << seat;
    }
    EXPECT_EQ(SeatAt(own, client.st.FirstHod), SeatAt(1, host.st.FirstHod));
  }
}

TEST(DealMessage, BrokenDealsAreRefused) {
  const std::string m = DealMessage(DealtState(3), RuleSwitches{});
  ASSERT_TRUE(ParseDeal(m, 2));
  std::string duplicate = m;
  duplicate[3] = m[1];
  duplicate[4] = m[2];
  duplicate[74] = m[73];
  std::string rank = m;
  rank[73] = rank[73] == '9' ? '1' : static_cast<char>(rank[73] + 1);
  std::string flag = m;
  flag[110] = 'X';
  std::string first = m;
  first[109] = '4';
  std::string noCard = m;
  noCard[1] = '#';
  for (const std::string& bad : {duplicate, rank, flag, first, noCard, m.substr(0, 110), m + "x"})
    EXPECT_FALSE(ParseDeal(bad, 2));
  EXPECT_FALSE(ParseDeal(m, 5));
}

TEST(ChatMessage, LineEndsWithCrLfAndRoundTrips) {
  EXPECT_EQ(ChatMessage(3, "hi\r\nall"), "s3hiall\r\n");
  const auto line = ParseChat(ChatMessage(4, "\xCF\xF0\xE8\xE2\xE5\xF2"));
  ASSERT_TRUE(line);
  EXPECT_EQ(line->seat, 4);
  EXPECT_EQ(line->text, "\xCF\xF0\xE8\xE2\xE5\xF2");
  EXPECT_TRUE(ParseChat("s2"));
  EXPECT_FALSE(ParseChat("s5hello"));
  EXPECT_FALSE(ParseChat("x1hello"));
  EXPECT_FALSE(ParseChat("s1" + std::string(kMaxChatText + 1, 'a')));
}

}  // namespace
}  // namespace tarvel
