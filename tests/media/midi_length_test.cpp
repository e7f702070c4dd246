#include "media/midi_length.h"

#include <gtest/gtest.h>

#include <QFile>

#include "assets/song/midi_writer.h"
#include "media/media_assets.h"

namespace tarvel {
namespace {

using assets::kTicksPerQuarter;

std::string TwoTrackSong(double bpm, long lastNoteEnd) {
  assets::MidiFile song;
  song.Tempo(0, bpm);
  auto& a = song.AddTrack("a", 0);
  auto& b = song.AddTrack("b", 1);
  a.Note(0, kTicksPerQuarter, 60, 90);
  b.Note(kTicksPerQuarter, lastNoteEnd - kTicksPerQuarter, 64, 90);
  return song.Bytes(lastNoteEnd);
}

TEST(MidiLength, FollowsTheTempoMapToTheEndOfTheLongestTrack) {
  EXPECT_NEAR(*MidiDurationSeconds(TwoTrackSong(120, 8 * kTicksPerQuarter)), 4.0, 1e-9);
  EXPECT_NEAR(*MidiDurationSeconds(TwoTrackSong(60, 3 * kTicksPerQuarter)), 3.0, 1e-9);

  assets::MidiFile slowing;  // 4 beats at 120, then 2 at 60, then 2 at 240
  slowing.Tempo(0, 120);
  slowing.Tempo(4 * kTicksPerQuarter, 60);
  slowing.Tempo(6 * kTicksPerQuarter, 240);
  slowing.AddTrack("a", 0).Note(0, 8 * kTicksPerQuarter, 60, 90);
  EXPECT_NEAR(*MidiDurationSeconds(slowing.Bytes(8 * kTicksPerQuarter)), 2.0 + 2.0 + 0.5, 1e-9);
}

TEST(MidiLength, ReadsRunningStatusSysExAndSmpteTime) {
  // One track, SMPTE division 25 frames x 40 ticks (1000 ticks a second), running status, a SysEx.
  const std::string track =
      std::string("\x00\x90\x3C\x40", 4) + std::string("\x83\x60\x3C\x00", 4) +         // 480 ticks
      std::string("\x00\xF0\x02\x7E\xF7", 5) + std::string("\x81\x48\xFF\x2F\x00", 5);  // +200
  const std::string file = std::string("MThd\0\0\0\x06\0\0\0\x01", 12) + std::string("\xE7\x28", 2) + "MTrk" +
                           std::string("\0\0\0", 3) + static_cast<char>(track.size()) + track;
  EXPECT_NEAR(*MidiDurationSeconds(file), 0.68, 1e-9);
}

TEST(MidiLength, RefusesMalformedFilesWithoutReadingPastThem) {
  const std::string good = TwoTrackSong(120, 8 * kTicksPerQuarter);
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"not MThd", "MThx" + good.substr(4)},
      {"no tracks", good.substr(0, 10) + std::string("\0\0", 2) + good.substr(12)},
      {"a division of zero", good.substr(0, 12) + std::string("\0\0", 2) + good.substr(14)},
      {"data bytes without a status",
       std::string("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk\0\0\0\x04\0\x3C\x40\0", 26)},
      {"a delta of five bytes",
       std::string("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk\0\0\0\x05\x81\x81\x81\x81\x01", 27)},
      {"a meta event longer than its track",
       std::string("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk\0\0\0\x04\0\xFF\x01\x7F", 26)},
      {"a tempo of zero",
       std::string("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk\0\0\0\x07\0\xFF\x51\x03\0\0\0", 29)},
  };
  for (const auto& [what, file] : cases) EXPECT_FALSE(MidiDurationSeconds(file).has_value()) << what;
  for (std::size_t n = 0; n < good.size(); ++n) EXPECT_FALSE(MidiDurationSeconds(good.substr(0, n))) << n;
}

TEST(MidiLength, TheProgramsSongLastsBetweenOneAndTwoMinutes) {
  InitMediaAssets();
  QFile song(QString::fromLatin1(kSongResource));
  ASSERT_TRUE(song.open(QIODevice::ReadOnly));
  const QByteArray bytes = song.readAll();
  const auto seconds = MidiDurationSeconds({bytes.constData(), static_cast<std::size_t>(bytes.size())});
  ASSERT_TRUE(seconds.has_value());
  EXPECT_GE(*seconds, 60.0);
  EXPECT_LE(*seconds, 120.0);
}

}  // namespace
}  // namespace tarvel
