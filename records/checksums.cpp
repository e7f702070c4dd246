#include "records/checksums.h"

namespace tarvel {

Checksums ComputeChecksums(std::string_view bytes) {
  Checksums s;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const long long v = static_cast<unsigned char>(bytes[i]);
    const std::size_t pos = i + 1;
    s.A += v;
    if (pos % 2 == 0) s.B += v;
    if (pos % 3 == 0) s.C += v;
  }
  return s;
}

Checksums& operator+=(Checksums& sum, const Checksums& more) {
  sum.A += more.A;
  sum.B += more.B;
  sum.C += more.C;
  return sum;
}

}  // namespace tarvel
