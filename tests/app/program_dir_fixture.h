#pragma once
// A program directory of its own for a test: a fresh temporary directory holding the shipped club files
// and links to the resource files the build made, removed at the end of the test.
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "records/club_file.h"
#include "records/shipped_club.h"

namespace tarvel {

struct ProgramDirFixture {
  QTemporaryDir temp;
  std::filesystem::path path;

  ProgramDirFixture() : path(temp.path().toStdString()) {
    for (ClubKind kind : {ClubKind::Local, ClubKind::Lan}) {
      std::ofstream out(ClubFilePath(path, kind), std::ios::binary);
      out << ShippedClubFile(kind);
    }
#ifdef TARVEL_BUILD_ROOT
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(TARVEL_BUILD_ROOT, ec))
      if (entry.path().extension() == ".dll") std::filesystem::create_symlink(entry.path(), path / entry.path().filename(), ec);
#endif
  }
};

}  // namespace tarvel
