// The sounds measured by a real audio tool: sox reads each file as a player would and reports its length
// and levels. Effects and voices are taken from the program's resources, the song as FluidSynth renders it.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "assets/sounds/wav_writer.h"
#include "media/media_assets.h"
#include "media/midi_length.h"
#include "media/song_synth.h"
#include "media/voice_library.h"
#include "media/wav_data.h"
#include "media_test_support.h"

namespace tarvel {
namespace {

struct SoxFigures {
  double seconds = -1;  // sox --i -D
  double peak = -1;     // "Maximum amplitude" of sox stat, of full scale
  double rms = -1;      // "RMS amplitude"
};

QString RunSox(const QStringList& args) {
  QProcess sox;
  sox.setProcessChannelMode(QProcess::MergedChannels);
  sox.start(QStringLiteral("sox"), args);
  if (!sox.waitForFinished(60000)) return {};
  return QString::fromUtf8(sox.readAll());
}

double Field(const QString& stat, const char* label) {
  const QRegularExpression re(QString::fromLatin1(label) + QStringLiteral(":\\s*(-?[0-9.]+)"));
  const auto m = re.match(stat);
  return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

SoxFigures Measure(const QString& file) {
  SoxFigures f;
  bool ok = false;
  f.seconds = RunSox({"--i", "-D", file}).trimmed().toDouble(&ok);
  if (!ok) f.seconds = -1;
  const QString stat = RunSox({file, "-n", "stat"});
  f.peak = std::max(Field(stat, "Maximum amplitude"), -Field(stat, "Minimum amplitude"));
  f.rms = Field(stat, "RMS     amplitude");
  return f;
}

double LengthOf(const QByteArray& wav) {
  const auto info = ReadWavInfo({wav.constData(), static_cast<std::size_t>(wav.size())});
  return info ? static_cast<double>(info->Frames()) / info->sampleRate : -1;
}

class SoxMeasure : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_FALSE(RunSox({"--version"}).isEmpty()) << "sox is not installed (scripts/ensure-packages)";
  }
  // Writes the bytes to a file, measures it with sox, and checks it sounds, fits and lasts as expected.
  SoxFigures Check(const QString& name, const QByteArray& wav, double expectedSeconds) {
    const QString path = dir.filePath(name + ".wav");
    EXPECT_TRUE(test::WriteFile(path, wav));
    const SoxFigures f = Measure(path);
    std::printf("  %-14s %6.3f s  peak %.3f  rms %.3f\n", qPrintable(name), f.seconds, f.peak, f.rms);
    EXPECT_NEAR(f.seconds, expectedSeconds, 0.002) << qPrintable(name);
    EXPECT_GT(f.rms, 0.01) << qPrintable(name) << " is silent";
    EXPECT_GT(f.peak, 0.2) << qPrintable(name);
    EXPECT_LT(f.peak, 0.99) << qPrintable(name) << " clips";
    return f;
  }
  QTemporaryDir dir;
};

TEST_F(SoxMeasure, EffectsSoundForTheirLength) {
  for (const char* name : {"WHodsDo", "WDing_1", "WHodBer", "WTasoKo", "WFiBest", "STimerA"}) {
    const QByteArray wav = test::EffectWav(name);
    const SoxFigures f = Check(name, wav, LengthOf(wav));
    if (std::string_view(name) == "WHodsDo" || std::string_view(name) == "WDing_1") {
      EXPECT_LT(f.seconds, 0.35);
    }
  }
}

TEST_F(SoxMeasure, SpokenCardNamesSoundForTheirLength) {
  VoiceLibrary voices(QFileInfo(test::VoiceLibraryPath()).absolutePath());
  for (const char* name : {"Ch5AVoiceDeu", "Pi3QVoiceKor", "Bu2JVoiceChi", "Kr06VoiceJap", "Ch10VoiceRus"}) {
    const QByteArray wav = voices.Voice(QString::fromLatin1(name));
    ASSERT_FALSE(wav.isEmpty()) << name;
    const SoxFigures f = Check(name, wav, LengthOf(wav));
    EXPECT_GT(f.seconds, 0.3);
    EXPECT_LT(f.seconds, 2.5);
  }
}

// The whole song through FluidSynth and the General MIDI sound font: it lasts as its MIDI file says, plus
// the ringing FluidSynth lets the last chord have (until no voice sounds, then two seconds of reverb).
TEST_F(SoxMeasure, TheSongRendersForItsFullLength) {
  InitMediaAssets();
  const QByteArray smf = test::ReadFile(QString::fromLatin1(kSongResource));
  const auto seconds = MidiDurationSeconds({smf.constData(), static_cast<std::size_t>(smf.size())});
  ASSERT_TRUE(seconds.has_value());

  SongSynth synth;
  ASSERT_TRUE(synth.Ok()) << "no General MIDI sound font (timgm6mb-soundfont)";
  ASSERT_TRUE(synth.Start({smf.constData(), static_cast<std::size_t>(smf.size())}));
  std::vector<float> mono;
  std::vector<std::int16_t> block(2 * 4096);
  const auto limit = static_cast<std::size_t>((*seconds + 10) * SongSynth::kSampleRate);
  while (mono.size() < limit) {
    const std::size_t n = synth.Render(block.data(), 4096);
    if (n == 0) break;
    for (std::size_t i = 0; i < n; ++i) mono.push_back((block[2 * i] + block[2 * i + 1]) / 65536.0f);
  }
  EXPECT_TRUE(synth.Finished());
  const std::string wav = assets::WavBytes(mono, SongSynth::kSampleRate);
  const SoxFigures f = Check("MidiSong", QByteArray(wav.data(), static_cast<qsizetype>(wav.size())),
                             static_cast<double>(mono.size()) / SongSynth::kSampleRate);
  EXPECT_GE(f.seconds, *seconds);
  EXPECT_LE(f.seconds, *seconds + 8);
  EXPECT_GT(f.rms, 0.03);
}

TEST(SongSynth, WithoutASoundFontNothingPlays) {
  SongSynth synth("/nonexistent/sound-font.sf2");
  EXPECT_FALSE(synth.Ok());
  EXPECT_FALSE(synth.Start("MThd"));
  std::int16_t block[64];
  EXPECT_EQ(synth.Render(block, 32), 0u);
  EXPECT_TRUE(synth.Finished());
}

}  // namespace
}  // namespace tarvel
