#include "assets/sounds/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvel::assets {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;

// Every tone and noise ends with this fade, so that a held note stops without a click.
constexpr double kRelease = 0.006;

void FadeOut(Signal& s) {
  const auto n = std::min(s.size(), static_cast<std::size_t>(kRelease * kSampleRate));
  for (std::size_t i = 0; i < n; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / n;
}

double Envelope(double t, double attack, double decay) {
  const double rise = attack > 0 && t < attack ? t / attack : 1.0;
  const double fall = decay > 0 ? std::exp(-(t - std::min(t, attack)) / decay) : 1.0;
  return rise * fall;
}
}  // namespace

Signal Tone(double freq, double seconds, const Timbre& timbre, double freqEnd) {
  const auto n = static_cast<std::size_t>(seconds * kSampleRate);
  Signal out(n, 0.0f);
  const double highest = std::max(freq, freqEnd) * (1 + timbre.vibratoDepth);
  for (const Partial& p : timbre.partials) {
    if (highest * p.ratio >= 0.45 * kSampleRate) continue;  // would alias above the Nyquist frequency
    double phase = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      double f = freqEnd > 0 ? freq * std::pow(freqEnd / freq, t / seconds) : freq;
      if (timbre.vibratoHz > 0) f *= 1 + timbre.vibratoDepth * std::sin(kTwoPi * timbre.vibratoHz * t);
      phase += kTwoPi * f * p.ratio / kSampleRate;
      const double decay = timbre.decay > 0 ? timbre.decay / p.decayScale : 0;
      out[i] += static_cast<float>(p.amplitude * Envelope(t, timbre.attack, decay) * std::sin(phase));
    }
  }
  FadeOut(out);
  return out;
}

Signal Noise(double seconds, double fromHz, double toHz, double q, double attack, double decay,
             std::uint32_t seed) {
  const auto n = static_cast<std::size_t>(seconds * kSampleRate);
  Signal out(n, 0.0f);
  std::uint32_t x = seed ? seed : 1;
  double low = 0, band = 0;  // state-variable filter
  const double damping = 1.0 / q;
  for (std::size_t i = 0; i < n; ++i) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    const double white = static_cast<double>(x) / 2147483648.0 - 1.0;
    const double t = static_cast<double>(i) / kSampleRate;
    const double fc = fromHz * std::pow(toHz / fromHz, t / seconds);
    const double f = 2 * std::sin(std::numbers::pi * std::min(fc, kSampleRate / 6.0) / kSampleRate);
    low += f * band;
    const double high = white - low - damping * band;
    band += f * high;
    out[i] = static_cast<float>(band * Envelope(t, attack, decay));
  }
  FadeOut(out);
  return out;
}

void Mix(Signal& into, const Signal& part, double at, double gain) {
  const auto start = static_cast<std::size_t>(at * kSampleRate);
  if (into.size() < start + part.size()) into.resize(start + part.size(), 0.0f);
  for (std::size_t i = 0; i < part.size(); ++i) into[start + i] += static_cast<float>(gain * part[i]);
}

void Finish(Signal& s, double peak, double fadeOut) {
  const auto fade = std::min(s.size(), static_cast<std::size_t>(fadeOut * kSampleRate));
  for (std::size_t i = 0; i < fade; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / fade;
  float top = 0;
  for (float v : s) top = std::max(top, std::abs(v));
  if (top > 0)
    for (float& v : s) v = static_cast<float>(v * peak / top);
}

double NoteHz(int midiNote) {
  return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

}  // namespace tarvel::assets
