#pragma once
// The messages of network play other than the move: join request, seat assignment, player joined,
// deal, chat and abort. Every text is Windows-1251 bytes. Builders give the exact bytes of a message;
// parsers take exactly one message (as MessageReader cut it) and refuse anything malformed.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/game.h"

namespace tarvel {

inline constexpr std::string_view kLanProtocol = "25";
inline constexpr int kThisGameKind = 16;
inline constexpr std::string_view kComputerName = "PC  ";
inline constexpr std::string_view kAbort = "abort";
// Chat lines longer than this are refused; the chat entry holds 15 characters.
inline constexpr std::size_t kMaxChatText = 60;

// The first four characters of a name, padded with spaces to four.
std::string Name4(std::string_view name);

// Names of network seats 1..4 (index 0 unused), four characters each.
using SeatNames = std::array<std::string, 5>;

// "kex" + game kind (two digits) + "25" + "connect1" + name (4): 19 characters.
std::string JoinRequest(int gameKind, std::string_view name);
// The joining player's name when the request is a valid one for a host of this game kind.
std::optional<std::string> ParseJoinRequest(std::string_view text, int hostGameKind);

// "connect2+" + the new client's seat digit + the four names: 26 characters.
std::string SeatAssignment(int seat, const SeatNames& names);
// "connect3+" or "connect4+" + the four names: 25 characters; `clients` is 2 or 3.
std::string PlayerJoined(int clients, const SeatNames& names);

struct SeatMessage {
  bool assignment = false;  // false: player joined
  int seat = 0;             // assignment: the seat digit (anything but "3" and "4" gives 2)
  int clients = 0;          // player joined: 2 or 3
  SeatNames names;
};
std::optional<SeatMessage> ParseSeatMessage(std::string_view text);

// The deal: "b" + 36 cards + 36 rank digits + `OptFirstMove` digit + "И" (first bout of five on) or
// "Л": 111 characters, from the stock of a freshly dealt game state.
std::string DealMessage(const GameState& st, const RuleSwitches& rules);
struct ReceivedDeal {
  DealtCards cards;  // placed by position for the receiving seat
  std::uint8_t firstMove = 3;
  bool firstDiscardFive = false;
};
// Refuses anything but a permutation of the 36 cards with matching rank digits and valid switches.
std::optional<ReceivedDeal> ParseDeal(std::string_view text, int ownSeat);

// "s" + the sender's seat digit + the text; on the wire a chat message ends with CR LF, which the
// reader uses to find its end (the line itself never holds one).
std::string ChatMessage(int seat, std::string_view text);
struct ChatLine {
  int seat = 0;
  std::string text;
};
// Takes the message with or without its CR LF.
std::optional<ChatLine> ParseChat(std::string_view text);

}  // namespace tarvel
