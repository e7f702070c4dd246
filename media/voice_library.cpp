#include "media/voice_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <atomic>

#include "media/resource_file_check.h"
#include "media/voice_names.h"

namespace tarvel {

namespace {
// A library file larger than this is not a voice library; it is not read into memory.
constexpr qint64 kMaxLibraryBytes = 256 << 20;
// Nor is a voice longer than a few minutes: a damaged packed size must not make the reader allocate it.
constexpr qint64 kMaxVoiceBytes = 16 << 20;
}  // namespace

VoiceLibrary::VoiceLibrary(const QString& programDir) {
  const QString dir = programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
  directories_[0] = dir;
  directories_[1] = QDir::cleanPath(dir + QStringLiteral("/.."));
  static std::atomic<int> instances{0};
  root_ = QStringLiteral("/tarvel-voice-%1").arg(instances++);
}

VoiceLibrary::~VoiceLibrary() {
  Unload();
}

void VoiceLibrary::Unload() {
  if (!data_.isEmpty())
    QResource::unregisterResource(reinterpret_cast<const uchar*>(data_.constData()), root_);
  data_.clear();
  loaded_ = {};
}

bool VoiceLibrary::Refresh() {
  for (const QString& dir : directories_) {
    const QFileInfo info(
        QDir(dir).filePath(QString::fromLatin1(kVoiceLibraryFile.data(), kVoiceLibraryFile.size())));
    if (!info.isFile()) continue;
    const FileStamp stamp{info.absoluteFilePath(), info.lastModified(), info.size()};
    if (stamp == loaded_) return true;
    if (stamp == rejected_) continue;
    QFile file(stamp.path);
    QByteArray bytes;
    if (stamp.size <= kMaxLibraryBytes && file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (bytes.size() != stamp.size ||
        !IsWellFormedResourceFile({bytes.constData(), static_cast<std::size_t>(bytes.size())})) {
      rejected_ = stamp;  // not a voice library: try the next place, and skip this file until it changes
      continue;
    }
    Unload();
    data_ = std::move(bytes);
    if (!QResource::registerResource(reinterpret_cast<const uchar*>(data_.constData()), root_)) {
      data_.clear();
      rejected_ = stamp;
      continue;
    }
    loaded_ = stamp;
    return true;
  }
  Unload();
  return false;
}

QByteArray VoiceLibrary::Voice(const QString& name) {
  if (name.isEmpty() || !Refresh()) return {};
  const QString path = QLatin1Char(':') + root_ + QLatin1Char('/') + name;
  const QResource resource(path);
  if (!resource.isValid() || !QFileInfo(path).isFile() || resource.uncompressedSize() > kMaxVoiceBytes)
    return {};
  QFile voice(path);
  if (!voice.open(QIODevice::ReadOnly)) return {};
  return voice.readAll();
}

QString VoiceLibrary::LoadedFile() {
  Refresh();
  return loaded_.path;
}

}  // namespace tarvel
