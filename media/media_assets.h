#pragma once
// The sounds compiled into the program: every effect as a WAV file under kEffectResourceDir, named as the
// program asks for it ("WHodsDo"), and the background song, a Standard MIDI file, at kSongResource.

namespace tarvel {

inline constexpr const char* kEffectResourceDir = ":/tarvel/effects";
inline constexpr const char* kSongResource = ":/tarvel/MidiSong";

// Makes the resources above available; safe to call more than once.
void InitMediaAssets();

}  // namespace tarvel
