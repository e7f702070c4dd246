#pragma once
// Collects the rendered pictures of one run: each goes to <out>/<resource file>/<name>.<ext> and is listed in
// <out>/<resource file>.qrc under its bare name, so that the table opens ":/<root>/<name>". Thread-safe.
#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>

namespace tarvel::assets {

// The resource files the tool fills; "builtin" is compiled into the program.
inline const QString kBuiltIn = QStringLiteral("builtin");

class PictureSink {
 public:
  explicit PictureSink(QString outDir);

  // Encodes and stores a picture: "png", "bmp" (24-bit, no alpha) or "jpg". Returns false on a write error.
  bool Put(const QString& library, const QString& name, const QImage& image, const char* format = "png",
           int quality = -1);
  bool PutData(const QString& library, const QString& name, const QByteArray& data, const QString& ext);

  // Writes one .qrc per resource file. Returns false when a file cannot be written.
  bool WriteQrcFiles() const;
  int Count() const;
  QStringList Failures() const;

 private:
  QString out_;
  mutable QMutex mutex_;
  QMap<QString, QMap<QString, QString>> entries_;  // library -> name -> relative file
  QStringList failures_;
};

}  // namespace tarvel::assets
