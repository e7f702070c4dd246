#include "settings/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
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

enum class Outcome { Saved, Failed, Died };

struct Attempt {
  Outcome Result = Outcome::Failed;
  std::string Error;
};

Attempt WriteOnce(const std::filesystem::path& target, std::string_view bytes, const FileWriteHooks& hooks) {
  const std::filesystem::path temporary = TemporaryPathFor(target);
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && !FileWritableByUser(target))
    return {Outcome::Failed, Reason("will not replace the read-only file", target, EACCES)};

  // A leftover temporary file goes first, so that the new one is created with fresh permissions.
  ::unlink(temporary.c_str());
  // A new file gets the usual permissions (0666 less the umask); a replaced one keeps its own (below).
  const int fd =
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, existed ? 0600 : 0666);
  if (fd < 0) return {Outcome::Failed, Reason("cannot create", temporary, errno)};

  const WriteFault& fault = hooks.Fault;
  const bool faulted = fault.AfterBytes >= 0;
  std::string_view part = bytes;
  if (faulted && static_cast<std::uint64_t>(fault.AfterBytes) < bytes.size())
    part = bytes.substr(0, static_cast<std::size_t>(fault.AfterBytes));

  int error = 0;
  std::string failure;
  if (!WriteAll(fd, part, hooks.Write, error)) failure = Reason("cannot write", temporary, error);
  if (faulted && fault.Killed) {
    ::close(fd);  // the process dies here: no clean-up, no rename
    return {Outcome::Died, "the save of \"" + target.string() + "\" was cut off"};
  }
  if (failure.empty() && faulted) failure = Reason("cannot write", temporary, EIO);
  if (failure.empty() && existed && ::fchmod(fd, old.st_mode & 07777) != 0)
    failure = Reason("cannot set the permissions of", temporary, errno);
  if (failure.empty() && ::fsync(fd) != 0) failure = Reason("cannot flush", temporary, errno);
  if (::close(fd) != 0 && failure.empty()) failure = Reason("cannot close", temporary, errno);
  if (failure.empty() && std::rename(temporary.c_str(), target.c_str()) != 0)
    failure = Reason("cannot replace", target, errno);
  if (!failure.empty()) {
    ::unlink(temporary.c_str());
    return {Outcome::Failed, failure};
  }
  SyncDirectory(target.parent_path());
  return {Outcome::Saved, {}};
}

}  // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  return temporary;
}

FileWriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                    const FileWriteHooks& hooks) {
  Attempt attempt = WriteOnce(target, bytes, hooks);
  if (attempt.Result == Outcome::Failed) attempt = WriteOnce(target, bytes, hooks);
  if (attempt.Result == Outcome::Saved) return {true, {}};
  return {false, attempt.Error};
}

bool FileWritableByUser(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec) return false;
  if ((status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
    return false;
  return ::access(path.c_str(), W_OK) == 0;
}

}  // namespace tarvel
