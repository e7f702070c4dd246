#pragma once
// Sound effects and spoken card names. Both obey `SoundOn` of the options record at every call. An effect
// or a name started without waiting returns at once and is cut by the next one; with waiting the call
// blocks the calling (user-interface) thread exactly as long as the sound lasts, with or without an audio
// device. The table's presenter forwards its PlaySound(name, wait) to PlayEffect:
//   presenter.playSound = [&sounds](std::string_view name, bool wait) { sounds.PlayEffect(name, wait); };
#include <QByteArray>
#include <QHash>
#include <QString>
#include <chrono>
#include <string>
#include <string_view>

#include "engine/cards.h"
#include "settings/options.h"

namespace tarvel {

class AudioOut;
class VoiceLibrary;

class Sounds {
 public:
  // All three must outlive the Sounds.
  Sounds(const Options& options, AudioOut& out, VoiceLibrary& voices);

  // Plays the effect stored under `name` (looked up without regard to case). A name that is not stored
  // plays nothing and does not wait.
  void PlayEffect(std::string_view name, bool wait);
  // Speaks the card in the current `Language`; false when nothing was said: sound off, the voice library
  // missing, or a code that is no card.
  bool SayCard(TStr2 card, bool wait);

  // After `SoundOn` was switched off: silences the effect still sounding.
  void SoundOptionChanged();

  // The effect or voice resource sounding now ("" when none). Without an audio device it is the one
  // that would be heard.
  std::string Sounding() const;

 private:
  void Play(const QByteArray& wav, std::string name, bool wait);

  const Options& options_;
  AudioOut& out_;
  VoiceLibrary& voices_;
  struct Effect {
    std::string name;  // as stored
    QByteArray wav;
  };
  QHash<QString, Effect> effects_;  // by lower-case name
  std::string sounding_;
  std::chrono::steady_clock::time_point soundingUntil_{};
};

}  // namespace tarvel
