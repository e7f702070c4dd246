#include "records/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

namespace tarvel {

namespace {

// write(2) until every byte is out or an error other than an interrupted call.
bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a failure here does not undo a save that has already happened.
void SyncDirectory(const std::filesystem::path& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::filesystem::path FileWriter::TemporaryOf(const std::filesystem::path& target) {
  std::filesystem::path tmp = target;
  tmp += ".tmp";
  return tmp;
}

bool FileWriter::Replace(const std::filesystem::path& target, std::string_view bytes) const {
  const std::filesystem::path tmp = TemporaryOf(target);
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && !FileWritableByUser(target)) return false;

  // A leftover temporary file is removed first, so that the new one is created with fresh permissions.
  ::unlink(tmp.c_str());
  // A new file gets the usual permissions (0666 less the umask); a replaced one keeps its own.
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, existed ? 0600 : 0666);
  if (fd < 0) return false;

  std::size_t toWrite = bytes.size();
  const bool faulted = fault_.AfterBytes >= 0;
  if (faulted && static_cast<std::uint64_t>(fault_.AfterBytes) < bytes.size())
    toWrite = static_cast<std::size_t>(fault_.AfterBytes);

  bool ok = WriteAll(fd, bytes.data(), toWrite);
  if (faulted && fault_.Killed) {
    ::close(fd);  // the process dies here: no clean-up, no rename
    return false;
  }
  ok = ok && !faulted;
  if (ok && existed) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok) ok = ::rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  SyncDirectory(target.parent_path());
  return true;
}

bool FileWritableByUser(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec) return false;
  if ((status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
    return false;
  return ::access(path.c_str(), W_OK) == 0;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  char buffer[8192];
  while (in) {
    in.read(buffer, sizeof buffer);
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) return std::nullopt;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace tarvel
