#pragma once
// The random source of the deal: the shuffle and the choice between seats 1 and 3 after a lost deal.
// In play every shuffle starts from a fresh seed (clock and system entropy); tests and self-play inject
// a seed and get the same sequence of deals on every machine (xoshiro256**, no library distribution).
#include <cstdint>

namespace tarvel {

class DealRandom {
 public:
  // Fresh seeds for every shuffle.
  DealRandom();
  // A reproducible sequence from one seed.
  explicit DealRandom(std::uint64_t seed);

  // Called at the start of every shuffle: reseeds from the clock unless a seed was injected.
  void BeginShuffle();
  // Uniform integer in lo..hi (inclusive), without modulo bias.
  int Uniform(int lo, int hi);
  bool Seeded() const { return seeded_; }

 private:
  void Seed(std::uint64_t seed);
  std::uint64_t Next();

  std::uint64_t s_[4] = {};
  bool seeded_ = false;
};

}  // namespace tarvel
