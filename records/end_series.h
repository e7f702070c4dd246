#pragma once
// The records side of the end of a series: the new rating, the history entry, the rewrite of the
// player's club line with the top-ten entry of a completed cycle, the sounds, and the contents of the
// end-of-game window. Nothing here plays, shows or sends anything: the caller does that with the result.
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/club_state.h"
#include "records/general_count.h"
#include "records/history_file.h"
#include "records/records_message.h"
#include "settings/atomic_file.h"

namespace tarvel {

enum class PlayKind { Local, Lan, Account, Tournament };

struct SeriesEndInput {
  PlayKind Kind = PlayKind::Local;
  SeriesCounters Counters;
  // The cycle is complete: the series' last deal brought KonAll to a multiple of 30 (GameComplete).
  bool GameComplete = false;

  // The player: club slot 1-5 or kSlotNewPlayer (the slot belongs to the club file of Kind), the name
  // (UTF-8) and the password code as the club state holds them.
  int Slot = kSlotNewPlayer;
  std::string PlayerName;
  std::string PasswordCode;
  bool ClubWritable = true;        // the club file of Kind was not found read-only at start-up
  bool LoggedInToAccount = false;  // local play while logged in: the end-of-game window has no title

  // LAN and tournament: the names of seats 1-4 ([0] unused), for the history entry.
  std::array<std::string, 5> SeatNames;
  // Account play: the account's rating as the online service gives it after the series.
  double AccountRating = 0;
  // Tournament play: the change of the player's tournament score and the rating the server returned.
  int TournamentScoreChange = 0;
  double TournamentRating = 0;
};

// A line of the end-of-game window: text-table rows and literal texts, in order.
struct TextPiece {
  int Row = -1;  // a row of the text table, or -1 for Literal
  std::string Literal;
};
using TextLine = std::vector<TextPiece>;
std::string ComposeLine(const TextLine& line, const std::function<std::string(int row)>& text);

struct EndGameWindow {
  int CaptionRow = 49;  // "The completion of game"
  std::string Sound;    // "WFiBest", "WFiGood" or "WFiBads"
  std::vector<TextLine> Lines;
  std::vector<int> LineY;    // the y of each line (x = 50)
  std::string Medal;         // "GMedal" for places 1-10, else empty
  std::string PlacePicture;  // "GPlace01" ... "GPlace10" drawn over the medal
  int MedalY = 0;
  std::optional<TextLine> Reward;  // "You get" + " " + amount + " " + "Kexs" + "!!!", with two coins
  std::string Animation;           // "GEndBest", "GEndGood" or "GEndBads", played once
  int AnimationStopFrame = -1;     // 25 for place 1, 24 for places 2-10; -1: runs to its end
};

// The window for a top-ten place (0: not entered; over 10: a place beyond the ten, online) and the score
// that was offered. reward is the account's reward in Kexs (0: none).
EndGameWindow EndGameWindowFor(int place, int score, PlayKind kind, bool loggedInToAccount, int reward = 0);

struct SeriesEnd {
  double NewRating = 0;
  int TotalScore = 0;  // ScoreAtStart + SeriesScore
  HisStr Entry;
  int HistoryFile = 0;  // the number of the history file written, 0 when it failed
  bool TopTenContender = false;
  int TopTenPlace = 0;  // 1-10 when the club file took the score, else 0
  int TopTenScore = 0;
  int NewSlot = 0;  // the player's slot in the club file after the rewrite, 0 when not stored
  // Sounds to play, in order: "WKoGood" / "WKoBads" for a series that ends inside a cycle with a score
  // above / below zero; the end-of-game window's sound when that window is to be shown.
  std::vector<std::string> Sounds;
  std::optional<EndGameWindow> EndWindow;  // local or LAN play, cycle complete
  bool OfferOnlineTopTen = false;          // local play, cycle complete
  // Write failures to show (history first, then the club file); the end of the series goes on.
  std::vector<RecordsMessage> Messages;
};

// Runs the records side of the end of a series under programDir; stamp dates the history entry.
SeriesEnd EndSeries(const std::filesystem::path& programDir, const SeriesEndInput& input,
                    const HistoryStamp& stamp, const FileWriteHooks& hooks = {});

}  // namespace tarvel
