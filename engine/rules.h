#pragma once
// The three rule switches of the game. They live in the options record, are changed by the options
// dialog, by a network host's deal message or by the tournament client, and are read by the deal and
// the bout machine only.
#include <cstdint>

namespace tarvel {

struct RuleSwitches {
  bool OptNoFiveOfSuit = false;      // redeal while a hand-to-be holds five or more of a non-trump suit
  bool OptFirstDiscardFive = false;  // the first bout of a deal holds at most five attack cards
  // Who of the user's team leads after it won: 1 "Always computer", 2 "Always person", 3 "To ask";
  // 0 means never set (no options file yet) and gives the user.
  std::uint8_t OptFirstMove = 3;
};

}  // namespace tarvel
