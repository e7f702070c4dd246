// Where the program keeps its files: seeding a fresh program directory, the links to an installed
// program's resource files, and the start-up's refusal of a missing club file.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "app/program_places.h"
#include "app/startup.h"
#include "records/club_file.h"
#include "records/shipped_club.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& p, const std::string& bytes) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << bytes;
}

TEST(ProgramPlaces, AFreshDirectoryIsSeededOnceAndAMissingClubFileStopsTheStart) {
  QTemporaryDir temp;
  const fs::path root = temp.path().toStdString();
  const fs::path shipped = root / "exe" / "shipped";
  Write(shipped / "Tarvel.clb", ShippedClubFile(ClubKind::Local));
  Write(shipped / "Tarvel.net", ShippedClubFile(ClubKind::Lan));
  const ProgramPlaces places{root / "data", {root / "nowhere", shipped}, {}, true};
  ASSERT_TRUE(SeedFreshProgramDirectory(places));
  EXPECT_TRUE(fs::exists(root / "data" / "Tarvel.net"));

  Options options;
  ClubState club;
  std::vector<std::pair<RecordsMessage, bool>> shown;
  const auto collect = [&](const RecordsMessage& m, bool fatal) { shown.emplace_back(m, fatal); };
  EXPECT_TRUE(PrepareStart(root / "data", root / "data", options, club, collect).canStart);
  EXPECT_TRUE(shown.empty());

  // Once the program has run, a club file that went missing is not replaced: the start ends with the message.
  Write(root / "data" / "Tarvel.ini", "");
  fs::remove(root / "data" / "Tarvel.clb");
  EXPECT_FALSE(SeedFreshProgramDirectory(places));
  ClubState again;
  EXPECT_FALSE(PrepareStart(root / "data", root / "data", options, again, collect).canStart);
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().first.Kind, RecordsMessageKind::FileMissing);
  EXPECT_TRUE(shown.back().second);
  EXPECT_TRUE(again.BlocksOptionsSave());
}

TEST(ProgramPlaces, AnInstalledProgramLinksItsResourceFiles) {
  QTemporaryDir temp;
  const fs::path root = temp.path().toStdString();
  const fs::path share = root / "share" / "tarvel";
  Write(share / "KexCards06A.dll", "cards");
  Write(share / "KexCVoice3.dll", "voice");
  Write(share / "Tarvel.clb", "not a resource");
  Write(root / "data" / "KexCVoice3.dll", "downloaded");  // the user's own copy stays
  fs::create_symlink(root / "gone.dll", root / "data" / "KexCards06A.dll");  // left by an old install
  const ProgramPlaces places{root / "data", {}, share, false};
  LinkResourceFiles(places);
  std::ifstream cards(root / "data" / "KexCards06A.dll");
  std::string text;
  cards >> text;
  EXPECT_EQ(text, "cards");
  std::ifstream voice(root / "data" / "KexCVoice3.dll");
  voice >> text;
  EXPECT_EQ(text, "downloaded");
  EXPECT_FALSE(fs::exists(root / "data" / "Tarvel.clb"));
}

}  // namespace
}  // namespace tarvel
