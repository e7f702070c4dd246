#pragma once
// Names of the spoken card names in the voice library: suit prefix, rank code, "Voice", language suffix,
// e.g. "Ch5AVoiceDeu" for the ace of hearts in German. Header-only so the build's voice packer shares it.
#include <array>
#include <string>
#include <string_view>

#include "engine/cards.h"

namespace tarvel {

inline constexpr std::string_view kVoiceLibraryFile = "KexCVoice3.dll";

// By the language column of the text table (0 English ... 9 Korean).
inline constexpr std::array<std::string_view, 10> kVoiceSuffix = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                                  "Chi", "Ita", "Cze", "Jap", "Kor"};

// The resource name of a card's voice; empty for a code that is no card or a language outside 0-9.
inline std::string VoiceResourceName(TStr2 card, int language) {
  if (language < 0 || language >= static_cast<int>(kVoiceSuffix.size()) || !IsRealCard(card)) return {};
  return ResourceStem(card) + "Voice" + std::string(kVoiceSuffix[language]);
}

}  // namespace tarvel
