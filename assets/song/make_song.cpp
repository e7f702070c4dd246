// Build-time tool: writes the background song, an original tune in A minor for accordion, clarinet and
// flute over guitar, bass, strings and a light drum kit, as a Standard MIDI file for General MIDI.
// Usage: make_song OUT.mid
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "assets/song/midi_writer.h"
#include "assets/sounds/wav_writer.h"

namespace {

using tarvel::assets::kTicksPerQuarter;
using tarvel::assets::MidiFile;
using tarvel::assets::MidiTrack;

constexpr long kBar = 4 * kTicksPerQuarter;

// General MIDI programs (zero-based) and drum keys.
enum Program {
  kAccordion = 21,
  kNylonGuitar = 24,
  kAcousticBass = 32,
  kStrings = 48,
  kClarinet = 71,
  kFlute = 73
};
enum Drum { kKick = 36, kSideStick = 37, kClosedHat = 42, kTambourine = 54, kCrash = 49 };

// "C#5" -> 73; octave 4 holds middle C (60).
int Key(const std::string& name) {
  static const std::map<char, int> step = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                           {'G', 7}, {'A', 9}, {'B', 11}};
  int key = step.at(name[0]);
  std::size_t i = 1;
  if (name[i] == '#') key += 1, ++i;
  if (name[i] == 'b') key -= 1, ++i;
  return 12 * (std::stoi(name.substr(i)) + 1) + key;
}

// A melody line in "note:beats" words, "r" for a rest and "|" between bars (ignored, for the reader).
struct Note {
  int key;  // 0: rest
  long length;
};
std::vector<Note> Line(std::string text) {
  for (char& c : text)
    if (c == '|') c = ' ';
  std::vector<Note> out;
  std::istringstream in(text);
  std::string word;
  while (in >> word) {
    const auto colon = word.find(':');
    const std::string pitch = word.substr(0, colon);
    const double beats = std::stod(word.substr(colon + 1));
    out.push_back({pitch == "r" ? 0 : Key(pitch), static_cast<long>(beats * kTicksPerQuarter)});
  }
  return out;
}

// Chord tones by name: root and the intervals above it.
struct Chord {
  int root;  // pitch class
  std::vector<int> intervals;
};
Chord ChordOf(const std::string& name) {
  static const std::map<std::string, Chord> chords = {
      {"Am", {9, {0, 3, 7}}}, {"Dm", {2, {0, 3, 7}}}, {"Em", {4, {0, 3, 7}}}, {"E", {4, {0, 4, 7, 10}}},
      {"C", {0, {0, 4, 7}}},  {"F", {5, {0, 4, 7}}},  {"G", {7, {0, 4, 7}}},
  };
  return chords.at(name);
}
// The chord's tones placed between E3 and G4, as a guitar voices them.
std::vector<int> Voicing(const Chord& c) {
  std::vector<int> keys;
  for (int iv : c.intervals) {
    int k = 52 + (c.root + iv - 52 % 12 + 24) % 12;
    if (k < 55) k += 12;
    keys.push_back(k);
  }
  return keys;
}
int BassRoot(const Chord& c) {
  return 40 + (c.root - 4 + 12) % 12;
}  // E2 .. D#3

struct Band {
  MidiTrack& melody;
  MidiTrack& second;  // a second melody voice, an octave up
  MidiTrack& guitar;
  MidiTrack& bass;
  MidiTrack& strings;
  MidiTrack& drums;
};

enum Feel { kOomPah, kArpeggio };

