#pragma once
// The background song of the menu. At start-up PrepareMusic writes the song to "temp16_25.mid" in the
// temporary directory and opens it; a file already there (another instance running, or an earlier run
// that did not end cleanly) means no music in this run. Music(on) plays the song from its beginning or
// stops it. While the splash screen or the main menu is shown, a one-second timer restarts the song
// whenever it has ended and `MusicOn` is on. At exit DeleteSongFile removes the file.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>

#include "settings/options.h"
#include "settings/text_table.h"

namespace tarvel {

class AudioOut;

class BackgroundMusic : public QObject {
 public:
  // Shows an error message to the user (the default is a modal error dialog).
  using ErrorReport = std::function<void(const QString& text)>;

  static constexpr const char* kSongFileName = "temp16_25.mid";

  // `song` is the Standard MIDI file to play; empty means the program's own song. The options record,
  // the text table and the output must outlive the object.
  BackgroundMusic(const Options& options, const TextTable& texts, AudioOut& out,
                  QString tempDirectory = DefaultTempDirectory(), QByteArray song = {},
                  ErrorReport report = {});
  ~BackgroundMusic() override;

  static QString DefaultTempDirectory();
  QString SongFilePath() const;

  // Writes and opens the song file; reports "Can`t create music file!" when it cannot be written.
  // Returns whether there is a song to play in this run.
  bool PrepareMusic();
  // Plays the song from its beginning or stops it; does nothing while no song is open.
  void Music(bool on);
  bool Playing() const;

  // Where the program is: the repeat timer runs only in the menu. Entering the menu starts the song when
  // `MusicOn` is on; leaving it for a deal stops the song.
  void SetInMenu(bool inMenu);
  bool InMenu() const { return inMenu_; }
  // After `MusicOn` was changed in the options: starts or stops the song at once.
  void MusicOptionChanged();

  // Stops the song and deletes the temporary file (at exit, when the options are saved).
  void DeleteSongFile();

 private:
  void Repeat();

  const Options& options_;
  const TextTable& texts_;
  AudioOut& out_;
  QString tempDirectory_;
  QByteArray song_;
  ErrorReport report_;
  bool opened_ = false;
  double songSeconds_ = 0;
  bool inMenu_ = false;
  bool playing_ = false;
  std::chrono::steady_clock::time_point playingUntil_{};
  QTimer repeat_;
};

}  // namespace tarvel
