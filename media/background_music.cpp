#include "media/background_music.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSaveFile>

#include "media/audio_out.h"
#include "media/media_assets.h"
#include "media/midi_length.h"

namespace tarvel {

namespace {

constexpr int kSongFileRow = 98;  // "Can`t create music file!"

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray ProgramSong() {
  InitMediaAssets();
  QFile file(QString::fromLatin1(kSongResource));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

BackgroundMusic::BackgroundMusic(const Options& options, const TextTable& texts, AudioOut& out,
                                 QString tempDirectory, QByteArray song, ErrorReport report)
    : options_(options),
      texts_(texts),
      out_(out),
      tempDirectory_(std::move(tempDirectory)),
      song_(song.isEmpty() ? ProgramSong() : std::move(song)),
      report_(std::move(report)) {
  if (!report_)
    report_ = [this](const QString& text) {
      QMessageBox::critical(nullptr, Utf8(texts_.ProductName()), text);
    };
  repeat_.setInterval(1000);
  connect(&repeat_, &QTimer::timeout, this, &BackgroundMusic::Repeat);
}

BackgroundMusic::~BackgroundMusic() {
  out_.StopSong();
}

QString BackgroundMusic::DefaultTempDirectory() {
  return QDir::tempPath();
}

QString BackgroundMusic::SongFilePath() const {
  return QDir(tempDirectory_).filePath(QString::fromLatin1(kSongFileName));
}

bool BackgroundMusic::PrepareMusic() {
  opened_ = false;
  const QString path = SongFilePath();
  if (QFile::exists(path)) return false;  // another run owns it: no music in this one
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(song_) != song_.size() || !file.commit()) {
    report_(Utf8(texts_.Text(kSongFileRow)));
    return false;
  }
  // The song is played from memory, so a file removed under the running program does no harm.
  QFile written(path);
  const QByteArray bytes = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
  const auto seconds = MidiDurationSeconds({bytes.constData(), static_cast<std::size_t>(bytes.size())});
  if (!seconds || *seconds <= 0) return false;
  song_ = bytes;
  songSeconds_ = *seconds;
  opened_ = true;
  return true;
}

void BackgroundMusic::Music(bool on) {
  if (!opened_) return;
  if (on) {
    out_.StartSong(song_);
    playing_ = true;
    playingUntil_ =
        std::chrono::steady_clock::now() + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                               std::chrono::duration<double>(songSeconds_));
  } else if (playing_) {
    out_.StopSong();
    playing_ = false;
  }
}

bool BackgroundMusic::Playing() const {
  return playing_ && std::chrono::steady_clock::now() < playingUntil_;
}

void BackgroundMusic::SetInMenu(bool inMenu) {
  if (inMenu == inMenu_) return;
  inMenu_ = inMenu;
  if (inMenu_) {
    repeat_.start();
    if (options_.MusicOn && !Playing()) Music(true);
  } else {
    repeat_.stop();
    Music(false);
  }
}

void BackgroundMusic::MusicOptionChanged() {
  if (!options_.MusicOn)
    Music(false);
  else if (!Playing())
    Music(true);
}

void BackgroundMusic::Repeat() {
  if (inMenu_ && options_.MusicOn && !Playing()) Music(true);
}

void BackgroundMusic::DeleteSongFile() {
  Music(false);
  opened_ = false;
  QFile::remove(SongFilePath());
}

}  // namespace tarvel