// Plays one bar of accompaniment for the chord(s) of the bar: two names split the bar in halves.
void Accompany(Band& b, long bar, const std::vector<std::string>& chords, Feel feel, bool pad,
               bool tambourine) {
  const long half = kBar / static_cast<long>(chords.size());
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord c = ChordOf(chords[i]);
    const long at = bar + static_cast<long>(i) * half;
    const auto v = Voicing(c);
    const int root = BassRoot(c);
    const int fifth = root + 7 > 52 ? root - 5 : root + 7;
    for (long beat = 0; beat < half; beat += 2 * kTicksPerQuarter) {
      b.bass.Note(at + beat, kTicksPerQuarter, beat == 0 ? root : fifth, beat == 0 ? 92 : 80);
      if (feel == kOomPah) {
        for (std::size_t k = 0; k < v.size(); ++k)  // a strum on the off-beat, low string first
          b.guitar.Note(at + beat + kTicksPerQuarter + 12 * static_cast<long>(k), kTicksPerQuarter - 40, v[k],
                        58);
      }
    }
    if (feel == kArpeggio) {
      const int pattern[] = {0, 1, 2, 1, 2, 1, 0, 1};
      for (long e = 0; e < half / (kTicksPerQuarter / 2); ++e)
        b.guitar.Note(at + e * kTicksPerQuarter / 2, kTicksPerQuarter / 2, v[pattern[e % 8] % v.size()],
                      e % 2 ? 48 : 58);
    }
    if (pad)
      for (int k : v) b.strings.Note(at, half, k, 46);
  }
  for (int beat = 0; beat < 4; ++beat) {
    const long t = bar + beat * kTicksPerQuarter;
    b.drums.Note(t, kTicksPerQuarter / 2, beat % 2 ? kSideStick : kKick, beat % 2 ? 52 : 66);
    b.drums.Note(t, kTicksPerQuarter / 4, kClosedHat, 38);
    b.drums.Note(t + kTicksPerQuarter / 2, kTicksPerQuarter / 4, kClosedHat, 28);
    if (tambourine && beat % 2) b.drums.Note(t, kTicksPerQuarter / 4, kTambourine, 40);
  }
}

