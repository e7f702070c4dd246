#pragma once
// How a computer seat defends while three or four seats are in the deal, and `BeatCard`, the choice of
// the card to beat with, which the endgame rules use as well.
#include "ai/hand_queries.h"
#include "engine/game.h"

namespace tarvel {

// The slot of the card to beat the attack card with, or 0 when the hand cannot or should not beat.
// `tableLevels` holds the levels of every table card, the attack card included.
int BeatCard(HandView h, TStr2 attack, Byte attackLevel, Byte trump, LevelSet tableLevels);

MoveAnswer DefendRule(const GameState& g, int seat);

}  // namespace tarvel
