#pragma once
// Decisions of a computer seat once only two seats are left: a self-contained copy of the position
// seen from the deciding seat, solved exactly when few enough cards are left, with two closed-form
// rules for the smallest leads and short heuristics for larger positions.
#include <functional>
#include <string>

#include "ai/endgame_search.h"
#include "engine/game.h"

namespace tarvel {

struct StatTarvel2 {
  TCards_I1x36 CardsI1{};  // hand 1: the deciding seat
  TCards_J1x36 CardsJ1{};
  Byte KolCards1 = 0;
  TCards_I1x36 CardsI2{};  // hand 2: the opponent
  TCards_J1x36 CardsJ2{};
  Byte KolCards2 = 0;
  Byte Och = 37;
  Byte Koz = '#';
  Byte Vskr = '#';  // rank of the face-up trump card; not read by the rules
  TCards_I1x12 InGameI{};
  TCards_J1x12 InGameJ{};
  Byte KolFree = 0;
  std::function<void(const std::string&)> Image;  // draws a text on the deciding seat's bubble
  TCards_I1x36 Bito{};
  Byte Plan = 0;
  TStr2 KartaHod{};
  Byte DostHod = kEmptyLevel;
  Byte Prognoz = 10;  // 2 loss, 4 draw, 6 win, 10 not known
  Byte KolCardsStol = 0;
  Byte OchGame = 1;
  Byte KolHods = 0;
  bool WasTakes = false;
  std::string Think = "I think... ";
  Byte MaxSuper = 12;
};

enum class Solver { Fast, Reference };

// Copies the position of a two-seat ending from the game state, hand 1 being `seat`.
StatTarvel2 MakeEndgameRecord(const GameState& g, int seat, int otherSeat);

// The decision of kind `kind` for hand 1; writes `Prognoz`.
MoveAnswer EndgameChoice(MoveKind kind, StatTarvel2& r, Solver solver = Solver::Fast);

// The search position the record describes for a decision of `kind`.
SearchPosition EndgamePosition(MoveKind kind, const StatTarvel2& r);

// Closed forms for the smallest leads: the card to lead and the pessimistic and optimistic values
// on the 2/4/6 scale.
struct ClosedForm {
  TStr2 lead{};
  int pessimistic = 0;
  int optimistic = 0;
};
ClosedForm TwoAgainstTwo(TStr2 m1, TStr2 m2, TStr2 o1, TStr2 o2, Byte trump);
ClosedForm ThreeAgainstOne(TStr2 m1, TStr2 m2, TStr2 m3, TStr2 o, Byte trump);

}  // namespace tarvel
