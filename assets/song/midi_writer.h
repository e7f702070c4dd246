#pragma once
// Builds a Standard MIDI file (format 1): a conductor track with the tempo map and one track per part.
#include <deque>
#include <string>
#include <vector>

namespace tarvel::assets {

inline constexpr int kTicksPerQuarter = 480;

class MidiTrack {
 public:
  MidiTrack(std::string name, int channel) : name_(std::move(name)), channel_(channel) {}

  void Program(long tick, int program);
  void Control(long tick, int controller, int value);
  // A note of `length` ticks; the note-off is sent a hair early so that repeated notes re-strike.
  void Note(long tick, long length, int key, int velocity);

  const std::string& Name() const { return name_; }
  int Channel() const { return channel_; }

 private:
  friend class MidiFile;
  struct Event {
    long tick;
    int order;  // at one tick: controls first, then note-offs, then note-ons
    std::string bytes;
  };
  std::string name_;
  int channel_;
  std::vector<Event> events_;
};

class MidiFile {
 public:
  // Beats a minute from `tick` on; the first call should be at tick 0.
  void Tempo(long tick, double bpm);
  void TimeSignature(int numerator, int denominatorPower);
  // The track stays at its address while more tracks are added.
  MidiTrack& AddTrack(std::string name, int channel);
  // The file's bytes; every track ends at `endTick`.
  std::string Bytes(long endTick) const;

 private:
  std::vector<std::pair<long, std::string>> conductor_;  // tick, meta event
  std::deque<MidiTrack> tracks_;
};

}  // namespace tarvel::assets
