#include "media/wav_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "assets/sounds/wav_writer.h"

namespace tarvel {
namespace {

std::string Le32(std::uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
  return s;
}
std::string Le16(std::uint16_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

std::string Fmt(int tag, int channels, int rate, int bits) {
  const int block = channels * bits / 8;
  return "fmt " + Le32(16) + Le16(static_cast<std::uint16_t>(tag)) +
         Le16(static_cast<std::uint16_t>(channels)) + Le32(static_cast<std::uint32_t>(rate)) +
         Le32(static_cast<std::uint32_t>(rate * block)) + Le16(static_cast<std::uint16_t>(block)) +
         Le16(static_cast<std::uint16_t>(bits));
}
std::string Riff(const std::string& chunks) {
  return "RIFF" + Le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}
std::string Data(std::uint32_t claimed, std::size_t actual) {
  return "data" + Le32(claimed) + std::string(actual, '\x01');
}

TEST(WavData, ReadsTheFormatAndWhereTheSamplesAre) {
  struct Case {
    const char* what;
    std::string file;
    int rate, channels, bits;
    WavInfo::Encoding encoding;
    std::size_t offset, size;
    long long ms;
  };
  const Case cases[] = {
      {"16-bit mono", Riff(Fmt(1, 1, 44100, 16) + Data(4410 * 2, 4410 * 2)), 44100, 1, 16,
       WavInfo::Encoding::Integer, 44, 8820, 100},
      {"float stereo", Riff(Fmt(3, 2, 48000, 32) + Data(480 * 8, 480 * 8)), 48000, 2, 32,
       WavInfo::Encoding::Float, 44, 3840, 10},
      {"a chunk of odd length before the samples is padded",
       Riff(Fmt(1, 1, 8000, 8) + "LIST" + Le32(3) + "abc" + std::string(1, '\0') + Data(80, 80)), 8000, 1, 8,
       WavInfo::Encoding::Integer, 56, 80, 10},
      {"a streamed file claims more samples than it holds",
       Riff(Fmt(1, 1, 22050, 16) + Data(0xFFFFFFFF, 1001)), 22050, 1, 16, WavInfo::Encoding::Integer, 44,
       1000, 23},
      {"24-bit", Riff(Fmt(1, 2, 1000, 24) + Data(60, 60)), 1000, 2, 24, WavInfo::Encoding::Integer, 44, 60,
       10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto info = ReadWavInfo(c.file);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->sampleRate, c.rate);
    EXPECT_EQ(info->channels, c.channels);
    EXPECT_EQ(info->bitsPerSample, c.bits);
    EXPECT_EQ(info->encoding, c.encoding);
    EXPECT_EQ(info->dataOffset, c.offset);
    EXPECT_EQ(info->dataSize, c.size);
    EXPECT_EQ(info->DurationMs(), c.ms);  // rounded up: 1000 bytes at 22050 Hz are 22.7 ms
  }
}

TEST(WavData, RefusesWhatIsNoPlayableWav) {
  const std::string good = Riff(Fmt(1, 1, 44100, 16) + Data(100, 100));
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"not RIFF", "RIFX" + good.substr(4)},
      {"not WAVE", good.substr(0, 8) + "AVI " + good.substr(12)},
      {"no data chunk", Riff(Fmt(1, 1, 44100, 16))},
      {"samples before the format", Riff(Data(100, 100) + Fmt(1, 1, 44100, 16))},
      {"compressed (ADPCM)", Riff(Fmt(2, 1, 44100, 4) + Data(100, 100))},
      {"12-bit", Riff(Fmt(1, 1, 44100, 12) + Data(100, 100))},
      {"no channels", Riff(Fmt(1, 0, 44100, 16) + Data(100, 100))},
      {"no sample rate", Riff(Fmt(1, 1, 0, 16) + Data(100, 100))},
      {"format chunk cut short", Riff("fmt " + Le32(16) + "abcd")},
      {"a chunk longer than the file", Riff(Fmt(1, 1, 44100, 16) + "LIST" + Le32(1000) + "ab")},
  };
  for (const auto& [what, file] : cases) EXPECT_FALSE(ReadWavInfo(file).has_value()) << what;
  // Every prefix of a good file is either refused or read within its bounds.
  for (std::size_t n = 0; n < good.size(); ++n) {
    const auto info = ReadWavInfo(std::string_view(good).substr(0, n));
    if (info) {
      EXPECT_LE(info->dataOffset + info->dataSize, n);
    }
  }
}

TEST(WavData, ReadsWhatTheBuildWrites) {
  const std::vector<float> samples(441, 0.25f);
  const auto info = ReadWavInfo(assets::WavBytes(samples, 44100));
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->Frames(), 441u);
  EXPECT_EQ(info->DurationMs(), 10);
}

}  // namespace
}  // namespace tarvel
