#pragma once
// A program directory of its own for a test: a fresh temporary directory holding the shipped club files,
// removed at the end of the test.
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
  }
};

}  // namespace tarvel
