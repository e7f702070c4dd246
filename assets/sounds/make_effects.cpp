// Build-time tool: synthesises every sound effect the program plays into OUTDIR/<name>.wav and lists
// them in OUTDIR/effects.qrc under the names the program asks for.
// Usage: make_effects OUTDIR
#include <cstdio>
#include <string>

#include "assets/sounds/effect_recipes.h"
#include "assets/sounds/wav_writer.h"
#include "media/effect_names.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_effects OUTDIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  std::string qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/tarvel/effects\">\n";
  for (std::string_view name : tarvel::effect::kAll) {
    const auto samples = tarvel::assets::MakeEffect(name);
    if (!samples) {
      std::fprintf(stderr, "make_effects: no recipe for \"%.*s\"\n", static_cast<int>(name.size()),
                   name.data());
      return 1;
    }
    const std::string path = dir + "/" + std::string(name) + ".wav";
    if (!tarvel::assets::WriteFile(path, tarvel::assets::WavBytes(*samples, tarvel::assets::kSampleRate))) {
      std::fprintf(stderr, "make_effects: cannot write %s\n", path.c_str());
      return 1;
    }
    qrc += "  <file alias=\"" + std::string(name) + "\">" + std::string(name) + ".wav</file>\n";
  }
  qrc += "</qresource>\n</RCC>\n";
  if (!tarvel::assets::WriteFile(dir + "/effects.qrc", qrc)) {
    std::fprintf(stderr, "make_effects: cannot write %s/effects.qrc\n", dir.c_str());
    return 1;
  }
  return 0;
}
