#include "records/history_file.h"

#include <sys/stat.h>

#include <iomanip>
#include <locale>
#include <sstream>

#include "records/checksums.h"
#include "records/rating_format.h"
#include "records/text_fields.h"
#include "settings/cp1251.h"
#include "settings/file_bytes.h"

namespace tarvel {

using namespace records_text;

namespace {

constexpr std::size_t kDataColumns = 99;
constexpr std::size_t kTotalsLength = 30;

// A file read: whether it is valid, and its entry lines (everything before the "$" line).
struct HistoryScan {
  bool Valid = false;
  std::vector<std::string> Entries;
};

Checksums LineChecksums(std::string_view line) {
  return ComputeChecksums(line.substr(0, kDataColumns));
}

// The line's columns 1-99 followed by its three five-digit checksums.
std::string WithChecksums(std::string data) {
  const Checksums sums = ComputeChecksums(data);
  return data + ZeroPadded(sums.A, 5) + ZeroPadded(sums.B, 5) + ZeroPadded(sums.C, 5);
}

HistoryScan ScanHistory(std::string_view bytes) {
  HistoryScan scan;
  const std::vector<std::string> lines = SplitLines(bytes);
  Checksums sums;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.size() < kHistoryLineLength) return scan;
    sums += LineChecksums(line);
    if (line[0] != '$') {
      scan.Entries.push_back(line);
      continue;
    }
    if (i + 1 >= lines.size() || lines[i + 1].size() < kTotalsLength) return scan;
    const std::string& totals = lines[i + 1];
    const auto a = ParseDecimal(totals.substr(0, 10));
    const auto b = ParseDecimal(totals.substr(10, 10));
    const auto c = ParseDecimal(totals.substr(20, 10));
    scan.Valid = a && b && c && *a == sums.A && *b == sums.B && *c == sums.C;
    return scan;
  }
  return scan;  // the file ended before its "$" line
}

HistoryScan ScanHistoryFile(const std::filesystem::path& path) {
  const auto bytes = ReadFileBytes(path, kMaxHistoryFileBytes);
  return bytes ? ScanHistory(*bytes) : HistoryScan{};
}

std::string FourDigits(int number) {
  return ZeroPadded(number, 4);
}

std::string KindMarker(std::uint8_t ac) {
  const char letter = ac == kAcAccount ? 'A' : ac == kAcTournament ? 'T' : ac == kAcLan ? 'N' : 'L';
  return letter + std::string(9, '#');
}

}  // namespace

std::string ShortDate(std::time_t when) {
  std::tm tm{};
  localtime_r(&when, &tm);
  std::locale locale = std::locale::classic();
  try {
    locale = std::locale("");
  } catch (const std::runtime_error&) {
    // An unknown locale in the environment: the fallback format below.
  }
  std::ostringstream out;
  if (locale.name() == "C" || locale.name() == "POSIX") {
    out << std::put_time(&tm, "%d.%m.%Y");
  } else {
    out.imbue(locale);
    out << std::put_time(&tm, "%x");
  }
  return out.str();
}

HistoryStamp StampOf(std::time_t when) {
  std::tm tm{};
  localtime_r(&when, &tm);
  return HistoryStamp{tm.tm_hour, tm.tm_min, ShortDate(when)};
}

std::filesystem::path HistoryDirectory(const std::filesystem::path& programDir) {
  return programDir / "History";
}

std::filesystem::path HistoryFilePath(const std::filesystem::path& programDir, int number) {
  return HistoryDirectory(programDir) / ("Tarvel_I" + FourDigits(number) + ".hst");
}

