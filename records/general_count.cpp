#include "records/general_count.h"

#include "records/rating_format.h"
#include "records/text_fields.h"

namespace tarvel {

using namespace records_text;

double ClampRating(double r) {
  if (!(r >= -kRatingLimit)) return -kRatingLimit;
  return r > kRatingLimit ? kRatingLimit : r;
}

double NewRatingOf(int konAll, int seriesScore, double ratingAtStart, int konAtStart) {
  if (konAll <= 0) return ClampRating(ratingAtStart);
  const double q = (static_cast<double>(konAtStart) * ratingAtStart + seriesScore) / konAll;
  return ClampRating(RoundSixDecimals(q));
}

TCount GeneralCountLocal(const SeriesCounters& c) {
  const int inCycle = c.KonAll % kCycleDeals;
  return TCount{std::to_string(c.KonAll),
                std::to_string(inCycle == 0 ? kCycleDeals : inCycle),
                std::to_string(c.ScoreAtStart),
                std::to_string(c.SeriesScore),
                std::to_string(static_cast<long long>(c.ScoreAtStart) + c.SeriesScore),
                FormatRating2(c.RatingAtStart, 6),
                FormatRating2(NewRatingOf(c.KonAll, c.SeriesScore, c.RatingAtStart, c.KonAtStart), 6)};
}

TCount GeneralCountAccount(const SeriesCounters& c, int accountCycleDeals, double accountRating) {
  const TCount local = GeneralCountLocal(c);
  return TCount{local.Count_KonAll,
                std::to_string(static_cast<long long>(accountCycleDeals) + (c.KonAll - c.KonAtStart)),
                local.Count_ScoBeg,
                local.Count_ScoCur,
                local.Count_ScoAll,
                std::to_string(RoundToInteger(accountRating)),
                "?"};
}

TCount GeneralCountTournament(const SeriesCounters& c, int tableScore, int tournamentRating) {
  return TCount{std::to_string(c.KonAll),
                "-",
                std::to_string(tableScore),
                std::to_string(c.SeriesScore),
                std::to_string(static_cast<long long>(tableScore) + c.SeriesScore),
                std::to_string(tournamentRating),
                "?"};
}

}  // namespace tarvel
