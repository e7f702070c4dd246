#pragma once
// Cards as the whole program writes them: a two-byte Windows-1251 code (rank, then suit), a level
// 1 (six) .. 9 (ace), and fixed card arrays indexed from 1.
#include <array>
#include <cstdint>
#include <string>

namespace tarvel {

using Byte = std::uint8_t;

// A card code: one length byte and two Windows-1251 characters, rank then suit. "##" is the empty card.
struct TStr2 {
  Byte len = 2;
  Byte ch[2] = {'#', '#'};

  constexpr Byte Rank() const { return ch[0]; }
  constexpr Byte Suit() const { return ch[1]; }
  constexpr bool IsEmpty() const { return ch[0] == '#'; }
  friend constexpr bool operator==(const TStr2& a, const TStr2& b) {
    return a.len == b.len && a.ch[0] == b.ch[0] && a.ch[1] == b.ch[1];
  }
};

inline constexpr TStr2 kNoCard{};
inline constexpr Byte kEmptyLevel = 99;
inline constexpr Byte kNoTrumpLevel = 10;  // "holds no trump" when lowest trumps are compared

// Rank characters by level (index 1..9) and suit characters by suit number (1 hearts, 2 diamonds,
// 3 clubs, 4 spades). The ten is the single character "1".
inline constexpr Byte kRankChar[10] = {0, '6', '7', '8', '9', '1', 0xC2, 0xC4, 0xCA, 0xD2};
inline constexpr Byte kSuitChar[5] = {0, 0xF7, 0xE1, 0xEA, 0xEF};

// Card arrays: 64 slots indexed from 1 (slot 0 unused), of which 1..36 are used; the table has 12.
using TCards_I1x36 = std::array<TStr2, 65>;
using TCards_J1x36 = std::array<Byte, 65>;
using TCards_I1x12 = std::array<TStr2, 13>;
using TCards_J1x12 = std::array<Byte, 13>;

constexpr TStr2 MakeCard(int level, int suitNumber) {
  TStr2 c;
  c.ch[0] = kRankChar[level];
  c.ch[1] = kSuitChar[suitNumber];
  return c;
}

// Level 1..9 of a rank character, 0 for anything else.
int LevelOfRank(Byte rank);
// Suit number 1..4 of a suit character, 0 for anything else.
int SuitNumber(Byte suit);
// Level of a card code, kEmptyLevel for the empty card, 0 for a code that is no card.
Byte LevelOf(TStr2 card);
// True when the code is one of the 36 cards.
bool IsRealCard(TStr2 card);

// Deck order number v = 4 * (level - 1) + suit number, 1..36; and back.
int OrderNumber(TStr2 card);
TStr2 CardOfOrder(int v);

// The four-character resource stem of the card pictures and voices: "Kr3Q", "Ch10".
std::string ResourceStem(TStr2 card);
// A short ASCII name for logs and tools: "6H", "10D", "QC", "AS"; "##" for the empty card.
std::string AsciiName(TStr2 card);
// Parses AsciiName's form back; kNoCard when the text is no card.
TStr2 CardFromAscii(const std::string& text);

// True when the cover card may beat the attack card: same suit and higher, or a trump on a non-trump.
bool Beats(TStr2 attack, Byte attackLevel, TStr2 cover, Byte coverLevel, Byte trump);

// Slot 1..36 of the lowest card of the suit (levels 1..9, then slots 1..36); 0 when there is none.
int LowestOfSuit(const TCards_I1x36& cards, const TCards_J1x36& levels, Byte suit);
// The code of that card; kNoCard when there is none.
TStr2 LowestTrumpCode(const TCards_I1x36& cards, const TCards_J1x36& levels, Byte trump);

// Sorts and compacts a hand: non-trumps by rising level, then trumps by rising level, cards of equal
// level keeping their order; slots after the last card hold "##" / 99. Returns the card count.
int SortHand(TCards_I1x36& cards, TCards_J1x36& levels, Byte trump);

// True when one of the 12 table slots holds a card of the same rank character.
bool RankOnTable(const TCards_I1x12& table, TStr2 card);

// An empty hand: slots 1..64 "##" / 99.
void ClearHand(TCards_I1x36& cards, TCards_J1x36& levels);

}  // namespace tarvel
