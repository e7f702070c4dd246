#pragma once
// The club file: up to five local players (members) and the local top ten of cycle scores, 17 lines of
// Windows-1251 text with CR LF ends. Lines 1-5 (59 characters) are the members, best rating first; lines
// 6-15 (26) the top ten, best score first; line 16 (28) begins with the marks "t}"; line 17 (28) holds the
// Russian mark (character 1), the distribution label (7-9) and the checksums A, B, C of lines 1-16
// (11-16, 17-22, 23-28, six digits each).
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "records/checksums.h"
#include "records/records_message.h"
#include "settings/atomic_file.h"

namespace tarvel {

// Tarvel.clb for games against the computer, Tarvel.net for LAN games.
enum class ClubKind { Local, Lan };
std::filesystem::path ClubFilePath(const std::filesystem::path& programDir, ClubKind kind);

inline constexpr int kClubFileLines = 17;
inline constexpr int kMemberSlots = 5;
inline constexpr int kTopTenPlaces = 10;
inline constexpr std::size_t kMemberLineLength = 59;
inline constexpr std::size_t kTopTenLineLength = 26;
inline constexpr std::size_t kMarkLineLength = 28;
inline constexpr std::size_t kMemberNameLength = 20;
inline constexpr char kGameMark = 't';  // the game number 16 plus 100
// A club file is a few kilobytes at most; anything larger is not read.
inline constexpr std::size_t kMaxClubFileBytes = 64 * 1024;

// 37 "#", a space, 21 "#".
inline const std::string kEmptyMemberLine = std::string(37, '#') + " " + std::string(21, '#');

// The lines of a club file without their ends, indexed from 1 (Lines[0] is unused).
struct ClubLines {
  std::array<std::string, kClubFileLines + 1> Lines;
};

// The shape check: exactly 17 lines, of 59 (1-5), 26 (6-15) and 28 (16-17) characters.
std::optional<ClubLines> ParseClubFile(std::string_view bytes);

// Checksums of lines 1-16 taken as one run of 583 bytes.
Checksums ClubChecksums(const ClubLines& club);

// The stored checksums equal the computed ones and line 16 begins with "t}".
bool ClubFileCorrect(const ClubLines& club);

// The file's bytes with the checksums of line 17 recomputed.
std::string SerializeClubFile(const ClubLines& club);

// Characters 7-9 of line 17.
std::string DistributionLabel(const ClubLines& club);

// Line 17 begins with "1": the program starts in Russian.
bool ForcesRussian(const ClubLines& club);

// One member as its line holds it. Texts are UTF-8.
struct MemberRecord {
  std::string Name;          // without the padding spaces
  double Rating = 0;         // columns 21-30, six-decimal format
  int Deals = 0;             // columns 31-37, all deals played
  int Score = 0;             // columns 39-44, the score of the current cycle
  std::string PasswordCode;  // columns 45-59, kept as it stands
};

// A slot is empty when column 37 of its line is "#".
bool MemberSlotEmpty(std::string_view line);

// Nothing for an empty slot or a line of the wrong length; unreadable numbers read as 0.
std::optional<MemberRecord> ParseMemberLine(std::string_view line);

// The 59-character line. The name is cut to 20 characters; the rating is clamped to -99.99 ... 99.99,
// the deal count and the score to what their fields can hold.
std::string MemberLine(const MemberRecord& member);

// The member line of slot 1-5; the empty line for any other slot.
std::string ReadMember(const ClubLines& club, int slot);

// Slots after slot move up by one and line 5 becomes empty; any slot outside 1-5 (6, a new player)
// removes nothing.
void RemoveMember(ClubLines& club, int slot);

struct InsertResult {
  int Slot = 0;         // where the member line went, 0 when every member has a higher rating
  int TopTenPlace = 0;  // 1-10, 0 when not entered (or not a contender)
  int TopTenScore = 0;  // the score offered to the top ten
};

// A contender's score (columns 39-44) enters the top ten first, above every equal older score, and the
// line's score is reset to "     0"; then the line goes above the first member whose rating is lower or
// equal, or into the first empty slot; the member pushed off line 5 is dropped.
InsertResult InsertMember(ClubLines& club, std::string line, bool topTenContender);

struct TopTenEntry {
  std::string Name;          // UTF-8, without the padding spaces
  std::string ScoreText;     // columns 21-26 without the padding spaces
  std::optional<int> Score;  // nothing when the stored text is not a decimal number
};

// Top-ten place 1-10 (line place + 5); an empty entry for any other place.
TopTenEntry ReadTopTen(const ClubLines& club, int place);

// Reads and checks a club file: a missing file gives the FileMissing message, one that fails the shape
// check, the checksums or the marks gives FileIncorrect.
struct ClubLoad {
  std::optional<ClubLines> Club;
  std::optional<RecordsMessage> Message;
};
ClubLoad LoadClubFile(const std::filesystem::path& path);

// Saves the club with fresh checksums; the DiskWriteError message when it cannot be saved (the file on
// disk is then unchanged).
std::optional<RecordsMessage> SaveClubFile(const std::filesystem::path& path, const ClubLines& club,
                                           const FileWriteHooks& hooks);

// Loads the club file, applies change and saves it in one atomic write. A file that is not writable is
// left alone (nothing happens, no message: the start-up has warned). A file that has gone missing or
// incorrect since the start-up is not touched either, and its message is returned; so is the
// DiskWriteError message of a failed save.
std::optional<RecordsMessage> UpdateClubFile(const std::filesystem::path& path, bool writable,
                                             const FileWriteHooks& hooks,
                                             const std::function<void(ClubLines&)>& change);

// Leaving the table during a deal forfeits the player's club line: slot 1-5 is removed from the club
// file at path in one save. Any other slot (a new player has no line) writes nothing at all.
std::optional<RecordsMessage> RemoveMember(const std::filesystem::path& path, int slot, bool writable,
                                           const FileWriteHooks& hooks = {});

}  // namespace tarvel
