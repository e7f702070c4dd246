#include "media/audio_out.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>

#include "media/song_stream.h"
#include "media/song_synth.h"
#include "media/wav_data.h"

namespace tarvel {

// Lives on the audio thread; every call below runs there. Qt's PulseAudio sink runs the thread's pending
// events while it is destroyed, so a sink is never destroyed inside one of these calls: it is stopped,
// detached and deleted later from the event loop, together with the data it reads (its child).
class AudioOut::Worker : public QObject {
 public:
  Worker(QAudioDevice device, std::shared_ptr<State> state)
      : device_(std::move(device)), state_(std::move(state)) {}

  // Each request carries its number; a request that a later one of its kind has replaced does nothing.
  void PlayEffect(const QByteArray& wav, unsigned request) {
    if (request != state_->effectRequest.load()) return;
    StopEffect(request);
    const auto info = ReadWavInfo({wav.constData(), static_cast<std::size_t>(wav.size())});
    if (!info || shutDown_ || !state_->usable.load()) return;
    QAudioFormat format;
    format.setSampleRate(info->sampleRate);
    format.setChannelCount(info->channels);
    format.setSampleFormat(SampleFormat(*info));
    QAudioSink* sink = OpenSink(format);
    if (!sink) return;
    auto* samples = new QBuffer(sink);
    samples->setData(
        wav.mid(static_cast<qsizetype>(info->dataOffset), static_cast<qsizetype>(info->dataSize)));
    samples->open(QIODevice::ReadOnly);
    effect_ = sink;
    sink->start(samples);
    CheckOpened(*sink);
  }

  void StopEffect(unsigned request) {
    if (request == state_->effectRequest.load()) Retire(effect_);
  }

  void StartSong(const QByteArray& smf, unsigned request) {
    if (request != state_->songRequest.load()) return;
    StopSong(request);
    if (shutDown_ || !state_->usable.load()) return;
    if (!synth_) synth_ = std::make_unique<SongSynth>();
    QAudioFormat format;
    format.setSampleRate(SongSynth::kSampleRate);
    format.setChannelCount(SongSynth::kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!synth_->Start({smf.constData(), static_cast<std::size_t>(smf.size())})) return;
    QAudioSink* sink = OpenSink(format);
    if (!sink) {
      synth_->Stop();
      return;
    }
    auto* stream = new SongStream(*synth_, sink);
    stream->open(QIODevice::ReadOnly);
    song_ = sink;
    sink->start(stream);
    CheckOpened(*sink);
  }

  void StopSong(unsigned request) {
    if (request != state_->songRequest.load()) return;
    Retire(song_);
    if (synth_) synth_->Stop();
  }

  void Shutdown() {
    shutDown_ = true;
    Retire(effect_);
    Retire(song_);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private:
  static QAudioFormat::SampleFormat SampleFormat(const WavInfo& info) {
    if (info.encoding == WavInfo::Encoding::Float) return QAudioFormat::Float;
    switch (info.bitsPerSample) {
      case 8:
        return QAudioFormat::UInt8;
      case 16:
        return QAudioFormat::Int16;
      case 32:
        return QAudioFormat::Int32;
      default:
        return QAudioFormat::Unknown;  // 24-bit samples have no Qt format
    }
  }

  QAudioSink* OpenSink(const QAudioFormat& format) {
    if (format.sampleFormat() == QAudioFormat::Unknown || !device_.isFormatSupported(format)) return nullptr;
    return new QAudioSink(device_, format);
  }

  static void Retire(QPointer<QAudioSink>& current) {
    QAudioSink* sink = current;
    current = nullptr;
    if (!sink) return;
    sink->stop();
    sink->deleteLater();
  }

  // A device that cannot be opened is not tried again in this run: no error is reported over and over.
  void CheckOpened(const QAudioSink& sink) {
    if (sink.error() == QAudio::OpenError) state_->usable.store(false);
  }

  QAudioDevice device_;
  std::shared_ptr<State> state_;
  bool shutDown_ = false;
  QPointer<QAudioSink> effect_;
  QPointer<QAudioSink> song_;
  std::unique_ptr<SongSynth> synth_;  // outlives every song stream: destroyed with the worker
};

AudioOut::AudioOut() {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  state_ = std::make_shared<State>();
  state_->usable = !device.isNull();
  if (!HasDevice()) return;
  worker_ = new Worker(device, state_);
  worker_->moveToThread(&thread_);
  thread_.setObjectName("tarvel-audio");
  thread_.start();
}

AudioOut::~AudioOut() {
  if (!worker_) return;
  QMetaObject::invokeMethod(
      worker_, [w = worker_] { w->Shutdown(); }, Qt::BlockingQueuedConnection);
  thread_.quit();
  thread_.wait();
  delete worker_;
}

void AudioOut::PlayEffect(const QByteArray& wav) {
  if (!HasDevice()) return;
  const unsigned request = ++state_->effectRequest;
  QMetaObject::invokeMethod(worker_, [w = worker_, wav, request] { w->PlayEffect(wav, request); });
}
void AudioOut::StopEffect() {
  if (!worker_) return;
  const unsigned request = ++state_->effectRequest;
  QMetaObject::invokeMethod(worker_, [w = worker_, request] { w->StopEffect(request); });
}
void AudioOut::StartSong(const QByteArray& smf) {
  if (!HasDevice()) return;
  const unsigned request = ++state_->songRequest;
  QMetaObject::invokeMethod(worker_, [w = worker_, smf, request] { w->StartSong(smf, request); });
}
void AudioOut::StopSong() {
  if (!worker_) return;
  const unsigned request = ++state_->songRequest;
  QMetaObject::invokeMethod(worker_, [w = worker_, request] { w->StopSong(request); });
}

}  // namespace tarvel
