#pragma once
// Whole deals with all four seats answered by the computer player, in the order the step timer and
// the main button would run them, with the invariants checked after every step and every answer
// checked for legality. Shared by tarvel-sim and the tests.
#include <cstdint>
#include <functional>
#include <string>

#include "ai/endgame.h"
#include "engine/game.h"

namespace tarvel {

struct SelfPlayConfig {
  std::uint64_t seed = 1;
  int deals = 100;
  RuleSwitches rules;
  Solver solver = Solver::Fast;
  // Called before every decision, with the state the computer player sees.
  std::function<void(const GameState&, MoveKind, int seat, bool partnerFlag)> onDecision;
};

struct SelfPlayReport {
  int deals = 0;
  int winsTeam13 = 0;
  int winsTeam24 = 0;
  int draws = 0;
  std::uint64_t bouts = 0;
  std::uint64_t decisions = 0;
  std::uint64_t endgameDecisions = 0;
  double totalDecisionMs = 0;
  double maxDecisionMs = 0;
  double seconds = 0;
  std::uint64_t signature = 0;  // a hash of every deck and every answer
  std::string violation;        // empty when every step was clean
};

SelfPlayReport PlaySelf(const SelfPlayConfig& config);

}  // namespace tarvel
