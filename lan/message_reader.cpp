#include "lan/message_reader.h"

#include "engine/cards.h"
#include "lan/lan_messages.h"

namespace tarvel {

namespace {

struct Pattern {
  std::string_view start;
  LanMessageKind kind;
  std::size_t length;  // 0: ends with CR LF
};
constexpr Pattern kPatterns[] = {
    {"h", LanMessageKind::Move, 22},
    {"s", LanMessageKind::Chat, 0},
    {"kex", LanMessageKind::Join, 19},
    {"connect2+", LanMessageKind::SeatAssignment, 26},
    {"connect3+", LanMessageKind::PlayerJoined, 25},
    {"connect4+", LanMessageKind::PlayerJoined, 25},
    {"b", LanMessageKind::Deal, 111},
    {"abort", LanMessageKind::Abort, 5},
};
constexpr std::size_t kMaxChatBytes = 2 + kMaxChatText + 2;

bool In(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }
bool SeatDigit(char c) { return c >= '1' && c <= '4'; }

// True when byte `i` may stand at that place of a message of this kind. Checking every byte as it
// arrives keeps a stray first letter ("b", "h") from swallowing the messages behind it.
bool Plausible(LanMessageKind kind, std::size_t i, char c) {
  const auto b = static_cast<unsigned char>(c);
  switch (kind) {
    case LanMessageKind::Move:
      if (i == 1 || i == 21) return SeatDigit(c);
      if (i == 2) return In(c, "edi");
      if (i == 3) return In(c, "1234i");
      if (i <= 7) return In(c, "gtandi");
      if (i == 8 || i == 18) return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
      return (c >= '0' && c <= '9') || c == 'i';
    case LanMessageKind::Deal:
      if (i <= 72) {
        if (i % 2 == 1) return LevelOfRank(b) != 0;
        return SuitNumber(b) != 0;
      }
      if (i <= 108) return c >= '1' && c <= '9';
      if (i == 109) return c >= '1' && c <= '3';
      return b == 0xC8 || b == 0xCB;
    case LanMessageKind::Chat:
      return i != 1 || SeatDigit(c);
    default:
      return true;
  }
}

enum class Match { None, NeedMore, Done };

// Tries to cut one message from the front of `buf`.
Match CutOne(std::string_view buf, LanMessage& out, std::size_t& used) {
  bool couldBegin = false;
  for (const Pattern& p : kPatterns) {
    const std::size_t n = std::min(buf.size(), p.start.size());
    if (buf.substr(0, n) != p.start.substr(0, n)) continue;
    if (buf.size() < p.start.size()) {
      couldBegin = true;
      continue;
    }
    bool plausible = true;
    const std::size_t check = p.length ? std::min(buf.size(), p.length) : std::min(buf.size(), std::size_t{2});
    for (std::size_t i = p.start.size(); i < check && plausible; ++i) plausible = Plausible(p.kind, i, buf[i]);
    if (!plausible) continue;
    if (p.length == 0) {
      const std::size_t end = buf.find("\r\n");
      if (end == std::string_view::npos) {
        // A line longer than any chat line is garbage.
        if (buf.size() < kMaxChatBytes) couldBegin = true;
        continue;
      }
      if (end + 2 > kMaxChatBytes) continue;
      used = end + 2;
    } else {
      if (buf.size() < p.length) {
        couldBegin = true;
        continue;
      }
      used = p.length;
    }
    out.kind = p.kind;
    out.bytes = std::string(buf.substr(0, used));
    return Match::Done;
  }
  return couldBegin ? Match::NeedMore : Match::None;
}

}  // namespace

std::vector<LanMessage> MessageReader::Feed(std::string_view bytes) {
  buffer_.append(bytes);
  std::vector<LanMessage> out;
  std::size_t pos = 0;
  while (pos < buffer_.size()) {
    LanMessage m;
    std::size_t used = 0;
    const Match r = CutOne(std::string_view(buffer_).substr(pos), m, used);
    if (r == Match::NeedMore) break;
    if (r == Match::None) {
      ++pos;
      ++dropped_;
      continue;
    }
    pos += used;
    out.push_back(std::move(m));
  }
  buffer_.erase(0, pos);
  int moves = 0;
  for (const LanMessage& m : out) moves += m.kind == LanMessageKind::Move;
  if (moves > 1)
    for (LanMessage& m : out) m.pauseAfter = m.kind == LanMessageKind::Move;
  return out;
}

}  // namespace tarvel
