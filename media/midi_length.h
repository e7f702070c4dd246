#pragma once
// The playing time of a Standard MIDI file held in memory, from its tempo map and the last event of its
// longest track. Standard library only. A file that is not a well-formed SMF yields nothing.
#include <optional>
#include <string_view>

namespace tarvel {

std::optional<double> MidiDurationSeconds(std::string_view smf);

}  // namespace tarvel
