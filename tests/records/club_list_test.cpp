#include "records/club_list.h"

#include <gtest/gtest.h>

#include "settings/cp1251.h"
#include "records/password_code.h"
#include "records/shipped_club.h"

namespace tarvel {
namespace {

// Every character (not byte) is `unit` wide, as in a fixed-width font.
class FixedMeter : public TextMeter {
 public:
  explicit FixedMeter(int unit) : unit_(unit) {}
  int Width(std::string_view text) const override {
    int chars = 0;
    for (unsigned char c : text) chars += (c & 0xC0) != 0x80;
    return chars * unit_;
  }

 private:
  int unit_;
};

ClubLines ClubWith(std::initializer_list<MemberRecord> members) {
  ClubLines club = ParseClubFile(ShippedClubFile(ClubKind::Local)).value();
  for (const auto& m : members) InsertMember(club, MemberLine(m), false);
  return club;
}

TEST(ClubList, ButtonTextsInBothModes) {
  const ClubLines club = ClubWith({{"Ольга", 2.333333, 47, 60, EncodePassword("p")}});
  const FixedMeter meter(7);  // 37 characters are 259 wide: nothing is shortened
  const ClubList scores = ShowClubList(club, 1, meter);
  EXPECT_EQ(scores.HeaderRow, 7);
  EXPECT_EQ(scores.Buttons[1], "Ольга" + std::string(15, ' ') + "    " + " 17" + "    " + "    60");
  EXPECT_EQ(scores.Buttons[2], std::string(20, '#') + "    ###    ######");
  EXPECT_FALSE(scores.Button5Account);

  const ClubList ratings = ShowClubList(club, 2, meter);
  EXPECT_EQ(ratings.HeaderRow, 8);
  EXPECT_EQ(ratings.Buttons[1], "Ольга" + std::string(15, ' ') + "  " + "     47" + "  " + "  2,33");
  EXPECT_EQ(ratings.Buttons[5], std::string(20, '#') + "  #######  ######");

  EXPECT_EQ(scores.Panels[1], "Алексей" + std::string(13, ' ') + "  " + "   160");
  EXPECT_EQ(scores.Panels[3], "Дмитрий Орлов" + std::string(7, ' ') + "  " + "   120");
}

TEST(ClubList, AccountTakesTheFifthButton) {
  const ClubLines club = ClubWith({});
  const FixedMeter meter(7);
  const AccountButton account{"Nick", 12, -30, 612, 2.5};
  const ClubList one = ShowClubList(club, 1, meter, account);
  EXPECT_TRUE(one.Button5Account);
  EXPECT_EQ(one.Buttons[5], "Nick" + std::string(16, ' ') + "     12" + "       -30");
  const ClubList two = ShowClubList(club, 2, meter, account);
  EXPECT_EQ(two.Buttons[5], "Nick" + std::string(16, ' ') + "      612" + "       2");  // 2.5 to even
}

// 10 units a character: a 37-character button (370) loses one character to get under 361, a
// 28-character panel (280) loses three to get under 251.
TEST(ClubList, WideTextsLoseNameCharactersFromColumnTwenty) {
  const FixedMeter meter(10);
  const ClubLines club = ClubWith({{"Short", 1, 1, 0, ""}, {"ABCDEFGHIJKLMNOPQRST", 0.5, 1, 0, ""}});
  const ClubList list = ShowClubList(club, 1, meter);
  EXPECT_EQ(list.Buttons[1], "Short" + std::string(14, ' ') + "      1         0");  // a space: no dots
  EXPECT_EQ(list.Buttons[2], std::string("ABCDEFGHIJKLMNOP...") + "      1         0");
  EXPECT_LT(meter.Width(list.Buttons[2]), kClubButtonWidthLimit);
  EXPECT_EQ(list.Buttons[3], std::string(19, '#') + "    ###    ######");  // "#" goes without dots
  EXPECT_EQ(list.Panels[1], "Алексей" + std::string(10, ' ') + "  " + "   160");
  EXPECT_EQ(list.Panels[3], "Дмитрий Орлов" + std::string(4, ' ') + "  " + "   120");
}

TEST(ClubList, ShorteningStopsAtFourNameCharacters) {
  const FixedMeter meter(100);  // nothing ever fits
  const std::string text = Utf8ToCp1251("Владимир Владимирович").substr(0, 20) + "  rest";
  EXPECT_EQ(FitClubText(text, 361, meter), "В..." + std::string("  rest"));
  EXPECT_EQ(FitClubText(std::string(20, ' ') + "x", 361, meter), "    x");
  EXPECT_EQ(FitClubText("short", 361, meter), "short");  // no name to take from
}

TEST(ClubList, TopTenWindow) {
  const ClubLines club = ClubWith({});
  const TopTenWindow local = TopTenTable(club, ClubKind::Local);
  EXPECT_EQ(local.Title, "WINDOWS. LOCAL GAMES WITH PC");
  EXPECT_EQ(local.Rows[1].Name, "Алексей");
  EXPECT_EQ(local.Rows[1].Score, "160");
  EXPECT_TRUE(local.Rows[3].Red);
  EXPECT_FALSE(local.Rows[4].Red);
  EXPECT_EQ(local.Rows[10].Place, 10);
  EXPECT_EQ(TopTenTable(club, ClubKind::Lan).Title, "WINDOWS. NET GAMES");
}

}  // namespace
}  // namespace tarvel
