#include "engine/invariants.h"

namespace tarvel {

namespace {
std::string Seat(const std::string& what, int s) { return std::string(what) + " of seat " + std::to_string(s); }
}  // namespace

std::string CheckInvariants(const GameState& st) {
  if (st.Koz == '#') return {};  // nothing dealt yet
  int seen[37] = {};
  auto count = [&](TStr2 c) -> bool {
    const int v = OrderNumber(c);
    if (v == 0) return false;
    ++seen[v];
    return true;
  };
  for (int s = 1; s <= 4; ++s) {
    const int n = st.KolCards[s];
    if (n > 36) return Seat("card count", s) + " above 36";
    for (int k = 1; k <= 36; ++k) {
      const TStr2 c = st.CardsI[s][k];
      if (k <= n) {
        if (!count(c)) return Seat("slot " + std::to_string(k) + " empty in the hand", s);
        if (st.CardsJ[s][k] != LevelOf(c)) return Seat("wrong level in the hand", s);
      } else if (!c.IsEmpty() || st.CardsJ[s][k] != kEmptyLevel) {
        return Seat("card after the last slot", s);
      }
    }
    for (int k = 2; k <= n; ++k) {
      const bool t0 = st.CardsI[s][k - 1].Suit() == st.Koz, t1 = st.CardsI[s][k].Suit() == st.Koz;
      if ((t0 && !t1) || (t0 == t1 && st.CardsJ[s][k - 1] > st.CardsJ[s][k])) return Seat("hand not sorted", s);
    }
  }
  if (st.OchGame != st.KolCardsStol + 1) return "OchGame is not KolCardsStol + 1";
  if (st.KolCardsStol > 12) return "more than 12 cards on the table";
  for (int k = 1; k <= 12; ++k) {
    const TStr2 c = st.InGameI[k];
    if (k <= st.KolCardsStol) {
      if (!count(c)) return "empty table slot " + std::to_string(k);
      if (st.InGameJ[k] != LevelOf(c)) return "wrong level on the table";
    } else if (!c.IsEmpty() || st.InGameJ[k] != kEmptyLevel) {
      return "card after the last table slot";
    }
  }
  if (st.KolFree > st.KolHods) return "KolFree above KolHods";
  if (st.KolHods > st.BoutMax) return "KolHods above BoutMax";
  if (st.BoutMax != 5 && st.BoutMax != 6) return "BoutMax is neither 5 nor 6";
  if (st.KolCardsStol < st.KolHods || st.KolCardsStol > 2 * st.KolHods) return "table count does not fit KolHods";
  if (st.BitoPos < 1 || st.BitoPos > 37) return "BitoPos out of range";
  for (int k = 1; k < st.BitoPos; ++k)
    if (!count(st.Bito[k])) return "empty slot in the discard pile";
  if (st.Och < 1 || st.Och > 37) return "Och out of range";
  for (int p = st.Och; p <= 36; ++p) {
    if (!count(st.KolodaI[p])) return "empty stock position " + std::to_string(p);
    if (st.KolodaJ[p] != LevelOf(st.KolodaI[p])) return "wrong level in the stock";
  }
  if (st.KolodaI[36].Suit() != st.Koz) return "trump is not the suit of the bottom card";
  for (int v = 1; v <= 36; ++v)
    if (seen[v] != 1) return AsciiName(CardOfOrder(v)) + " present " + std::to_string(seen[v]) + " times";

  if (st.OutMode && st.PairMode) return "OutMode and PairMode together";
  if (st.OutMode) {
    if (st.OutSeat < 1 || st.OutSeat > 4) return "OutMode without an out seat";
    if (st.KolCards[st.OutSeat] != 0 && !st.DealOver) return "the out seat holds cards";
    if (st.OutPhase != 1 && st.OutPhase != 2) return "OutMode with no phase";
  } else if (st.OutSeat != 0 || st.OutPhase != 0) {
    return "out seat or phase set outside OutMode";
  }
  if (st.LoneAttack && !st.OutMode) return "LoneAttack outside OutMode";
  if (st.PairMode && st.PairCode != 12 && st.PairCode != 23 && st.PairCode != 34 && st.PairCode != 41)
    return "PairMode with a bad pair code";
  if (!st.PairMode && st.PairCode != 0) return "pair code outside PairMode";
  if (st.Hod < 1 || st.Hod > 4) return "Hod out of range";
  return {};
}

}  // namespace tarvel
