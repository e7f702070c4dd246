#pragma once
// The small queries every computer-player rule is written in. A hand is its card and level arrays
// (slots 1..36, "##" skipped); "first" means lowest level first and, within a level, lowest slot.
// Queries that find nothing return slot 0.
#include <cstdint>

#include "engine/cards.h"
#include "engine/game_state.h"

namespace tarvel {

// A set of levels 1..9 as bits.
using LevelSet = std::uint16_t;
constexpr LevelSet Levels(std::initializer_list<int> levels) {
  LevelSet s = 0;
  for (int l : levels) s = static_cast<LevelSet>(s | (1u << l));
  return s;
}
constexpr bool Has(LevelSet s, int level) { return level >= 1 && level <= 9 && (s >> level) & 1u; }
constexpr LevelSet kAllLevels = 0x3FE;

struct HandView {
  const TCards_I1x36& cards;
  const TCards_J1x36& levels;
};
inline HandView HandOf(const GameState& g, int seat) { return {g.CardsI[seat], g.CardsJ[seat]}; }

int LowestNonTrump(HandView h, Byte trump);
int LowestOfSuit(HandView h, Byte suit);
int SecondLowestOfSuit(HandView h, Byte suit);
int SlotOf(HandView h, TStr2 card);
bool HoldsCard(HandView h, TStr2 card);
bool HasNonTrump(HandView h, Byte trump);
int FirstNonTrumpIn(HandView h, Byte trump, LevelSet set);
int FirstTrumpIn(HandView h, Byte trump, LevelSet set);
int LastNonTrumpIn(HandView h, Byte trump, LevelSet set);
int CountNonTrumpIn(HandView h, Byte trump, LevelSet set);
int CountIn(HandView h, LevelSet set);
LevelSet HandLevels(HandView h);
LevelSet HandSuitLevels(HandView h, Byte suit);

// Table queries over the 12 table slots.
LevelSet TableLevels(const GameState& g);
LevelSet TableNonTrumpLevels(const GameState& g, Byte trump);
int CountTableNonTrumpIn(const GameState& g, Byte trump, LevelSet set);
bool TableHighOnly(const GameState& g, Byte trump);

}  // namespace tarvel
