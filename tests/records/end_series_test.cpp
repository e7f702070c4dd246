#include "records/end_series.h"

#include <gtest/gtest.h>

#include "records/club_login.h"
#include "records/password_code.h"
#include "records_fixture.h"

namespace tarvel {
namespace {

const HistoryStamp kStamp{21, 30, "01.04.2025"};

class EndOfSeries : public test::ProgramDir {
 protected:
  void SetUp() override {
    ProgramDir::SetUp();
    WriteShippedClubs();
  }

  // Puts a member into the club file of kind and returns its slot.
  int AddMember(ClubKind kind, const std::string& name, double rating, int deals, int score) {
    ClubLines club = LoadClub(kind);
    const int slot =
        InsertMember(club, MemberLine({name, rating, deals, score, EncodePassword("pw")}), false).Slot;
    EXPECT_FALSE(SaveClubFile(ClubFilePath(Dir(), kind), club, FileWriteHooks{}));
    return slot;
  }

  SeriesEndInput Member(int slot, const std::string& name, SeriesCounters c, bool complete) {
    SeriesEndInput in;
    in.Kind = PlayKind::Local;
    in.Counters = c;
    in.GameComplete = complete;
    in.Slot = slot;
    in.PlayerName = name;
    in.PasswordCode = EncodePassword("pw");
    return in;
  }
};

TEST_F(EndOfSeries, CompletedCycleRewritesTheLineAndEntersTheTopTen) {
  const int slot = AddMember(ClubKind::Local, "Ирина", 1.5, 20, 90);
  // 20 deals at 1.5, then a series of 10 deals won 7 to 3.
  const SeriesEnd end = EndSeries(Dir(), Member(slot, "Ирина", {30, 20, 90, 40, 1.5}, true), kStamp);
  EXPECT_DOUBLE_EQ(end.NewRating, 2.333333);
  EXPECT_EQ(end.TotalScore, 130);
  EXPECT_TRUE(end.TopTenContender);
  EXPECT_EQ(end.TopTenPlace, 3);  // 160 140 | 130 | 120 ...: above the old third
  EXPECT_EQ(end.TopTenScore, 130);
  EXPECT_TRUE(end.Messages.empty());
  EXPECT_EQ(end.Sounds, std::vector<std::string>{"WFiGood"});
  ASSERT_TRUE(end.EndWindow);
  EXPECT_EQ(end.EndWindow->Sound, "WFiGood");
  EXPECT_TRUE(end.OfferOnlineTopTen);

  const ClubLines club = LoadClub(ClubKind::Local);
  const MemberRecord m = ParseMemberLine(ReadMember(club, end.NewSlot)).value();
  EXPECT_EQ(m.Name, "Ирина");
  EXPECT_EQ(ReadMember(club, end.NewSlot).substr(20, 10), "  2,333333");
  EXPECT_EQ(m.Deals, 30);
  EXPECT_EQ(m.Score, 0);  // a new cycle
  EXPECT_TRUE(PasswordMatches(m.PasswordCode, "pw"));
  EXPECT_EQ(ReadTopTen(club, 3).Name, "Ирина");
  EXPECT_EQ(ReadTopTen(club, 3).Score, 130);

  EXPECT_EQ(end.HistoryFile, 1);
  const auto rows = ReadHistoryRows(Dir(), 1);
  ASSERT_EQ(rows.size(), 1u);
  const std::array<std::string, 7> row = {"21:30", "01.04.2025", "Ирина", "10", "40", "2,33", "Local"};
  EXPECT_EQ(rows[0].Cells, row);
}

TEST_F(EndOfSeries, SoundsAndWindowsBySeriesAndCycle) {
  const struct {
    const char* what;
    SeriesCounters counters;
    bool complete;
    std::vector<std::string> sounds;
    bool window;
    int place;
  } cases[] = {
      {"12 deals, score 0", {12, 0, 0, 0, 0}, false, {}, false, 0},
      {"inside a cycle, won", {12, 0, 0, 20, 0}, false, {"WKoGood"}, false, 0},
      {"inside a cycle, lost", {12, 0, 0, -30, 0}, false, {"WKoBads"}, false, 0},
      {"cycle below the whole top ten", {30, 0, 0, 20, 0}, true, {"WFiBads"}, true, 0},
      {"cycle equal to the tenth", {30, 0, 10, 20, 0}, true, {"WFiGood"}, true, 10},
      {"best cycle", {30, 0, 100, 200, 0}, true, {"WFiBest"}, true, 1},
  };
  for (const auto& c : cases) {
    WriteShippedClubs();
    const SeriesEnd end =
        EndSeries(Dir(), Member(kSlotNewPlayer, "Newcomer", c.counters, c.complete), kStamp);
    EXPECT_EQ(end.Sounds, c.sounds) << c.what;
    EXPECT_EQ(end.EndWindow.has_value(), c.window) << c.what;
    EXPECT_EQ(end.TopTenPlace, c.place) << c.what;
    EXPECT_NE(end.NewSlot, 0) << c.what;  // the new player became a member
    if (c.window && c.place == 0) {
      EXPECT_EQ(end.EndWindow->Lines.front().front().Row, 55);  // "Our regrets..."
      EXPECT_EQ(ComposeLine(end.EndWindow->Lines[2], [](int r) { return "<" + std::to_string(r) + ">"; }),
                "<58>20");
    }
  }
}

TEST_F(EndOfSeries, LanGameUsesTheLanClubAndAllFourNames) {
  const int slot = AddMember(ClubKind::Lan, "Host", 0.0, 0, 0);
  const std::string localBefore = ReadBytes(ClubFilePath(Dir(), ClubKind::Local));
  SeriesEndInput in = Member(slot, "Host", {9, 0, 0, 30, 0}, false);
  in.Kind = PlayKind::Lan;
  in.SeatNames = {"", "Left  ", "Partner", "Right", "Host   "};
  const SeriesEnd end = EndSeries(Dir(), in, kStamp);
  EXPECT_EQ(end.Entry.HName, "Host/Left/Partner/Right");
  EXPECT_EQ(end.Entry.Ac, kAcLan);
  EXPECT_FALSE(end.EndWindow);
  EXPECT_EQ(ReadBytes(ClubFilePath(Dir(), ClubKind::Local)), localBefore);
  EXPECT_DOUBLE_EQ(ParseMemberLine(ReadMember(LoadClub(ClubKind::Lan), end.NewSlot))->Rating, 3.333333);
  EXPECT_EQ(ReadHistoryRows(Dir(), 1).at(0).Cells[6], "Net");
}

TEST_F(EndOfSeries, AccountAndTournamentWriteHistoryOnly) {
  const std::string local = ReadBytes(ClubFilePath(Dir(), ClubKind::Local));
  const std::string lan = ReadBytes(ClubFilePath(Dir(), ClubKind::Lan));

  SeriesEndInput account = Member(kSlotAccount, "Nick", {33, 30, 0, 10, 2.0}, false);
  account.Kind = PlayKind::Account;
  account.AccountRating = 2.00909;
  const SeriesEnd a = EndSeries(Dir(), account, kStamp);
  EXPECT_DOUBLE_EQ(a.NewRating, 2.00909);
  EXPECT_EQ(a.Entry.HKon, 3);
  EXPECT_EQ(a.Entry.Ac, kAcAccount);
  EXPECT_EQ(a.Sounds, std::vector<std::string>{"WKoGood"});

  SeriesEndInput tour = Member(kSlotTournament, "Me", {101, 0, 250, -10, 0}, false);
  tour.Kind = PlayKind::Tournament;
  tour.SeatNames = {"", "S1", "S2", "S3", "Me"};
  tour.TournamentScoreChange = 15;
  tour.TournamentRating = 1480;
  const SeriesEnd t = EndSeries(Dir(), tour, kStamp);
  EXPECT_EQ(t.Entry.HName, "Me/S1/S2/S3");
  EXPECT_EQ(t.Entry.HKon, 1);
  EXPECT_EQ(t.Entry.HRes, 15);
  EXPECT_DOUBLE_EQ(t.Entry.HRei, 1480);
  EXPECT_EQ(t.Entry.Ac, kAcTournament);
  EXPECT_FALSE(t.EndWindow);
  EXPECT_FALSE(t.OfferOnlineTopTen);

  EXPECT_EQ(ReadBytes(ClubFilePath(Dir(), ClubKind::Local)), local);
  EXPECT_EQ(ReadBytes(ClubFilePath(Dir(), ClubKind::Lan)), lan);
  const auto rows = ReadHistoryRows(Dir(), 1);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Cells[5], "2,01");
  EXPECT_EQ(rows[1].Cells[6], "Tourney");
}

TEST_F(EndOfSeries, ANotWritableClubIsLeftAloneAndNoPlaceIsClaimed) {
  const int slot = AddMember(ClubKind::Local, "Ro", 1.0, 29, 250);
  const std::string before = ReadBytes(ClubFilePath(Dir(), ClubKind::Local));
  SeriesEndInput in = Member(slot, "Ro", {30, 29, 250, 10, 1.0}, true);
  in.ClubWritable = false;
  const SeriesEnd end = EndSeries(Dir(), in, kStamp);
  EXPECT_EQ(ReadBytes(ClubFilePath(Dir(), ClubKind::Local)), before);
  EXPECT_EQ(end.TopTenPlace, 0);
  EXPECT_EQ(end.TopTenScore, 260);
  EXPECT_EQ(end.NewSlot, 0);
  EXPECT_TRUE(end.Messages.empty());
  EXPECT_EQ(end.HistoryFile, 1);  // the history is written all the same
}

TEST(EndGameWindow, LinesByPlaceAndKind) {
  const auto text = [](int r) { return "<" + std::to_string(r) + ">"; };
  const auto rowsOf = [&](const EndGameWindow& w) {
    std::vector<std::string> lines;
    for (const auto& line : w.Lines) lines.push_back(ComposeLine(line, text));
    return lines;
  };
  using Lines = std::vector<std::string>;
  EXPECT_EQ(rowsOf(EndGameWindowFor(1, 250, PlayKind::Local, false)),
            (Lines{"<50>", "<51>", "<58>250", "<65>"}));
  EXPECT_EQ(rowsOf(EndGameWindowFor(1, 250, PlayKind::Local, true)), (Lines{"<50>", "<51>", "<58>250"}));
  EXPECT_EQ(rowsOf(EndGameWindowFor(1, 250, PlayKind::Account, true)),
            (Lines{"<50>", "<51>", "<58>250", "<61>"}));
  EXPECT_EQ(rowsOf(EndGameWindowFor(1, 250, PlayKind::Lan, false)),
            (Lines{"<50>", "<51>", "<58>250", "<66>"}));
  EXPECT_EQ(rowsOf(EndGameWindowFor(7, 90, PlayKind::Local, false)),
            (Lines{"<50>", "<53>", "<58>90", "<54>"}));
  EXPECT_EQ(rowsOf(EndGameWindowFor(0, -20, PlayKind::Local, false)),
            (Lines{"<55>", "<56>", "<58>-20", "<57>"}));
  EXPECT_EQ(rowsOf(EndGameWindowFor(12, 40, PlayKind::Account, true)),
            (Lines{"<55>", "<56>", "<58>40 ; <59>12", "<57>"}));

  const EndGameWindow best = EndGameWindowFor(1, 250, PlayKind::Local, false);
  EXPECT_EQ(best.Sound, "WFiBest");
  EXPECT_EQ(best.PlacePicture, "GPlace01");
  EXPECT_EQ(best.Animation, "GEndBest");
  EXPECT_EQ(best.AnimationStopFrame, 25);
  EXPECT_EQ(best.LineY, (std::vector<int>{100, 175, 250, 325}));
  EXPECT_EQ(EndGameWindowFor(10, 1, PlayKind::Local, false).PlacePicture, "GPlace10");
  EXPECT_EQ(EndGameWindowFor(10, 1, PlayKind::Local, false).AnimationStopFrame, 24);
  const EndGameWindow none = EndGameWindowFor(0, 1, PlayKind::Local, false);
  EXPECT_EQ(none.Medal, "");
  EXPECT_EQ(none.Animation, "GEndBads");
  const EndGameWindow rewarded = EndGameWindowFor(1, 300, PlayKind::Account, true, 25);
  ASSERT_TRUE(rewarded.Reward);
  EXPECT_EQ(ComposeLine(*rewarded.Reward, text), "<245> 25 <230>!!!");
  EXPECT_EQ(rewarded.MedalY, 240);
  EXPECT_EQ(rewarded.LineY, (std::vector<int>{80, 120, 160, 200}));
}

}  // namespace
}  // namespace tarvel
