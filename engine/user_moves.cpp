// What the user may lay at seat 4, and the tests of a card he clicks.
#include "engine/game.h"

namespace tarvel {

UserMove UserMoveKind(const GameState& st) {
  if (st.StartPhase != 2 || !st.GameOn || st.DealOver || Actor(st) != 4) return {};
  const bool twoSeat = RolesOf(st).twoSeat;
  MoveKind kind;
  if (twoSeat) {
    static constexpr MoveKind kByPhase[5] = {MoveKind::Lead, MoveKind::Lead, MoveKind::Add, MoveKind::Cover,
                                             MoveKind::AddToTaker};
    if (st.Step < 1 || st.Step > 4) return {};
    kind = kByPhase[st.Step];
  } else {
    switch (st.Step) {
      case 1: kind = MoveKind::Lead; break;
      case 2: case 4: case 7: case 9: kind = MoveKind::Add; break;
      case 3: case 5: case 8: case 10: kind = MoveKind::AddToTaker; break;
      case 6: case 14: kind = MoveKind::Cover; break;
      default: return {};
    }
  }
  return {true, kind};
}

bool AttackLimitReached(const GameState& st) {
  const int d = RolesOf(st).defender;
  return st.KolHods >= st.BoutMax || st.KolCards[d] == 0 || st.KolCards[d] == st.KolFree;
}

CardTest TestUserCard(const GameState& st, TStr2 card, Byte level, MoveKind kind) {
  CardTest t;
  switch (kind) {
    case MoveKind::Lead:
      break;
    case MoveKind::Add:
    case MoveKind::AddToTaker:
      t.limitReached = AttackLimitReached(st);
      t.wrongCard = !RankOnTable(st.InGameI, card);
      break;
    case MoveKind::Cover:
      t.wrongCard = (card.Suit() != st.KartaHod.Suit() && card.Suit() != st.Koz) ||
                    (card.Suit() == st.KartaHod.Suit() && level < st.DostHod);
      break;
  }
  return t;
}

}  // namespace tarvel
