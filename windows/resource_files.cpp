#include "windows/resource_files.h"

#include <system_error>

namespace tarvel {

std::filesystem::path ResourceDownloadDir(const std::filesystem::path& programDir) {
  // "dir/" has the empty name; its parent is "dir" itself, so drop a trailing separator first.
  const std::filesystem::path dir = programDir.has_filename() ? programDir : programDir.parent_path();
  return dir / "..";
}

bool ResourceFileExists(const std::filesystem::path& programDir, std::string_view file) {
  if (file.empty()) return false;
  std::error_code error;
  const std::filesystem::path name{std::string(file)};
  return std::filesystem::is_regular_file(programDir / name, error) ||
         std::filesystem::is_regular_file(ResourceDownloadDir(programDir) / name, error);
}

}  // namespace tarvel
