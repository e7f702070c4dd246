#pragma once
// A small additive and subtractive synthesiser for the sound effects: tones built from partials with an
// attack and an exponential decay, filtered noise, and mixing into one buffer. Mono, 44.1 kHz.
#include <cstdint>
#include <vector>

namespace tarvel::assets {

inline constexpr int kSampleRate = 44100;
using Signal = std::vector<float>;

struct Partial {
  double ratio;  // frequency as a multiple of the tone's
  double amplitude;
  double decayScale = 1;  // this partial decays decayScale times faster than the tone
};

struct Timbre {
  std::vector<Partial> partials;
  double attack = 0.005;  // seconds of linear rise
  double decay = 0.2;     // time constant of the exponential fall, seconds; 0 holds the level
  double vibratoHz = 0;
  double vibratoDepth = 0;  // fraction of the frequency
};

// A tone of `seconds` whose pitch glides from `freq` to `freqEnd` (0: no glide).
Signal Tone(double freq, double seconds, const Timbre& timbre, double freqEnd = 0);

// White noise through a band-pass whose centre glides from lowHz to highHz (or down), with an attack and
// an exponential decay (0: held); `q` is the filter's sharpness.
Signal Noise(double seconds, double fromHz, double toHz, double q, double attack, double decay,
             std::uint32_t seed);

// Adds part into into at `at` seconds, scaled by gain; into grows as needed.
void Mix(Signal& into, const Signal& part, double at, double gain = 1);

// Fades the last `seconds` to silence, then scales the whole so that its peak is `peak`.
void Finish(Signal& s, double peak, double fadeOut = 0.004);

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double NoteHz(int midiNote);

}  // namespace tarvel::assets
