#include "records/club_check.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "records/text_fields.h"
#include "records_fixture.h"

namespace tarvel {
namespace {

using namespace records_text;

class ClubCheck : public test::ProgramDir {
 protected:
  // Rewrites a club file with line 17 changed at pos and correct checksums.
  void SetMark(ClubKind kind, std::size_t pos, const std::string& text) {
    ClubLines club = LoadClub(kind);
    club.Lines[17].replace(pos, text.size(), text);
    WriteBytes(ClubFilePath(Dir(), kind), SerializeClubFile(club));
  }
};

TEST_F(ClubCheck, ShippedFilesStartWithTheirLabelAndAStartReport) {
  WriteShippedClubs();
  ClubState state;
  const ClubStartup s = CheckClubFiles(Dir(), state);
  EXPECT_TRUE(s.CanStart);
  EXPECT_TRUE(s.Messages.empty());
  EXPECT_FALSE(s.ForceRussian);
  EXPECT_EQ(s.DistributionLabel, "TRV");
  EXPECT_TRUE(s.SendStartReport);
  EXPECT_FALSE(state.BlocksOptionsSave());
  EXPECT_TRUE(state.Writable(ClubKind::Local));
  EXPECT_TRUE(state.Writable(ClubKind::Lan));
}

TEST_F(ClubCheck, MarksOfLineSeventeen) {
  WriteShippedClubs();
  SetMark(ClubKind::Local, 0, "1");
  SetMark(ClubKind::Local, 6, "ABC");
  SetMark(ClubKind::Lan, 6, std::string(kMakerLabel));
  ClubState state;
  ClubStartup s = CheckClubFiles(Dir(), state);
  EXPECT_TRUE(s.ForceRussian);
  EXPECT_EQ(s.DistributionLabel, "KEX");  // the later file's label stands
  EXPECT_FALSE(s.SendStartReport);
  // The Russian mark counts in the local file only.
  SetMark(ClubKind::Local, 0, "0");
  SetMark(ClubKind::Lan, 0, "1");
  EXPECT_FALSE(CheckClubFiles(Dir(), state).ForceRussian);
}

TEST_F(ClubCheck, MissingOrIncorrectFileStopsTheStart) {
  const struct {
    const char* what;
    ClubKind file;
    bool remove;
    RecordsMessageKind kind;
    bool invalid;
  } cases[] = {
      {"local missing", ClubKind::Local, true, RecordsMessageKind::FileMissing, true},
      {"LAN missing", ClubKind::Lan, true, RecordsMessageKind::FileMissing, false},
      {"local edited", ClubKind::Local, false, RecordsMessageKind::FileIncorrect, false},
      {"LAN edited", ClubKind::Lan, false, RecordsMessageKind::FileIncorrect, false},
  };
  for (const auto& c : cases) {
    WriteShippedClubs();
    const auto path = ClubFilePath(Dir(), c.file);
    if (c.remove) {
      std::filesystem::remove(path);
    } else {
      std::string bytes = ReadBytes(path);
      bytes[bytes.size() - 3] = bytes[bytes.size() - 3] == '0' ? '1' : '0';  // the last checksum digit
      WriteBytes(path, bytes);
    }
    ClubState state;
    const ClubStartup s = CheckClubFiles(Dir(), state);
    EXPECT_FALSE(s.CanStart) << c.what;
    ASSERT_EQ(s.Messages.size(), 1u) << c.what;
    EXPECT_EQ(s.Messages[0].Kind, c.kind) << c.what;
    EXPECT_TRUE(s.Messages[0].Fatal());
    EXPECT_EQ(s.Messages[0].Path, path.string());
    EXPECT_EQ(state.FileInvalid, c.invalid) << c.what;
    EXPECT_TRUE(state.BlocksOptionsSave()) << c.what;
  }
}

TEST_F(ClubCheck, WrongShapeIsInvalidAndIncorrect) {
  WriteShippedClubs();
  const auto path = ClubFilePath(Dir(), ClubKind::Local);
  std::vector<std::string> lines = SplitLines(ReadBytes(path));
  lines[0] += "#";
  WriteBytes(path, JoinLines(lines));
  ClubState state;
  const ClubStartup s = CheckClubFiles(Dir(), state);
  EXPECT_FALSE(s.CanStart);
  EXPECT_TRUE(state.FileInvalid);
  EXPECT_TRUE(state.FileIncorrect);
  EXPECT_EQ(s.Messages.at(0).English(), "The incorrect file \"" + path.string() + "\"!");
}

TEST_F(ClubCheck, ReadOnlyFileWarnsAndIsNeverWritten) {
  WriteShippedClubs();
  const auto lan = ClubFilePath(Dir(), ClubKind::Lan);
  std::filesystem::permissions(lan, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  EXPECT_FALSE(FileWritableByUser(lan));  // even for a superuser
  EXPECT_TRUE(FileWritableByUser(ClubFilePath(Dir(), ClubKind::Local)));
  ClubState state;
  const ClubStartup s = CheckClubFiles(Dir(), state);
  EXPECT_TRUE(s.CanStart);
  ASSERT_EQ(s.Messages.size(), 1u);
  EXPECT_EQ(s.Messages[0].Kind, RecordsMessageKind::FileAttributes);
  EXPECT_FALSE(s.Messages[0].Fatal());
  EXPECT_EQ(s.Messages[0].English(),
            "The file \"" + lan.string() +
                "\" has incorrect attributes!\n\rThe work of the program will be incorrect!");
  EXPECT_EQ(s.Messages[0].Compose([](int row) { return "<" + std::to_string(row) + ">"; }),
            "<90>" + lan.string() + "<91>");
  EXPECT_TRUE(state.Writable(ClubKind::Local));
  EXPECT_FALSE(state.Writable(ClubKind::Lan));
  EXPECT_FALSE(state.BlocksOptionsSave());

  const std::string before = ReadBytes(lan);
  EXPECT_FALSE(UpdateClubFile(lan, state.Writable(ClubKind::Lan), FileWriteHooks{}, [](ClubLines& club) {
    RemoveMember(club, 1);
    club.Lines[6][0] = 'X';
  }));
  EXPECT_EQ(ReadBytes(lan), before);
}

}  // namespace
}  // namespace tarvel
