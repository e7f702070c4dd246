#include "lan/message_reader.h"

#include <gtest/gtest.h>

#include <random>

namespace tarvel {
namespace {

const std::string kMoveA = "h1eiiiiiiiiiiiiiiii132";
const std::string kMoveB = "h2iiigiiiiii107iiii061";
const std::string kJoin = "kex1625connect1Al  ";
const std::string kAssign = "connect2+2Al  Bo  PC  PC  ";
const std::string kJoined = "connect3+Al  Bo  Cy  PC  ";
const std::string kChat = "s3hello\r\n";
const std::string kDeal = [] {
  std::string d = "b";
  for (int i = 0; i < 36; ++i) d += "6\xF7";
  return d + std::string(36, '1') + "3\xCB";
}();

std::vector<std::string> Bytes(const std::vector<LanMessage>& ms) {
  std::vector<std::string> out;
  for (const LanMessage& m : ms) out.push_back(m.bytes);
  return out;
}

TEST(MessageReader, MovesOfOneReadPauseOnlyWhenSeveral) {
  ASSERT_EQ(kMoveA.size(), 22u);
  ASSERT_EQ(kMoveB.size(), 22u);
  MessageReader r;
  auto one = r.Feed(kMoveA);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_FALSE(one[0].pauseAfter);
  auto two = r.Feed(kMoveA + kMoveB);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].bytes, kMoveA);
  EXPECT_EQ(two[1].bytes, kMoveB);
  EXPECT_TRUE(two[0].pauseAfter && two[1].pauseAfter);
}

TEST(MessageReader, AnySplitOfAStreamGivesTheSameMessages) {
  const std::vector<std::string> sent = {kJoin, kAssign, kJoined, kChat, kDeal, kMoveA, "abort", kMoveB};
  std::string stream;
  for (const std::string& s : sent) stream += s;
  const std::vector<LanMessageKind> kinds = {LanMessageKind::Join, LanMessageKind::SeatAssignment,
                                             LanMessageKind::PlayerJoined, LanMessageKind::Chat,
                                             LanMessageKind::Deal, LanMessageKind::Move,
                                             LanMessageKind::Abort, LanMessageKind::Move};
  std::mt19937 random(7);
  for (int trial = 0; trial < 200; ++trial) {
    MessageReader r;
    std::vector<LanMessage> got;
    for (std::size_t pos = 0; pos < stream.size();) {
      const std::size_t n = trial == 0 ? 1 : std::uniform_int_distribution<std::size_t>(1, 40)(random);
      for (LanMessage& m : r.Feed(std::string_view(stream).substr(pos, n))) got.push_back(std::move(m));
      pos += n;
    }
    ASSERT_EQ(Bytes(got), sent) << "trial " << trial;
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i].kind, kinds[i]);
    EXPECT_EQ(r.Pending(), 0u);
    EXPECT_EQ(r.Dropped(), 0u);
  }
}

TEST(MessageReader, GarbageIsDroppedAndTheNextMessageStillArrives) {
  struct Case {
    std::string garbage;
  } cases[] = {
      {"xyz"},
      {"connect9+"},
      {"abx"},
      {"b"},   // a stray first letter of a deal does not swallow what follows
      {"hx"},
      {"s1" + std::string(200, 'q')},  // a line far longer than any chat line
      {std::string(5000, '\0')},
  };
  for (const Case& c : cases) {
    MessageReader r;
    const auto got = r.Feed(c.garbage + kMoveA);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back().bytes, kMoveA);
    EXPECT_LE(r.Pending(), 0u);
  }
}

TEST(MessageReader, AnIncompleteMessageWaitsWithoutGrowingWithoutBound) {
  MessageReader r;
  EXPECT_TRUE(r.Feed(kDeal.substr(0, 60)).empty());
  EXPECT_EQ(r.Pending(), 60u);
  const auto rest = r.Feed(kDeal.substr(60));
  ASSERT_EQ(rest.size(), 1u);
  EXPECT_EQ(rest[0].kind, LanMessageKind::Deal);
  // A chat line that never ends is dropped once it is longer than any chat line can be.
  MessageReader endless;
  for (int i = 0; i < 100; ++i) endless.Feed("s1aaaaaaaaaa");
  EXPECT_LT(endless.Pending(), 80u);
}

}  // namespace
}  // namespace tarvel
