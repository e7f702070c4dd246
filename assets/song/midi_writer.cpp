#include "assets/song/midi_writer.h"

#include <algorithm>
#include <cmath>

namespace tarvel::assets {
namespace {

void PutVlq(std::string& s, unsigned long v) {
  char buf[5];
  int n = 0;
  buf[n++] = static_cast<char>(v & 0x7F);
  while (v >>= 7) buf[n++] = static_cast<char>(0x80 | (v & 0x7F));
  while (n) s.push_back(buf[--n]);
}
void PutBe(std::string& s, unsigned long v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) s.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}
std::string Bytes3(int a, int b, int c) {
  return {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c)};
}
std::string Meta(int type, const std::string& data) {
  std::string s = {static_cast<char>(0xFF), static_cast<char>(type)};
  PutVlq(s, data.size());
  return s + data;
}
std::string Chunk(const char* id, const std::string& body) {
  std::string s = id;
  PutBe(s, body.size(), 4);
  return s + body;
}
// One track's chunk from time-ordered (tick, event bytes), closed by an end-of-track at endTick.
std::string TrackChunk(const std::vector<std::pair<long, std::string>>& events, long endTick) {
  std::string body;
  long now = 0;
  for (const auto& [tick, bytes] : events) {
    PutVlq(body, static_cast<unsigned long>(tick - now));
    body += bytes;
    now = tick;
  }
  PutVlq(body, static_cast<unsigned long>(std::max(0L, endTick - now)));
  body += Meta(0x2F, "");
  return Chunk("MTrk", body);
}

}  // namespace

void MidiTrack::Program(long tick, int program) {
  events_.push_back({tick, 0, {static_cast<char>(0xC0 | channel_), static_cast<char>(program)}});
}
void MidiTrack::Control(long tick, int controller, int value) {
  events_.push_back({tick, 0, Bytes3(0xB0 | channel_, controller, value)});
}
void MidiTrack::Note(long tick, long length, int key, int velocity) {
  const long off = tick + std::max(1L, length - 8);
  events_.push_back({tick, 2, Bytes3(0x90 | channel_, key, std::clamp(velocity, 1, 127))});
  events_.push_back({off, 1, Bytes3(0x80 | channel_, key, 64)});
}

void MidiFile::Tempo(long tick, double bpm) {
  std::string data;
  PutBe(data, static_cast<unsigned long>(std::lround(60e6 / bpm)), 3);
  conductor_.push_back({tick, Meta(0x51, data)});
}
void MidiFile::TimeSignature(int numerator, int denominatorPower) {
  conductor_.push_back({0, Meta(0x58, Bytes3(numerator, denominatorPower, 24) + std::string(1, 8))});
}
MidiTrack& MidiFile::AddTrack(std::string name, int channel) {
  return tracks_.emplace_back(std::move(name), channel);
}

std::string MidiFile::Bytes(long endTick) const {
  std::string header;
  PutBe(header, 1, 2);  // format 1
  PutBe(header, tracks_.size() + 1, 2);
  PutBe(header, kTicksPerQuarter, 2);
  std::string out = Chunk("MThd", header);

  auto conductor = conductor_;
  std::stable_sort(conductor.begin(), conductor.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  conductor.insert(conductor.begin(), {0, Meta(0x03, "Tarvel")});
  out += TrackChunk(conductor, endTick);

  for (const MidiTrack& t : tracks_) {
    auto events = t.events_;
    std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::pair<long, std::string>> timed = {{0, Meta(0x03, t.Name())}};
    for (const auto& e : events) timed.push_back({e.tick, e.bytes});
    out += TrackChunk(timed, endTick);
  }
  return out;
}

}  // namespace tarvel::assets
