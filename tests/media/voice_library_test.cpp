#include "media/voice_library.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "media_test_support.h"

namespace tarvel {
namespace {

// A program directory inside a temporary directory, which plays the parent.
class VoiceLibraryTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.isValid());
    ASSERT_TRUE(QDir(parent.path()).mkdir("program"));
  }
  QString InProgram() const { return parent.filePath("program/KexCVoice3.dll"); }
  QString InParent() const { return parent.filePath("KexCVoice3.dll"); }
  static void Copy(const QString& from, const QString& to) {
    QFile::remove(to);
    ASSERT_TRUE(QFile::copy(from, to));
  }

  QTemporaryDir parent;
};

TEST_F(VoiceLibraryTest, LooksInTheProgramsDirectoryThenInItsParent) {
  VoiceLibrary voices(parent.filePath("program"));
  EXPECT_TRUE(voices.Voice("Pi3QVoiceKor").isEmpty());
  EXPECT_EQ(voices.LoadedFile(), "");

  Copy(test::VoiceLibraryPath(), InParent());
  EXPECT_FALSE(voices.Voice("Pi3QVoiceKor").isEmpty());
  EXPECT_EQ(voices.LoadedFile(), InParent());

  Copy(test::SmallResourcePath(), InProgram());  // a library in the program's directory comes first
  EXPECT_TRUE(voices.Voice("Pi3QVoiceKor").isEmpty());
  EXPECT_FALSE(voices.Voice("first.txt").isEmpty());
  EXPECT_EQ(voices.LoadedFile(), InProgram());
}

TEST_F(VoiceLibraryTest, ADamagedLibraryIsPassedOverSilently) {
  VoiceLibrary voices(parent.filePath("program"));
  Copy(test::VoiceLibraryPath(), InParent());
  QByteArray cut = test::ReadFile(test::VoiceLibraryPath());
  cut.chop(100);
  ASSERT_TRUE(test::WriteFile(InProgram(), cut));
  EXPECT_FALSE(voices.Voice("Ch5AVoiceDeu").isEmpty());
  EXPECT_EQ(voices.LoadedFile(), InParent());

  ASSERT_TRUE(test::WriteFile(InParent(), "MZ this is no resource file"));
  EXPECT_TRUE(voices.Voice("Ch5AVoiceDeu").isEmpty());
  EXPECT_EQ(voices.LoadedFile(), "");
}

TEST_F(VoiceLibraryTest, AReplacedOrRemovedFileIsNoticed) {
  VoiceLibrary voices(parent.filePath("program"));
  Copy(test::SmallResourcePath(), InProgram());
  EXPECT_EQ(voices.Voice("sub/second.txt"), "second file, one folder down\n");

  Copy(test::VoiceLibraryPath(), InProgram());  // a download replaced it
  EXPECT_TRUE(voices.Voice("sub/second.txt").isEmpty());
  EXPECT_FALSE(voices.Voice("Kr4KVoiceFra").isEmpty());

  ASSERT_TRUE(QFile::remove(InProgram()));
  EXPECT_TRUE(voices.Voice("Kr4KVoiceFra").isEmpty());
}

TEST_F(VoiceLibraryTest, TwoLibrariesDoNotSeeEachOthersFiles) {
  Copy(test::SmallResourcePath(), InProgram());
  QTemporaryDir other;
  ASSERT_TRUE(QFile::copy(test::VoiceLibraryPath(), other.filePath("KexCVoice3.dll")));
  VoiceLibrary small(parent.filePath("program"));
  VoiceLibrary real(other.path());
  EXPECT_FALSE(small.Voice("first.txt").isEmpty());
  EXPECT_FALSE(real.Voice("Bu09VoiceIta").isEmpty());
  EXPECT_TRUE(small.Voice("Bu09VoiceIta").isEmpty());
  EXPECT_TRUE(real.Voice("first.txt").isEmpty());
}

}  // namespace
}  // namespace tarvel
