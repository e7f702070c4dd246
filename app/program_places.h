#pragma once
// Where the program keeps its files. Run from a writable directory (the build tree, an unpacked copy) the
// program directory is the executable's own, as a portable program. Installed under a read-only prefix it
// is the user's data directory. Either way a fresh program directory (no options file and no club files)
// is seeded with the club files that ship with the program; after that a missing club file is an error.
#include <filesystem>
#include <vector>

namespace tarvel {

struct ProgramPlaces {
  std::filesystem::path programDir;
  // Where the shipped club files are looked for, in order.
  std::vector<std::filesystem::path> shippedDirs;
  // An installed program's resource files (the share directory of its prefix); empty when portable.
  std::filesystem::path resourceDir;
  bool portable = true;
};

// executableDir: the directory of the executable; dataDir: the user's data directory for the program
// (~/.local/share/tarvel).
ProgramPlaces FindProgramPlaces(const std::filesystem::path& executableDir, const std::filesystem::path& dataDir);

// Copies the shipped Tarvel.clb and Tarvel.net into a fresh program directory (creating it); returns
// whether it copied. A directory that already holds the options file or a club file is left alone.
bool SeedFreshProgramDirectory(const ProgramPlaces& places);

// An installed program finds its resource files where the portable one does, in its program directory:
// each resource file of the share directory that the program directory lacks gets a link there. A file
// the user put there himself (a downloaded library) stays.
void LinkResourceFiles(const ProgramPlaces& places);

}  // namespace tarvel
