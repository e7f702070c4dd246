#include "assets/sounds/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace tarvel::assets {
namespace {

void Put32(std::string& s, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}
void Put16(std::string& s, std::uint16_t v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>(v >> 8));
}

}  // namespace

std::string WavBytes(const std::vector<float>& samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string s = "RIFF";
  Put32(s, 36 + dataBytes);
  s += "WAVEfmt ";
  Put32(s, 16);
  Put16(s, 1);  // PCM
  Put16(s, 1);  // mono
  Put32(s, static_cast<std::uint32_t>(sampleRate));
  Put32(s, static_cast<std::uint32_t>(sampleRate * 2));
  Put16(s, 2);
  Put16(s, 16);
  s += "data";
  Put32(s, dataBytes);
  for (float x : samples) {
    const long v = std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f);
    Put16(s, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
  }
  return s;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace tarvel::assets
