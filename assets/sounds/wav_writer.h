#pragma once
// Writes mono 16-bit PCM WAV files for the build's sound generators.
#include <string>
#include <vector>

namespace tarvel::assets {

// Samples in [-1, 1] (values outside are clamped) to the bytes of a WAV file.
std::string WavBytes(const std::vector<float>& samples, int sampleRate);
// Writes the bytes to the path; false when the file cannot be written completely.
bool WriteFile(const std::string& path, const std::string& bytes);

}  // namespace tarvel::assets
