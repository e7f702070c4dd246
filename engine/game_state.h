#pragma once
// The one game state of a run: stock, trump, hands, table, discard pile, turn, out-of-cards modes and
// the deal and series counters. The engine, the computer players, the drawing and the network relay
// all read these fields; only the engine writes them.
#include <array>
#include <cstdint>
#include <string>

#include "engine/cards.h"

namespace tarvel {

struct GameState {
  // Stock and trump. The stock is never compacted: `Och` alone tells where it begins (37: empty).
  std::array<TStr2, 37> KolodaI{};
  std::array<Byte, 37> KolodaJ{};
  Byte Och = 37;
  Byte Koz = '#';

  // Hands of seats 1..4, compact and sorted; `KolCards` is what the last SortHand returned.
  std::array<TCards_I1x36, 5> CardsI{};
  std::array<TCards_J1x36, 5> CardsJ{};
  std::array<Byte, 5> KolCards{};

  // The table of the current bout, in the order the cards were laid.
  TCards_I1x12 InGameI{};
  TCards_J1x12 InGameJ{};
  Byte OchGame = 1;
  Byte KolCardsStol = 0;
  Byte KolHods = 0;
  Byte KolFree = 0;
  TStr2 KartaHod{};
  Byte DostHod = kEmptyLevel;
  Byte BoutMax = 6;

  // Discard pile.
  TCards_I1x36 Bito{};
  Byte BitoPos = 1;

  // Turn and out-of-cards modes.
  Byte Hod = 1;
  Byte Step = 0;  // 20: stopped by a tournament timeout, no seat acts
  Byte PrevHod = 0;
  Byte FirstHod = 0;
  Byte StartPhase = 0;  // 1 dealt, waiting for "To Begin"; 2 play runs
  bool OutMode = false;
  Byte OutSeat = 0;
  Byte OutPhase = 0;  // 1 play in seat order, 2 against it
  bool LoneAttack = false;
  bool PairMode = false;
  Byte PairCode = 0;  // 12, 23, 34 or 41

  // Deal and series.
  bool GameOn = false;
  bool DealOver = false;
  bool DealShown = false;
  Byte LastRes = 0;
  std::array<std::int32_t, 2> TeamWins{};
  std::int32_t KonAll = 0;
  std::int32_t KonAtStart = 0;
  std::int32_t ScoreAtStart = 0;
  std::int32_t TotalScore = 0;
  bool GameComplete = false;
  TStr2 LowTrumpShown{};
  bool StockEmptyHeard = false;
  bool ShowAllHands = false;
  std::array<std::string, 5> SeatName{};
  std::string ResultText;

  GameState();
};

// Seats 1..4 in the order of play; teams {1, 3} and {2, 4}.
constexpr int NextSeat(int s) { return s == 4 ? 1 : s + 1; }
constexpr int PrevSeat(int s) { return s == 1 ? 4 : s - 1; }
constexpr int PartnerOf(int s) { return (s + 1) % 4 + 1; }
constexpr int TeamOf(int s) { return (s == 1 || s == 3) ? 0 : 1; }

// The seats of a two-digit pair code (12 -> 1 and 2, 41 -> 4 and 1).
constexpr int PairFirst(int code) { return code / 10; }
constexpr int PairSecond(int code) { return code % 10; }
constexpr bool InPair(int code, int seat) { return PairFirst(code) == seat || PairSecond(code) == seat; }
constexpr int PairOther(int code, int seat) { return PairFirst(code) == seat ? PairSecond(code) : PairFirst(code); }

// Cards left in the stock.
inline int StockCount(const GameState& g) { return g.Och <= 36 ? 37 - g.Och : 0; }

// The stock phase the computer players read: early (five or more cards left), late (one to four), empty.
enum class StockPhase { Early, Late, Empty };
inline StockPhase PhaseOfStock(const GameState& g) {
  return g.Och < 33 ? StockPhase::Early : g.Och <= 36 ? StockPhase::Late : StockPhase::Empty;
}

// Roles of the current bout, derived from `Hod` and the modes.
struct BoutRoles {
  int attacker = 0;
  int defender = 0;
  int partner = 0;  // 0 in a two-seat bout
  bool twoSeat = false;
};
BoutRoles RolesOf(const GameState& g);

}  // namespace tarvel
