#pragma once
// The three checksums of the records files, over a run of data bytes counted from position 1: A the sum
// of all bytes, B of the bytes at even positions, C of the bytes at positions divisible by 3.
#include <string_view>

namespace tarvel {

struct Checksums {
  long long A = 0, B = 0, C = 0;
  friend bool operator==(const Checksums&, const Checksums&) = default;
};

Checksums ComputeChecksums(std::string_view bytes);

// Adds the checksums of a further run of bytes that is counted from its own position 1.
Checksums& operator+=(Checksums& sum, const Checksums& more);

}  // namespace tarvel
