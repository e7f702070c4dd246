#include "records/history_file.h"

#include <gtest/gtest.h>

#include "records/checksums.h"
#include "settings/cp1251.h"
#include "records/text_fields.h"
#include "records_fixture.h"

namespace tarvel {
namespace {

using namespace records_text;

const HistoryStamp kStamp{9, 5, "15.03.2025"};

HisStr Entry(const std::string& name, int kon = 10, int res = 40, double rei = 2.333333,
             std::uint8_t ac = kAcLocal) {
  return HisStr{name, kon, res, rei, ac};
}

// A whole history file built here from entry lines, with its totals summed independently of the library.
std::string FileOf(std::vector<std::string> lines) {
  lines.push_back(HistoryEndLine());
  long long a = 0, b = 0, c = 0;
  for (const auto& line : lines)
    for (std::size_t col = 1; col <= 99; ++col) {
      const int v = static_cast<unsigned char>(line[col - 1]);
      a += v;
      if (col % 2 == 0) b += v;
      if (col % 3 == 0) c += v;
    }
  lines.push_back(ZeroPadded(a, 10) + ZeroPadded(b, 10) + ZeroPadded(c, 10));
  return JoinLines(lines);
}

class History : public test::ProgramDir {
 protected:
  std::vector<std::string> Lines(int number) const {
    return SplitLines(ReadBytes(HistoryFilePath(Dir(), number)));
  }

  void WriteFull(int number, int entries) {
    std::filesystem::create_directories(HistoryDirectory(Dir()));
    std::vector<std::string> lines(static_cast<std::size_t>(entries), HistoryLine(Entry("Filler"), kStamp));
    WriteBytes(HistoryFilePath(Dir(), number), FileOf(lines));
  }
};

TEST_F(History, FirstEntryCreatesTheDirectoryAndFileOne) {
  const HistoryWrite w = AppendHistory(Dir(), {Entry("Иван")}, kStamp);
  EXPECT_EQ(w.Number, 1);
  EXPECT_FALSE(w.Message);
  EXPECT_TRUE(std::filesystem::exists(Dir() / "History" / "Tarvel_I0001.hst"));
  const std::vector<std::string> lines = Lines(1);
  ASSERT_EQ(lines.size(), 3u);
  const std::string& e = lines[0];
  ASSERT_EQ(e.size(), 114u);
  EXPECT_EQ(e.substr(0, 5), "09:05");
  EXPECT_EQ(e.substr(5, 10), "15.03.2025");
  EXPECT_EQ(e.substr(15, 51), Utf8ToCp1251("Иван") + std::string(47, ' '));
  EXPECT_EQ(e.substr(66, 3), " 10");
  EXPECT_EQ(e.substr(69, 10), "        40");
  EXPECT_EQ(e.substr(79, 10), "      2,33");
  EXPECT_EQ(e.substr(89, 10), "L#########");
  const Checksums sums = ComputeChecksums(e.substr(0, 99));
  EXPECT_EQ(e.substr(99), ZeroPadded(sums.A, 5) + ZeroPadded(sums.B, 5) + ZeroPadded(sums.C, 5));
  EXPECT_EQ(lines[1].substr(0, 99), "$t}" + std::string(96, '#'));
  EXPECT_EQ(lines[2].size(), 30u);
  EXPECT_EQ(ReadBytes(HistoryFilePath(Dir(), 1)), FileOf({e}));  // CR LF ends, totals over both lines

  const HistoryCheck check = CheckHistoryFile(Dir(), 1);
  EXPECT_TRUE(check.Valid);
  EXPECT_EQ(check.Entries, 1);
  EXPECT_FALSE(check.Date.empty());
}

TEST_F(History, FieldFormats) {
  const struct {
    HisStr entry;
    std::size_t col, width;
    std::string text;
  } cases[] = {
      {Entry("x", 1, 0, 0), 79, 10, "      0,00"},
      {Entry("x", 1, 0, -1.5), 79, 10, "     -1,50"},
      {Entry("x", 1, 0, 12.346), 79, 10, "     12,35"},
      {Entry("x", 1, -130, 0), 69, 10, "      -130"},
      {Entry(std::string(60, 'n')), 15, 51, std::string(51, 'n')},
      {Entry("x", 1234), 66, 3, "999"},  // clamped to its field
      {Entry("x", 1, 0, 0, kAcAccount), 89, 10, "A#########"},
      {Entry("x", 1, 0, 0, kAcTournament), 89, 10, "T#########"},
      {Entry("x", 1, 0, 0, kAcLan), 89, 10, "N#########"},
  };
  for (const auto& c : cases) {
    const std::string line = HistoryLine(c.entry, kStamp);
    ASSERT_EQ(line.size(), 114u);
    EXPECT_EQ(line.substr(c.col, c.width), c.text) << c.text;
  }
  // A long date is cut to its first ten characters; a short one is right-aligned.
  EXPECT_EQ(HistoryLine(Entry("x"), HistoryStamp{23, 59, "Saturday, 15 March 2025"}).substr(0, 15),
            "23:59Saturday, ");
  EXPECT_EQ(HistoryLine(Entry("x"), HistoryStamp{0, 0, "3/15/25"}).substr(0, 15), "00:00   3/15/25");
}

TEST_F(History, The841stEntryGoesToFileTwo) {
  WriteFull(1, 839);
  EXPECT_EQ(AppendHistory(Dir(), {Entry("840th")}, kStamp).Number, 1);
  EXPECT_EQ(CheckHistoryFile(Dir(), 1).Entries, 840);
  EXPECT_EQ(AppendHistory(Dir(), {Entry("841st")}, kStamp).Number, 2);
  EXPECT_EQ(CheckHistoryFile(Dir(), 1).Entries, 840);
  EXPECT_EQ(CheckHistoryFile(Dir(), 2).Entries, 1);
  const auto list = ListHistoryFiles(Dir());
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].Text.substr(0, 11), "File I0002 ");
  EXPECT_EQ(ReadHistoryRows(Dir(), 2).at(0).Cells[2], "841st");
}

