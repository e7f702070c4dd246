#pragma once
// Helpers shared by the network tests: comparing the games of two machines seat by seat, and a player
// that answers like a user at the table (a legal card or the button).
#include <gtest/gtest.h>

#include <string>

#include "engine/game.h"
#include "lan/seat_table.h"
#include "tests/engine/fixtures.h"

namespace tarvel::testing {

// Empty when the two machines (network seats sa and sb) hold the same game; otherwise what differs.
inline std::string Difference(const GameState& a, int sa, const GameState& b, int sb) {
  auto posA = [&](int seat) { return PositionOf(sa, seat); };
  auto posB = [&](int seat) { return PositionOf(sb, seat); };
  auto seatA = [&](int pos) { return pos >= 1 && pos <= 4 ? SeatAt(sa, pos) : 0; };
  auto seatB = [&](int pos) { return pos >= 1 && pos <= 4 ? SeatAt(sb, pos) : 0; };
  for (int seat = 1; seat <= 4; ++seat) {
    const int pa = posA(seat), pb = posB(seat);
    if (a.KolCards[pa] != b.KolCards[pb]) return "card count of seat " + std::to_string(seat);
    for (int k = 1; k <= a.KolCards[pa]; ++k)
      if (!(a.CardsI[pa][k] == b.CardsI[pb][k])) return "hand of seat " + std::to_string(seat);
  }
  if (a.KolodaI != b.KolodaI || a.Och != b.Och || a.Koz != b.Koz) return "stock";
  if (a.InGameI != b.InGameI || a.KolCardsStol != b.KolCardsStol || a.KolHods != b.KolHods ||
      a.KolFree != b.KolFree || a.BoutMax != b.BoutMax)
    return "table";
  if (a.Bito != b.Bito || a.BitoPos != b.BitoPos) return "discard pile";
  if (a.Step != b.Step || a.StartPhase != b.StartPhase) return "phase";
  if (seatA(a.Hod) != seatB(b.Hod)) return "player to move";
  if (a.OutMode != b.OutMode || seatA(a.OutSeat) != seatB(b.OutSeat) || a.OutPhase != b.OutPhase ||
      a.PairMode != b.PairMode || a.LoneAttack != b.LoneAttack)
    return "out-of-cards mode";
  if (a.DealOver != b.DealOver || a.KonAll != b.KonAll) return "deal";
  // Team {1, 3} of a machine is the team of its position 1.
  auto winsOfSeats12 = [](const GameState& s, int own) {
    const int team = TeamOf(PositionOf(own, 1));
    return s.TeamWins[team];
  };
  if (winsOfSeats12(a, sa) != winsOfSeats12(b, sb)) return "team wins";
  return {};
}

// What a user at position 4 does now: a legal card (by the seeded chooser) or, when the chooser stops
// or no card fits, the button. Returns false when the position has nothing to do.
inline bool UserActs(Game& g, RandomChooser& chooser) {
  GameState& st = g.st;
  if (st.StartPhase == 1 && g.controls.main.enabled) {
    MainButton(g);
    return true;
  }
  const UserMove m = UserMoveKind(st);
  if (m.allowed) {
    const MoveAnswer a = chooser.ChooseMove(st, m.kind, 4, false);
    const bool legal = a.slot >= 1 && a.slot <= st.KolCards[4] &&
                       (m.kind == MoveKind::Lead || [&] {
                         const CardTest t = TestUserCard(st, st.CardsI[4][a.slot], st.CardsJ[4][a.slot], m.kind);
                         return !t.wrongCard && !t.limitReached;
                       }());
    if (!a.stop && legal) return PlayStep(g, st.Hod, true, a.slot, false);
    if (m.kind == MoveKind::Lead) return PlayStep(g, st.Hod, true, 1, false);
  }
  if (g.controls.main.enabled) {
    MainButton(g);
    return true;
  }
  return false;
}

}  // namespace tarvel::testing
