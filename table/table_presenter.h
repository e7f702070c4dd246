#pragma once
// The engine's presenter for the Qt table: every report of the engine becomes a redraw, a flight, a
// bubble, a button state, a sound or a dialog on the table screen.
#include <QString>
#include <functional>

#include "engine/presenter.h"

namespace tarvel {

class TableScreen;
class TextTable;

class TablePresenter : public Presenter {
 public:
  TablePresenter(TableScreen& screen, const TextTable& texts) : screen_(screen), texts_(texts) {}

  // Sound goes through the media layer when it is there; without it the table is silent.
  std::function<void(std::string_view name, bool wait)> playSound;
  // The step timer of the main window.
  std::function<void(int ms)> setStepInterval;
  std::function<void(bool running)> setStepTimer;
  // Every move of this machine in a network game, to be sent to the other machines.
  std::function<void(const MoveNote& note)> announce;
  // Answers "The first move" itself instead of asking (tests); 0 asks the user.
  int firstMoveAnswer = 0;

  void ResetTable() override;
  void DrawHand(int seat, bool faceUp) override;
  void ShowLowTrump(int seat, TStr2 card) override;
  void DrawStock(int count, TStr2 trumpCard) override;
  void DrawTable() override;
  void DrawDealPanel(int dealOfSeries) override;
  void DrawTeamPanel(int team, int wins) override;
  void SetSeatMarker(int seat) override;
  void ShowFirstBoutMarker(bool shown) override;
  void Say(int seat, Speech what) override;
  void ShowResult(const DealResultView& result) override;
  void HideTableForMenu() override;
  void FlyToTable(int seat, TStr2 card, MoveKind kind, int attackNumber) override;
  void FlyTableToHand(int seat, int cards) override;
  void FlyTableToDiscard(int cards) override;
  void FlyStockToHand(int seat, TStr2 card) override;
  void PlaySound(std::string_view name, bool wait) override;
  void ControlsChanged(const TableControls& controls) override;
  void SetStepInterval(int ms) override;
  void SetStepTimer(bool running) override;
  int AskFirstMove() override;
  void ThinkingText(int seat, const std::string& text) override;
  void Announce(const MoveNote& note) override {
    if (announce) announce(note);
  }

 private:
  TableScreen& screen_;
  const TextTable& texts_;
};

}  // namespace tarvel
