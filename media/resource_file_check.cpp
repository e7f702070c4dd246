#include "media/resource_file_check.h"

#include <cstdint>
#include <vector>

namespace tarvel {
namespace {

std::uint64_t Be(std::string_view s, std::size_t at, int bytes) {
  std::uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | static_cast<unsigned char>(s[at + i]);
  return v;
}

constexpr std::uint64_t kDirectory = 0x02;
constexpr std::uint64_t kCompressedZlib = 0x01;
constexpr std::uint64_t kCompressedZstd = 0x04;
// Deflate packs at most about 1032 bytes into one; a block claiming more unpacked bytes is damaged, and
// believing it would make the reader allocate without bound.
constexpr std::uint64_t kMaxDeflateRatio = 1032;
constexpr std::uint64_t kMaxUnpackedBytes = 256u << 20;

}  // namespace

bool IsWellFormedResourceFile(std::string_view s) {
  if (s.size() < 20 || s.substr(0, 4) != "qres") return false;
  const std::uint64_t version = Be(s, 4, 4);
  const std::uint64_t tree = Be(s, 8, 4), data = Be(s, 12, 4), names = Be(s, 16, 4);
  if (version < 1 || version > 3 || (version >= 3 && s.size() < 24)) return false;
  if (tree >= s.size() || data > s.size() || names > s.size()) return false;
  const std::uint64_t nodeSize = version >= 2 ? 22 : 14;
  const std::uint64_t nodeCount = (s.size() - tree) / nodeSize;
  if (nodeCount == 0) return false;

  auto nameFits = [&](std::uint64_t offset) {
    const std::uint64_t at = names + offset;
    if (at + 6 > s.size()) return false;
    return at + 6 + 2 * Be(s, at, 2) <= s.size();
  };
  auto dataFits = [&](std::uint64_t offset, std::uint64_t flags) {
    const std::uint64_t at = data + offset;
    if (at + 4 > s.size()) return false;
    const std::uint64_t size = Be(s, at, 4);
    if (at + 4 + size > s.size()) return false;
    if (!(flags & kCompressedZlib)) return true;
    if (size < 4) return false;  // zlib data begins with its unpacked size
    const std::uint64_t unpacked = Be(s, at + 4, 4);
    return unpacked <= kMaxUnpackedBytes && unpacked <= kMaxDeflateRatio * size;
  };

  std::vector<bool> seen(nodeCount, false);
  std::vector<std::uint64_t> pending = {0};
  while (!pending.empty()) {
    const std::uint64_t index = pending.back();
    pending.pop_back();
    if (index >= nodeCount || seen[index]) return false;  // outside the tree, or a node reached twice
    seen[index] = true;
    const std::uint64_t at = tree + index * nodeSize;
    const std::uint64_t flags = Be(s, at + 4, 2);
    if (index != 0 && !nameFits(Be(s, at, 4))) return false;
    if (index == 0 && !(flags & kDirectory)) return false;
    if (flags & kDirectory) {
      const std::uint64_t count = Be(s, at + 6, 4), first = Be(s, at + 10, 4);
      if (count > nodeCount || first > nodeCount - count) return false;
      for (std::uint64_t child = first; child < first + count; ++child) pending.push_back(child);
    } else {
      if ((flags & kCompressedZstd) && (flags & kCompressedZlib)) return false;
      if (!dataFits(Be(s, at + 10, 4), flags)) return false;
    }
  }
  return true;
}

}  // namespace tarvel
