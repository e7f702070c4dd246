#pragma once
// The ten-language text table: every text the program shows, by row number. The rows live in texts.tsv and
// are compiled into the program by make_text_table; nothing is read from files at run time.
// Texts are UTF-8. Multi-line message texts put LF CR between their lines.
#include <string>
#include <string_view>

#include "settings/options.h"

namespace tarvel {

inline constexpr int kTextRows = 1058;  // rows 0-1057
inline constexpr int kLanguageCount = 10;

// Column of each language.
enum Language : int {
  kEnglish = 0,
  kRussian = 1,
  kGerman = 2,
  kFrench = 3,
  kSpanish = 4,
  kChinese = 5,
  kItalian = 6,
  kCzech = 7,
  kJapanese = 8,
  kKorean = 9,
};

// The lookups below read English for a language outside 0-9, and an empty text for a row outside 0-1057.

std::string_view Text(int row, int language);

// The language's own name, as the language list of the options dialog shows it.
std::string_view LanguageName(int language);

// The product name for the main window's caption, and the same in capitals for the splash screen.
std::string_view ProductName(int language);
std::string_view ProductNameCapitals(int language);

// The text a computer seat shows while it searches the endgame ("I think... ").
std::string_view ThinkText(int language);

// Language-dependent pictures are stored under a base name plus a three-letter suffix ("Cap" + "Rus").
// Japanese and Korean use the English pictures.
std::string_view PictureSuffix(int language);
std::string PictureName(std::string_view base, int language);
// The national flag of the options dialog, which alone has its own Japanese and Korean pictures.
std::string FlagPictureName(int language);

// The table seen through the current language of one options record: a change of `Language` in the record
// takes effect at the next lookup. The record must outlive the TextTable.
class TextTable {
 public:
  explicit TextTable(const Options& options) : options_(options) {}

  int CurrentLanguage() const { return options_.Language; }
  std::string_view Text(int row) const { return tarvel::Text(row, CurrentLanguage()); }
  std::string_view Text(int row, int language) const { return tarvel::Text(row, language); }
  std::string PictureName(std::string_view base) const { return tarvel::PictureName(base, CurrentLanguage()); }
  std::string FlagPictureName() const { return tarvel::FlagPictureName(CurrentLanguage()); }
  std::string_view ProductName() const { return tarvel::ProductName(CurrentLanguage()); }
  std::string_view ProductNameCapitals() const { return tarvel::ProductNameCapitals(CurrentLanguage()); }
  std::string_view ThinkText() const { return tarvel::ThinkText(CurrentLanguage()); }

 private:
  const Options& options_;
};

}  // namespace tarvel
