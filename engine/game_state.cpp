#include "engine/game_state.h"

namespace tarvel {

GameState::GameState() {
  KolodaJ.fill(kEmptyLevel);
  for (int s = 1; s <= 4; ++s) ClearHand(CardsI[s], CardsJ[s]);
  InGameJ.fill(kEmptyLevel);
  TCards_J1x36 unused;
  ClearHand(Bito, unused);
}

BoutRoles RolesOf(const GameState& g) {
  BoutRoles r;
  r.attacker = g.Hod;
  if (g.PairMode) {
    r.twoSeat = true;
    r.defender = InPair(g.PairCode, g.Hod) ? PairOther(g.PairCode, g.Hod) : NextSeat(g.Hod);
    return r;
  }
  const bool reverse = g.OutMode && g.OutPhase == 2;
  r.defender = reverse ? PrevSeat(g.Hod) : NextSeat(g.Hod);
  if (g.LoneAttack) {
    r.twoSeat = true;
    return r;
  }
  r.partner = PartnerOf(g.Hod);
  return r;
}

}  // namespace tarvel
