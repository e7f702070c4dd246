#pragma once
// Shared by the media tests: the files the build made, one audio output for the whole run, and waiting
// on the event loop.
#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>

#include "media/audio_out.h"

namespace tarvel::test {

// The voice library of the build tree and a small resource file (first.txt, sub/second.txt).
inline QString VoiceLibraryPath() {
  return QStringLiteral(TARVEL_VOICE_LIBRARY);
}
inline QString SmallResourcePath() {
  return QStringLiteral(TARVEL_SMALL_RCC);
}

QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray EffectWav(const char* name);

// One output for every test, made by main after the application object: the audio devices are looked up
// once per process, as the program does.
AudioOut& SharedAudioOut();
void SetSharedAudioOut(AudioOut* out);

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit);

inline long long MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace tarvel::test
