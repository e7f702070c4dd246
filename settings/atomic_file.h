#pragma once
// Replacing a file so that it is never left truncated or half-written: the new contents go to a temporary
// file beside the target (target name + ".tmp"), are flushed to the disk, and the temporary file is renamed
// over the target. Until the rename the old file stays as it was; after it the new one is complete. A
// temporary file left over by an interrupted save is removed and replaced by the next save of the target.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace tarvel {

// The system call that writes, with the contract of POSIX write(): the count of bytes written, or -1 with
// errno set. Tests pass one that fails part-way to act as a full or broken disk.
using WriteCall = std::function<long(int fd, const char* data, std::size_t size)>;

// A fault injected into a save, for tests of the failure paths.
struct WriteFault {
  // The temporary file receives at most this many bytes, then the save fails (-1: no fault). A value at
  // or beyond the size of the file fails the save after all bytes are written, before the rename.
  std::int64_t AfterBytes = -1;
  // false: the disk reports an error and the save cleans up (the temporary file is removed);
  // true: the process dies at that point, leaving the temporary file as it stands and the rename undone.
  bool Killed = false;
};

// How a save reaches the disk. The default is the real system; tests replace the write call or inject a
// fault (one or the other converts to hooks, so either can be passed where hooks are asked for).
struct FileWriteHooks {
  FileWriteHooks() = default;
  FileWriteHooks(WriteCall write) : Write(std::move(write)) {}
  FileWriteHooks(WriteFault fault) : Fault(fault) {}

  WriteCall Write;  // empty: the real ::write
  WriteFault Fault;
};

struct FileWriteResult {
  bool Ok = false;
  std::string Error;  // what failed, with the system's reason; empty when Ok
};

// Replaces `target` by `bytes`, with a second try when the first one fails. On failure the target is
// unchanged and no temporary file is left (but for a save cut off by a Killed fault, which is not tried
// again and leaves its temporary file as the death of the process would). A
// replaced file keeps its permission bits; a new one gets the usual ones (0666 less the umask). An
// existing file that is not writable by the user (FileWritableByUser) is never replaced, although the
// rename would get round its read-only permission.
FileWriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                    const FileWriteHooks& hooks = {});

// The temporary file that WriteFileAtomically uses for `target`.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

// The counterpart of the read-only attribute: false when the file lacks its owner's write permission or
// the user may not write it. The permission bit is checked too because a superuser may write anything.
bool FileWritableByUser(const std::filesystem::path& path);

}  // namespace tarvel
