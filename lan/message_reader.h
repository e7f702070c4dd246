#pragma once
// Cuts the bytes of one connection into messages. TCP may split a message over two reads or merge
// several into one, so the reader keeps what is left over. Every message but the chat line has a fixed
// length that its first characters tell: move 22, join request 19, seat assignment 26, player joined 25,
// deal 111, abort 5; a chat line ends with CR LF. Bytes that begin no message are dropped one at a time
// until a message can begin, so garbage never blocks the connection and the buffer stays small.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

enum class LanMessageKind { Move, Join, SeatAssignment, PlayerJoined, Deal, Chat, Abort };

struct LanMessage {
  LanMessageKind kind = LanMessageKind::Move;
  std::string bytes;        // the message exactly as sent (a chat line with its CR LF)
  bool pauseAfter = false;  // a move that arrived with other moves in one read: pause 100 ms after it
};

class MessageReader {
 public:
  // Adds one read's bytes and returns the messages it completed, in order.
  std::vector<LanMessage> Feed(std::string_view bytes);
  // Bytes dropped as garbage so far.
  std::size_t Dropped() const { return dropped_; }
  std::size_t Pending() const { return buffer_.size(); }

 private:
  std::string buffer_;
  std::size_t dropped_ = 0;
};

}  // namespace tarvel
