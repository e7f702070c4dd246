// Build-time tool: writes the shipped club files Tarvel.clb and Tarvel.net into a directory.
// Usage: tarvel-make-club-files <directory> [distribution label]
#include <filesystem>
#include <iostream>

#include "records/club_file.h"
#include "records/shipped_club.h"
#include "settings/atomic_file.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: " << argv[0] << " <directory> [distribution label]\n";
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  const std::string label = argc == 3 ? argv[2] : std::string(tarvel::kDefaultDistributionLabel);
  if (label.size() != 3) {
    std::cerr << "the distribution label has exactly three characters\n";
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  for (tarvel::ClubKind kind : {tarvel::ClubKind::Local, tarvel::ClubKind::Lan}) {
    const auto path = tarvel::ClubFilePath(dir, kind);
    const tarvel::FileWriteResult written =
        tarvel::WriteFileAtomically(path, tarvel::ShippedClubFile(kind, label));
    if (!written.Ok) {
      std::cerr << written.Error << "\n";
      return 1;
    }
  }
  return 0;
}
