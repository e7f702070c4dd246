#include "assets/sounds/effect_recipes.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>

namespace tarvel::assets {
namespace {

// Timbres shared by several effects.
Timbre Bell(double decay) {
  return {.partials = {{1, 1.0}, {2.76, 0.35, 1.8}, {5.40, 0.18, 3.0}, {8.93, 0.08, 4.5}},
          .attack = 0.002,
          .decay = decay};
}
Timbre Marimba(double decay) {
  return {.partials = {{1, 1.0}, {3.93, 0.25, 3.0}, {9.2, 0.06, 6.0}}, .attack = 0.003, .decay = decay};
}
Timbre Brass() {
  Timbre t{.partials = {}, .attack = 0.035, .decay = 0, .vibratoHz = 5.5, .vibratoDepth = 0.004};
  for (int k = 1; k <= 9; ++k) t.partials.push_back({static_cast<double>(k), 1.0 / k, 1});
  return t;
}
Timbre Reed(double decay) {  // odd partials: a muted, clarinet-like tone
  return {.partials = {{1, 1.0}, {3, 0.33}, {5, 0.16}, {7, 0.08}},
          .attack = 0.02,
          .decay = decay,
          .vibratoHz = 4.5,
          .vibratoDepth = 0.006};
}
Timbre Pluck(double decay) {
  Timbre t{.partials = {}, .attack = 0.002, .decay = decay};
  for (int k = 1; k <= 7; ++k) t.partials.push_back({static_cast<double>(k), 0.8 / k, 0.6 + 0.5 * k});
  return t;
}

// A card laid flat on cloth: a short bright slap over a soft low thump.
Signal Slap(double pitch, std::uint32_t seed) {
  Signal s = Noise(0.09, 2600 * pitch, 1500 * pitch, 1.2, 0.0008, 0.016, seed);
  Mix(s, Tone(150 * pitch, 0.09, {.partials = {{1, 1}}, .attack = 0.001, .decay = 0.022}), 0, 0.55);
  return s;
}

Signal Sum(std::initializer_list<std::pair<double, Signal>> parts) {
  Signal s;
  for (const auto& [at, part] : parts) Mix(s, part, at);
  return s;
}

// Sounds of the table: short, the step waits for most of them.
Signal CardLaid() {
  return Slap(1.0, 7);
}

Signal Take() {
  Signal s = Noise(0.30, 3200, 500, 0.9, 0.04, 0.10, 11);
  Mix(s, Slap(0.9, 12), 0.02, 0.9);
  Mix(s, Slap(0.8, 13), 0.09, 0.8);
  Mix(s, Slap(0.7, 14), 0.16, 0.7);
  return s;
}

Signal Beaten() {
  Signal s = Noise(0.30, 400, 5200, 1.6, 0.16, 0.05, 21);
  Mix(s, Slap(1.15, 22), 0.24, 0.6);
  return s;
}

Signal Pass() {
  return Tone(NoteHz(86), 0.30, Bell(0.085));
}  // D6

Signal StockEmpty() {
  return Sum({{0.0, Tone(NoteHz(88), 0.20, Bell(0.07))},     // E6
              {0.17, Tone(NoteHz(83), 0.27, Bell(0.09))}});  // B5
}

Signal Shuffle() {
  Signal s;
  std::uint32_t seed = 31;
  double t = 0;
  for (int i = 0; i < 26; ++i) {  // the riffle: clicks that speed up, then slow down
    const double gap = 0.034 - 0.018 * std::sin(std::numbers::pi * i / 25);
    Mix(s, Noise(0.012, 4200, 2800, 2.0, 0.0005, 0.003, seed++), t, 0.6 + 0.02 * (i % 5));
    t += gap;
  }
  Mix(s, Slap(0.85, seed), t + 0.04, 1.0);  // the deck squared up
  return s;
}

// Sounds of the windows and the results: asynchronous, may be longer.
Signal OpenWindow() {
  const Timbre soft{.partials = {{1, 1}, {2, 0.2, 2}}, .attack = 0.006, .decay = 0.06};
  return Sum({{0.0, Tone(660, 0.11, soft, 880)}, {0.06, Tone(990, 0.15, soft)}});
}

Signal DealWon() {
  Signal s;
  const int notes[] = {72, 76, 79, 84};  // C5 E5 G5 C6
  for (int i = 0; i < 4; ++i) Mix(s, Tone(NoteHz(notes[i]), i == 3 ? 0.55 : 0.3, Marimba(0.16)), 0.1 * i);
  return s;
}

Signal DealLost() {
  Signal s;
  const int notes[] = {67, 66, 65};  // G4 F#4 F4, then E4 sliding down
  for (int i = 0; i < 3; ++i) Mix(s, Tone(NoteHz(notes[i]), 0.2, Reed(0.0)), 0.2 * i, 0.7);
  Mix(s, Tone(NoteHz(64), 0.36, Reed(0.25), NoteHz(62)), 0.6, 0.75);
  return s;
}

Signal GameBest() {
  Signal s;
  const double starts[] = {0, 0.14, 0.28, 0.42};
  const int notes[] = {67, 67, 67, 72};  // G4 G4 G4 C5, then the chord
  for (int i = 0; i < 4; ++i) Mix(s, Tone(NoteHz(notes[i]), i == 3 ? 0.3 : 0.12, Brass()), starts[i], 0.5);
  for (int note : {72, 76, 79, 84}) {
    Signal held = Tone(NoteHz(note), 1.2, Brass());
    Finish(held, 1.0, 0.5);
    Mix(s, held, 0.7, 0.3);
  }
  Mix(s, Noise(1.2, 7000, 7000, 0.8, 0.002, 0.25, 41), 0.7, 0.12);  // a cymbal, rung out
  return s;
}

Signal GameGood() {
  Signal s;
  const int notes[] = {65, 69, 72, 77, 81};  // F4 A4 C5 F5 A5
  for (int i = 0; i < 5; ++i) Mix(s, Tone(NoteHz(notes[i]), 1.3 - 0.09 * i, Pluck(0.35)), 0.09 * i, 0.6);
  for (int note : {53, 60, 65}) Mix(s, Tone(NoteHz(note), 0.9, Pluck(0.4)), 0.45, 0.4);
  return s;
}

Signal GameBad() {
  Signal s;
  const int notes[] = {69, 67, 65, 64};  // A4 G4 F4 E4
  for (int i = 0; i < 4; ++i) Mix(s, Tone(NoteHz(notes[i]), i == 3 ? 0.6 : 0.32, Reed(0.4)), 0.3 * i, 0.7);
  Mix(s, Tone(NoteHz(45), 1.5, Reed(0.6)), 0.0, 0.3);  // A2 underneath
  return s;
}

Signal Wrong() {
  const Timbre buzz{
      .partials = {{1, 1}, {3, 0.33}, {5, 0.2}, {7, 0.14}, {9, 0.11}}, .attack = 0.004, .decay = 0};
  Signal a = Tone(196, 0.1, buzz), b = Tone(185, 0.12, buzz);
  Finish(a, 1.0, 0.01);
  Finish(b, 1.0, 0.02);
  return Sum({{0.0, a}, {0.15, b}});
}

Signal Notice() {
  return Sum({{0.0, Tone(NoteHz(81), 0.14, Bell(0.06))},     // A5
              {0.11, Tone(NoteHz(88), 0.22, Bell(0.08))}});  // E6
}

Signal TournamentWin() {
  Signal s;
  const int run[] = {72, 74, 76, 77, 79, 81, 83};  // C5 up to B5, then the sparkle on C6
  for (int i = 0; i < 7; ++i) Mix(s, Tone(NoteHz(run[i]), 0.2, Marimba(0.08)), 0.06 * i, 0.7);
  for (int note : {84, 88, 91, 96}) Mix(s, Tone(NoteHz(note), 0.95, Bell(0.28)), 0.44, 0.35);
  return s;
}

Signal ClockTick() {
  const Timbre wood{.partials = {{1, 1}, {2.4, 0.5, 1.5}}, .attack = 0.0008, .decay = 0.008};
  Signal s = Tone(1050, 0.05, wood);
  Mix(s, Noise(0.01, 3000, 3000, 1.0, 0.0003, 0.002, 51), 0, 0.3);
  return s;
}

Signal ClockTickLast() {
  const Timbre pip{.partials = {{1, 1}, {3, 0.25}}, .attack = 0.002, .decay = 0};
  Signal a = Tone(1760, 0.035, pip), b = Tone(1760, 0.035, pip);
  Finish(a, 1.0, 0.006);
  Finish(b, 1.0, 0.006);
  return Sum({{0.0, a}, {0.075, b}});
}

struct Recipe {
  Signal (*make)();
  double peak;  // loudness: the quick table sounds sit below the result jingles
};

const std::map<std::string_view, Recipe>& Recipes() {
  static const std::map<std::string_view, Recipe> recipes = {
      {"WOpenFo", {OpenWindow, 0.45}}, {"WTasoKo", {Shuffle, 0.55}},      {"WHodsDo", {CardLaid, 0.6}},
      {"WHodBer", {Take, 0.6}},        {"WHodOtb", {Beaten, 0.55}},       {"WDing_1", {Pass, 0.5}},
      {"WKoloNo", {StockEmpty, 0.5}},  {"WKoGood", {DealWon, 0.6}},       {"WKoBads", {DealLost, 0.45}},
      {"WFiBest", {GameBest, 0.7}},    {"WFiGood", {GameGood, 0.7}},      {"WFiBads", {GameBad, 0.65}},
      {"WWrongs", {Wrong, 0.4}},       {"WToMenK", {Notice, 0.5}},        {"WKoGutX", {TournamentWin, 0.7}},
      {"STimerA", {ClockTick, 0.4}},   {"STimerB", {ClockTickLast, 0.3}},
  };
  return recipes;
}

}  // namespace

std::optional<Signal> MakeEffect(std::string_view name) {
  const auto it = Recipes().find(name);
  if (it == Recipes().end()) return std::nullopt;
  Signal s = it->second.make();
  Finish(s, it->second.peak);
  return s;
}

}  // namespace tarvel::assets
