#include "settings/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tarvel {
namespace {

std::string Reason(std::string_view what, const std::filesystem::path& path, int error) {
  return std::string(what) + " \"" + path.string() + "\": " + std::strerror(error);
}

// Writes all of `bytes`, resuming after short writes and interrupted calls.
bool WriteAll(int fd, std::string_view bytes, const WriteCall& write, int& error) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    errno = 0;
    const long n = write ? write(fd, bytes.data() + done, bytes.size() - done)
                         : static_cast<long>(::write(fd, bytes.data() + done, bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = errno != 0 ? errno : EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a failure here does not undo a completed replacement.
void SyncDirectory(const std::filesystem::path& directory) {
  const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  return temporary;
}

FileWriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                    const WriteCall& write) {
  const std::filesystem::path temporary = TemporaryPathFor(target);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return {false, Reason("cannot create", temporary, errno)};

  int error = 0;
  std::string failure;
  if (!WriteAll(fd, bytes, write, error)) {
    failure = Reason("cannot write", temporary, error);
  } else if (::fsync(fd) != 0) {
    failure = Reason("cannot flush", temporary, errno);
  }
  if (::close(fd) != 0 && failure.empty()) failure = Reason("cannot close", temporary, errno);
  if (failure.empty() && std::rename(temporary.c_str(), target.c_str()) != 0) {
    failure = Reason("cannot replace", target, errno);
  }
  if (!failure.empty()) {
    ::unlink(temporary.c_str());
    return {false, failure};
  }
  SyncDirectory(target.parent_path());
  return {true, {}};
}

}  // namespace tarvel
