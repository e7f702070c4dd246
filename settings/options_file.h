#pragma once
// Tarvel.ini, the options file in the program directory: exactly 35 lines, each ended by CR LF, in
// Windows-1251. Odd lines up to 9, and lines 18, 21, 23, 25 and 32, are section markers; the others hold the
// values of the options record (options.h).
//
// Reading is forgiving in a fixed way: a file of fewer than 35 lines is not used at all, and the value lines
// are decoded in order until the first one that fails its check; that field and every later one keep their
// defaults. Writing replaces the file whole or not at all.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/atomic_file.h"
#include "settings/http_getter.h"
#include "settings/options.h"

namespace tarvel {

inline constexpr std::string_view kOptionsFileName = "Tarvel.ini";
inline constexpr int kOptionsFileLines = 35;
// A file whose first 35 lines do not fit in this many bytes is not an options file.
inline constexpr std::size_t kOptionsFileReadLimit = 64 * 1024;

std::filesystem::path OptionsFilePath(const std::filesystem::path& program_directory);

// How far a load got.
struct OptionsLoadResult {
  bool FileOpened = false;  // the file opened at the first or the second try
  int LinesRead = 0;        // lines read, at most 35; fewer than 35 means nothing of the file was used
  int StoppedAtLine = 0;    // the first value line that failed its check; 0 when every field was decoded
  bool RemoteFetched = false;  // the remote configuration was fetched
};

struct OptionsSaveResult {
  bool Saved = false;
  // When not saved: the message for the user's error dialog, text row 96 ("Can`t save options!") in the
  // record's language, and what failed, for a log or a detail line.
  static constexpr int kMessageRow = 96;
  std::string Message;
  std::string Reason;
};

// Where the file functions read and write; the defaults use the real file system. Tests replace them to
// make an open fail or the disk fill up.
struct OptionsFileAccess {
  // At most `limit` bytes from the start of the file; nothing when it cannot be opened.
  std::function<std::optional<std::string>(const std::filesystem::path&, std::size_t limit)> Read;
  WriteCall Write;  // empty: the real ::write
};

// The whole file, byte for byte, for `options`. Values the reader would refuse are written as their
// defaults (an empty nick, a country code the passport does not know, a line end inside a text...), so that a
// saved file always loads completely.
std::string OptionsFileText(const Options& options);

// Decodes the bytes of an options file into `options`, which should hold the defaults. Returns the line
// count and where decoding stopped, as in OptionsLoadResult (FileOpened and RemoteFetched stay false).
OptionsLoadResult DecodeOptionsText(std::string_view bytes, Options& options);

// Start-up: resets `options` to the defaults, reads the options file of `program_directory` (two tries to
// open it) and decodes it, then fetches the remote configuration through `remote` when one is given. The
// remote configuration is fetched even when the file is missing or short, so a first start reaches the
// online services too.
OptionsLoadResult LoadOptions(const std::filesystem::path& program_directory, Options& options,
                              HttpGetter* remote = nullptr, const OptionsFileAccess& access = {});

// Writes the options file of `program_directory` through a temporary file (two tries). On failure the old
// file is left as it was and the result carries the message to show. The caller decides whether to save at
// all (not in a run whose club files were found invalid).
OptionsSaveResult SaveOptions(const std::filesystem::path& program_directory, const Options& options,
                              const OptionsFileAccess& access = {});

}  // namespace tarvel
