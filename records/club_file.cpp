#include "records/club_file.h"

#include <vector>

#include "records/general_count.h"
#include "records/rating_format.h"
#include "records/text_fields.h"
#include "settings/cp1251.h"
#include "settings/file_bytes.h"

namespace tarvel {

using namespace records_text;

namespace {

constexpr std::size_t kRatingColumn = 20, kRatingWidth = 10;
constexpr std::size_t kDealsColumn = 30, kDealsWidth = 7;
constexpr std::size_t kScoreColumn = 38, kScoreWidth = 6;
constexpr std::size_t kCodeColumn = 44, kCodeWidth = 15;
constexpr std::size_t kTopTenScoreColumn = 20, kTopTenScoreWidth = 6;
constexpr std::size_t kChecksumColumn = 10, kChecksumWidth = 6;

std::size_t ExpectedLength(int line) {
  if (line <= kMemberSlots) return kMemberLineLength;
  if (line <= kMemberSlots + kTopTenPlaces) return kTopTenLineLength;
  return kMarkLineLength;
}

// The rating of a stored member line; an unreadable one ranks below every rating.
double StoredRating(std::string_view line) {
  const auto r = ParseRating(Field(line, kRatingColumn, kRatingWidth));
  return r ? *r : -1e300;
}

}  // namespace

std::filesystem::path ClubFilePath(const std::filesystem::path& programDir, ClubKind kind) {
  return programDir / (kind == ClubKind::Local ? "Tarvel.clb" : "Tarvel.net");
}

std::optional<ClubLines> ParseClubFile(std::string_view bytes) {
  const std::vector<std::string> lines = SplitLines(bytes);
  if (lines.size() != static_cast<std::size_t>(kClubFileLines)) return std::nullopt;
  ClubLines club;
  for (int i = 1; i <= kClubFileLines; ++i) {
    if (lines[i - 1].size() != ExpectedLength(i)) return std::nullopt;
    club.Lines[i] = lines[i - 1];
  }
  return club;
}

Checksums ClubChecksums(const ClubLines& club) {
  std::string data;
  for (int i = 1; i <= kClubFileLines - 1; ++i) data += club.Lines[i];
  return ComputeChecksums(data);
}

bool ClubFileCorrect(const ClubLines& club) {
  const Checksums sums = ClubChecksums(club);
  const std::string& marks = club.Lines[kClubFileLines];
  if (marks.size() < kMarkLineLength || club.Lines[16].rfind(std::string{kGameMark, '}'}, 0) != 0)
    return false;
  return marks.substr(kChecksumColumn, kChecksumWidth) == ZeroPadded(sums.A, kChecksumWidth) &&
         marks.substr(kChecksumColumn + 6, kChecksumWidth) == ZeroPadded(sums.B, kChecksumWidth) &&
         marks.substr(kChecksumColumn + 12, kChecksumWidth) == ZeroPadded(sums.C, kChecksumWidth);
}

std::string SerializeClubFile(const ClubLines& club) {
  const Checksums sums = ClubChecksums(club);
  std::vector<std::string> lines(club.Lines.begin() + 1, club.Lines.end());
  std::string& marks = lines.back();
  marks = PadRight(marks, kMarkLineLength).substr(0, kMarkLineLength);
  marks.replace(kChecksumColumn, 3 * kChecksumWidth,
                ZeroPadded(sums.A, kChecksumWidth) + ZeroPadded(sums.B, kChecksumWidth) +
                    ZeroPadded(sums.C, kChecksumWidth));
  return JoinLines(lines);
}

std::string DistributionLabel(const ClubLines& club) {
  const std::string& marks = club.Lines[kClubFileLines];
  return marks.size() >= 9 ? marks.substr(6, 3) : std::string();
}

bool ForcesRussian(const ClubLines& club) {
  const std::string& marks = club.Lines[kClubFileLines];
  return !marks.empty() && marks[0] == '1';
}

bool MemberSlotEmpty(std::string_view line) {
  return line.size() < 37 || line[36] == '#';
}

std::optional<MemberRecord> ParseMemberLine(std::string_view line) {
  if (line.size() != kMemberLineLength || MemberSlotEmpty(line)) return std::nullopt;
  MemberRecord m;
  m.Name = Cp1251ToUtf8(TrimRight(line.substr(0, kMemberNameLength)));
  m.Rating = ParseRating(line.substr(kRatingColumn, kRatingWidth)).value_or(0.0);
  m.Deals = ParseDecimal(line.substr(kDealsColumn, kDealsWidth)).value_or(0);
  m.Score = ParseDecimal(line.substr(kScoreColumn, kScoreWidth)).value_or(0);
  m.PasswordCode = std::string(line.substr(kCodeColumn, kCodeWidth));
  return m;
}

std::string MemberLine(const MemberRecord& member) {
  std::string name = Utf8ToCp1251(member.Name);
  if (name.size() > kMemberNameLength) name.resize(kMemberNameLength);
  std::string code = member.PasswordCode;
  code.resize(kCodeWidth, ' ');
  return PadRight(name, kMemberNameLength) + FormatRating6(ClampRating(member.Rating)) +
         PadLeft(std::to_string(Clamp(member.Deals, 0, 9'999'999)), kDealsWidth) + " " +
         PadLeft(std::to_string(Clamp(member.Score, -99'999, 999'999)), kScoreWidth) + code;
}

std::string ReadMember(const ClubLines& club, int slot) {
  if (slot < 1 || slot > kMemberSlots) return kEmptyMemberLine;
  return club.Lines[slot];
}

void RemoveMember(ClubLines& club, int slot) {
  if (slot < 1 || slot > kMemberSlots) return;
  for (int i = slot; i < kMemberSlots; ++i) club.Lines[i] = club.Lines[i + 1];
  club.Lines[kMemberSlots] = kEmptyMemberLine;
}

InsertResult InsertMember(ClubLines& club, std::string line, bool topTenContender) {
  // A line of any other length would break the file's shape.
  line.resize(kMemberLineLength, ' ');
  InsertResult result;

  if (topTenContender) {
    const int score = ParseDecimal(line.substr(kScoreColumn, kScoreWidth)).value_or(0);
    result.TopTenScore = score;
    for (int i = kMemberSlots + 1; i <= kMemberSlots + kTopTenPlaces; ++i) {
      const auto stored = ParseDecimal(Field(club.Lines[i], kTopTenScoreColumn, kTopTenScoreWidth));
      // A new score goes above older equal ones; an unreadable stored score ranks below every score.
      if (stored && *stored > score) continue;
      for (int k = kMemberSlots + kTopTenPlaces; k > i; --k) club.Lines[k] = club.Lines[k - 1];
      club.Lines[i] = line.substr(0, kMemberNameLength) + line.substr(kScoreColumn, kScoreWidth);
      result.TopTenPlace = i - kMemberSlots;
      break;
    }
    line.replace(kScoreColumn, kScoreWidth, "     0");  // the next cycle starts from zero
  }

  const double rating = StoredRating(line);
  for (int i = 1; i <= kMemberSlots; ++i) {
    if (!MemberSlotEmpty(club.Lines[i]) && StoredRating(club.Lines[i]) > rating) continue;
    for (int k = kMemberSlots; k > i; --k) club.Lines[k] = club.Lines[k - 1];
    club.Lines[i] = line;
    result.Slot = i;
    break;
  }
  return result;
}

TopTenEntry ReadTopTen(const ClubLines& club, int place) {
  TopTenEntry entry;
  if (place < 1 || place > kTopTenPlaces) return entry;
  const std::string& line = club.Lines[kMemberSlots + place];
  if (line.size() != kTopTenLineLength) return entry;
  entry.Name = Cp1251ToUtf8(TrimRight(line.substr(0, kMemberNameLength)));
  const std::string scoreText = line.substr(kTopTenScoreColumn, kTopTenScoreWidth);
  entry.ScoreText = Cp1251ToUtf8(Trim(scoreText));
  entry.Score = ParseDecimal(scoreText);
  return entry;
}

ClubLoad LoadClubFile(const std::filesystem::path& path) {
  ClubLoad load;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    load.Message = RecordsMessage{RecordsMessageKind::FileMissing, path.string()};
    return load;
  }
  const auto bytes = ReadFileBytes(path, kMaxClubFileBytes);
  auto club = bytes ? ParseClubFile(*bytes) : std::nullopt;
  if (!club || !ClubFileCorrect(*club)) {
    load.Message = RecordsMessage{RecordsMessageKind::FileIncorrect, path.string()};
    return load;
  }
  load.Club = std::move(club);
  return load;
}

std::optional<RecordsMessage> SaveClubFile(const std::filesystem::path& path, const ClubLines& club,
                                           const FileWriteHooks& hooks) {
  if (WriteFileAtomically(path, SerializeClubFile(club), hooks).Ok) return std::nullopt;
  return RecordsMessage{RecordsMessageKind::DiskWriteError, path.string()};
}

std::optional<RecordsMessage> UpdateClubFile(const std::filesystem::path& path, bool writable,
                                             const FileWriteHooks& hooks,
                                             const std::function<void(ClubLines&)>& change) {
  if (!writable) return std::nullopt;
  ClubLoad load = LoadClubFile(path);
  if (!load.Club) return load.Message;
  change(*load.Club);
  return SaveClubFile(path, *load.Club, hooks);
}

std::optional<RecordsMessage> RemoveMember(const std::filesystem::path& path, int slot, bool writable,
                                           const FileWriteHooks& hooks) {
  if (slot < 1 || slot > kMemberSlots) return std::nullopt;
  return UpdateClubFile(path, writable, hooks, [slot](ClubLines& club) { RemoveMember(club, slot); });
}

}  // namespace tarvel