// What makes a file invalid: the stored five-digit checksums of a line are not consulted.
TEST_F(History, CheckedEdits) {
  std::vector<std::string> entries = {HistoryLine(Entry("One"), kStamp), HistoryLine(Entry("Two"), kStamp)};
  const std::string good = FileOf(entries);
  const std::size_t second = 116;
  const std::size_t endLine = 2 * 116;
  const std::size_t totals = 3 * 116;
  const struct {
    const char* what;
    std::string bytes;
    bool valid;
  } cases[] = {
      {"as written", good, true},
      {"a name byte", std::string(good).replace(second + 20, 1, "X"), false},
      {"a score digit", std::string(good).replace(second + 78, 1, "7"), false},
      {"the end line", std::string(good).replace(endLine + 50, 1, "*"), false},
      {"a totals digit", std::string(good).replace(totals + 9, 1, good[totals + 9] == '1' ? "2" : "1"),
       false},
      {"totals not decimal", std::string(good).replace(totals, 1, "x"), false},
      {"a stored line checksum",
       std::string(good).replace(second + 104, 1, good[second + 104] == '1' ? "2" : "1"), true},
      {"no totals line", good.substr(0, totals), false},
      {"no end line", good.substr(0, endLine), false},
      {"a short line", std::string(good).erase(second + 113, 1), false},
      {"trailing lines ignored", good + "anything\r\n", true},
      {"empty", "", false},
  };
  std::filesystem::create_directories(HistoryDirectory(Dir()));
  for (const auto& c : cases) {
    WriteBytes(HistoryFilePath(Dir(), 1), c.bytes);
    EXPECT_EQ(CheckHistoryFile(Dir(), 1).Valid, c.valid) << c.what;
  }
}

