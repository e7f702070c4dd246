#include "settings/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "temp_dir.h"

namespace tarvel {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(FileBytes, WholeFilesWithinTheBoundAndPrefixes) {
  TempDir dir;
  const auto path = dir.path() / "ten.txt";
  WriteBytes(path, "0123456789");
  EXPECT_EQ(ReadFileBytes(path, 10), "0123456789");
  EXPECT_EQ(ReadFileBytes(path, 9), std::nullopt);  // one byte too long: nothing, not a cut file
  EXPECT_EQ(ReadFileStart(path, 4), "0123");
  EXPECT_EQ(ReadFileStart(path, 100), "0123456789");
  std::string big(20000, 'x');  // longer than one read
  big += "end";
  WriteBytes(path, big);
  EXPECT_EQ(ReadFileBytes(path, big.size()), big);
  EXPECT_EQ(ReadFileStart(path, 10001), big.substr(0, 10001));
  WriteBytes(path, "");
  EXPECT_EQ(ReadFileBytes(path, 0), "");
}

// Only regular files are read: a named pipe would block the program until someone wrote into it.
TEST(FileBytes, NothingFromWhatIsNotARegularFile) {
  TempDir dir;
  const auto pipe = dir.path() / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const auto& path : {dir.path() / "missing", dir.path(), pipe}) {
    EXPECT_EQ(ReadFileBytes(path, 1000), std::nullopt) << path;
    EXPECT_EQ(ReadFileStart(path, 1000), std::nullopt) << path;
  }
}

}  // namespace
}  // namespace tarvel
