#pragma once
// The entry point of the computer player: one decision for one seat, dispatched to the four-seat rules
// or, with only two seats left, to the endgame; then the bout limits and a legality check. It reads
// the game state and never changes it: the same state always gives the same answer.
#include <string>

#include "ai/endgame.h"
#include "engine/game.h"

namespace tarvel {

struct ChooseMoveStats {
  std::uint64_t decisions = 0;
  std::uint64_t endgameDecisions = 0;
};

class ComputerPlayer : public MoveChooser {
 public:
  // `view` (may be null) shows the endgame's progress on the deciding seat's bubble.
  explicit ComputerPlayer(Presenter* view = nullptr, Solver solver = Solver::Fast) : view_(view), solver_(solver) {}

  MoveAnswer ChooseMove(const GameState& g, MoveKind kind, int seat, bool partnerFlag) override;

  // The thinking text in the user's language ("I think... ").
  void SetThinkText(std::string text) { think_ = std::move(text); }
  void SetSolver(Solver solver) { solver_ = solver; }
  const ChooseMoveStats& Stats() const { return stats_; }

 private:
  Presenter* view_;
  Solver solver_;
  std::string think_ = "I think... ";
  ChooseMoveStats stats_;
};

// The same decision without a presenter, for callers that hold no player object.
MoveAnswer ChooseMove(const GameState& g, MoveKind kind, int seat, bool partnerFlag);

}  // namespace tarvel
