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

TEST(AtomicFile, MissingDirectoryIsReported) {
  TempDir dir;
  const FileWriteResult result = WriteFileAtomically(dir.path() / "no-such-dir" / "data.txt", "x");
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Error.find("no-such-dir"), std::string::npos) << result.Error;
}

}  // namespace
}  // namespace tarvel
