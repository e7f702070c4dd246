#pragma once
// Small helpers for engine tests: positions written in ASCII card names, and a legal-answer driver.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/invariants.h"
#include "engine/recording_presenter.h"

namespace tarvel::testing {

inline TStr2 C(const std::string& ascii) {
  const TStr2 c = CardFromAscii(ascii);
  EXPECT_TRUE(IsRealCard(c)) << ascii;
  return c;
}

inline void SetHand(GameState& st, int seat, std::initializer_list<const char*> cards) {
  ClearHand(st.CardsI[seat], st.CardsJ[seat]);
  int k = 0;
  for (const char* name : cards) {
    ++k;
    st.CardsI[seat][k] = C(name);
    st.CardsJ[seat][k] = LevelOf(st.CardsI[seat][k]);
  }
  st.KolCards[seat] = static_cast<Byte>(SortHand(st.CardsI[seat], st.CardsJ[seat], st.Koz));
}

inline std::vector<std::string> Hand(const GameState& st, int seat) {
  std::vector<std::string> out;
  for (int k = 1; k <= st.KolCards[seat]; ++k) out.push_back(AsciiName(st.CardsI[seat][k]));
  return out;
}

// Lays table cards directly (attack, cover, attack, ...), keeping the counters as a bout would.
inline void SetTable(GameState& st, std::initializer_list<const char*> cards, int attacks, int uncovered) {
  st.InGameI.fill(kNoCard);
  st.InGameJ.fill(kEmptyLevel);
  int k = 0;
  for (const char* name : cards) {
    ++k;
    st.InGameI[k] = C(name);
    st.InGameJ[k] = LevelOf(st.InGameI[k]);
  }
  st.KolCardsStol = static_cast<Byte>(k);
  st.OchGame = static_cast<Byte>(k + 1);
  st.KolHods = static_cast<Byte>(attacks);
  st.KolFree = static_cast<Byte>(uncovered);
}

// The legal card slots of `seat` for a move of `kind` in the current position.
inline std::vector<int> LegalSlots(const GameState& st, int seat, MoveKind kind) {
  std::vector<int> out;
  for (int k = 1; k <= st.KolCards[seat]; ++k) {
    const CardTest t = TestUserCard(st, st.CardsI[seat][k], st.CardsJ[seat][k], kind);
    if (!t.limitReached && !t.wrongCard) out.push_back(k);
  }
  return out;
}

// A computer player that answers legally at random (seeded), so that whole deals reach every bout form.
class RandomChooser : public MoveChooser {
 public:
  explicit RandomChooser(std::uint64_t seed, int stopPercent = 40) : random_(seed), stopPercent_(stopPercent) {}
  MoveAnswer ChooseMove(const GameState& st, MoveKind kind, int seat, bool) override {
    const std::vector<int> legal = LegalSlots(st, seat, kind);
    if (legal.empty()) return {0, true};
    if (kind != MoveKind::Lead && random_.Uniform(1, 100) <= stopPercent_) return {0, true};
    return {legal[random_.Uniform(0, static_cast<int>(legal.size()) - 1)], false};
  }
  DealRandom random_;
  int stopPercent_;
};

// A game with a recording presenter; the constructor's seed fixes the deals.
struct TestGame {
  RecordingPresenter view;
  RandomChooser chooser;
  Game game;
  explicit TestGame(std::uint64_t seed = 1) : chooser(seed * 7 + 3), game(&view, &chooser, nullptr, seed) {
    game.userName = "Anna";
  }
  GameState& st() { return game.st; }
};

}  // namespace tarvel::testing
