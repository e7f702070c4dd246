#include "app/program_places.h"

#include <system_error>
#include <unistd.h>

namespace tarvel {

namespace fs = std::filesystem;

ProgramPlaces FindProgramPlaces(const fs::path& executableDir, const fs::path& dataDir) {
  ProgramPlaces places;
  places.portable = ::access(executableDir.c_str(), W_OK) == 0;
  places.programDir = places.portable ? executableDir : dataDir;
  places.shippedDirs = {executableDir / "shipped", executableDir.parent_path() / "share" / "tarvel"};
  if (!places.portable) places.resourceDir = executableDir.parent_path() / "share" / "tarvel";
  return places;
}

bool SeedFreshProgramDirectory(const ProgramPlaces& places) {
  std::error_code ec;
  const fs::path& dir = places.programDir;
  for (const char* name : {"Tarvel.ini", "Tarvel.clb", "Tarvel.net"})
    if (fs::exists(dir / name, ec)) return false;
  for (const fs::path& from : places.shippedDirs) {
    if (!fs::exists(from / "Tarvel.clb", ec) || !fs::exists(from / "Tarvel.net", ec)) continue;
    fs::create_directories(dir, ec);
    bool copied = true;
    for (const char* name : {"Tarvel.clb", "Tarvel.net"})
      copied = fs::copy_file(from / name, dir / name, fs::copy_options::skip_existing, ec) && copied;
    return copied;
  }
  return false;
}

void LinkResourceFiles(const ProgramPlaces& places) {
  if (places.resourceDir.empty()) return;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(places.resourceDir, ec)) {
    if (entry.path().extension() != ".dll") continue;
    const fs::path link = places.programDir / entry.path().filename();
    if (fs::exists(fs::symlink_status(link, ec))) {
      // A link left by an earlier installation that no longer leads anywhere is renewed.
      if (!fs::is_symlink(link, ec) || fs::exists(link, ec)) continue;
      fs::remove(link, ec);
    }
    fs::create_symlink(entry.path(), link, ec);
  }
}

}  // namespace tarvel
