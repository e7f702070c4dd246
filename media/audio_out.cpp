#include "media/audio_out.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include "media/song_stream.h"
#include "media/song_synth.h"
#include "media/wav_data.h"

namespace tarvel {

// Lives on the audio thread; every call below runs there.
class AudioOut::Worker : public QObject {
 public:
  Worker(QAudioDevice device, std::shared_ptr<std::atomic<bool>> usable)
      : device_(std::move(device)), usable_(std::move(usable)) {}

  void PlayEffect(const QByteArray& wav) {
    StopEffect();
    const auto info = ReadWavInfo({wav.constData(), static_cast<std::size_t>(wav.size())});
    if (!info || !usable_->load()) return;
    QAudioFormat format;
    format.setSampleRate(info->sampleRate);
    format.setChannelCount(info->channels);
    format.setSampleFormat(SampleFormat(*info));
    if (format.sampleFormat() == QAudioFormat::Unknown) return;
    effectData_ = wav.mid(static_cast<qsizetype>(info->dataOffset), static_cast<qsizetype>(info->dataSize));
    effectBuffer_ = std::make_unique<QBuffer>(&effectData_);
    effectBuffer_->open(QIODevice::ReadOnly);
    effect_ = OpenSink(format);
    if (!effect_) return;
    QObject::connect(effect_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
      if (state == QAudio::IdleState && effect_) effect_->stop();  // the whole sound has been handed over
    });
    effect_->start(effectBuffer_.get());
    CheckOpened(*effect_);
  }

  void StopEffect() {
    if (effect_) effect_->stop();
    effect_.reset();
    effectBuffer_.reset();
  }

  void StartSong(const QByteArray& smf) {
    StopSong();
    if (!usable_->load()) return;
    if (!synth_) synth_ = std::make_unique<SongSynth>();
    if (!synth_->Start({smf.constData(), static_cast<std::size_t>(smf.size())})) return;
    QAudioFormat format;
    format.setSampleRate(SongSynth::kSampleRate);
    format.setChannelCount(SongSynth::kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    song_ = OpenSink(format);
    if (!song_) return;
    stream_ = std::make_unique<SongStream>(*synth_);
    stream_->open(QIODevice::ReadOnly);
    QObject::connect(song_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
      if (state == QAudio::IdleState && song_ && synth_->Finished()) song_->stop();
    });
    song_->start(stream_.get());
    CheckOpened(*song_);
  }

  void StopSong() {
    if (song_) song_->stop();
    song_.reset();
    stream_.reset();
    if (synth_) synth_->Stop();
  }

  void Shutdown() {
    StopEffect();
    StopSong();
    synth_.reset();
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

  std::unique_ptr<QAudioSink> OpenSink(const QAudioFormat& format) {
    if (!device_.isFormatSupported(format)) return nullptr;
    return std::make_unique<QAudioSink>(device_, format);
  }

  // A device that cannot be opened is not tried again in this run: no error is reported over and over.
  void CheckOpened(const QAudioSink& sink) {
    if (sink.error() == QAudio::OpenError) usable_->store(false);
  }

  QAudioDevice device_;
  std::shared_ptr<std::atomic<bool>> usable_;
  QByteArray effectData_;
  std::unique_ptr<QBuffer> effectBuffer_;
  std::unique_ptr<QAudioSink> effect_;
  std::unique_ptr<SongSynth> synth_;
  std::unique_ptr<SongStream> stream_;
  std::unique_ptr<QAudioSink> song_;
};

AudioOut::AudioOut() {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  device_ = std::make_shared<std::atomic<bool>>(!device.isNull());
  if (!HasDevice()) return;
  worker_ = new Worker(device, device_);
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
  if (HasDevice()) QMetaObject::invokeMethod(worker_, [w = worker_, wav] { w->PlayEffect(wav); });
}
void AudioOut::StopEffect() {
  if (worker_) QMetaObject::invokeMethod(worker_, [w = worker_] { w->StopEffect(); });
}
void AudioOut::StartSong(const QByteArray& smf) {
  if (HasDevice()) QMetaObject::invokeMethod(worker_, [w = worker_, smf] { w->StartSong(smf); });
}
void AudioOut::StopSong() {
  if (worker_) QMetaObject::invokeMethod(worker_, [w = worker_] { w->StopSong(); });
}

}  // namespace tarvel
