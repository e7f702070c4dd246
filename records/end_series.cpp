#include "records/end_series.h"

#include "records/club_file.h"
#include "records/rating_format.h"
#include "records/text_fields.h"

namespace tarvel {

using namespace records_text;

namespace {

TextPiece Row(int row) {
  return TextPiece{row, {}};
}
TextPiece Literal(std::string text) {
  return TextPiece{-1, std::move(text)};
}

std::uint8_t AcOf(PlayKind kind) {
  switch (kind) {
    case PlayKind::Local:
      return kAcLocal;
    case PlayKind::Lan:
      return kAcLan;
    case PlayKind::Account:
      return kAcAccount;
    case PlayKind::Tournament:
      return kAcTournament;
  }
  return kAcLocal;
}

// Seat 4 first, then seats 1-3, each without trailing spaces, joined by "/".
std::string SeatNamesJoined(const std::array<std::string, 5>& seats) {
  std::string joined;
  for (int seat : {4, 1, 2, 3}) {
    if (!joined.empty()) joined += "/";
    joined += TrimRight(seats[seat]);
  }
  return joined;
}

}  // namespace

std::string ComposeLine(const TextLine& line, const std::function<std::string(int row)>& text) {
  std::string out;
  for (const TextPiece& piece : line) out += piece.Row >= 0 ? text(piece.Row) : piece.Literal;
  return out;
}

EndGameWindow EndGameWindowFor(int place, int score, PlayKind kind, bool loggedInToAccount, int reward) {
  EndGameWindow w;
  const std::string scoreText = std::to_string(score);
  if (place == 1) {
    w.Sound = "WFiBest";
    w.Lines = {{Row(50)}, {Row(51)}, {Row(58), Literal(scoreText)}};
    if (kind == PlayKind::Account)
      w.Lines.push_back({Row(61)});
    else if (kind == PlayKind::Lan)
      w.Lines.push_back({Row(66)});
    else if (kind == PlayKind::Local && !loggedInToAccount)
      w.Lines.push_back({Row(65)});
    w.Animation = "GEndBest";
    w.AnimationStopFrame = 25;
  } else if (place >= 2 && place <= 10) {
    w.Sound = "WFiGood";
    w.Lines = {{Row(50)}, {Row(53)}, {Row(58), Literal(scoreText)}, {Row(54)}};
    w.Animation = "GEndGood";
    w.AnimationStopFrame = 24;
  } else {
    w.Sound = "WFiBads";
    w.Lines = {{Row(55)}, {Row(56)}};
    if (place > 10)
      w.Lines.push_back({Row(58), Literal(scoreText + " ; "), Row(59), Literal(std::to_string(place))});
    else
      w.Lines.push_back({Row(58), Literal(scoreText)});
    w.Lines.push_back({Row(57)});
    w.Animation = "GEndBads";
  }
  if (place >= 1 && place <= 10) {
    w.Medal = "GMedal";
    w.PlacePicture = std::string("GPlace") + (place < 10 ? "0" : "") + std::to_string(place);
  }
  if (reward > 0) {
    w.Reward = TextLine{Row(245), Literal(" " + std::to_string(reward) + " "), Row(230), Literal("!!!")};
    w.LineY = {80, 120, 160, 200};
    w.MedalY = 240;
  } else {
    w.LineY = {100, 175, 250, 325};
    w.MedalY = 370;
  }
  return w;
}

SeriesEnd EndSeries(const std::filesystem::path& programDir, const SeriesEndInput& input,
                    const HistoryStamp& stamp, const FileWriteHooks& hooks) {
  SeriesEnd out;
  const SeriesCounters& c = input.Counters;
  const bool clubPlay = input.Kind == PlayKind::Local || input.Kind == PlayKind::Lan;
  const bool tournament = input.Kind == PlayKind::Tournament;

  // The new rating.
  switch (input.Kind) {
    case PlayKind::Local:
    case PlayKind::Lan:
      out.NewRating = NewRatingOf(c.KonAll, c.SeriesScore, c.RatingAtStart, c.KonAtStart);
      break;
    case PlayKind::Account:
      out.NewRating = input.AccountRating;
      break;
    case PlayKind::Tournament:
      out.NewRating = input.TournamentRating;
      break;
  }

  // The history entry.
  out.Entry.HName =
      input.Kind == PlayKind::Lan || tournament ? SeatNamesJoined(input.SeatNames) : input.PlayerName;
  out.Entry.HKon = tournament ? 1 : c.KonAll - c.KonAtStart;
  out.Entry.HRes = tournament ? input.TournamentScoreChange : c.SeriesScore;
  out.Entry.HRei = out.NewRating;
  out.Entry.Ac = AcOf(input.Kind);
  const HistoryWrite history = AppendHistory(programDir, {out.Entry}, stamp, hooks);
  out.HistoryFile = history.Number;
  if (history.Message) out.Messages.push_back(*history.Message);

  out.TotalScore =
      static_cast<int>(Clamp(static_cast<long long>(c.ScoreAtStart) + c.SeriesScore, -99'999, 999'999));

  if (!input.GameComplete) {
    if (c.SeriesScore > 0) out.Sounds.push_back("WKoGood");
    if (c.SeriesScore < 0) out.Sounds.push_back("WKoBads");
  }
  if (!clubPlay) return out;

  // The player's club line: taken out and put in again with the new counters, in one save.
  out.TopTenContender = input.GameComplete;
  const std::string line =
      MemberLine(MemberRecord{input.PlayerName, out.NewRating, c.KonAll, out.TotalScore, input.PasswordCode});
  const ClubKind kind = input.Kind == PlayKind::Local ? ClubKind::Local : ClubKind::Lan;
  InsertResult inserted;
  bool changed = false;
  const auto clubMessage =
      UpdateClubFile(ClubFilePath(programDir, kind), input.ClubWritable, hooks, [&](ClubLines& club) {
        RemoveMember(club, input.Slot);
        inserted = InsertMember(club, line, out.TopTenContender);
        changed = true;
      });
  if (clubMessage) out.Messages.push_back(*clubMessage);
  const bool saved = changed && !clubMessage;
  out.TopTenScore = out.TotalScore;
  // A place that the file did not take is not reported as taken.
  out.TopTenPlace = saved ? inserted.TopTenPlace : 0;
  out.NewSlot = saved ? inserted.Slot : 0;

  if (input.GameComplete) {
    out.EndWindow = EndGameWindowFor(out.TopTenPlace, out.TopTenScore, input.Kind, input.LoggedInToAccount);
    out.Sounds.push_back(out.EndWindow->Sound);
    out.OfferOnlineTopTen = input.Kind == PlayKind::Local;
  }
  return out;
}

}  // namespace tarvel
