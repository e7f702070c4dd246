#include "engine/random.h"

#include <chrono>
#include <random>

namespace tarvel {

namespace {
std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

std::uint64_t FreshSeed() {
  std::random_device device;
  auto clock = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  return clock ^ (static_cast<std::uint64_t>(device()) << 32) ^ device();
}
}  // namespace

DealRandom::DealRandom() { Seed(FreshSeed()); }

DealRandom::DealRandom(std::uint64_t seed) : seeded_(true) { Seed(seed); }

void DealRandom::Seed(std::uint64_t seed) {
  for (auto& word : s_) word = SplitMix(seed);
}

void DealRandom::BeginShuffle() {
  if (!seeded_) Seed(FreshSeed());
}

std::uint64_t DealRandom::Next() {
  const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

int DealRandom::Uniform(int lo, int hi) {
  const std::uint64_t range = static_cast<std::uint64_t>(hi - lo) + 1;
  // Rejection of the incomplete top block keeps every value equally likely.
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
  std::uint64_t x;
  do x = Next();
  while (x >= limit);
  return lo + static_cast<int>(x % range);
}

}  // namespace tarvel
