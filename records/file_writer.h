#pragma once
// Whole-file saving that never leaves a file truncated: the bytes go to a temporary file beside the
// target (target name + ".tmp"), are flushed to the disk and then renamed over the target in one step.
// A failed or interrupted save leaves the previous file exactly as it was; a temporary file left over by
// an interrupted save is overwritten and renamed away by the next save of the same target.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// A fault injected into a save, for tests of the failure paths.
struct WriteFault {
  // The temporary file receives at most this many bytes, then the save fails (-1: no fault). A value at
  // or beyond the size of the file fails the save after all bytes are written, before the rename.
  std::int64_t AfterBytes = -1;
  // false: the disk reports an error and the save cleans up (the temporary file is removed);
  // true: the process dies at that point, leaving the temporary file as it stands and the rename undone.
  bool Killed = false;
};

class FileWriter {
 public:
  FileWriter() = default;
  explicit FileWriter(WriteFault fault) : fault_(fault) {}

  // Replaces target by bytes. False when the file could not be saved; target is then unchanged. A
  // replaced file keeps its permission bits; an existing file that is not writable by the user is
  // never replaced (the rename would otherwise get round its read-only permission).
  bool Replace(const std::filesystem::path& target, std::string_view bytes) const;

  static std::filesystem::path TemporaryOf(const std::filesystem::path& target);

 private:
  WriteFault fault_;
};

// The counterpart of the read-only attribute: false when the file lacks its owner's write permission or
// the user may not write it. The permission bit is checked too because a superuser may write anything.
bool FileWritableByUser(const std::filesystem::path& path);

// The whole file, or nothing when it cannot be opened, is not a regular file or is longer than maxBytes
// (files of outside origin are never read without a bound).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace tarvel
