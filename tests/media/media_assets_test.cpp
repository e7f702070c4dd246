// What the build made: every effect the program plays, the voice library, and their sound qualities.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QResource>
#include <algorithm>
#include <cmath>
#include <set>

#include "engine/sounds.h"
#include "media/effect_names.h"
#include "media/voice_names.h"
#include "media/wav_data.h"
#include "media_test_support.h"

namespace tarvel {
namespace {

struct Level {
  double peak = 0;   // of full scale
  double first = 0;  // the first and last sample, of full scale
  double last = 0;
};
Level Measure16(const QByteArray& wav, const WavInfo& info) {
  Level l;
  for (std::size_t i = 0; i < info.Frames(); ++i) {
    const auto at = info.dataOffset + 2 * i;
    const int v = static_cast<std::int16_t>(static_cast<unsigned char>(wav[at]) |
                                            static_cast<unsigned char>(wav[at + 1]) << 8);
    const double x = std::abs(v) / 32768.0;
    l.peak = std::max(l.peak, x);
    if (i == 0) l.first = x;
    l.last = x;
  }
  return l;
}

// The longest each effect may last: the step waits for the table's sounds, and the clock ticks every second.
long long LongestMs(std::string_view name) {
  if (name == effect::kCardLaid || name == effect::kClockTick || name == effect::kClockTickLast) return 200;
  if (name == effect::kPass || name == effect::kWrong) return 350;
  if (name == effect::kTake || name == effect::kBeaten || name == effect::kStockEmpty) return 480;
  return 2000;
}

TEST(MediaAssets, EveryEffectIsAShortCleanWav) {
  std::set<QByteArray> distinct;
  for (std::string_view name : effect::kAll) {
    SCOPED_TRACE(std::string(name));
    const QByteArray wav = test::EffectWav(std::string(name).c_str());
    ASSERT_FALSE(wav.isEmpty());
    const auto info = ReadWavInfo({wav.constData(), static_cast<std::size_t>(wav.size())});
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->sampleRate, 44100);
    EXPECT_EQ(info->channels, 1);
    ASSERT_EQ(info->bitsPerSample, 16);
    EXPECT_GE(info->DurationMs(), 40);
    EXPECT_LE(info->DurationMs(), LongestMs(name));
    const Level level = Measure16(wav, *info);
    EXPECT_GT(level.peak, 0.25);
    EXPECT_LT(level.peak, 0.8);    // headroom: nothing clips
    EXPECT_LT(level.first, 0.02);  // starts and ends without a click
    EXPECT_LT(level.last, 0.02);
    distinct.insert(wav);
  }
  EXPECT_EQ(distinct.size(), effect::kAll.size()) << "two effects sound the same";
}

TEST(MediaAssets, TheEngineAsksOnlyForStoredEffects) {
  for (std::string_view name :
       {sound::kCardLaid, sound::kTake, sound::kBeaten, sound::kPass, sound::kStockEmpty, sound::kShuffle,
        sound::kDealLost, sound::kDealWon, sound::kWrong})
    EXPECT_NE(std::find(effect::kAll.begin(), effect::kAll.end(), name), effect::kAll.end()) << name;
}

TEST(MediaAssets, TheVoiceLibraryHoldsEveryCardInEveryLanguage) {
  const QString root = QStringLiteral("/voice-library-test");
  ASSERT_TRUE(QResource::registerResource(test::VoiceLibraryPath(), root));
  int stored = 0;
  for (QDirIterator it(QLatin1Char(':') + root); it.hasNext(); it.next()) ++stored;
  EXPECT_EQ(stored, 360);
  for (int v = 1; v <= 36; ++v) {
    std::set<QByteArray> languages;
    for (int language = 0; language < 10; ++language) {
      const std::string name = VoiceResourceName(CardOfOrder(v), language);
      SCOPED_TRACE(name);
      const QByteArray wav =
          test::ReadFile(QLatin1Char(':') + root + QLatin1Char('/') + QString::fromStdString(name));
      const auto info = ReadWavInfo({wav.constData(), static_cast<std::size_t>(wav.size())});
      ASSERT_TRUE(info.has_value());
      ASSERT_EQ(info->bitsPerSample, 16);
      ASSERT_EQ(info->channels, 1);
      EXPECT_GE(info->DurationMs(), 300);
      EXPECT_LE(info->DurationMs(), 3000);
      EXPECT_GT(Measure16(wav, *info).peak, 0.5);
      languages.insert(wav);
    }
    EXPECT_EQ(languages.size(), 10u) << "a language repeats another's recording";
  }
  EXPECT_TRUE(QFile::exists(QLatin1Char(':') + root + QStringLiteral("/Pi3QVoiceKor")));
  EXPECT_TRUE(QFile::exists(QLatin1Char(':') + root + QStringLiteral("/Ch5AVoiceDeu")));
  EXPECT_TRUE(QResource::unregisterResource(test::VoiceLibraryPath(), root));
}

}  // namespace
}  // namespace tarvel
