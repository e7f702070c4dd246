#pragma once
// History files: one line per finished series in "History/Tarvel_I0001.hst" ... "Tarvel_I9999.hst" under
// the program directory, at most 840 entries a file. Every file ends with an end line ("$t}" and "#" up
// to column 99, then its checksums) and a totals line (the sums of the checksums A, B, C of all entry
// lines and the end line, ten digits each). A file whose totals do not match is not listed and is
// started afresh when it is next chosen for writing.
#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "records/records_message.h"
#include "settings/atomic_file.h"

namespace tarvel {

// Kinds of game, the `Ac` field.
enum : std::uint8_t { kAcLocal = 0, kAcAccount = 1, kAcTournament = 2, kAcLan = 3 };

// One history entry.
struct HisStr {
  std::string HName;      // UTF-8; cut to 51 Windows-1251 characters when written
  std::int32_t HKon = 0;  // deals of the series
  std::int32_t HRes = 0;  // the series' score
  double HRei = 0;        // the rating after the series
  std::uint8_t Ac = kAcLocal;
};

inline constexpr int kHistoryEntriesPerFile = 840;
inline constexpr int kHistoryLastFile = 9999;
inline constexpr std::size_t kHistoryLineLength = 114;
inline constexpr std::size_t kHistoryNameLength = 51;
// 840 lines of 116 bytes are under 100 KB; anything beyond this bound is not read.
inline constexpr std::size_t kMaxHistoryFileBytes = 4 * 1024 * 1024;

// When an entry is written: the time as hh:nn and the date in the system's short format (UTF-8).
struct HistoryStamp {
  int Hour = 0;
  int Minute = 0;
  std::string Date;
};

// The local time of when, with its date in the user's short date format (day.month.year when the
// locale has none).
HistoryStamp StampOf(std::time_t when);
std::string ShortDate(std::time_t when);

std::filesystem::path HistoryDirectory(const std::filesystem::path& programDir);
std::filesystem::path HistoryFilePath(const std::filesystem::path& programDir, int number);

// The 114-character Windows-1251 entry line; numbers that do not fit their fields are clamped to them.
std::string HistoryLine(const HisStr& entry, const HistoryStamp& stamp);
std::string HistoryEndLine();

struct HistoryCheck {
  bool Valid = false;
  int Entries = 0;
  std::string Date;  // last modification, short date format (UTF-8); empty for a missing file
};

// The check of file number (1-9999).
HistoryCheck CheckHistoryFile(const std::filesystem::path& programDir, int number);

struct HistoryWrite {
  int Number = 0;                         // the file written, 0 when nothing was
  std::optional<RecordsMessage> Message;  // HistoryNotSaved when the file could not be saved
};

// Appends entries (one to four; the end of a series passes one) to the first file that is valid and
// holds fewer than 840 entries, or to a fresh file in place of the first one that is missing or invalid
// (whichever number comes first). An invalid file that is replaced is kept beside it as
// "Tarvel_Innnn.hst.bad". Creates the History directory when needed.
HistoryWrite AppendHistory(const std::filesystem::path& programDir, const std::vector<HisStr>& entries,
                           const HistoryStamp& stamp, const FileWriteHooks& hooks = {});

// The history window's data.
struct HistoryListItem {
  int Number = 0;
  std::string Text;  // "File I0001 " + date
};

// Files 1, 2, ... while they are valid; listing stops at the first missing or invalid file.
std::vector<HistoryListItem> ListHistoryFiles(const std::filesystem::path& programDir);

enum class HistoryTypeColour { WindowText, Green, Red, Blue };

struct HistoryRow {
  // Time, date, player, games, result, rating (without padding) and the type word "Local", "Net",
  // "Account" or "Tourney", all UTF-8.
  std::array<std::string, 7> Cells;
  HistoryTypeColour TypeColour = HistoryTypeColour::WindowText;
};

// The entry lines of a valid file; nothing for a missing or invalid one.
std::vector<HistoryRow> ReadHistoryRows(const std::filesystem::path& programDir, int number);

}  // namespace tarvel
