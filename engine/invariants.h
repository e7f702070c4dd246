#pragma once
// Checks that a game state is whole: every card once, the table counters in step, hands compact and
// sorted, the modes exclusive. Tests and self-play run it after every step.
#include <string>

#include "engine/game_state.h"

namespace tarvel {

// Empty when every invariant holds, else a one-line description of the first one broken.
std::string CheckInvariants(const GameState& st);

}  // namespace tarvel
