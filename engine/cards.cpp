#include "engine/cards.h"

namespace tarvel {

int LevelOfRank(Byte rank) {
  for (int level = 1; level <= 9; ++level)
    if (kRankChar[level] == rank) return level;
  return 0;
}

int SuitNumber(Byte suit) {
  for (int s = 1; s <= 4; ++s)
    if (kSuitChar[s] == suit) return s;
  return 0;
}

Byte LevelOf(TStr2 card) {
  if (card.IsEmpty()) return kEmptyLevel;
  return static_cast<Byte>(LevelOfRank(card.Rank()));
}

bool IsRealCard(TStr2 card) {
  return card.len == 2 && LevelOfRank(card.Rank()) != 0 && SuitNumber(card.Suit()) != 0;
}

int OrderNumber(TStr2 card) {
  if (!IsRealCard(card)) return 0;
  return 4 * (LevelOfRank(card.Rank()) - 1) + SuitNumber(card.Suit());
}

TStr2 CardOfOrder(int v) {
  if (v < 1 || v > 36) return kNoCard;
  return MakeCard((v - 1) / 4 + 1, (v - 1) % 4 + 1);
}

std::string ResourceStem(TStr2 card) {
  static constexpr const char* kSuitPrefix[5] = {"", "Ch", "Bu", "Kr", "Pi"};
  static constexpr const char* kRankPart[10] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
  if (!IsRealCard(card)) return {};
  return std::string(kSuitPrefix[SuitNumber(card.Suit())]) + kRankPart[LevelOfRank(card.Rank())];
}

std::string AsciiName(TStr2 card) {
  static constexpr const char* kRank[10] = {"", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  static constexpr char kSuit[5] = {0, 'H', 'D', 'C', 'S'};
  if (!IsRealCard(card)) return "##";
  return std::string(kRank[LevelOfRank(card.Rank())]) + kSuit[SuitNumber(card.Suit())];
}

TStr2 CardFromAscii(const std::string& text) {
  for (int v = 1; v <= 36; ++v)
    if (AsciiName(CardOfOrder(v)) == text) return CardOfOrder(v);
  return kNoCard;
}

bool Beats(TStr2 attack, Byte attackLevel, TStr2 cover, Byte coverLevel, Byte trump) {
  if (cover.Suit() == attack.Suit()) return coverLevel > attackLevel;
  return cover.Suit() == trump && attack.Suit() != trump;
}

int LowestOfSuit(const TCards_I1x36& cards, const TCards_J1x36& levels, Byte suit) {
  for (int level = 1; level <= 9; ++level)
    for (int slot = 1; slot <= 36; ++slot)
      if (levels[slot] == level && cards[slot].Suit() == suit) return slot;
  return 0;
}

TStr2 LowestTrumpCode(const TCards_I1x36& cards, const TCards_J1x36& levels, Byte trump) {
  int slot = LowestOfSuit(cards, levels, trump);
  return slot ? cards[slot] : kNoCard;
}

int SortHand(TCards_I1x36& cards, TCards_J1x36& levels, Byte trump) {
  TCards_I1x36 sortedCards;
  TCards_J1x36 sortedLevels;
  ClearHand(sortedCards, sortedLevels);
  int n = 0;
  for (int pass = 0; pass < 2; ++pass) {
    const bool trumps = pass == 1;
    for (int level = 1; level <= 9; ++level)
      for (int slot = 1; slot <= 36; ++slot)
        if (levels[slot] == level && !cards[slot].IsEmpty() && (cards[slot].Suit() == trump) == trumps) {
          ++n;
          sortedCards[n] = cards[slot];
          sortedLevels[n] = levels[slot];
        }
  }
  for (int slot = 1; slot <= 36; ++slot) {
    cards[slot] = sortedCards[slot];
    levels[slot] = sortedLevels[slot];
  }
  return n;
}

bool RankOnTable(const TCards_I1x12& table, TStr2 card) {
  for (int slot = 1; slot <= 12; ++slot)
    if (!table[slot].IsEmpty() && table[slot].Rank() == card.Rank()) return true;
  return false;
}

void ClearHand(TCards_I1x36& cards, TCards_J1x36& levels) {
  cards.fill(kNoCard);
  levels.fill(kEmptyLevel);
}

}  // namespace tarvel
