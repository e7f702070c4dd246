// Build-time tool: speaks every card's name in the ten languages with espeak-ng and writes the WAV files
// and the resource list of the voice library (packed by rcc into KexCVoice3.dll).
// Usage: make_voice ESPEAK_NG CARD_NAMES.tsv WORKDIR   (writes WORKDIR/<name>.wav and WORKDIR/voice.qrc)
// The names are spoken by a few espeak-ng processes at a time; each WAV is trimmed of its leading and
// trailing silence and brought to one peak level.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "assets/sounds/wav_writer.h"
#include "engine/cards.h"
#include "media/voice_names.h"
#include "media/wav_data.h"

extern char** environ;

namespace {

// The espeak-ng voice of each language suffix.
const std::map<std::string, std::string> kEspeakVoice = {
    {"Eng", "en"}, {"Rus", "ru"}, {"Deu", "de"}, {"Fra", "fr"}, {"Spa", "es"}, {"Chi", "cmn-latn-pinyin"},
    {"Ita", "it"}, {"Cze", "cs"}, {"Jap", "ja"}, {"Kor", "ko"},
};

struct Job {
  std::string resource;  // "Ch5AVoiceDeu"
  std::string voice;
  std::string text;
};

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) out.push_back(field);
  return out;
}

bool ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), {});
  return true;
}

// Reads the names file into one job per card and language; prints what is wrong and returns false.
bool ReadJobs(const std::string& path, std::vector<Job>& jobs) {
  std::ifstream in(path);
  if (!in) {
    std::fprintf(stderr, "make_voice: cannot read %s\n", path.c_str());
    return false;
  }
  std::vector<std::string> header;
  std::map<std::string, std::vector<std::string>> names;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    auto fields = SplitTabs(line);
    if (header.empty()) {
      header = fields;
      if (header.size() != tarvel::kVoiceSuffix.size() + 1 ||
          !std::equal(tarvel::kVoiceSuffix.begin(), tarvel::kVoiceSuffix.end(), header.begin() + 1)) {
        std::fprintf(stderr, "make_voice: the header must list the ten language suffixes in order\n");
        return false;
      }
      continue;
    }
    if (fields.size() != header.size() ||
        std::any_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); })) {
      std::fprintf(stderr, "make_voice: line \"%s\" needs a stem and ten names\n", line.c_str());
      return false;
    }
    names[fields[0]] = {fields.begin() + 1, fields.end()};
  }
  for (int v = 1; v <= 36; ++v) {
    const tarvel::TStr2 card = tarvel::CardOfOrder(v);
    const auto it = names.find(tarvel::ResourceStem(card));
    if (it == names.end()) {
      std::fprintf(stderr, "make_voice: no names for %s\n", tarvel::ResourceStem(card).c_str());
      return false;
    }
    for (int lang = 0; lang < static_cast<int>(tarvel::kVoiceSuffix.size()); ++lang)
      jobs.push_back({tarvel::VoiceResourceName(card, lang),
                      kEspeakVoice.at(std::string(tarvel::kVoiceSuffix[lang])), it->second[lang]});
  }
  if (names.size() != 36) {
    std::fprintf(stderr, "make_voice: %zu stems where the deck has 36\n", names.size());
    return false;
  }
  return true;
}

bool Speak(const std::string& espeak, const Job& job, const std::string& rawPath) {
  std::vector<std::string> args = {espeak, "-v", job.voice, "-s", "150", "-w", rawPath, "--", job.text};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  if (posix_spawn(&pid, espeak.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The 16-bit mono samples of espeak-ng's WAV, trimmed and levelled.
bool Tidy(const std::string& wav, std::vector<float>& out, int& rate) {
  const auto info = tarvel::ReadWavInfo(wav);
  if (!info || info->channels != 1 || info->bitsPerSample != 16 ||
      info->encoding != tarvel::WavInfo::Encoding::Integer)
    return false;
  rate = info->sampleRate;
  std::vector<float> s(info->Frames());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto lo = static_cast<unsigned char>(wav[info->dataOffset + 2 * i]);
    const auto hi = static_cast<unsigned char>(wav[info->dataOffset + 2 * i + 1]);
    s[i] = static_cast<std::int16_t>(lo | hi << 8) / 32768.0f;
  }
  const float threshold = 0.01f;
  auto first = std::find_if(s.begin(), s.end(), [&](float x) { return std::abs(x) > threshold; });
  auto last = std::find_if(s.rbegin(), s.rend(), [&](float x) { return std::abs(x) > threshold; });
  if (first == s.end()) return false;
  const std::size_t margin = static_cast<std::size_t>(rate / 100);  // 10 ms either side
  const std::size_t begin =
      static_cast<std::size_t>(first - s.begin()) - std::min<std::size_t>(margin, first - s.begin());
  const std::size_t end = std::min(s.size(), static_cast<std::size_t>(s.rend() - last) + margin);
  out.assign(s.begin() + static_cast<std::ptrdiff_t>(begin), s.begin() + static_cast<std::ptrdiff_t>(end));
  const std::size_t fade = std::min(out.size() / 2, static_cast<std::size_t>(rate / 200));
  for (std::size_t i = 0; i < fade; ++i) {
    out[i] *= static_cast<float>(i) / fade;
    out[out.size() - 1 - i] *= static_cast<float>(i) / fade;
  }
  float peak = 0;
  for (float x : out) peak = std::max(peak, std::abs(x));
  for (float& x : out) x *= 0.7f / peak;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_voice ESPEAK_NG CARD_NAMES.tsv WORKDIR\n");
    return 2;
  }
  const std::string espeak = argv[1];
  const std::string dir = argv[3];
  std::vector<Job> jobs;
  if (!ReadJobs(argv[2], jobs)) return 1;

  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  auto worker = [&] {
    while (!failed) {
      const std::size_t i = next++;
      if (i >= jobs.size()) return;
      const Job& job = jobs[i];
      const std::string raw = dir + "/" + job.resource + ".raw.wav";
      std::string bytes;
      std::vector<float> samples;
      int rate = 0;
      if (!Speak(espeak, job, raw) || !ReadFile(raw, bytes) || !Tidy(bytes, samples, rate)) {
        std::fprintf(stderr, "make_voice: espeak-ng could not speak \"%s\" (%s) for %s\n", job.text.c_str(),
                     job.voice.c_str(), job.resource.c_str());
        failed = true;
        return;
      }
      std::remove(raw.c_str());
      const std::string path = dir + "/" + job.resource + ".wav";
      if (!tarvel::assets::WriteFile(path, tarvel::assets::WavBytes(samples, rate))) {
        std::fprintf(stderr, "make_voice: cannot write %s\n", path.c_str());
        failed = true;
        return;
      }
    }
  };
  const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
  for (auto& t : pool) t.join();
  if (failed) return 1;

  std::string qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
  for (const Job& job : jobs)
    qrc += "  <file alias=\"" + job.resource + "\">" + job.resource + ".wav</file>\n";
  qrc += "</qresource>\n</RCC>\n";
  if (!tarvel::assets::WriteFile(dir + "/voice.qrc", qrc)) {
    std::fprintf(stderr, "make_voice: cannot write %s/voice.qrc\n", dir.c_str());
    return 1;
  }
  return 0;
}
