#include "settings/text_table.h"

#include <array>

#include "settings/text_table_data.h"

namespace tarvel {
namespace {

using Row = std::array<std::string_view, kLanguageCount>;

constexpr Row kLanguageNames = {"English", "Русский", "Deutsche", "Français", "Español",
                                "中文",    "Italiano", "Čeština",  "日本",     "한국인"};

constexpr Row kProductNames = {"Tarvel", "Tarvel", "Tarvel", "Tarvel", "Tarvel",
                               "Tarvel", "Tarvel", "Tarvel", "Tarvel", "Tarvel"};

constexpr Row kProductNamesCapitals = {"TARVEL", "TARVEL", "TARVEL", "TARVEL", "TARVEL",
                                       "TARVEL", "TARVEL", "TARVEL", "TARVEL", "TARVEL"};

constexpr Row kThinkTexts = {"I think... ",  "Думаю... ",   "Ich denke... ", "Je pense... ", "Creo... ",
                             "思考... ",     "Pensare... ", "Myslet si...",  "おもう...",    "제 생각에는..."};

constexpr Row kPictureSuffixes = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Eng", "Eng"};

int Column(int language) { return language >= 0 && language < kLanguageCount ? language : kEnglish; }

}  // namespace

std::string_view Text(int row, int language) {
  if (row < 0 || row >= kTextRows) return {};
  return text_table_data::kCells[row][Column(language)];
}

std::string_view LanguageName(int language) { return kLanguageNames[Column(language)]; }
std::string_view ProductName(int language) { return kProductNames[Column(language)]; }
std::string_view ProductNameCapitals(int language) { return kProductNamesCapitals[Column(language)]; }
std::string_view ThinkText(int language) { return kThinkTexts[Column(language)]; }
std::string_view PictureSuffix(int language) { return kPictureSuffixes[Column(language)]; }

std::string PictureName(std::string_view base, int language) {
  std::string name(base);
  name += PictureSuffix(language);
  return name;
}

std::string FlagPictureName(int language) {
  switch (Column(language)) {
    case kJapanese:
      return "FlagOJap";
    case kKorean:
      return "FlagOKor";
    default:
      return PictureName("FlagO", language);
  }
}

}  // namespace tarvel
