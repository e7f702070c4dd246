#include "media/sounds.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <thread>

#include "media/effect_names.h"
#include "media/voice_library.h"
#include "media/voice_names.h"
#include "media/wav_data.h"
#include "media_test_support.h"

namespace tarvel {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

long long DurationMs(const char* effect) {
  const QByteArray wav = test::EffectWav(effect);
  return ReadWavInfo({wav.constData(), static_cast<std::size_t>(wav.size())})->DurationMs();
}

class SoundsTest : public testing::Test {
 protected:
  Options options;
  VoiceLibrary voices{QFileInfo(test::VoiceLibraryPath()).absolutePath()};
  Sounds sounds{options, test::SharedAudioOut(), voices};
};

TEST_F(SoundsTest, SoundOffPlaysNothingSaysNothingAndNeverWaits) {
  options.SoundOn = false;
  const auto start = Clock::now();
  for (std::string_view name : effect::kAll) {
    sounds.PlayEffect(name, true);
    EXPECT_EQ(sounds.Sounding(), "");
  }
  EXPECT_FALSE(sounds.SayCard(CardOfOrder(1), true));
  EXPECT_EQ(sounds.Sounding(), "");
  // Together the effects last over 10 seconds; switched off they take no time at all.
  EXPECT_LT(test::MsSince(start), 250);
}

// Without an audio device (this machine, CI) the wait is the same as with one: the sound's own length.
TEST_F(SoundsTest, AWaitedEffectBlocksForTheLengthOfTheSound) {
  RecordProperty("audio_device", test::SharedAudioOut().HasDevice() ? "yes" : "no");
  for (const char* name : {"WHodsDo", "WDing_1", "WKoloNo"}) {
    SCOPED_TRACE(name);
    const long long length = DurationMs(name);
    const auto start = Clock::now();
    sounds.PlayEffect(name, true);
    const long long took = test::MsSince(start);
    EXPECT_GE(took, length - 1);
    EXPECT_LE(took, length + 400);
    EXPECT_EQ(sounds.Sounding(), "");  // over when the call returns
  }
}

TEST_F(SoundsTest, AnUnwaitedEffectReturnsAtOnceAndTheNextOneCutsIt) {
  const auto start = Clock::now();
  sounds.PlayEffect("WFiBest", false);  // almost two seconds long
  EXPECT_LT(test::MsSince(start), 200);
  EXPECT_EQ(sounds.Sounding(), "WFiBest");
  sounds.PlayEffect("wtomenk", false);  // names are found without regard to case
  EXPECT_EQ(sounds.Sounding(), "WToMenK");
  std::this_thread::sleep_for(milliseconds(DurationMs("WToMenK") + 50));
  EXPECT_EQ(sounds.Sounding(), "") << "the first effect went on after the second had cut it";
}

TEST_F(SoundsTest, AnUnknownEffectPlaysNothingAndCutsNothing) {
  sounds.PlayEffect("WFiGood", false);
  const auto start = Clock::now();
  sounds.PlayEffect("WNoSuchSound", true);
  EXPECT_LT(test::MsSince(start), 100);
  EXPECT_EQ(sounds.Sounding(), "WFiGood");
}

TEST_F(SoundsTest, SwitchingSoundOffSilencesTheEffectAtOnce) {
  sounds.PlayEffect("WFiBads", false);
  options.SoundOn = false;
  sounds.SoundOptionChanged();
  EXPECT_EQ(sounds.Sounding(), "");
}

TEST_F(SoundsTest, ACardIsSpokenInTheCurrentLanguage) {
  const TStr2 queenOfSpades = MakeCard(7, 4);
  for (int language = 0; language < 10; ++language) {
    options.Language = static_cast<std::uint8_t>(language);
    EXPECT_TRUE(sounds.SayCard(queenOfSpades, false));
    EXPECT_EQ(sounds.Sounding(), "Pi3QVoice" + std::string(kVoiceSuffix[language]));
  }
  options.Language = 9;
  EXPECT_TRUE(sounds.SayCard(queenOfSpades, false));
  EXPECT_EQ(sounds.Sounding(), "Pi3QVoiceKor");
  EXPECT_FALSE(sounds.SayCard(kNoCard, false));
}

TEST_F(SoundsTest, AWaitedCardNameBlocksForItsLength) {
  options.Language = 1;
  const auto start = Clock::now();
  ASSERT_TRUE(sounds.SayCard(MakeCard(9, 1), true));  // "туз червей"
  EXPECT_GE(test::MsSince(start), 300);
  EXPECT_EQ(sounds.Sounding(), "");
}

TEST(SoundsWithoutVoices, NoLibraryMeansNoCardIsSpoken) {
  Options options;
  VoiceLibrary none(QStringLiteral("/nonexistent/tarvel/program"));
  Sounds sounds(options, test::SharedAudioOut(), none);
  EXPECT_FALSE(sounds.SayCard(MakeCard(1, 1), true));
  EXPECT_EQ(sounds.Sounding(), "");
  sounds.PlayEffect("WHodsDo", false);  // the effects do not need the library
  EXPECT_EQ(sounds.Sounding(), "WHodsDo");
}

}  // namespace
}  // namespace tarvel
