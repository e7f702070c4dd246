#include "records/club_file.h"

#include <gtest/gtest.h>

#include "records/club_login.h"
#include "settings/cp1251.h"
#include "records/password_code.h"
#include "records/shipped_club.h"
#include "records/text_fields.h"
#include "records_fixture.h"

namespace tarvel {
namespace {

using namespace records_text;

ClubLines Shipped(ClubKind kind = ClubKind::Local) {
  return ParseClubFile(ShippedClubFile(kind)).value();
}

std::string Member(const std::string& name, double rating, int deals = 30, int score = 0) {
  return MemberLine(MemberRecord{name, rating, deals, score, EncodePassword("pw")});
}

std::string NameOf(const ClubLines& club, int slot) {
  const auto m = ParseMemberLine(ReadMember(club, slot));
  return m ? m->Name : "-";
}

TEST(ClubFile, ShippedFilesAreCorrectWithEmptySlotsAndAFullTopTen) {
  for (ClubKind kind : {ClubKind::Local, ClubKind::Lan}) {
    const std::string bytes = ShippedClubFile(kind);
    EXPECT_EQ(bytes.size(), 5u * 61 + 10 * 28 + 2 * 30);
    const ClubLines club = ParseClubFile(bytes).value();
    EXPECT_TRUE(ClubFileCorrect(club));
    EXPECT_EQ(DistributionLabel(club), "TRV");
    EXPECT_FALSE(ForcesRussian(club));
    for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(ReadMember(club, slot), kEmptyMemberLine);
    int previous = 1 << 30;
    for (int place = 1; place <= 10; ++place) {
      const TopTenEntry e = ReadTopTen(club, place);
      ASSERT_TRUE(e.Score.has_value()) << place;
      EXPECT_LE(*e.Score, previous);
      EXPECT_FALSE(e.Name.empty());
      previous = *e.Score;
    }
  }
  EXPECT_EQ(ReadTopTen(Shipped(), 1).Name, "Алексей");  // Cyrillic survives the Windows-1251 file
}

// Any edit of the data or of the stored checksums makes the file incorrect.
TEST(ClubFile, EditedFilesAreIncorrect) {
  const std::string good = ShippedClubFile(ClubKind::Local);
  const std::size_t line17 = good.size() - 30;  // start of line 17
  const std::size_t line16 = line17 - 30;
  const struct {
    const char* what;
    std::size_t pos;
    char byte;
  } edits[] = {
      {"a digit of checksum A", line17 + 15, 'x'},
      {"a digit of checksum B", line17 + 16, 'y'},
      {"a digit of checksum C", line17 + 27, 'z'},
      {"a member byte", 3, 'Q'},
      {"a top-ten score", 5 * 61 + 24, '9'},
      {"the mark t", line16, 'u'},
      {"the mark }", line16 + 1, ']'},
  };
  for (const auto& e : edits) {
    std::string bad = good;
    // Digits are replaced by another digit so that only the value changes.
    const char original = bad[e.pos];
    bad[e.pos] =
        std::isdigit(static_cast<unsigned char>(original)) ? (original == '9' ? '8' : original + 1) : e.byte;
    ASSERT_NE(bad, good) << e.what;
    const auto club = ParseClubFile(bad);
    ASSERT_TRUE(club.has_value()) << e.what;
    EXPECT_FALSE(ClubFileCorrect(*club)) << e.what;
  }
}

TEST(ClubFile, ShapeCheck) {
  const std::string good = ShippedClubFile(ClubKind::Local);
  std::vector<std::string> lines = SplitLines(good);
  EXPECT_TRUE(ParseClubFile(good).has_value());

  auto withLines = [](std::vector<std::string> l) { return JoinLines(l); };
  auto shorter = lines;
  shorter.pop_back();
  EXPECT_FALSE(ParseClubFile(withLines(shorter)));  // 16 lines
  auto longer = lines;
  longer.push_back("");
  EXPECT_FALSE(ParseClubFile(withLines(longer)));  // 18 lines
  auto member = lines;
  member[2] += " ";
  EXPECT_FALSE(ParseClubFile(withLines(member)));  // a member line of 60
  auto top = lines;
  top[9].pop_back();
  EXPECT_FALSE(ParseClubFile(withLines(top)));  // a top-ten line of 25
  EXPECT_FALSE(ParseClubFile(""));
  // Bare LF line ends read the same; a last line without its end counts.
  std::string lf;
  for (const auto& l : lines) lf += l + "\n";
  EXPECT_TRUE(ParseClubFile(lf).has_value());
  EXPECT_TRUE(ParseClubFile(good.substr(0, good.size() - 2)).has_value());
}

TEST(ClubFile, MemberLineLayout) {
  const std::string line = MemberLine(MemberRecord{"Петя", 2.333333, 20, -40, EncodePassword("ab")});
  ASSERT_EQ(line.size(), 59u);
  EXPECT_EQ(line.substr(4, 16), std::string(16, ' '));
  EXPECT_EQ(line.substr(20, 10), "  2,333333");
  EXPECT_EQ(line.substr(30, 7), "     20");
  EXPECT_EQ(line[37], ' ');
  EXPECT_EQ(line.substr(38, 6), "   -40");
  EXPECT_EQ(line.substr(44), "414415349349349");  // 'a' 97, 'b' 98, three spaces 32, each + 317
  const MemberRecord back = ParseMemberLine(line).value();
  EXPECT_EQ(back.Name, "Петя");
  EXPECT_DOUBLE_EQ(back.Rating, 2.333333);
  EXPECT_EQ(back.Deals, 20);
  EXPECT_EQ(back.Score, -40);

  EXPECT_TRUE(MemberSlotEmpty(kEmptyMemberLine));
  EXPECT_FALSE(ParseMemberLine(kEmptyMemberLine));
  EXPECT_EQ(kEmptyMemberLine.size(), 59u);
  // Too long a name is cut, out-of-range numbers are clamped to their fields.
  const std::string big = MemberLine(MemberRecord{std::string(30, 'N'), 250, 123456789, 5000000, "1"});
  EXPECT_EQ(big.size(), 59u);
  EXPECT_EQ(big.substr(0, 20), std::string(20, 'N'));
  EXPECT_EQ(big.substr(20, 10), " 99,990000");
  EXPECT_EQ(big.substr(30, 7), "9999999");
  EXPECT_EQ(big.substr(38, 6), "999999");
}

TEST(ClubFile, InsertKeepsRatingOrderAndPutsLaterEqualsAbove) {
  ClubLines club = Shipped();
  const struct {
    const char* name;
    double rating;
    int slot;
  } steps[] = {
      {"Anna", 2.0, 1},  {"Boris", 1.0, 2}, {"Clara", 2.0, 1},   // equal to Anna: above her
      {"Dima", 3.0, 1},  {"Egor", -1.0, 5}, {"Fedor", -2.0, 0},  // a sixth, lowest: not stored
      {"Gleb", -1.0, 5},                                         // equal to the fifth: takes it
  };
  for (const auto& s : steps)
    EXPECT_EQ(InsertMember(club, Member(s.name, s.rating), false).Slot, s.slot) << s.name;
  const char* expected[] = {"", "Dima", "Clara", "Anna", "Boris", "Gleb"};
  for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(NameOf(club, slot), expected[slot]) << slot;
  EXPECT_TRUE(ClubFileCorrect(ParseClubFile(SerializeClubFile(club)).value()));
}

TEST(ClubFile, RemoveMovesTheRestUp) {
  ClubLines club = Shipped();
  for (auto [name, rating] : {std::pair{"A", 5.0}, {"B", 4.0}, {"C", 3.0}})
    InsertMember(club, Member(name, rating), false);
  RemoveMember(club, kSlotNewPlayer);  // a new player has no line
  EXPECT_EQ(NameOf(club, 3), "C");
  RemoveMember(club, 1);
  EXPECT_EQ(NameOf(club, 1), "B");
  EXPECT_EQ(NameOf(club, 2), "C");
  for (int slot = 3; slot <= 5; ++slot) EXPECT_EQ(ReadMember(club, slot), kEmptyMemberLine);
}

TEST(ClubFile, TopTenEntryAndItsTies) {
  // The shipped local top ten: 160 140 120 110 100 80 70 60 40 30.
  const struct {
    int score;
    int place;
  } cases[] = {{30, 10}, {29, 0},  {-50, 0}, {160, 1}, {500, 1},
               {100, 5}, {105, 5}, {41, 9},  {40, 9},  {31, 10}};
  for (const auto& c : cases) {
    ClubLines club = Shipped();
    const ClubLines before = club;
    const InsertResult r = InsertMember(club, Member("Winner", 1.0, 60, c.score), true);
    EXPECT_EQ(r.TopTenPlace, c.place) << c.score;
    EXPECT_EQ(r.TopTenScore, c.score);
    if (c.place == 0) {
      for (int line = 6; line <= 15; ++line) EXPECT_EQ(club.Lines[line], before.Lines[line]) << c.score;
      continue;
    }
    EXPECT_EQ(ReadTopTen(club, c.place).Name, "Winner");
    EXPECT_EQ(ReadTopTen(club, c.place).Score, c.score);
    // The old holder of that place and those below moved down; the old tenth dropped off.
    for (int place = c.place + 1; place <= 10; ++place)
      EXPECT_EQ(club.Lines[5 + place], before.Lines[5 + place - 1]) << c.score << " " << place;
  }
}

TEST(ClubFile, ContenderStartsANewCycleWithScoreZero) {
  ClubLines club = Shipped();
  const InsertResult r = InsertMember(club, Member("Winner", 1.5, 60, 120), true);
  const MemberRecord m = ParseMemberLine(ReadMember(club, r.Slot)).value();
  EXPECT_EQ(m.Score, 0);
  EXPECT_EQ(m.Deals, 60);
  EXPECT_EQ(ReadMember(club, r.Slot).substr(38, 6), "     0");
  // Not a contender: the score stays and the top ten is untouched.
  ClubLines other = Shipped();
  const InsertResult q = InsertMember(other, Member("Later", 1.5, 45, 120), false);
  EXPECT_EQ(q.TopTenPlace, 0);
  EXPECT_EQ(ParseMemberLine(ReadMember(other, q.Slot))->Score, 120);
  EXPECT_EQ(ReadTopTen(other, 3).Name, ReadTopTen(Shipped(), 3).Name);
}

TEST(ClubFile, UnreadableStoredNumbersRankLowest) {
  ClubLines club = Shipped();
  InsertMember(club, Member("Kept", 1.0), false);
  club.Lines[1].replace(20, 10, "  garbage!");
  EXPECT_EQ(InsertMember(club, Member("New", -50.0), false).Slot, 1);
  club.Lines[6].replace(20, 6, "  abc ");
  EXPECT_EQ(InsertMember(club, Member("Top", 0, 30, -100), true).TopTenPlace, 1);
}

TEST(PasswordCode, EncodesDecodesAndMatches) {
  EXPECT_EQ(EncodePassword(""), "349349349349349");
  EXPECT_EQ(DecodePassword(EncodePassword("qwe")), "qwe  ");
  EXPECT_EQ(DecodePassword(EncodePassword("абвгд")), Utf8ToCp1251("абвгд"));
  EXPECT_EQ(EncodePassword("toolong"), EncodePassword("toolo"));
  for (unsigned c = 0; c < 256; ++c) {
    const std::string code = std::to_string(c + kPasswordOffset);
    ASSERT_EQ(code.size(), 3u) << c;
  }
  EXPECT_TRUE(PasswordMatches(EncodePassword("12"), "12"));
  EXPECT_TRUE(PasswordMatches(EncodePassword("12"), "12 "));  // padded with spaces either way
  EXPECT_FALSE(PasswordMatches(EncodePassword("12"), "21"));
  EXPECT_FALSE(PasswordMatches("34934934934934", ""));  // 14 digits
  EXPECT_FALSE(PasswordMatches("3493493493493x9", ""));
  EXPECT_FALSE(PasswordMatches("000349349349349", ""));  // below the offset
  EXPECT_EQ(DecodePassword("###############"), std::nullopt);
}

TEST(ClubLogin, MemberNewPlayerAndNameChange) {
  ClubLines club = Shipped();
  InsertMember(club, MemberLine(MemberRecord{"Вера", 3.25, 47, 60, EncodePassword("кот")}), false);
  ClubState state;
  EXPECT_EQ(LogInMember(club, 1, "пёс", state), 69);
  EXPECT_EQ(LogInMember(club, 2, "", state), 69);  // an empty slot
  EXPECT_EQ(state.Slot, kSlotNewPlayer);
  EXPECT_EQ(LogInMember(club, 1, "кот", state), std::nullopt);
  EXPECT_EQ(state.Slot, 1);
  EXPECT_EQ(state.Name, "Вера");
  EXPECT_EQ(state.Deals, 47);
  EXPECT_EQ(state.Score, 60);
  EXPECT_DOUBLE_EQ(state.Rating, 3.25);

  ClubState fresh;
  EXPECT_EQ(StartNewPlayer("   ", "a", "a", fresh), 67);
  EXPECT_EQ(StartNewPlayer("Ivan", "a", "b", fresh), 68);
  EXPECT_EQ(StartNewPlayer("Ivan the Terrible of All Russia", "a", "a", fresh), std::nullopt);
  EXPECT_EQ(fresh.Name, "Ivan the Terrible of");
  EXPECT_TRUE(PasswordMatches(fresh.PasswordCode, "a"));
}

class ClubNameChange : public test::ProgramDir {};

TEST_F(ClubNameChange, RewritesTheLineInOneSave) {
  WriteShippedClubs();
  const auto path = ClubFilePath(Dir(), ClubKind::Local);
  ClubLines club = LoadClub(ClubKind::Local);
  InsertMember(club, Member("Old", 5.0), false);
  InsertMember(club, Member("Other", 5.0), false);  // equal rating, now above
  ASSERT_FALSE(SaveClubFile(path, club, FileWriteHooks{}));
  ClubState state;
  ASSERT_EQ(LogInMember(club, 2, "pw", state), std::nullopt);

  EXPECT_EQ(ChangeMemberName(path, true, "New", "x", "y", state).Row, 68);
  const NameChange change = ChangeMemberName(path, true, "New", "xyz", "xyz", state);
  EXPECT_TRUE(change.Changed);
  EXPECT_FALSE(change.Message);
  const ClubLines after = LoadClub(ClubKind::Local);
  EXPECT_EQ(NameOf(after, 1), "New");  // put in again: above the equal rating
  EXPECT_EQ(NameOf(after, 2), "Other");
  EXPECT_EQ(state.Slot, 1);
  EXPECT_TRUE(PasswordMatches(ParseMemberLine(ReadMember(after, 1))->PasswordCode, "xyz"));
}

// Leaving the table during a deal.
TEST_F(ClubNameChange, LeavingDuringADealForfeitsTheLineOfAMemberOnly) {
  WriteShippedClubs();
  const auto path = ClubFilePath(Dir(), ClubKind::Local);
  ClubLines club = LoadClub(ClubKind::Local);
  InsertMember(club, Member("Stays", 5.0), false);
  InsertMember(club, Member("Leaves", 4.0), false);
  ASSERT_FALSE(SaveClubFile(path, club, FileWriteHooks{}));
  const std::string before = ReadBytes(path);

  // A new player has no line: nothing is written at all (a save would leave this writer's temporary file).
  const FileWriteHooks dying(WriteFault{0, true});
  EXPECT_FALSE(RemoveMember(path, kSlotNewPlayer, true, dying));
  EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_FALSE(RemoveMember(path, 2, false));  // not writable: left alone
  EXPECT_EQ(ReadBytes(path), before);

  EXPECT_FALSE(RemoveMember(path, 2, true));
  const ClubLines after = LoadClub(ClubKind::Local);
  EXPECT_EQ(NameOf(after, 1), "Stays");
  EXPECT_EQ(ReadMember(after, 2), kEmptyMemberLine);
}

}  // namespace
}  // namespace tarvel
