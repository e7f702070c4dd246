#include "records/checksums.h"

#include <string>

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

std::string ZeroPadded(long long value, int digits) {
  if (value < 0) value = 0;
  std::string text = std::to_string(value);
  if (text.size() < static_cast<std::size_t>(digits))
    text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
  else
    text = text.substr(text.size() - static_cast<std::size_t>(digits));
  return text;
}

}  // namespace tarvel
