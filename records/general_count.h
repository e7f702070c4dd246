#pragma once
// The player's running totals: the rating formula and the texts of the general-count window.
#include <string>

namespace tarvel {

inline constexpr int kCycleDeals = 30;
inline constexpr double kRatingLimit = 99.99;

// r clamped to -99.99 ... 99.99; NaN gives -99.99.
double ClampRating(double r);

// The average score per deal over all of the player's deals: (konAtStart * ratingAtStart + seriesScore)
// / konAll, rounded to six decimals and clamped to -99.99 ... 99.99. With no deal played (konAll <= 0)
// the rating stays ratingAtStart (clamped).
double NewRatingOf(int konAll, int seriesScore, double ratingAtStart, int konAtStart);

// The seven texts of the general-count window, in the window's order.
struct TCount {
  std::string Count_KonAll;  // "General number of game:"
  std::string Count_KonCur;  // "Number of round in a current cycle:"
  std::string Count_ScoBeg;  // "The initial score:"
  std::string Count_ScoCur;  // "The current score:"
  std::string Count_ScoAll;  // "The general score:"
  std::string Count_ReiBeg;  // "The initial rating:"
  std::string Count_ReiCur;  // "The current rating:"
};

// The player's counters during a series.
struct SeriesCounters {
  int KonAll = 0;        // all deals, the current one included
  int KonAtStart = 0;    // KonAll when the series began
  int ScoreAtStart = 0;  // the cycle score when the series began
  int SeriesScore = 0;   // (TeamWins[1] - TeamWins[0]) * 10
  double RatingAtStart = 0;
};

// Local and LAN play.
TCount GeneralCountLocal(const SeriesCounters& c);

// Play under an online account: accountCycleDeals are the deals of the account's current cycle before
// this series.
TCount GeneralCountAccount(const SeriesCounters& c, int accountCycleDeals, double accountRating);

// An online tournament game: the table's score and the tournament rating of the player.
TCount GeneralCountTournament(const SeriesCounters& c, int tableScore, int tournamentRating);

}  // namespace tarvel
