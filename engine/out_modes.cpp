// Seats out of cards: the lone-player mode (one seat out, its partner plays alone) and the two-seat
// mode (one seat of each team out). Runs inside the close of every bout.
#include "engine/game.h"

namespace tarvel {

namespace {

struct PhaseRow {
  Byte toPhase1[3][2];  // (PrevHod, Hod) pairs that give phase 1
  Byte toPhase2[3][2];  // pairs that give phase 2
  Byte flipped;         // PrevHod = Hod = the lone player: the phase flips
};
// Indexed by `OutSeat`. Every combination not listed leaves the phase as it is.
constexpr PhaseRow kPhaseTable[5] = {
    {},
    {{{2, 3}, {3, 2}, {4, 2}}, {{2, 4}, {3, 4}, {4, 3}}, 3},
    {{{3, 4}, {4, 3}, {1, 3}}, {{3, 1}, {4, 1}, {1, 4}}, 4},
    {{{4, 1}, {1, 4}, {2, 4}}, {{4, 2}, {1, 2}, {2, 1}}, 1},
    {{{1, 2}, {2, 1}, {3, 1}}, {{1, 3}, {2, 3}, {3, 2}}, 2},
};

int PairCodeOf(int a, int b) {
  // The two remaining seats are neighbours; the code names them in seat order (4 and 1 give 41).
  const int first = NextSeat(a) == b ? a : b;
  return first * 10 + NextSeat(first);
}

void EnterPairMode(GameState& st, int a, int b) {
  st.OutMode = false;
  st.OutSeat = 0;
  st.OutPhase = 0;
  st.PairMode = true;
  st.PairCode = static_cast<Byte>(PairCodeOf(a, b));
  if (!InPair(st.PairCode, st.Hod)) st.Hod = static_cast<Byte>(PartnerOf(st.Hod));
  st.Step = 1;
}

}  // namespace

void UpdateOutPhase(GameState& st) {
  if (!st.OutMode || st.OutSeat < 1 || st.OutSeat > 4) return;
  const PhaseRow& row = kPhaseTable[st.OutSeat];
  for (int i = 0; i < 3; ++i) {
    if (row.toPhase1[i][0] == st.PrevHod && row.toPhase1[i][1] == st.Hod) st.OutPhase = 1;
    if (row.toPhase2[i][0] == st.PrevHod && row.toPhase2[i][1] == st.Hod) st.OutPhase = 2;
  }
  if (st.PrevHod == row.flipped && st.Hod == row.flipped) st.OutPhase = st.OutPhase == 1 ? 2 : 1;
}

void EnterOrChangeMode(GameState& st) {
  int out[4], in[4], nOut = 0, nIn = 0;
  for (int s = 1; s <= 4; ++s) {
    if (st.KolCards[s] == 0) out[nOut++] = s;
    else in[nIn++] = s;
  }
  if (!st.OutMode && !st.PairMode) {
    if (nOut == 1) {
      const int S = out[0], L = PartnerOf(S);
      st.OutMode = true;
      st.OutSeat = static_cast<Byte>(S);
      if (st.Hod == S) {
        st.Hod = static_cast<Byte>(L);
        st.OutPhase = 2;
      } else if (st.Hod == L) {
        st.OutPhase = 1;
      } else {
        st.OutPhase = NextSeat(st.Hod) == L ? 1 : 2;
      }
      st.Step = 1;
      return;
    }
    if (nOut == 2 && TeamOf(out[0]) != TeamOf(out[1])) EnterPairMode(st, in[0], in[1]);
    return;
  }
  if (st.OutMode && nOut == 2) {
    const int L = PartnerOf(st.OutSeat);
    if (st.KolCards[L] == 0) return;  // the lone player's team is out: the deal ends
    const int opponent = in[0] == L ? in[1] : in[0];
    EnterPairMode(st, L, opponent);
  }
}

}  // namespace tarvel
