#pragma once
// Everything the engine reports: drawing, flights, speech bubbles, sounds, button states, dialogs and
// the announcements a network game sends. The Qt table implements it; tests and tarvel-sim use a
// silent or a recording one. Every call has an empty default so a presenter overrides what it shows.
#include <string>
#include <string_view>

#include "engine/cards.h"

namespace tarvel {

// The four kinds of card that leave a hand in a bout.
enum class MoveKind : int { Lead = 1, Add = 2, Cover = 3, AddToTaker = 4 };

// Captions of the main and exit buttons; the value is the text-table row ("Ok" has none).
enum class Caption : int {
  Ok = -1,
  ExitToMenu = 21,
  ToBegin = 413,
  ITake = 420,
  ThatsAll = 421,
  Beaten = 423,
  WePlayStill = 424,
};

struct Button {
  Caption caption = Caption::Ok;
  bool enabled = false;
  bool visible = false;
  friend bool operator==(const Button&, const Button&) = default;
};

struct TableControls {
  Button main;  // answers every decision without a card
  Button exit;  // leaves the table after a deal
};

// What a speech bubble above a seat shows; the colour goes with the text.
enum class Speech : int {
  Blank = 0,      // blue bubble, no text (the endgame search writes its progress on it)
  Name = 1,       // yellow bubble with the seat's name
  IGo = 422,      // red "I Go..."
  ThatsAll = 421, // blue "That`s All..."
  ITake = 420,    // green "I Take"
};

// One move announced to the other machines of a network game. The LAN codec turns it into the bodies
// each receiver needs; `reverse` selects the variants for play against seat order.
enum class NoteKind {
  Lead,             // kind 1 laid
  Add,              // kind 2 laid
  AddToTaker,       // kind 4 laid
  Cover,            // kind 3 laid
  Take,             // the defender says "I Take"
  PassPartnerGoes,  // pass or done that hands the turn to the partner
  PassMayBeBeaten,  // pass after which the bout may be declared beaten
  PassNextActs,     // done after which the take closes
  EndOfBout,        // the bout closed
};
struct MoveNote {
  NoteKind kind = NoteKind::Lead;
  int seat = 0;      // the seat that acted (for EndOfBout: the attacker of the closed bout)
  int slot = 0;      // hand slot of the laid card, before it left the hand
  TStr2 card{};      // the laid card
  bool reverse = false;
  int phaseAfter = 0;  // `Step` after the transition
  // EndOfBout only.
  int taker = 0;           // the seat that took, 0 for a discard
  int drawOrder[3] = {};   // seats that drew from the stock, in order (0 = none)
  int nextMover = 0;       // `Hod` as the close set it, before the out-of-cards update
  bool twoSeat = false;
};

// The finished deal as the table shows it.
struct DealResultView {
  int lastRes = 0;     // 0 draw, 1/3 team {1, 3} won, 2/4 team {2, 4} won
  int textRow = 0;     // 449 "You lose!!!", 450 "You have won!!!", 451 "Dead heat..."
  int red = 0, green = 0, blue = 0;
  std::string_view animation;  // "GKonBads", "GKonGood", "GKonNich"
  int stopFrame = -1;   // with animations on: stop at this frame (-1: keep running)
  int stillFrame = 0;   // with animations off
};

class Presenter {
 public:
  virtual ~Presenter() = default;

  // Table drawing.
  virtual void ResetTable() {}
  virtual void DrawHand(int /*seat*/, bool /*faceUp*/) {}
  virtual void ShowLowTrump(int /*seat*/, TStr2 /*card*/) {}
  virtual void DrawStock(int /*count*/, TStr2 /*trumpCard*/) {}
  virtual void DrawTable() {}
  virtual void DrawDealPanel(int /*dealOfSeries*/) {}
  virtual void DrawTeamPanel(int /*team*/, int /*wins*/) {}
  virtual void SetSeatMarker(int /*seat*/) {}  // 0 clears every marker
  virtual void ShowFirstBoutMarker(bool /*shown*/) {}
  virtual void SetDealHints(int /*konAll*/, int /*dealsPerCycle*/) {}
  virtual void Say(int /*seat*/, Speech /*what*/) {}
  virtual void ShowResult(const DealResultView& /*result*/) {}
  virtual void HideTableForMenu() {}

  // Flights run inside the step and return when they have landed (with flying cards off they return
  // at once). Take, draw and discard flights include the designed 200 ms pauses.
  virtual void FlyToTable(int /*seat*/, TStr2 /*card*/, MoveKind /*kind*/, int /*attackNumber*/) {}
  virtual void FlyTableToHand(int /*seat*/, int /*cards*/) {}
  virtual void FlyTableToDiscard(int /*cards*/) {}
  virtual void FlyStockToHand(int /*seat*/, TStr2 /*card*/) {}

  // Sound: with wait the call returns when the sound has finished.
  virtual void PlaySound(std::string_view /*name*/, bool /*wait*/) {}

  // Buttons, timer and dialogs.
  virtual void ControlsChanged(const TableControls& /*controls*/) {}
  virtual void SetStepInterval(int /*ms*/) {}
  virtual void SetStepTimer(bool /*running*/) {}
  // "The first move": returns 4 for "Me", 2 for "My partner".
  virtual int AskFirstMove() { return 4; }

  // Network games.
  virtual void Announce(const MoveNote& /*note*/) {}

  // The endgame search's progress text on the deciding seat's bubble.
  virtual void ThinkingText(int /*seat*/, const std::string& /*text*/) {}
};

}  // namespace tarvel
