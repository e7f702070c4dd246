#include "media/wav_data.h"

#include <cstdint>

namespace tarvel {
namespace {

std::uint32_t Le32(std::string_view s, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
}
std::uint16_t Le16(std::string_view s, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) | static_cast<unsigned char>(s[at + 1])
                                                                            << 8);
}

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

}  // namespace

std::optional<WavInfo> ReadWavInfo(std::string_view file) {
  if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE") return std::nullopt;
  std::optional<WavInfo> format;
  std::size_t at = 12;
  while (at < file.size() && file.size() - at >= 8) {
    const std::string_view id = file.substr(at, 4);
    const std::size_t size = Le32(file, at + 4);
    const std::size_t body = at + 8;
    const std::size_t available = file.size() - body;
    if (id == "fmt ") {
      if (size < 16 || available < 16) return std::nullopt;
      std::uint16_t tag = Le16(file, body);
      if (tag == kFormatExtensible && size >= 40 && available >= 40) tag = Le16(file, body + 24);
      WavInfo info;
      info.channels = Le16(file, body + 2);
      info.sampleRate = static_cast<int>(Le32(file, body + 4));
      info.bitsPerSample = Le16(file, body + 14);
      const bool integer = tag == kFormatPcm && (info.bitsPerSample == 8 || info.bitsPerSample == 16 ||
                                                 info.bitsPerSample == 24 || info.bitsPerSample == 32);
      const bool real = tag == kFormatFloat && info.bitsPerSample == 32;
      if (!integer && !real) return std::nullopt;
      if (info.channels < 1 || info.channels > 8 || info.sampleRate < 1000 || info.sampleRate > 384000)
        return std::nullopt;
      info.encoding = real ? WavInfo::Encoding::Float : WavInfo::Encoding::Integer;
      format = info;
    } else if (id == "data") {
      if (!format) return std::nullopt;
      format->dataOffset = body;
      const std::size_t bytes = size < available ? size : available;
      format->dataSize = bytes - bytes % format->BytesPerFrame();
      return format;
    }
    if (size > available) return std::nullopt;
    at = body + size + (size & 1);  // chunks are padded to an even length
  }
  return std::nullopt;
}

}  // namespace tarvel
