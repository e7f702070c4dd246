#include "media/background_music.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "assets/song/midi_writer.h"
#include "media/media_assets.h"
#include "media_test_support.h"

namespace tarvel {
namespace {

using std::chrono::milliseconds;

// A song of 0.4 seconds, so that the repeat can be watched.
QByteArray ShortSong() {
  assets::MidiFile song;
  song.Tempo(0, 150);
  song.AddTrack("lead", 0).Note(0, assets::kTicksPerQuarter, 69, 100);
  const std::string bytes = song.Bytes(assets::kTicksPerQuarter);
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

class BackgroundMusicTest : public testing::Test {
 protected:
  std::unique_ptr<BackgroundMusic> Make(QByteArray song = {}, QString dir = {}) {
    return std::make_unique<BackgroundMusic>(options, texts, test::SharedAudioOut(),
                                             dir.isEmpty() ? temp.path() : dir, song,
                                             [this](const QString& text) { reports << text; });
  }
  QString SongFile() const { return temp.filePath(BackgroundMusic::kSongFileName); }

  QTemporaryDir temp;
  Options options;
  TextTable texts{options};
  QStringList reports;
};

TEST_F(BackgroundMusicTest, WritesTheSongAndPlaysItInTheMenu) {
  auto music = Make();
  EXPECT_EQ(music->SongFilePath(), SongFile());
  EXPECT_TRUE(music->PrepareMusic());
  InitMediaAssets();
  EXPECT_EQ(test::ReadFile(SongFile()), test::ReadFile(QString::fromLatin1(kSongResource)));
  EXPECT_FALSE(music->Playing());

  music->SetInMenu(true);  // the splash screen, with MusicOn set at start-up
  EXPECT_TRUE(music->Playing());
  music->SetInMenu(false);  // a deal starts
  EXPECT_FALSE(music->Playing());
  music->SetInMenu(true);  // back to the menu
  EXPECT_TRUE(music->Playing());
  EXPECT_TRUE(reports.isEmpty());

  music->DeleteSongFile();  // at exit
  EXPECT_FALSE(music->Playing());
  EXPECT_FALSE(QFile::exists(SongFile()));
}

TEST_F(BackgroundMusicTest, AFileLeftByAnotherRunMeansNoMusicUntilItIsDeleted) {
  ASSERT_TRUE(test::WriteFile(SongFile(), "left over"));
  auto first = Make();
  EXPECT_FALSE(first->PrepareMusic());
  EXPECT_EQ(test::ReadFile(SongFile()), "left over");  // not overwritten
  first->SetInMenu(true);
  first->Music(true);
  EXPECT_FALSE(first->Playing());
  EXPECT_TRUE(reports.isEmpty());
  first->DeleteSongFile();
  EXPECT_FALSE(QFile::exists(SongFile()));

  auto next = Make();  // the next run plays again
  EXPECT_TRUE(next->PrepareMusic());
  next->SetInMenu(true);
  EXPECT_TRUE(next->Playing());
}

TEST_F(BackgroundMusicTest, AFileThatCannotBeWrittenIsReportedOnce) {
  auto music = Make({}, temp.filePath("no/such/directory"));
  EXPECT_FALSE(music->PrepareMusic());
  EXPECT_EQ(reports, QStringList{"Can`t create music file!"});
  music->SetInMenu(true);
  music->Music(true);
  EXPECT_FALSE(music->Playing());
  EXPECT_FALSE(test::WaitFor([&] { return music->Playing(); }, milliseconds(1300)));
  EXPECT_EQ(reports.size(), 1);
}

TEST_F(BackgroundMusicTest, TheReportIsInTheCurrentLanguage) {
  options.Language = 1;
  auto music = Make({}, temp.filePath("missing"));
  music->PrepareMusic();
  EXPECT_EQ(reports, QStringList{"Не удаётся создать файл музыки!"});
}

TEST_F(BackgroundMusicTest, InTheMenuTheSongStartsAgainWhenItHasEnded) {
  auto music = Make(ShortSong());
  ASSERT_TRUE(music->PrepareMusic());
  music->SetInMenu(true);
  ASSERT_TRUE(music->Playing());
  ASSERT_TRUE(test::WaitFor([&] { return !music->Playing(); }, milliseconds(3000)));
  EXPECT_TRUE(test::WaitFor([&] { return music->Playing(); }, milliseconds(3000)))
      << "the repeat timer did not restart it";

  music->SetInMenu(false);  // at the table the song stays off
  EXPECT_FALSE(music->Playing());
  EXPECT_FALSE(test::WaitFor([&] { return music->Playing(); }, milliseconds(1500)));
}

TEST_F(BackgroundMusicTest, MusicOnTakesEffectAtOnce) {
  options.MusicOn = false;
  auto music = Make(ShortSong());
  ASSERT_TRUE(music->PrepareMusic());
  music->SetInMenu(true);
  EXPECT_FALSE(music->Playing());
  EXPECT_FALSE(test::WaitFor([&] { return music->Playing(); }, milliseconds(1300)));  // nor by the timer

  options.MusicOn = true;
  music->MusicOptionChanged();
  EXPECT_TRUE(music->Playing());
  options.MusicOn = false;
  music->MusicOptionChanged();
  EXPECT_FALSE(music->Playing());
}

TEST_F(BackgroundMusicTest, ASongThatIsNoMidiFileIsNotPlayed) {
  auto music = Make(QByteArray("MThd but not really a song"));
  EXPECT_FALSE(music->PrepareMusic());
  music->Music(true);
  EXPECT_FALSE(music->Playing());
}

}  // namespace
}  // namespace tarvel
