#pragma once
// The table's picture sources: the built-in pictures compiled into the program and the resource files
// (Qt binary resources under the names "KexCards06A.dll" ...) found in the program's directory or, failing
// that, its parent directory. A picture is read by resource file and name; an empty file name means built in.
#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>
#include <string_view>

namespace tarvel {

// Makes the built-in pictures readable; safe to call more than once.
void InitBuiltInPictures();

class PictureLibraries {
 public:
  // `programDir` empty: the directory of the running executable.
  explicit PictureLibraries(QString programDir = {});
  ~PictureLibraries();
  PictureLibraries(const PictureLibraries&) = delete;
  PictureLibraries& operator=(const PictureLibraries&) = delete;

  QString ProgramDir() const { return programDir_; }

  // Opens a resource file once: program directory first, then "../" + name. False when neither opens.
  bool Open(std::string_view file);
  bool IsOpen(std::string_view file) const;
  // The path a resource file was opened from; empty when it is not open.
  QString OpenedPath(std::string_view file) const;

  // The resource path of a picture (":/..."), usable by QImage, QMovie and QFile; the file is opened on
  // demand. Empty when the file cannot be opened.
  QString ResourcePath(std::string_view file, const QString& name);
  bool Has(std::string_view file, const QString& name);
  // The picture; a null image when the file or the picture is missing.
  QImage Picture(std::string_view file, const QString& name);
  QByteArray Data(std::string_view file, const QString& name);

 private:
  QString programDir_;
  QMap<QString, QString> opened_;  // file name -> path it was registered from
};

// A visible stand-in for a picture that is missing: a framed plate with the picture's name, so that a
// missing name never shows as a blank.
QImage MissingPicture(const QString& name, QSize size);

}  // namespace tarvel
