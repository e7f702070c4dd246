#pragma once
// The program's audio output: a thread of its own plays the effects and the song, so that the user-interface
// thread may block for a sound it waits for without running its event loop. The default output device is
// looked up once; without one (or after it fails to open) every call is accepted and nothing sounds.
// Requests are handled in order, and one that a later request of its kind replaces before the audio thread
// reaches it is dropped: a burst of effects never leaves the output lagging behind the game.
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

  bool HasDevice() const { return state_->usable.load(); }

  // Starts a WAV file held in memory, cutting the effect still sounding. Returns at once.
  void PlayEffect(const QByteArray& wav);
  void StopEffect();
  // Starts a Standard MIDI file from its beginning through the synthesiser, replacing the song playing.
  void StartSong(const QByteArray& smf);
  void StopSong();

 private:
  class Worker;
  // Shared with the worker.
  struct State {
    std::atomic<bool> usable{false};         // cleared by the worker when the device fails to open
    std::atomic<unsigned> effectRequest{0};  // number of the latest effect request
    std::atomic<unsigned> songRequest{0};
  };
  std::shared_ptr<State> state_;
  QThread thread_;
  Worker* worker_ = nullptr;
};

}  // namespace tarvel
