// Saves that fail part-way or are cut off by the death of the process never leave a club or history
// file that fails its checks; the next save cleans up after them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "records/club_check.h"
#include "records/end_series.h"
#include "records/password_code.h"
#include "records_fixture.h"

namespace tarvel {
namespace {

const HistoryStamp kStamp{12, 0, "02.02.2025"};

class Faults : public test::ProgramDir {};

std::vector<std::int64_t> CutPoints(std::size_t size) {
  std::vector<std::int64_t> points = {0, 1, 2};
  for (std::size_t n = 3; n < size; n += 11) points.push_back(static_cast<std::int64_t>(n));
  for (std::size_t n : {size - 2, size - 1, size, size + 1}) points.push_back(static_cast<std::int64_t>(n));
  return points;
}

TEST_F(Faults, ClubFileSurvivesEveryCutPoint) {
  WriteShippedClubs();
  const auto path = ClubFilePath(Dir(), ClubKind::Local);
  const auto tmp = TemporaryPathFor(path);
  const std::string before = ReadBytes(path);
  ClubLines changed = LoadClub(ClubKind::Local);
  InsertMember(changed, MemberLine({"Someone", 4.5, 30, 200, EncodePassword("a")}), true);
  const std::string after = SerializeClubFile(changed);

  for (bool killed : {false, true}) {
    for (std::int64_t cut : CutPoints(after.size())) {
      const FileWriteHooks faulty(WriteFault{cut, killed});
      const auto message = SaveClubFile(path, changed, faulty);
      ASSERT_TRUE(message) << cut;
      EXPECT_EQ(message->Kind, RecordsMessageKind::DiskWriteError);
      EXPECT_EQ(message->Row(), 97);
      EXPECT_EQ(message->English(), "Error of disk writing!");
      ASSERT_EQ(ReadBytes(path), before) << "cut at " << cut << (killed ? ", killed" : "");
      EXPECT_TRUE(LoadClubFile(path).Club.has_value());
      EXPECT_EQ(std::filesystem::exists(tmp), killed) << cut;
    }
  }
  // A killed save left its temporary file; the start-up check ignores it and the next save replaces it.
  ClubState state;
  EXPECT_TRUE(CheckClubFiles(Dir(), state).CanStart);
  EXPECT_FALSE(SaveClubFile(path, changed, FileWriteHooks{}));
  EXPECT_EQ(ReadBytes(path), after);
  EXPECT_FALSE(std::filesystem::exists(tmp));
}

TEST_F(Faults, HistorySurvivesAndTheNextEntryCleansUp) {
  for (int i = 0; i < 3; ++i)
    ASSERT_EQ(AppendHistory(Dir(), {HisStr{"Old", 5, 10, 1, kAcLocal}}, kStamp).Number, 1);
  const auto path = HistoryFilePath(Dir(), 1);
  const auto tmp = TemporaryPathFor(path);
  const std::string before = ReadBytes(path);

  for (bool killed : {false, true}) {
    for (std::int64_t cut : CutPoints(before.size() + 116)) {
      const HistoryWrite w = AppendHistory(Dir(), {HisStr{"Lost", 1, 1, 1, kAcLocal}}, kStamp,
                                           FileWriteHooks(WriteFault{cut, killed}));
      ASSERT_TRUE(w.Message) << cut;
      EXPECT_EQ(w.Message->Kind, RecordsMessageKind::HistoryNotSaved);
      ASSERT_EQ(ReadBytes(path), before) << "cut at " << cut;
      EXPECT_EQ(CheckHistoryFile(Dir(), 1).Entries, 3);
      EXPECT_EQ(std::filesystem::exists(tmp), killed);
    }
  }
  EXPECT_EQ(ListHistoryFiles(Dir()).size(), 1u);  // the leftover temporary file is not a history file
  EXPECT_EQ(AppendHistory(Dir(), {HisStr{"Next", 1, 1, 1, kAcLocal}}, kStamp).Number, 1);
  EXPECT_FALSE(std::filesystem::exists(tmp));
  const HistoryCheck check = CheckHistoryFile(Dir(), 1);
  EXPECT_TRUE(check.Valid);
  EXPECT_EQ(check.Entries, 4);
}

// A failing disk during the end of a series: both messages, the history and the club as they were, and
// no top-ten place claimed that the file did not take.
TEST_F(Faults, EndOfSeriesOnAFailingDisk) {
  WriteShippedClubs();
  AppendHistory(Dir(), {HisStr{"Earlier", 5, 10, 1, kAcLocal}}, kStamp);
  const std::string club = ReadBytes(ClubFilePath(Dir(), ClubKind::Local));
  const std::string history = ReadBytes(HistoryFilePath(Dir(), 1));

  SeriesEndInput in;
  in.Counters = {30, 0, 200, 100, 0};
  in.GameComplete = true;
  in.PlayerName = "Champion";
  in.PasswordCode = EncodePassword("c");
  for (bool killed : {false, true}) {
    const SeriesEnd end = EndSeries(Dir(), in, kStamp, FileWriteHooks(WriteFault{40, killed}));
    ASSERT_EQ(end.Messages.size(), 2u);
    EXPECT_EQ(end.Messages[0].Kind, RecordsMessageKind::HistoryNotSaved);
    EXPECT_EQ(end.Messages[1].Kind, RecordsMessageKind::DiskWriteError);
    EXPECT_EQ(end.TopTenPlace, 0);
    EXPECT_EQ(end.NewSlot, 0);
    EXPECT_EQ(end.HistoryFile, 0);
    ASSERT_TRUE(end.EndWindow);
    EXPECT_EQ(end.EndWindow->Sound, "WFiBads");
    EXPECT_EQ(ReadBytes(ClubFilePath(Dir(), ClubKind::Local)), club);
    EXPECT_EQ(ReadBytes(HistoryFilePath(Dir(), 1)), history);
  }
  // The same series on a sound disk.
  const SeriesEnd end = EndSeries(Dir(), in, kStamp);
  EXPECT_TRUE(end.Messages.empty());
  EXPECT_EQ(end.TopTenPlace, 1);
  EXPECT_EQ(CheckHistoryFile(Dir(), 1).Entries, 2);
}

}  // namespace
}  // namespace tarvel
