#include "media/song_stream.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace tarvel {

namespace {
constexpr qint64 kFrameBytes = SongSynth::kChannels * sizeof(std::int16_t);
}

SongStream::SongStream(SongSynth& synth, QObject* parent) : QIODevice(parent), synth_(synth) {}

qint64 SongStream::bytesAvailable() const {
  return (synth_.Finished() ? 0 : SongSynth::kSampleRate * kFrameBytes) + QIODevice::bytesAvailable();
}

qint64 SongStream::readData(char* data, qint64 maxSize) {
  const auto frames = static_cast<std::size_t>(maxSize / kFrameBytes);
  std::vector<std::int16_t> samples(frames * SongSynth::kChannels);
  const std::size_t done = synth_.Render(samples.data(), frames);
  const qint64 bytes = static_cast<qint64>(done) * kFrameBytes;
  std::memcpy(data, samples.data(), static_cast<std::size_t>(bytes));
  return bytes;
}

}  // namespace tarvel
