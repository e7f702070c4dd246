#pragma once
// The voice library KexCVoice3.dll: a Qt binary resource file with one WAV per card and language. It is
// looked for in the program's directory, then in its parent directory, read
// into memory when a voice is first asked for, and read again when the file changes on disk (a download
// may replace it). A missing or damaged library gives no voices and reports nothing.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tarvel {

class VoiceLibrary {
 public:
  // `programDir` empty: the directory of the running executable.
  explicit VoiceLibrary(const QString& programDir = {});
  ~VoiceLibrary();
  VoiceLibrary(const VoiceLibrary&) = delete;
  VoiceLibrary& operator=(const VoiceLibrary&) = delete;

  // The bytes of the named resource ("Pi3QVoiceKor"); empty when the library or the name is missing.
  QByteArray Voice(const QString& name);
  // The file the voices come from; empty while no library could be loaded.
  QString LoadedFile();

 private:
  bool Refresh();
  void Unload();

  QString directories_[2];  // the program's directory, then its parent
  QString root_;            // where this instance maps the library's resources
  // A library file as last seen on disk.
  struct FileStamp {
    QString path;
    QDateTime modified;
    qint64 size = -1;
    bool operator==(const FileStamp&) const = default;
  };
  QByteArray data_;
  FileStamp loaded_;
  FileStamp rejected_;
};

}  // namespace tarvel
