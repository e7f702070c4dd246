#pragma once
// The move message: "h" + sender's network seat + a 17-character body written from the receiver's
// point of view + the bout phase (two digits) + the target network seat, 22 characters in all.
//
// Body, 0-based positions of the whole message:
//   2     "e" the receiver may now answer with its button, "i" leaves it
//   3     the button's caption: "4" "Beaten", "i" leaves it
//   4-7   the plate above positions 1-4: "g" "I Go...", "t" "I Take", "a" "That`s All...", "i" none
//   8     sound: "t" take, "a" beaten, "d" pass, "i" none
//   9-17  the card laid by position 1, 2, 3: move kind digit and two-digit hand slot, or "iii"
//   18    end of bout: "1"-"3" position takes (others draw), "5"-"8" position 1-4 takes (no draw),
//         "a"-"c" discard, defender at position 1-3 (seats draw), "e"-"h" discard, next mover 1-4
//
// A receiver never replays the fields one by one: it gives the answer the message names (the card
// slot, or "no card") to its own bout machine, and only after the same step made on a copy of its game
// announced exactly these fields. A message that does not match is refused without effect, so a broken
// or hostile peer cannot put a machine's game into a state the rules do not allow.
#include <optional>
#include <string>
#include <string_view>

#include "engine/game.h"

namespace tarvel {

inline constexpr std::size_t kMoveLength = 22;

// The button letters of a move: what the receiver's own button will do after the move.
struct ButtonLetters {
  char state = 'i';
  char caption = 'i';
};

// The 22 characters announcing `note` (positions as the sender sees them, sender seat `senderSeat`) to
// network seat `receiverSeat`; `phase` is the bout phase after the move. Empty when the note names the
// receiver's own position as the one that acted (a receiver never gets its own moves back).
std::string MoveMessage(const MoveNote& note, int senderSeat, int receiverSeat, int phase, ButtonLetters letters);

// Close phases of the bout: the take or the discard waits for one machine's button.
bool IsClosePhase(const GameState& st);
bool IsDiscardClose(const GameState& st);

// Who closes a bout: the defender's machine when the defender is a person, otherwise the machine that
// made the move that led into the close. True when a machine playing at position 4 of `st` (a copy seen
// from that machine) has the button after the last step; `defenderHuman` tells whether the defender is
// a person, `madeLastMove` whether that machine made the last step.
bool HasNetworkButton(const GameState& st, bool defenderHuman, bool madeLastMove);
// The letters for a receiver whom the sender sees at `receiverPosition`, from the sender's state.
ButtonLetters LettersFor(const GameState& st, int receiverPosition, bool defenderHuman);

// The answer a move message asks of the receiver's bout machine.
struct MoveAnswerOf {
  int slot = 0;
  bool done = false;  // pass, take or close
};
// Checks one 22-character block for the machine with network seat `ownSeat`; the answer when it is
// a legal move that matches every field, nullopt otherwise. Changes nothing.
std::optional<MoveAnswerOf> CheckMove(const Game& g, std::string_view block, int ownSeat);

// Replays one block on the local game: checks it, starts play when the deal had not begun (the first
// move of a deal ends the "To Begin" stage), gives the answer to PlayStep and announces an empty stock
// once per deal. Returns false, changing nothing, when CheckMove refuses the block.
bool ApplyMove(Game& g, std::string_view block, int ownSeat);

}  // namespace tarvel
