#include "lan/lan_messages.h"

#include "lan/seat_table.h"

namespace tarvel {

namespace {
constexpr std::string_view kJoinTag = "connect1";
constexpr std::string_view kAssignTag = "connect2+";
constexpr Byte kFiveOn = 0xC8;   // "И"
constexpr Byte kFiveOff = 0xCB;  // "Л"

std::string TwoDigits(int n) {
  std::string s(2, '0');
  s[0] = static_cast<char>('0' + (n / 10) % 10);
  s[1] = static_cast<char>('0' + n % 10);
  return s;
}
std::string NamesBlock(const SeatNames& names) {
  std::string out;
  for (int s = 1; s <= 4; ++s) out += Name4(names[s]);
  return out;
}
SeatNames NamesFrom(std::string_view block) {
  SeatNames names;
  for (int s = 1; s <= 4; ++s) names[s] = std::string(block.substr((s - 1) * 4, 4));
  return names;
}
}  // namespace

std::string Name4(std::string_view name) {
  std::string out(name.substr(0, 4));
  out.resize(4, ' ');
  return out;
}

std::string JoinRequest(int gameKind, std::string_view name) {
  return "kex" + TwoDigits(gameKind) + std::string(kLanProtocol) + std::string(kJoinTag) + Name4(name);
}

std::optional<std::string> ParseJoinRequest(std::string_view text, int hostGameKind) {
  if (text.size() != 19) return std::nullopt;
  if (text.substr(0, 3) != "kex" || text.substr(3, 2) != TwoDigits(hostGameKind) ||
      text.substr(5, 2) != kLanProtocol || text.substr(7, 8) != kJoinTag)
    return std::nullopt;
  return std::string(text.substr(15));
}

std::string SeatAssignment(int seat, const SeatNames& names) {
  return std::string(kAssignTag) + static_cast<char>('0' + seat) + NamesBlock(names);
}

std::string PlayerJoined(int clients, const SeatNames& names) {
  return "connect" + std::string(1, static_cast<char>('0' + clients + 1)) + "+" + NamesBlock(names);
}

std::optional<SeatMessage> ParseSeatMessage(std::string_view text) {
  SeatMessage m;
  if (text.size() == 26 && text.substr(0, 9) == kAssignTag) {
    m.assignment = true;
    m.seat = text[9] == '3' ? 3 : text[9] == '4' ? 4 : 2;
    m.names = NamesFrom(text.substr(10));
    return m;
  }
  if (text.size() == 25 && (text.substr(0, 9) == "connect3+" || text.substr(0, 9) == "connect4+")) {
    m.clients = text[7] - '1';
    m.names = NamesFrom(text.substr(9));
    return m;
  }
  return std::nullopt;
}

std::string DealMessage(const GameState& st, const RuleSwitches& rules) {
  std::string out = "b";
  for (int p = 1; p <= 36; ++p) {
    out += static_cast<char>(st.KolodaI[p].ch[0]);
    out += static_cast<char>(st.KolodaI[p].ch[1]);
  }
  for (int p = 1; p <= 36; ++p) out += static_cast<char>('0' + st.KolodaJ[p] % 10);
  const int first = rules.OptFirstMove >= 1 && rules.OptFirstMove <= 3 ? rules.OptFirstMove : 3;
  out += static_cast<char>('0' + first);
  out += static_cast<char>(rules.OptFirstDiscardFive ? kFiveOn : kFiveOff);
  return out;
}

std::optional<ReceivedDeal> ParseDeal(std::string_view text, int ownSeat) {
  if (text.size() != 111 || text[0] != 'b' || ownSeat < 1 || ownSeat > 4) return std::nullopt;
  ReceivedDeal d;
  bool seen[37] = {};
  for (int p = 1; p <= 36; ++p) {
    TStr2 card;
    card.ch[0] = static_cast<Byte>(text[2 * p - 1]);
    card.ch[1] = static_cast<Byte>(text[2 * p]);
    if (!IsRealCard(card)) return std::nullopt;
    const int order = OrderNumber(card);
    if (seen[order]) return std::nullopt;
    seen[order] = true;
    if (text[72 + p] != static_cast<char>('0' + LevelOf(card))) return std::nullopt;
    d.cards.KolodaI[p] = card;
    d.cards.KolodaJ[p] = LevelOf(card);
  }
  const char first = text[109];
  const Byte five = static_cast<Byte>(text[110]);
  if (first < '1' || first > '3' || (five != kFiveOn && five != kFiveOff)) return std::nullopt;
  d.firstMove = static_cast<std::uint8_t>(first - '0');
  d.firstDiscardFive = five == kFiveOn;
  // Cards 1-6 go to network seat 1, 7-12 to seat 2, 13-18 to seat 3, 19-24 to seat 4.
  for (int seat = 1; seat <= 4; ++seat) {
    const int position = PositionOf(ownSeat, seat);
    for (int k = 1; k <= 6; ++k) d.cards.handOrder[position][k] = (seat - 1) * 6 + k;
  }
  return d;
}

std::string ChatMessage(int seat, std::string_view text) {
  std::string line;
  for (char c : text.substr(0, kMaxChatText))
    if (c != '\r' && c != '\n') line += c;
  return "s" + std::string(1, static_cast<char>('0' + seat)) + line + "\r\n";
}

std::optional<ChatLine> ParseChat(std::string_view text) {
  if (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") text.remove_suffix(2);
  if (text.size() < 2 || text[0] != 's' || text[1] < '1' || text[1] > '4') return std::nullopt;
  if (text.size() - 2 > kMaxChatText) return std::nullopt;
  if (text.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
  return ChatLine{text[1] - '0', std::string(text.substr(2))};
}

}  // namespace tarvel
