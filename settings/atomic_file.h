#pragma once
// Replacing a file so that it is never left truncated or half-written: the new contents go to a temporary
// file beside the target, are flushed to the disk, and the temporary file is renamed over the target.
// Until the rename the old file stays as it was; after it the new one is complete.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tarvel {

// The system call that writes, with the contract of POSIX write(): the count of bytes written, or -1 with
// errno set. Tests pass one that fails part-way to act as a full or broken disk.
using WriteCall = std::function<long(int fd, const char* data, std::size_t size)>;

struct FileWriteResult {
  bool Ok = false;
  std::string Error;  // what failed, with the system's reason; empty when Ok
};

// `write` empty means the real ::write. On failure the temporary file is removed and the target is untouched.
FileWriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                    const WriteCall& write = {});

// The temporary file that WriteFileAtomically uses for `target`.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

}  // namespace tarvel
