#include "settings/file_bytes.h"

#include <algorithm>
#include <fstream>
#include <limits>

namespace tarvel {

std::optional<std::string> ReadFileStart(const std::filesystem::path& path, std::size_t limit) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  char buffer[8192];
  while (in && bytes.size() < limit) {
    const std::size_t want = std::min(sizeof buffer, limit - bytes.size());
    in.read(buffer, static_cast<std::streamsize>(want));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
  // One byte over the bound tells a file that is too long from one that just fits.
  const std::size_t limit = maxBytes < std::numeric_limits<std::size_t>::max() ? maxBytes + 1 : maxBytes;
  std::optional<std::string> bytes = ReadFileStart(path, limit);
  if (bytes && bytes->size() > maxBytes) return std::nullopt;
  return bytes;
}

}  // namespace tarvel
