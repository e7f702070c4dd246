#pragma once
// How a computer seat attacks while three or four seats are in the deal: the lead, adding while the
// defence goes on, and throwing in to a taker. Each rule reads the asked seat's hand, the table and the
// stock only; the entry point applies the bout limits and the legality check afterwards.
#include "engine/game.h"

namespace tarvel {

MoveAnswer LeadRule(const GameState& g, int seat);
MoveAnswer AddRule(const GameState& g, int seat, bool partnerFlag);
MoveAnswer ThrowInToTakerRule(const GameState& g, int seat);

}  // namespace tarvel
