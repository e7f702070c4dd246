#include "media_test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <thread>

#include "media/media_assets.h"

namespace tarvel::test {

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray EffectWav(const char* name) {
  InitMediaAssets();
  return ReadFile(QString::fromLatin1(kEffectResourceDir) + QLatin1Char('/') + QLatin1String(name));
}

namespace {
AudioOut* sharedOut = nullptr;
}
AudioOut& SharedAudioOut() {
  return *sharedOut;
}
void SetSharedAudioOut(AudioOut* out) {
  sharedOut = out;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace tarvel::test
