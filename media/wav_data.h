#pragma once
// Reads the header of a WAV file held in memory: the sample format and where the samples are. Standard
// library only. Anything that is not a plain PCM (8, 16, 24, 32-bit integer) or 32-bit float WAV yields
// nothing; a data chunk that claims more bytes than the file holds (as a WAV streamed to a pipe does) is
// cut to what is there.
#include <cstddef>
#include <optional>
#include <string_view>

namespace tarvel {

struct WavInfo {
  enum class Encoding { Integer, Float };
  Encoding encoding = Encoding::Integer;
  int sampleRate = 0;
  int channels = 0;
  int bitsPerSample = 0;
  std::size_t dataOffset = 0;  // bytes from the start of the file
  std::size_t dataSize = 0;    // whole frames only

  int BytesPerFrame() const { return channels * bitsPerSample / 8; }
  std::size_t Frames() const { return BytesPerFrame() > 0 ? dataSize / BytesPerFrame() : 0; }
  // Playing time in milliseconds, rounded up so that a wait for it never ends early.
  long long DurationMs() const {
    return sampleRate > 0 ? static_cast<long long>((Frames() * 1000 + sampleRate - 1) / sampleRate) : 0;
  }
};

std::optional<WavInfo> ReadWavInfo(std::string_view file);

}  // namespace tarvel
