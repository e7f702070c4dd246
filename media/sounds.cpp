#include "media/sounds.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <thread>

#include "media/audio_out.h"
#include "media/media_assets.h"
#include "media/voice_library.h"
#include "media/voice_names.h"
#include "media/wav_data.h"

namespace tarvel {

Sounds::Sounds(const Options& options, AudioOut& out, VoiceLibrary& voices)
    : options_(options), out_(out), voices_(voices) {
  InitMediaAssets();
  for (QDirIterator it(QString::fromLatin1(kEffectResourceDir)); it.hasNext();) {
    QFile file(it.next());
    const QString name = QFileInfo(file.fileName()).fileName();
    if (file.open(QIODevice::ReadOnly)) effects_.insert(name.toLower(), {name.toStdString(), file.readAll()});
  }
}

void Sounds::PlayEffect(std::string_view name, bool wait) {
  if (!options_.SoundOn) return;
  const auto it =
      effects_.constFind(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())).toLower());
  if (it == effects_.constEnd()) return;
  Play(it->wav, it->name, wait);
}

bool Sounds::SayCard(TStr2 card, bool wait) {
  if (!options_.SoundOn) return false;
  const std::string name = VoiceResourceName(card, options_.Language);
  const QByteArray wav = voices_.Voice(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  if (wav.isEmpty()) return false;
  Play(wav, name, wait);
  return true;
}

void Sounds::SoundOptionChanged() {
  if (options_.SoundOn) return;
  out_.StopEffect();
  sounding_.clear();
}

std::string Sounds::Sounding() const {
  return std::chrono::steady_clock::now() < soundingUntil_ ? sounding_ : std::string();
}

void Sounds::Play(const QByteArray& wav, std::string name, bool wait) {
  const auto info = ReadWavInfo({wav.constData(), static_cast<std::size_t>(wav.size())});
  if (!info || info->Frames() == 0) return;
  const auto start = std::chrono::steady_clock::now();
  out_.PlayEffect(wav);
  sounding_ = std::move(name);
  soundingUntil_ = start + std::chrono::milliseconds(info->DurationMs());
  // Blocking on purpose: the step that asked for the sound goes on when it has been heard.
  if (wait) std::this_thread::sleep_until(soundingUntil_);
}

}  // namespace tarvel