TEST_F(History, AnEditedFileIsReplacedByAFreshOneWithItsNumber) {
  WriteFull(1, 840);
  AppendHistory(Dir(), {Entry("Second file")}, kStamp);
  AppendHistory(Dir(), {Entry("Second file again")}, kStamp);
  ASSERT_EQ(CheckHistoryFile(Dir(), 2).Entries, 2);
  std::string bytes = ReadBytes(HistoryFilePath(Dir(), 2));
  bytes[20] = 'Z';
  WriteBytes(HistoryFilePath(Dir(), 2), bytes);
  EXPECT_FALSE(CheckHistoryFile(Dir(), 2).Valid);
  EXPECT_EQ(ListHistoryFiles(Dir()).size(), 1u);  // the damaged file is not listed

  EXPECT_EQ(AppendHistory(Dir(), {Entry("Fresh")}, kStamp).Number, 2);
  const HistoryCheck check = CheckHistoryFile(Dir(), 2);
  EXPECT_TRUE(check.Valid);
  EXPECT_EQ(check.Entries, 1);
  EXPECT_EQ(ReadHistoryRows(Dir(), 2).at(0).Cells[2], "Fresh");
  // The damaged file is kept aside, as it was.
  auto kept = HistoryFilePath(Dir(), 2);
  kept += ".bad";
  EXPECT_EQ(ReadBytes(kept), bytes);
  EXPECT_EQ(ListHistoryFiles(Dir()).size(), 2u);
}

TEST_F(History, RowsOfTheHistoryWindow) {
  AppendHistory(Dir(),
                {Entry("Local one", 12, 0, 1.25, kAcLocal), Entry("A/B/C/D", 30, -20, -0.5, kAcLan),
                 Entry("Acc", 3, 10, 55, kAcAccount), Entry("T1/T2/T3/T4", 1, 15, 1480, kAcTournament)},
                kStamp);
  const auto rows = ReadHistoryRows(Dir(), 1);
  ASSERT_EQ(rows.size(), 4u);
  const std::array<std::string, 7> first = {"09:05", "15.03.2025", "Local one", "12", "0", "1,25", "Local"};
  EXPECT_EQ(rows[0].Cells, first);
  EXPECT_EQ(rows[0].TypeColour, HistoryTypeColour::WindowText);
  EXPECT_EQ(rows[1].Cells[6], "Net");
  EXPECT_EQ(rows[1].Cells[5], "-0,50");
  EXPECT_EQ(rows[1].TypeColour, HistoryTypeColour::Green);
  EXPECT_EQ(rows[2].Cells[6], "Account");
  EXPECT_EQ(rows[2].TypeColour, HistoryTypeColour::Red);
  EXPECT_EQ(rows[3].Cells[6], "Tourney");
  EXPECT_EQ(rows[3].Cells[5], "1480,00");
  EXPECT_EQ(rows[3].TypeColour, HistoryTypeColour::Blue);
  EXPECT_TRUE(ReadHistoryRows(Dir(), 2).empty());
  EXPECT_TRUE(ListHistoryFiles(Dir() / "nowhere").empty());
}

TEST_F(History, AnUnwritableDirectoryGivesTheMessage) {
  WriteBytes(Dir() / "History", "a file where the directory should be");
  const HistoryWrite w = AppendHistory(Dir(), {Entry("x")}, kStamp);
  EXPECT_EQ(w.Number, 0);
  ASSERT_TRUE(w.Message);
  EXPECT_EQ(w.Message->Kind, RecordsMessageKind::HistoryNotSaved);
  EXPECT_EQ(w.Message->Row(), -1);
  EXPECT_EQ(w.Message->English(), "Cann`t save history!");
  EXPECT_EQ(w.Message->Compose([](int) { return std::string("?"); }), "Cann`t save history!");
}

TEST_F(History, AReadOnlyFileGivesTheMessageAndStaysAsItIs) {
  AppendHistory(Dir(), {Entry("Kept")}, kStamp);
  const auto path = HistoryFilePath(Dir(), 1);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  const std::string before = ReadBytes(path);
  const HistoryWrite w = AppendHistory(Dir(), {Entry("Refused")}, kStamp);
  EXPECT_EQ(w.Number, 0);
  ASSERT_TRUE(w.Message);
  EXPECT_EQ(w.Message->Path, path.string());
  EXPECT_EQ(ReadBytes(path), before);
}

}  // namespace
}  // namespace tarvel
