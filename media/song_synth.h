#pragma once
// The MIDI song through FluidSynth with a General MIDI sound font: starts a Standard MIDI file from its
// beginning and renders it as 16-bit stereo samples on demand. Used from one thread at a time; no audio
// device is opened here (the caller sends the samples where they are heard, or to a file).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace tarvel {

// The first General MIDI sound font of Debian's that is installed; empty when none is.
std::string DefaultSoundFont();

class SongSynth {
 public:
  static constexpr int kSampleRate = 44100;
  static constexpr int kChannels = 2;

  // Loads the sound font; Ok() tells whether that worked. FluidSynth's own messages are silenced.
  explicit SongSynth(const std::string& soundFont = DefaultSoundFont());
  ~SongSynth();
  SongSynth(const SongSynth&) = delete;
  SongSynth& operator=(const SongSynth&) = delete;

  bool Ok() const { return soundFont_ >= 0; }
  // Silences whatever sounds and starts the song from its beginning; false for a file FluidSynth rejects.
  bool Start(std::string_view smf);
  void Stop();
  // Writes up to `frames` interleaved stereo frames; none once the song is over. After the end of the file
  // FluidSynth lets the last notes ring until no voice sounds, then two seconds more for the reverb.
  std::size_t Render(std::int16_t* out, std::size_t frames);
  bool Finished() const;

 private:
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_player_t* player_ = nullptr;
  int soundFont_ = -1;
};

}  // namespace tarvel