// Lays a melody from `start`, accenting the first beat of each bar; returns the tick after it.
long Sing(MidiTrack& track, long start, const std::vector<Note>& line, int transpose, int velocity) {
  long t = start;
  for (const Note& n : line) {
    if (n.key) track.Note(t, n.length, n.key + transpose, velocity + ((t - start) % kBar == 0 ? 10 : 0));
    t += n.length;
  }
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_song OUT.mid\n");
    return 2;
  }
  MidiFile song;
  song.Tempo(0, 120);
  song.TimeSignature(4, 2);
  Band b{song.AddTrack("Accordion", 0), song.AddTrack("Flute", 1),   song.AddTrack("Guitar", 2),
         song.AddTrack("Bass", 3),      song.AddTrack("Strings", 4), song.AddTrack("Drums", 9)};
  b.melody.Program(0, kAccordion);
  b.second.Program(0, kFlute);
  b.guitar.Program(0, kNylonGuitar);
  b.bass.Program(0, kAcousticBass);
  b.strings.Program(0, kStrings);
  for (MidiTrack* t : {&b.melody, &b.second, &b.guitar, &b.bass, &b.strings, &b.drums}) t->Control(0, 91, 40);
  const std::pair<MidiTrack*, int> mix[] = {{&b.melody, 108}, {&b.second, 84},  {&b.guitar, 88},
                                            {&b.bass, 100},   {&b.strings, 72}, {&b.drums, 78}};
  for (const auto& [track, volume] : mix) track->Control(0, 7, volume);
  b.guitar.Control(0, 10, 44);
  b.strings.Control(0, 10, 84);
  b.second.Control(0, 10, 72);

  const auto verse = Line(
      "A4:1.5 B4:.5 C5:1 E5:1 | F5:1.5 E5:.5 D5:2 | D5:1 G5:1 F5:1 D5:1 | E5:3 C5:1 |"
      "C5:1.5 D5:.5 F5:1 A5:1 | A5:1 G5:.5 F5:.5 F5:1 D5:1 | E5:1 G#5:1 B5:1 D6:.5 B5:.5 | A5:3 r:1");
  const auto verseEnd = Line(
      "A4:1.5 B4:.5 C5:1 E5:1 | F5:1.5 E5:.5 D5:2 | D5:1 G5:1 F5:1 D5:1 | E5:3 C5:1 |"
      "C5:1.5 D5:.5 F5:1 A5:1 | A5:1 G5:.5 F5:.5 F5:1 D5:1 | B4:1 D5:1 G#4:1 B4:1 | A4:3 r:1");
  const auto chorus = Line(
      "G5:1 E5:.5 F5:.5 G5:1 C6:1 | B5:1.5 A5:.5 G5:2 | A5:1 G5:.5 F5:.5 E5:1 A5:1 | G5:1.5 F#5:.5 E5:2 |"
      "F5:1 A5:1 C6:1 A5:1 | G5:1 E5:1 C5:1 E5:1 | D5:1 F5:1 E5:1 G#5:1 | A5:2 E5:1 C5:1");
  const std::vector<std::vector<std::string>> verseChords = {{"Am"}, {"Dm"}, {"G"}, {"C"},
                                                             {"F"},  {"Dm"}, {"E"}, {"Am"}};
  const std::vector<std::vector<std::string>> chorusChords = {{"C"}, {"G"}, {"Am"},      {"Em"},
                                                              {"F"}, {"C"}, {"Dm", "E"}, {"Am"}};

  long t = 0;
  // Intro: the band alone, with a pick-up into the verse.
  for (const char* c : {"Am", "Dm", "E", "Am"}) {
    Accompany(b, t, {c}, kOomPah, false, false);
    t += kBar;
  }
  b.melody.Note(t - kTicksPerQuarter, kTicksPerQuarter, Key("E4"), 84);

  struct Section {
    const std::vector<Note>& line;
    const std::vector<std::vector<std::string>>& chords;
    MidiTrack* lead;
    int leadProgram;
    bool flute;  // the flute doubles an octave up
    Feel feel;
    bool pad;
  };
  const Section form[] = {
      {verse, verseChords, &b.melody, kAccordion, false, kOomPah, false},
      {verseEnd, verseChords, &b.melody, kAccordion, false, kOomPah, false},
      {chorus, chorusChords, &b.melody, kClarinet, false, kArpeggio, true},
      {verseEnd, verseChords, &b.melody, kAccordion, true, kOomPah, false},
      {chorus, chorusChords, &b.melody, kAccordion, true, kArpeggio, true},
      {verseEnd, verseChords, &b.melody, kAccordion, false, kOomPah, true},
  };
  for (const Section& s : form) {
    s.lead->Program(t, s.leadProgram);
    b.drums.Note(t, kTicksPerQuarter, kCrash, 70);
    Sing(*s.lead, t, s.line, 0, 84);
    if (s.flute) Sing(b.second, t, s.line, 12, 70);
    for (const auto& chords : s.chords) {
      Accompany(b, t, chords, s.feel, s.pad, s.feel == kArpeggio);
      t += kBar;
    }
  }
  // Ending: slowing down over the last three bars to a held A minor chord.
  song.Tempo(t + kBar, 104);
  song.Tempo(t + 2 * kBar, 84);
  Sing(b.melody, t, Line("F5:2 D5:2 | E5:2 G#4:2 | A4:4"), 0, 84);
  Accompany(b, t, {"Dm"}, kOomPah, true, false);
  Accompany(b, t + kBar, {"E"}, kOomPah, true, false);
  t += 2 * kBar;
  for (int k : Voicing(ChordOf("Am"))) b.guitar.Note(t, kBar, k, 60), b.strings.Note(t, kBar, k, 50);
  b.bass.Note(t, kBar, BassRoot(ChordOf("Am")), 90);
  b.drums.Note(t, kBar, kCrash, 64);
  b.drums.Note(t, kTicksPerQuarter, kKick, 70);
  t += kBar;

  const std::string bytes = song.Bytes(t + 2 * kTicksPerQuarter);  // a little room for the last chord to ring
  if (!tarvel::assets::WriteFile(argv[1], bytes)) {
    std::fprintf(stderr, "make_song: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
