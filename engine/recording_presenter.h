#pragma once
// A presenter that writes every call down as one short line, for tests and for debugging a deal.
#include <string>
#include <vector>

#include "engine/presenter.h"

namespace tarvel {

class RecordingPresenter : public Presenter {
 public:
  std::vector<std::string> events;
  std::vector<MoveNote> notes;
  TableControls controls;
  int firstMoveAnswer = 4;  // what the "The first move" dialog answers

  // The recorded lines that start with the prefix, in order.
  std::vector<std::string> Starting(const std::string& prefix) const;
  void Clear() { events.clear(); notes.clear(); }

  void ResetTable() override { Add("reset"); }
  void DrawHand(int seat, bool faceUp) override { Add("hand " + std::to_string(seat) + (faceUp ? " up" : " down")); }
  void ShowLowTrump(int seat, TStr2 card) override { Add("lowtrump " + std::to_string(seat) + " " + AsciiName(card)); }
  void DrawStock(int count, TStr2 trump) override { Add("stock " + std::to_string(count) + " " + AsciiName(trump)); }
  void DrawTable() override { Add("table"); }
  void DrawDealPanel(int deal) override { Add("dealpanel " + std::to_string(deal)); }
  void DrawTeamPanel(int team, int wins) override { Add("team " + std::to_string(team) + " " + std::to_string(wins)); }
  void SetSeatMarker(int seat) override { Add("marker " + std::to_string(seat)); }
  void ShowFirstBoutMarker(bool shown) override { Add(shown ? "firstbout on" : "firstbout off"); }
  void SetDealHints(int konAll, int cycle) override { Add("hints " + std::to_string(konAll) + "/" + std::to_string(cycle)); }
  void Say(int seat, Speech what) override;
  void ShowResult(const DealResultView& r) override { Add("result " + std::to_string(r.textRow)); }
  void HideTableForMenu() override { Add("hide"); }
  void FlyToTable(int seat, TStr2 card, MoveKind kind, int n) override;
  void FlyTableToHand(int seat, int cards) override { Add("fly take " + std::to_string(seat) + " " + std::to_string(cards)); }
  void FlyTableToDiscard(int cards) override { Add("fly discard " + std::to_string(cards)); }
  void FlyStockToHand(int seat, TStr2 card) override { Add("fly draw " + std::to_string(seat) + " " + AsciiName(card)); }
  void PlaySound(std::string_view name, bool wait) override { Add("sound " + std::string(name) + (wait ? " wait" : "")); }
  void ControlsChanged(const TableControls& c) override { controls = c; }
  void SetStepInterval(int ms) override { Add("interval " + std::to_string(ms)); }
  void SetStepTimer(bool running) override { Add(running ? "timer on" : "timer off"); }
  int AskFirstMove() override { Add("ask firstmove"); return firstMoveAnswer; }
  void Announce(const MoveNote& note) override { notes.push_back(note); }
  void ThinkingText(int seat, const std::string& text) override { Add("think " + std::to_string(seat) + " " + text); }

 private:
  void Add(std::string line) { events.push_back(std::move(line)); }
};

}  // namespace tarvel
