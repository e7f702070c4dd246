#include "media/song_synth.h"

#include <fluidsynth.h>

#include <algorithm>
#include <filesystem>

namespace tarvel {
namespace {

void SilenceFluidSynth() {
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
    fluid_set_log_function(level, nullptr, nullptr);
}

}  // namespace

std::string DefaultSoundFont() {
  for (const char* path : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                           "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return path;
  }
  return {};
}

SongSynth::SongSynth(const std::string& soundFont) {
  SilenceFluidSynth();
  settings_ = new_fluid_settings();
  if (!settings_) return;
  fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
  fluid_settings_setnum(settings_, "synth.gain", 0.8);  // the song peaks near half of full scale
  fluid_settings_setint(settings_, "synth.reverb.active", 1);
  synth_ = new_fluid_synth(settings_);
  if (synth_ && !soundFont.empty()) soundFont_ = fluid_synth_sfload(synth_, soundFont.c_str(), 1);
  if (soundFont_ == FLUID_FAILED) soundFont_ = -1;
}

SongSynth::~SongSynth() {
  Stop();
  if (synth_) delete_fluid_synth(synth_);
  if (settings_) delete_fluid_settings(settings_);
}

bool SongSynth::Start(std::string_view smf) {
  Stop();
  if (!Ok()) return false;
  fluid_synth_system_reset(synth_);
  player_ = new_fluid_player(synth_);
  if (!player_) return false;
  if (fluid_player_add_mem(player_, smf.data(), smf.size()) != FLUID_OK ||
      fluid_player_play(player_) != FLUID_OK) {
    Stop();
    return false;
  }
  return true;
}

void SongSynth::Stop() {
  if (!player_) return;
  fluid_player_stop(player_);
  delete_fluid_player(player_);
  player_ = nullptr;
  fluid_synth_system_reset(synth_);
}

bool SongSynth::Finished() const {
  return !player_ || fluid_player_get_status(player_) == FLUID_PLAYER_DONE;
}

std::size_t SongSynth::Render(std::int16_t* out, std::size_t frames) {
  if (Finished()) return 0;
  const int n = static_cast<int>(std::min<std::size_t>(frames, 1 << 16));
  if (n == 0 || fluid_synth_write_s16(synth_, n, out, 0, kChannels, out, 1, kChannels) != FLUID_OK) return 0;
  return static_cast<std::size_t>(n);
}

}  // namespace tarvel
