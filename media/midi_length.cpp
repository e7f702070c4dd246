#include "media/midi_length.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace tarvel {
namespace {

// A cursor over one chunk that never reads past its end; every read reports failure instead.
class Reader {
 public:
  Reader(std::string_view bytes) : s_(bytes) {}
  bool AtEnd() const { return at_ >= s_.size(); }
  bool Byte(std::uint8_t& b) {
    if (at_ >= s_.size()) return false;
    b = static_cast<std::uint8_t>(s_[at_++]);
    return true;
  }
  bool Skip(std::uint64_t n) {
    if (n > s_.size() - at_) return false;
    at_ += n;
    return true;
  }
  // A variable-length quantity: at most four bytes, seven bits each.
  bool Vlq(std::uint32_t& v) {
    v = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b;
      if (!Byte(b)) return false;
      v = (v << 7) | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }

 private:
  std::string_view s_;
  std::size_t at_ = 0;
};

std::uint32_t Be32(std::string_view s, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3]));
}
std::uint16_t Be16(std::string_view s, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) << 8 |
                                    static_cast<unsigned char>(s[at + 1]));
}

// Walks one track: returns its last tick and adds its tempo changes (tick -> microseconds per quarter).
bool WalkTrack(std::string_view track, std::uint64_t& lastTick,
               std::map<std::uint64_t, std::uint32_t>& tempos) {
  Reader r(track);
  std::uint64_t tick = 0;
  std::uint8_t status = 0;
  while (!r.AtEnd()) {
    std::uint32_t delta;
    if (!r.Vlq(delta)) return false;
    tick += delta;
    std::uint8_t b;
    if (!r.Byte(b)) return false;
    if (b == 0xFF) {
      std::uint8_t type;
      std::uint32_t len;
      if (!r.Byte(type) || !r.Vlq(len)) return false;
      if (type == 0x51 && len == 3) {
        std::uint8_t t0, t1, t2;
        if (!r.Byte(t0) || !r.Byte(t1) || !r.Byte(t2)) return false;
        const std::uint32_t tempo = static_cast<std::uint32_t>(t0) << 16 | t1 << 8 | t2;
        if (tempo == 0) return false;
        tempos[tick] = tempo;
      } else if (!r.Skip(len)) {
        return false;
      }
      if (type == 0x2F) break;  // end of track
      status = 0;
      continue;
    }
    if (b == 0xF0 || b == 0xF7) {
      std::uint32_t len;
      if (!r.Vlq(len) || !r.Skip(len)) return false;
      status = 0;
      continue;
    }
    std::uint8_t first;
    if (b & 0x80) {
      if (b >= 0xF0) return false;  // system common messages do not occur in files
      status = b;
      if (!r.Byte(first)) return false;
    } else {
      if (!status) return false;  // running status without a status byte
      first = b;
    }
    if (first & 0x80) return false;
    const std::uint8_t kind = status & 0xF0;
    if (kind != 0xC0 && kind != 0xD0 && !r.Skip(1)) return false;
  }
  lastTick = std::max(lastTick, tick);
  return true;
}

}  // namespace

std::optional<double> MidiDurationSeconds(std::string_view smf) {
  if (smf.size() < 14 || smf.substr(0, 4) != "MThd" || Be32(smf, 4) < 6) return std::nullopt;
  const std::uint16_t tracks = Be16(smf, 10);
  const std::uint16_t division = Be16(smf, 12);
  if (tracks == 0 || division == 0) return std::nullopt;
  std::size_t at = 8 + static_cast<std::size_t>(Be32(smf, 4));
  if (at > smf.size()) return std::nullopt;

  std::uint64_t lastTick = 0;
  std::map<std::uint64_t, std::uint32_t> tempos;
  int found = 0;
  while (found < tracks && smf.size() - at >= 8) {
    const std::uint32_t len = Be32(smf, at + 4);
    if (len > smf.size() - at - 8) return std::nullopt;
    if (smf.substr(at, 4) == "MTrk") {
      if (!WalkTrack(smf.substr(at + 8, len), lastTick, tempos)) return std::nullopt;
      ++found;
    }
    at += 8 + static_cast<std::size_t>(len);  // chunks of other types are skipped
  }
  if (found != tracks) return std::nullopt;  // tracks are missing: the file was cut short

  if (division & 0x8000) {  // SMPTE time: frames per second and ticks per frame, no tempo map
    const int fps = -static_cast<std::int8_t>(division >> 8);
    const int perFrame = division & 0xFF;
    if (fps <= 0 || perFrame == 0) return std::nullopt;
    return static_cast<double>(lastTick) / (fps * perFrame);
  }
  double seconds = 0;
  std::uint64_t tick = 0;
  std::uint32_t tempo = 500000;  // 120 beats a minute until a tempo event says otherwise
  for (const auto& [when, next] : tempos) {
    if (when >= lastTick) break;
    seconds += static_cast<double>(when - tick) * tempo / 1e6 / division;
    tick = when;
    tempo = next;
  }
  seconds += static_cast<double>(lastTick - tick) * tempo / 1e6 / division;
  return seconds;
}

}  // namespace tarvel
