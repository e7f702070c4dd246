#include "assets/pictures/picture_sink.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

namespace tarvel::assets {

PictureSink::PictureSink(QString outDir) : out_(std::move(outDir)) {}

bool PictureSink::Put(const QString& library, const QString& name, const QImage& image, const char* format,
                      int quality) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImage img = image;
  const QByteArray fmt(format);
  if (fmt == "bmp" || fmt == "jpg") img = image.convertToFormat(QImage::Format_RGB888);
  QImageWriter writer(&buffer, format);
  if (quality >= 0) writer.setQuality(quality);
  if (!writer.write(img)) {
    QMutexLocker lock(&mutex_);
    failures_ << library + "/" + name + ": " + writer.errorString();
    return false;
  }
  return PutData(library, name, data, QString::fromLatin1(fmt));
}

bool PictureSink::PutData(const QString& library, const QString& name, const QByteArray& data, const QString& ext) {
  const QString rel = library + "/" + name + "." + ext;
  QDir().mkpath(out_ + "/" + library);
  QSaveFile file(out_ + "/" + rel);
  const bool ok = file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
  QMutexLocker lock(&mutex_);
  if (!ok) {
    failures_ << rel + ": " + file.errorString();
    return false;
  }
  entries_[library][name] = rel;
  return true;
}

bool PictureSink::WriteQrcFiles() const {
  QMutexLocker lock(&mutex_);
  for (auto lib = entries_.cbegin(); lib != entries_.cend(); ++lib) {
    // The built-in pictures live under ":/tarvel/"; a resource file is mapped under a root of its own.
    const QByteArray prefix = lib.key() == kBuiltIn ? "/tarvel" : "/";
    QByteArray text = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"" + prefix + "\">\n";
    for (auto e = lib.value().cbegin(); e != lib.value().cend(); ++e)
      text += "  <file alias=\"" + e.key().toUtf8() + "\">" + e.value().toUtf8() + "</file>\n";
    text += "</qresource>\n</RCC>\n";
    QSaveFile file(out_ + "/" + lib.key() + ".qrc");
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) return false;
  }
  return true;
}

int PictureSink::Count() const {
  QMutexLocker lock(&mutex_);
  int n = 0;
  for (const auto& lib : entries_) n += lib.size();
  return n;
}

QStringList PictureSink::Failures() const {
  QMutexLocker lock(&mutex_);
  return failures_;
}

}  // namespace tarvel::assets
