#include "media/resource_file_check.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "media/voice_library.h"
#include "media_test_support.h"

namespace tarvel {
namespace {

bool WellFormed(const QByteArray& b) {
  return IsWellFormedResourceFile({b.constData(), static_cast<std::size_t>(b.size())});
}

std::uint32_t Be32(const QByteArray& b, int at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) << 24 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 8 |
         static_cast<unsigned char>(b[at + 3]);
}
void SetBe32(QByteArray& b, int at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (24 - 8 * i) & 0xFF);
}

TEST(ResourceFileCheck, AcceptsWhatRccWrites) {
  EXPECT_TRUE(WellFormed(test::ReadFile(test::SmallResourcePath())));
  EXPECT_TRUE(WellFormed(test::ReadFile(test::VoiceLibraryPath())));
}

TEST(ResourceFileCheck, RefusesOffsetsOutsideTheFile) {
  const QByteArray good = test::ReadFile(test::SmallResourcePath());
  ASSERT_GE(good.size(), 24);
  const int tree = static_cast<int>(Be32(good, 8));
  struct Case {
    const char* what;
    int at;
    std::uint32_t value;
  };
  const Case cases[] = {
      {"tree beyond the end", 8, static_cast<std::uint32_t>(good.size())},
      {"data beyond the end", 12, static_cast<std::uint32_t>(good.size()) + 1},
      {"names beyond the end", 16, 0xFFFFFF00},
      {"unknown version", 4, 9},
      {"root's children beyond the tree", tree + 6, 0x7FFFFFFF},
      {"root's first child beyond the tree", tree + 10, 1000},
  };
  for (const Case& c : cases) {
    QByteArray bad = good;
    SetBe32(bad, c.at, c.value);
    EXPECT_FALSE(WellFormed(bad)) << c.what;
  }
  QByteArray notRcc = good;
  notRcc[0] = 'Q';
  EXPECT_FALSE(WellFormed(notRcc));
  EXPECT_FALSE(WellFormed(QByteArray("qres")));
  for (int n = 0; n < good.size(); ++n) EXPECT_FALSE(WellFormed(good.left(n))) << "cut to " << n << " bytes";
}

// Every single-byte change of a library is refused or read safely, within its bytes and without a huge
// allocation: the voice library reads it as it reads a downloaded file (the sanitizer build checks this).
TEST(ResourceFileCheck, DamagedBytesAreRefusedOrHarmless) {
  const QByteArray good = test::ReadFile(test::SmallResourcePath());
  QTemporaryDir dir;
  const QString file = QDir(dir.path()).filePath("KexCVoice3.dll");
  int accepted = 0;
  for (int at = 4; at < good.size(); ++at) {
    for (unsigned char v : {0x00, 0x01, 0x7F, 0xFF}) {
      QByteArray bad = good;
      bad[at] = static_cast<char>(v);
      accepted += WellFormed(bad);
      ASSERT_TRUE(test::WriteFile(file, bad));
      VoiceLibrary library(dir.path());
      for (const char* name : {"first.txt", "sub/second.txt", "sub", ""})
        EXPECT_LE(library.Voice(QString::fromLatin1(name)).size(), good.size()) << at << " " << int(v);
    }
  }
  EXPECT_GT(accepted, 0);  // names, hashes and dates may change without harm
}

}  // namespace
}  // namespace tarvel