std::string HistoryLine(const HisStr& entry, const HistoryStamp& stamp) {
  const std::string time =
      ZeroPadded(Clamp(stamp.Hour, 0, 23), 2) + ":" + ZeroPadded(Clamp(stamp.Minute, 0, 59), 2);
  std::string date = Utf8ToCp1251(stamp.Date);
  if (date.size() > 10) date.resize(10);
  std::string name = Utf8ToCp1251(entry.HName);
  if (name.size() > kHistoryNameLength) name.resize(kHistoryNameLength);
  double rating = entry.HRei;
  if (!(rating >= -999'999.99)) rating = -999'999.99;  // NaN too
  if (rating > 9'999'999.99) rating = 9'999'999.99;
  std::string data = PadLeft(time, 5) + PadLeft(date, 10) + PadRight(name, kHistoryNameLength) +
                     PadLeft(std::to_string(Clamp(entry.HKon, -99, 999)), 3) +
                     PadLeft(std::to_string(Clamp(entry.HRes, -999'999'999, 999'999'999)), 10) +
                     FormatRating2(rating, 10) + KindMarker(entry.Ac);
  return WithChecksums(std::move(data));
}

std::string HistoryEndLine() {
  std::string data = "$";
  data += static_cast<char>(16 + 100);
  data += "}";
  data.append(kDataColumns - data.size(), '#');
  return WithChecksums(std::move(data));
}

HistoryCheck CheckHistoryFile(const std::filesystem::path& programDir, int number) {
  HistoryCheck check;
  if (number < 1 || number > kHistoryLastFile) return check;
  const auto path = HistoryFilePath(programDir, number);
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return check;
  check.Date = ShortDate(st.st_mtime);
  const HistoryScan scan = ScanHistoryFile(path);
  check.Valid = scan.Valid;
  check.Entries = static_cast<int>(scan.Entries.size());
  return check;
}

HistoryWrite AppendHistory(const std::filesystem::path& programDir, const std::vector<HisStr>& entries,
                           const HistoryStamp& stamp, const FileWriteHooks& hooks) {
  HistoryWrite result;
  if (entries.empty()) return result;
  const RecordsMessage failure{RecordsMessageKind::HistoryNotSaved, HistoryDirectory(programDir).string()};

  std::error_code ec;
  std::filesystem::create_directories(HistoryDirectory(programDir), ec);
  if (ec) {
    result.Message = failure;
    return result;
  }

  int number = 0;
  std::vector<std::string> lines;
  for (int n = 1; n <= kHistoryLastFile && number == 0; ++n) {
    const auto path = HistoryFilePath(programDir, n);
    if (!std::filesystem::exists(path, ec)) {
      number = n;
      break;
    }
    HistoryScan scan = ScanHistoryFile(path);
    if (!scan.Valid) {
      // The damaged file is replaced; a copy of it stays beside it for whoever wants to look into it.
      auto kept = path;
      kept += ".bad";
      std::filesystem::copy_file(path, kept, std::filesystem::copy_options::overwrite_existing, ec);
      number = n;
    } else if (static_cast<int>(scan.Entries.size()) < kHistoryEntriesPerFile) {
      lines = std::move(scan.Entries);
      number = n;
    }
  }
  if (number == 0) {
    result.Message = failure;  // every file is full
    return result;
  }

  for (const HisStr& entry : entries) lines.push_back(HistoryLine(entry, stamp));
  lines.push_back(HistoryEndLine());
  Checksums totals;
  for (const std::string& line : lines) totals += LineChecksums(line);
  lines.push_back(ZeroPadded(totals.A, 10) + ZeroPadded(totals.B, 10) + ZeroPadded(totals.C, 10));

  const auto path = HistoryFilePath(programDir, number);
  if (!WriteFileAtomically(path, JoinLines(lines), hooks).Ok) {
    result.Message = RecordsMessage{RecordsMessageKind::HistoryNotSaved, path.string()};
    return result;
  }
  result.Number = number;
  return result;
}

std::vector<HistoryListItem> ListHistoryFiles(const std::filesystem::path& programDir) {
  std::vector<HistoryListItem> items;
  for (int n = 1; n <= kHistoryLastFile; ++n) {
    const HistoryCheck check = CheckHistoryFile(programDir, n);
    if (!check.Valid) break;
    items.push_back(HistoryListItem{n, "File I" + FourDigits(n) + " " + check.Date});
  }
  return items;
}

std::vector<HistoryRow> ReadHistoryRows(const std::filesystem::path& programDir, int number) {
  std::vector<HistoryRow> rows;
  if (number < 1 || number > kHistoryLastFile) return rows;
  const HistoryScan scan = ScanHistoryFile(HistoryFilePath(programDir, number));
  if (!scan.Valid) return rows;
  static constexpr std::array<std::pair<std::size_t, std::size_t>, 6> kCells = {
      {{0, 5}, {5, 10}, {15, 51}, {66, 3}, {69, 10}, {79, 10}}};
  for (const std::string& line : scan.Entries) {
    HistoryRow row;
    for (std::size_t i = 0; i < kCells.size(); ++i)
      row.Cells[i] = Cp1251ToUtf8(Trim(std::string_view(line).substr(kCells[i].first, kCells[i].second)));
    switch (line[89]) {
      case 'L':
        row.Cells[6] = "Local";
        break;
      case 'N':
        row.Cells[6] = "Net", row.TypeColour = HistoryTypeColour::Green;
        break;
      case 'A':
        row.Cells[6] = "Account", row.TypeColour = HistoryTypeColour::Red;
        break;
      case 'T':
        row.Cells[6] = "Tourney", row.TypeColour = HistoryTypeColour::Blue;
        break;
      default:
        break;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace tarvel
