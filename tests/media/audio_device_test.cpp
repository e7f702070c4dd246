// With an audio device (the test run under with_pulse_server.sh gives one: a null sink whose monitor is
// recorded): what the program plays reaches the device, and a new effect cuts the one before it. Skipped
// in the plain run, which has no device.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <thread>

#include "media/background_music.h"
#include "media/sounds.h"
#include "media/voice_library.h"
#include "media_test_support.h"

namespace tarvel {
namespace {

using std::chrono::milliseconds;

// Records what the default output device plays, with PulseAudio's parec at a short latency (a long one
// loses the last second when the recorder is stopped).
class Recording {
 public:
  explicit Recording(const QString& file) : file_(file) {
    recorder_.setStandardOutputFile(file);
    recorder_.start(QStringLiteral("parec"), {"--device=@DEFAULT_MONITOR@", "--format=s16le", "--channels=1",
                                              "--rate=44100", "--latency-msec=50"});
    started_ = recorder_.waitForStarted(5000) && WaitUntilRecording();
  }
  bool Started() const { return started_; }
  // Stops the recording and returns how many seconds of it were loud: 10 ms windows above about -50 dB.
  double LoudSeconds() {
    std::this_thread::sleep_for(milliseconds(2500));  // on its way: a null sink hands its sound on late
    recorder_.terminate();
    recorder_.waitForFinished(5000);
    const QByteArray raw = test::ReadFile(file_);
    constexpr int kWindow = 441;
    int loud = 0;
    for (qsizetype start = 0; start + 2 * kWindow <= raw.size(); start += 2 * kWindow) {
      double energy = 0;
      for (qsizetype at = start; at < start + 2 * kWindow; at += 2) {
        const double x = static_cast<std::int16_t>(static_cast<unsigned char>(raw[at]) |
                                                   static_cast<unsigned char>(raw[at + 1]) << 8) /
                         32768.0;
        energy += x * x;
      }
      if (energy / kWindow > 1e-5) ++loud;
    }
    return loud / 100.0;
  }

 private:
  // The recorder has connected when the server lists its stream; a loaded machine may take a while.
  static bool WaitUntilRecording() {
    for (int i = 0; i < 200; ++i) {
      QProcess list;
      list.start(QStringLiteral("pactl"), {"list", "short", "source-outputs"});
      if (list.waitForFinished(5000) && !list.readAllStandardOutput().trimmed().isEmpty()) return true;
      std::this_thread::sleep_for(milliseconds(50));
    }
    return false;
  }

  QString file_;
  QProcess recorder_;
  bool started_ = false;
};

class AudioDevice : public testing::Test {
 protected:
  void SetUp() override {
    // Only the private server is recorded, never a desktop's own sound.
    if (qEnvironmentVariableIsEmpty("TARVEL_PRIVATE_PULSE_SERVER")) GTEST_SKIP() << "run by with_pulse_server.sh";
    ASSERT_TRUE(test::SharedAudioOut().HasDevice()) << "the private PulseAudio server offers no output";
    ASSERT_TRUE(dir.isValid());
  }
  QTemporaryDir dir;
  Options options;
  VoiceLibrary voices{QFileInfo(test::VoiceLibraryPath()).absolutePath()};
  Sounds sounds{options, test::SharedAudioOut(), voices};
};

TEST_F(AudioDevice, EffectsAndNamesAreHeardAndANewEffectCutsTheOldOne) {
  Recording whole(dir.filePath("whole.raw"));
  ASSERT_TRUE(whole.Started());
  sounds.PlayEffect("WFiBest", true);  // 1.9 seconds
  const double heard = whole.LoudSeconds();
  EXPECT_GT(heard, 1.2);
  EXPECT_LT(heard, 2.5);

  Recording cut(dir.filePath("cut.raw"));
  ASSERT_TRUE(cut.Started());
  sounds.PlayEffect("WFiBest", false);
  std::this_thread::sleep_for(milliseconds(150));
  sounds.PlayEffect("STimerA", false);  // 50 ms
  std::this_thread::sleep_for(milliseconds(2000));
  const double cutHeard = cut.LoudSeconds();
  // On a loaded machine the first effect may be replaced before it starts; the second one must sound.
  EXPECT_GT(cutHeard, 0.02);
  EXPECT_LT(cutHeard, 0.6) << "the first effect went on after the second had cut it";

  Recording spoken(dir.filePath("spoken.raw"));
  ASSERT_TRUE(spoken.Started());
  options.Language = 2;
  ASSERT_TRUE(sounds.SayCard(MakeCard(9, 1), true));  // "Herz Ass"
  EXPECT_GT(spoken.LoudSeconds(), 0.3);
}

// Each new sound replaces a sink that is still starting or playing; the output keeps working after it.
TEST_F(AudioDevice, SoundsInQuickSuccessionCutEachOtherSafely) {
  for (int i = 0; i < 60; ++i) {
    options.Language = static_cast<std::uint8_t>(i % 10);
    if (i % 3)
      sounds.PlayEffect(i % 2 ? "WHodsDo" : "WToMenK", false);
    else
      sounds.SayCard(CardOfOrder(1 + i % 36), false);
    std::this_thread::sleep_for(milliseconds(i % 4));
  }
  Recording after(dir.filePath("after.raw"));
  ASSERT_TRUE(after.Started());
  sounds.PlayEffect("WFiBest", true);
  EXPECT_GT(after.LoudSeconds(), 1.2);
}

TEST_F(AudioDevice, TheSongIsHeardUntilItIsStopped) {
  TextTable texts(options);
  BackgroundMusic music(options, texts, test::SharedAudioOut(), dir.path(), {}, [](const QString&) {});
  ASSERT_TRUE(music.PrepareMusic());
  Recording playing(dir.filePath("song.raw"));
  ASSERT_TRUE(playing.Started());
  music.SetInMenu(true);
  std::this_thread::sleep_for(milliseconds(3000));
  music.SetInMenu(false);
  std::this_thread::sleep_for(milliseconds(1500));
  const double heard = playing.LoudSeconds();
  EXPECT_GT(heard, 1.0);  // the synthesiser may fall behind on a loaded machine, never ahead
  EXPECT_LT(heard, 4.5) << "the song went on after it was stopped";
}

}  // namespace
}  // namespace tarvel
