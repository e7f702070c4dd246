#pragma once
// Exhaustive search of a two-seat ending with an empty stock: a game of perfect information. Values are
// seen from the side to move at the root: 2 win, 0 draw, -2 loss, -3 no legal move at the root.
//
// Two searches give the same answers. The reference plays every option in slot order, copying the hands
// at every node, with the cut-off on a found win as its only pruning and a ten-second limit; it is kept
// as the oracle for tests and the benchmark. The fast search the game uses works on bit sets with a
// transposition table and alpha-beta over the three values, and still takes the lowest-numbered root
// option of the best value.
#include <cstdint>
#include <functional>
#include <string>

#include "engine/cards.h"

namespace tarvel {

// A hand or the table as the search sees it: codes and levels in slot order, slots 1..count.
struct SearchCards {
  TStr2 code[37]{};
  Byte level[37]{};
  int count = 0;
};

enum class SearchStart { Attack, AttackAfterTake, Defend };

struct SearchPosition {
  SearchCards mover;     // the deciding seat: the attacker, or the defender for SearchStart::Defend
  SearchCards opponent;
  SearchCards table;     // in the order laid; the last card is the one a defender must beat
  int uncovered = 0;
  int played = 0;
  SearchStart start = SearchStart::Attack;
  Byte trump = '#';
};

struct SearchResult {
  int value = -100;
  TStr2 card{};           // "##" for pass, take or stop
  int option = 0;         // 1-based root option, count + 1 for "##"
  bool timedOut = false;
  std::uint64_t nodes = 0;
};

// What the search reports while it runs: the root option under examination, its total and the
// elapsed whole seconds ("k/" + total + elapsed, drawn on the deciding seat's bubble).
using SearchProgress = std::function<void(int option, int total, int seconds)>;

// Elapsed whole seconds since the search began; tests replace the clock.
using SearchClock = std::function<int()>;

SearchResult ReferenceSearch(const SearchPosition& p, const SearchProgress& progress = {},
                             const SearchClock& clock = {});
SearchResult FastSearch(const SearchPosition& p, const SearchProgress& progress = {});

}  // namespace tarvel
