#include "records/rating_format.h"

#include <gtest/gtest.h>

#include <locale>

#include "records/general_count.h"

namespace tarvel {
namespace {

using namespace records_text;

TEST(RatingFormat, SixDecimalClubFormat) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "  0,000000"},         {2.333333, "  2,333333"},   {0.0005, "  0,000500"},
      {-0.5, " -0,500000"},      {-1.5, " -1,500000"},       {12.5, " 12,500000"},
      {99.99, " 99,990000"},     {-99.99, "-99,990000"},     {2.0000004, "  2,000000"},
      {2.0000006, "  2,000001"}, {0.0000025, "  0,000002"},  // half to even
      {0.0000035, "  0,000004"}, {-0.0000025, " -0,000002"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatRating6(c.value), c.text) << c.value;
}

TEST(RatingFormat, TwoDecimalFormat) {
  const struct {
    double value;
    int width;
    const char* text;
  } cases[] = {
      {0, 0, "0,00"},        {-1.5, 0, "-1,50"},    {12.346, 0, "12,35"},   {0.05, 0, "0,05"},
      {0.125, 0, "0,12"},    {0.375, 0, "0,38"},    {-0.125, 0, "-0,12"},   {2.333333, 6, "  2,33"},
      {-99.99, 6, "-99,99"}, {0, 10, "      0,00"}, {1234.5, 6, "1234,50"},  // a longer text is whole
  };
  for (const auto& c : cases) EXPECT_EQ(FormatRating2(c.value, c.width), c.text) << c.value;
}

TEST(RatingFormat, RoundsHalfToEven) {
  const std::pair<double, double> cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {3.5, 4},    {-0.5, 0},
                                             {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-7.2, -7}};
  for (const auto& [x, r] : cases) EXPECT_EQ(RoundHalfEven(x), r) << x;
}

TEST(RatingFormat, ReadsAnySeparatorAndRefusesGarbage) {
  const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"  2,333333", 2.333333}, {" -0,500000", -0.5},  {"1.5", 1.5},          {"7", 7.0},
      {" 12;25 ", 12.25},       {"-,5", -0.5},         {"", std::nullopt},    {"  ", std::nullopt},
      {"1,2,3", std::nullopt},  {"1-2", std::nullopt}, {"abc", std::nullopt}, {"-", std::nullopt},
      {"1 2", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseRating(c.text), c.value) << c.text;
}

TEST(RatingFormat, SixDecimalTextReadsBackToTheSameText) {
  for (double r : {2.333333, -0.5, 12.5, 0.000001, -99.99, 45.678912})
    EXPECT_EQ(FormatRating6(ParseRating(FormatRating6(r)).value()), FormatRating6(r));
}

// A global locale with a comma as decimal point changes nothing.
TEST(RatingFormat, IgnoresTheLocale) {
  struct Comma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
  };
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new Comma));
  EXPECT_EQ(FormatRating6(1234.5 / 100), " 12,345000");
  EXPECT_EQ(FormatRating2(1234.5, 0), "1234,50");
  EXPECT_EQ(ParseRating("2.5"), 2.5);
  std::locale::global(previous);
}

TEST(NewRatingOf, AverageScorePerDealRoundedAndClamped) {
  const struct {
    int konAll, seriesScore;
    double ratingAtStart;
    int konAtStart;
    double rating;
  } cases[] = {
      {30, 40, 1.5, 20, 2.333333},  // 20 deals at 1.5, then 7 won and 3 lost
      {10, 20, 0, 0, 2},            // a new player
      {3, -10, 0, 0, -3.333333},   {1, 10, 0, 0, 10},
      {31, 0, 2.0, 30, 1.935484},                          // (60 + 0) / 31 = 1.93548387...
      {1, 300, 0, 0, 99.99},                               // clamped
      {1, -300, 0, 0, -99.99},     {0, 0, 1.25, 0, 1.25},  // no deal: nothing to average
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(NewRatingOf(c.konAll, c.seriesScore, c.ratingAtStart, c.konAtStart), c.rating)
        << c.konAll << " " << c.seriesScore;
}

TEST(GeneralCount, LocalAccountAndTournamentTexts) {
  SeriesCounters c{31, 30, 40, 10, 2.5};
  TCount local = GeneralCountLocal(c);
  EXPECT_EQ(local.Count_KonAll, "31");
  EXPECT_EQ(local.Count_KonCur, "1");
  EXPECT_EQ(local.Count_ScoBeg, "40");
  EXPECT_EQ(local.Count_ScoCur, "10");
  EXPECT_EQ(local.Count_ScoAll, "50");
  EXPECT_EQ(local.Count_ReiBeg, "  2,50");
  EXPECT_EQ(local.Count_ReiCur, "  2,74");  // (30 * 2.5 + 10) / 31 = 2.741935

  c.KonAll = 60;
  EXPECT_EQ(GeneralCountLocal(c).Count_KonCur, "30");

  const TCount account = GeneralCountAccount(SeriesCounters{12, 9, 0, -20, 0}, 6, 3.5);
  EXPECT_EQ(account.Count_KonCur, "9");  // 6 in the account's cycle + 3 of this series
  EXPECT_EQ(account.Count_ReiBeg, "4");  // 3.5 to the even neighbour
  EXPECT_EQ(account.Count_ReiCur, "?");
  EXPECT_EQ(account.Count_ScoCur, "-20");

  const TCount tour = GeneralCountTournament(SeriesCounters{101, 0, 0, 10, 0}, 250, 1480);
  EXPECT_EQ(tour.Count_KonAll, "101");
  EXPECT_EQ(tour.Count_KonCur, "-");
  EXPECT_EQ(tour.Count_ScoBeg, "250");
  EXPECT_EQ(tour.Count_ScoAll, "260");
  EXPECT_EQ(tour.Count_ReiBeg, "1480");
  EXPECT_EQ(tour.Count_ReiCur, "?");
}

}  // namespace
}  // namespace tarvel
