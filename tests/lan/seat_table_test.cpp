#include "lan/seat_table.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(SeatTable, PositionsOfEverySeatOnEveryMachine) {
  // Row: own network seat; columns: where seats 1..4 sit.
  const int kTable[5][5] = {{}, {0, 4, 2, 1, 3}, {0, 2, 4, 3, 1}, {0, 3, 1, 4, 2}, {0, 1, 3, 2, 4}};
  for (int own = 1; own <= 4; ++own)
    for (int seat = 1; seat <= 4; ++seat) {
      EXPECT_EQ(PositionOf(own, seat), kTable[own][seat]) << own << " " << seat;
      EXPECT_EQ(SeatAt(own, kTable[own][seat]), seat);
    }
  EXPECT_EQ(PositionOf(0, 1), 0);
  EXPECT_EQ(SeatAt(1, 5), 0);
}

TEST(SeatTable, RotationGivesTheReceiversView) {
  // What the sender sees at q, rotated by the receiver's position, is where the receiver sees it.
  for (int sender = 1; sender <= 4; ++sender)
    for (int receiver = 1; receiver <= 4; ++receiver)
      for (int seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(RotatePosition(PositionOf(sender, seat), PositionOf(sender, receiver)), PositionOf(receiver, seat));
}

TEST(SeatTable, PartnerNextAndPreviousAreTheSameSeatsEverywhere) {
  const int kPartner[5] = {0, 2, 1, 4, 3}, kNext[5] = {0, 3, 4, 2, 1}, kPrevious[5] = {0, 4, 3, 1, 2};
  for (int own = 1; own <= 4; ++own) {
    EXPECT_EQ(SeatAt(own, 2), kPartner[own]);
    EXPECT_EQ(SeatAt(own, 1), kNext[own]);
    EXPECT_EQ(SeatAt(own, 3), kPrevious[own]);
  }
}

}  // namespace
}  // namespace tarvel
