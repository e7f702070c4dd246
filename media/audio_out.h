#pragma once
// The program's audio output: a thread of its own plays the effects and the song, so that the user-interface
// thread may block for a sound it waits for without running its event loop. The default output device is
// looked up once; without one (or after it fails to open) every call is accepted and nothing sounds.
#include <QByteArray>
#include <QThread>
#include <atomic>
#include <memory>

namespace tarvel {

class AudioOut {
 public:
  AudioOut();
  ~AudioOut();
  AudioOut(const AudioOut&) = delete;
  AudioOut& operator=(const AudioOut&) = delete;

  bool HasDevice() const { return device_->load(); }

  // Starts a WAV file held in memory, cutting the effect still sounding. Returns at once.
  void PlayEffect(const QByteArray& wav);
  void StopEffect();
  // Starts a Standard MIDI file from its beginning through the synthesiser, replacing the song playing.
  void StartSong(const QByteArray& smf);
  void StopSong();

 private:
  class Worker;
  std::shared_ptr<std::atomic<bool>> device_;  // shared with the worker, which clears it when opening fails
  QThread thread_;
  Worker* worker_ = nullptr;
};

}  // namespace tarvel
