#include "settings/atomic_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>

#include "temp_dir.h"

namespace tarvel {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// A disk that takes at most `chunk` bytes per call (and, optionally, fails with EINTR every other call):
// the writer must carry on until everything is written.
TEST(AtomicFile, ShortAndInterruptedWritesAreResumed) {
  TempDir dir;
  const auto target = dir.path() / "data.txt";
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += static_cast<char>('a' + i % 26);

  for (const bool interrupt : {false, true}) {
    int calls = 0;
    const WriteCall trickle = [&](int fd, const char* data, std::size_t size) -> long {
      if (interrupt && calls++ % 2 == 0) {
        errno = EINTR;
        return -1;
      }
      return ::write(fd, data, size < 7 ? size : 7);
    };
    const FileWriteResult result = WriteFileAtomically(target, bytes, trickle);
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_EQ(ReadBytes(target), bytes);
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target)));
  }
}

TEST(AtomicFile, ReplacesWholeFileAndLeavesNoTemporary) {
  TempDir dir;
  const auto target = dir.path() / "data.txt";
  WriteBytes(target, std::string(5000, 'x'));  // longer than the new contents: nothing of it may remain
  ASSERT_TRUE(WriteFileAtomically(target, "short\r\n").Ok);
  EXPECT_EQ(ReadBytes(target), "short\r\n");
  EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target)));
}

TEST(AtomicFile, DiskThatStopsTakingBytesLeavesOldFile) {
  TempDir dir;
  const auto target = dir.path() / "data.txt";
  WriteBytes(target, "old contents");
  const WriteCall zero = [](int, const char*, std::size_t) -> long { return 0; };  // no progress, no errno
  const FileWriteResult result = WriteFileAtomically(target, "new contents", zero);
  EXPECT_FALSE(result.Ok);
  EXPECT_FALSE(result.Error.empty());
  EXPECT_EQ(ReadBytes(target), "old contents");
  EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target)));
}

TEST(AtomicFile, ReplacedFilesKeepTheirPermissions) {
  TempDir dir;
  const auto path = dir.path() / "file";
  ASSERT_TRUE(WriteFileAtomically(path, "one").Ok);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  ASSERT_TRUE(WriteFileAtomically(path, "two").Ok);
  EXPECT_EQ(ReadBytes(path), "two");
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  EXPECT_FALSE(WriteFileAtomically(dir.path() / "no such dir" / "file", "x").Ok);
  // A read-only file is not replaced, even by a superuser.
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  const FileWriteResult refused = WriteFileAtomically(path, "three");
  EXPECT_FALSE(refused.Ok);
  EXPECT_NE(refused.Error.find(path.string()), std::string::npos) << refused.Error;
  EXPECT_EQ(ReadBytes(path), "two");
  EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}

// A save cut off by the death of the process leaves the old file and its temporary file, and is not tried
// again; the next save takes the leftover away, even one that is a link to some other file.
TEST(AtomicFile, CutOffSaveIsCleanedUpByTheNext) {
  TempDir dir;
  const auto target = dir.path() / "data.txt";
  WriteBytes(target, "old contents");
  int calls = 0;
  FileWriteHooks dying(WriteFault{3, true});
  dying.Write = [&](int fd, const char* data, std::size_t size) -> long {
    ++calls;
    return ::write(fd, data, size);
  };
  EXPECT_FALSE(WriteFileAtomically(target, "new contents", dying).Ok);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(ReadBytes(target), "old contents");
  EXPECT_EQ(ReadBytes(TemporaryPathFor(target)), "new");

  const auto other = dir.path() / "other.txt";
  WriteBytes(other, "someone else's");
  std::filesystem::remove(TemporaryPathFor(target));
  std::filesystem::create_symlink(other, TemporaryPathFor(target));
  ASSERT_TRUE(WriteFileAtomically(target, "new contents").Ok);
  EXPECT_EQ(ReadBytes(target), "new contents");
  EXPECT_EQ(ReadBytes(other), "someone else's");
  EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target)));
}

TEST(AtomicFile, MissingDirectoryIsReported) {
  TempDir dir;
  const FileWriteResult result = WriteFileAtomically(dir.path() / "no-such-dir" / "data.txt", "x");
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Error.find("no-such-dir"), std::string::npos) << result.Error;
}

}  // namespace
}  // namespace tarvel
