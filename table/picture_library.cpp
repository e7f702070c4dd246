#include "table/picture_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QResource>

// Outside any namespace, as the resource initialiser requires.
static void InitTarvelPictures() { Q_INIT_RESOURCE(tarvel_pictures); }

namespace tarvel {
namespace {

constexpr char kBuiltInRoot[] = ":/tarvel/";

QString Root(const QString& file) { return QStringLiteral("/tarvel-lib/") + file; }

QString FileName(std::string_view file) { return QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())); }

}  // namespace

void InitBuiltInPictures() {
  static const bool once = [] {
    InitTarvelPictures();
    return true;
  }();
  (void)once;
}

PictureLibraries::PictureLibraries(QString programDir) : programDir_(std::move(programDir)) {
  InitBuiltInPictures();
  if (programDir_.isEmpty()) programDir_ = QCoreApplication::applicationDirPath();
}

PictureLibraries::~PictureLibraries() {
  for (auto it = opened_.cbegin(); it != opened_.cend(); ++it) QResource::unregisterResource(it.value(), Root(it.key()));
}

bool PictureLibraries::Open(std::string_view file) {
  const QString name = FileName(file);
  if (name.isEmpty() || opened_.contains(name)) return !name.isEmpty();
  const QDir dir(programDir_);
  for (const QString& path : {dir.filePath(name), dir.filePath(QStringLiteral("../") + name)}) {
    if (QFileInfo(path).isFile() && QResource::registerResource(path, Root(name))) {
      opened_.insert(name, path);
      return true;
    }
  }
  return false;
}

bool PictureLibraries::IsOpen(std::string_view file) const { return opened_.contains(FileName(file)); }

QString PictureLibraries::OpenedPath(std::string_view file) const { return opened_.value(FileName(file)); }

QString PictureLibraries::ResourcePath(std::string_view file, const QString& name) {
  if (file.empty()) return QString::fromLatin1(kBuiltInRoot) + name;
  if (!Open(file)) return {};
  return QStringLiteral(":") + Root(FileName(file)) + QStringLiteral("/") + name;
}

bool PictureLibraries::Has(std::string_view file, const QString& name) {
  const QString path = ResourcePath(file, name);
  return !path.isEmpty() && QFile::exists(path);
}

QImage PictureLibraries::Picture(std::string_view file, const QString& name) {
  const QString path = ResourcePath(file, name);
  return path.isEmpty() ? QImage() : QImage(path);
}

QByteArray PictureLibraries::Data(std::string_view file, const QString& name) {
  QFile f(ResourcePath(file, name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage MissingPicture(const QString& name, QSize size) {
  QImage image(size.isValid() && !size.isEmpty() ? size : QSize(48, 48), QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(255, 255, 255, 200));
  QPainter p(&image);
  p.setPen(QPen(QColor(200, 0, 0), 2));
  p.drawRect(image.rect().adjusted(1, 1, -2, -2));
  p.drawLine(image.rect().topLeft(), image.rect().bottomRight());
  p.setPen(Qt::black);
  QFont font = p.font();
  font.setPixelSize(std::max(8, std::min(14, image.height() / 3)));
  p.setFont(font);
  p.drawText(image.rect(), Qt::AlignCenter | Qt::TextWrapAnywhere, name);
  return image;
}

}  // namespace tarvel
