#pragma once
// Network seats and table positions. Network seat 1 is the host, seats 2-4 the clients in the order
// they were accepted; seats 1 and 2 are partners, so are 3 and 4; play runs 1, 3, 2, 4. Every machine's
// engine works with positions (4 the local player, 2 the partner, 1 the next and 3 the previous player),
// so a network seat sits at a different position on every machine.
namespace tarvel {

// The position at which a machine with network seat `own` sees network seat `seat` (both 1..4);
// 0 for a number outside 1..4.
int PositionOf(int own, int seat);
// The network seat that a machine with network seat `own` sees at `position`; 0 outside 1..4.
int SeatAt(int own, int position);
// A player whom the sender sees at position q, as seen by a receiver whom the sender sees at position r
// (both 1..4); r = 4 leaves q unchanged.
int RotatePosition(int q, int r);

}  // namespace tarvel
