#include "lan/seat_table.h"

namespace tarvel {

namespace {
// The place of each network seat in the order of play 1, 3, 2, 4.
constexpr int kPlayIndex[5] = {-1, 0, 2, 1, 3};
constexpr int kSeatOfIndex[4] = {1, 3, 2, 4};
bool Valid(int n) { return n >= 1 && n <= 4; }
int Wrap(int v) {
  const int m = ((v % 4) + 4) % 4;
  return m == 0 ? 4 : m;
}
}  // namespace

int PositionOf(int own, int seat) {
  if (!Valid(own) || !Valid(seat)) return 0;
  return Wrap(kPlayIndex[seat] - kPlayIndex[own]);
}

int SeatAt(int own, int position) {
  if (!Valid(own) || !Valid(position)) return 0;
  return kSeatOfIndex[(kPlayIndex[own] + position) % 4];
}

int RotatePosition(int q, int r) {
  if (!Valid(q) || !Valid(r)) return 0;
  return Wrap(q - r);
}

}  // namespace tarvel
