#include "settings/text_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "settings/cp1251.h"
#include "temp_dir.h"

namespace tarvel {
namespace {

// The rows the program uses, written out here so that a row lost from texts.tsv shows.
std::vector<int> RowsInUse() {
  const std::pair<int, int> ranges[] = {{0, 8},       {19, 112},   {131, 175},   {178, 227},  {230, 230},
                                        {232, 234},   {239, 246},  {248, 408},   {411, 413},  {419, 424},
                                        {449, 451},   {461, 461},  {464, 474},   {516, 516},  {1015, 1025},
                                        {1031, 1048}, {1050, 1057}};
  std::vector<int> rows;
  for (const auto& [first, last] : ranges) {
    for (int row = first; row <= last; ++row) rows.push_back(row);
  }
  return rows;
}

bool IsDocumentedEmpty(int row, int language) { return row == 404 && language == kKorean; }

TEST(TextTable, KnownRows) {
  EXPECT_EQ(RowsInUse().size(), 433u);
  EXPECT_EQ(Text(0, kEnglish), "New Player");
  EXPECT_EQ(Text(7, kEnglish), " The members of club    Games    Score ");
  EXPECT_EQ(Text(8, kEnglish), " The members of club    Games   Rating ");
  EXPECT_EQ(Text(90, kEnglish), "The file \"");
  EXPECT_EQ(Text(91, kEnglish), "\" has incorrect attributes!\n\rThe work of the program will be incorrect!");
  EXPECT_EQ(Text(96, kEnglish), "Can`t save options!");
  EXPECT_EQ(Text(135, kEnglish), "ЮMoney:");
  EXPECT_EQ(Text(195, kEnglish), "CLUB \"VALDOR GAMES\"");
  EXPECT_EQ(Text(1018, kEnglish), "Can`t find ");
  EXPECT_EQ(Text(1057, kEnglish), "No Options");
  EXPECT_EQ(Text(96, kRussian), "Не удаётся сохранить настройки!");
  EXPECT_EQ(Text(76, kRussian), "Ваше имя и/или пароль успешно изменены!\n\rНовое имя: ");
  // Rows outside the list are empty, so no row has slipped to a neighbour's number.
  for (const int unused : {9, 18, 113, 130, 176, 228, 409, 462, 517, 1014, 1049}) {
    EXPECT_EQ(Text(unused, kEnglish), "") << unused;
  }
}

TEST(TextTable, OutOfRangeLookups) {
  EXPECT_EQ(Text(-1, kEnglish), "");
  EXPECT_EQ(Text(kTextRows, kEnglish), "");
  EXPECT_EQ(Text(96, 10), "Can`t save options!");  // a language without a column reads English
  EXPECT_EQ(Text(96, -1), "Can`t save options!");
  EXPECT_EQ(Text(404, kKorean), "");               // has no Korean text
}

TEST(TextTable, EveryRowInUseHasEnglishAndRussian) {
  for (const int row : RowsInUse()) {
    for (const int language : {kEnglish, kRussian}) {
      const std::string_view text = Text(row, language);
      EXPECT_FALSE(text.empty()) << "row " << row << " language " << language;
      // Escapes were turned into characters, and the texts can go into Windows-1251 files whole.
      EXPECT_EQ(text.find('\\'), std::string_view::npos) << "row " << row;
      const std::string bytes = Utf8ToCp1251(text);
      EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '?'), std::count(text.begin(), text.end(), '?')) << "row " << row;
    }
    // Texts that frame others keep their edge spaces in every language, multi-line ones their line breaks.
    const std::string_view english = Text(row, kEnglish);
    const std::string_view russian = Text(row, kRussian);
    EXPECT_EQ(english.front() == ' ', russian.front() == ' ') << "row " << row;
    EXPECT_EQ(english.back() == ' ', russian.back() == ' ') << "row " << row;
    EXPECT_EQ(english.find("\n\r") != std::string_view::npos, russian.find("\n\r") != std::string_view::npos)
        << "row " << row;
  }
}

// Fails until the translators' columns are merged into texts.tsv (settings/merge_translations.py).
TEST(TextTable, AllLanguagesFilled) {
  std::ostringstream missing;
  int count = 0;
  for (int language = 0; language < kLanguageCount; ++language) {
    std::ostringstream rows;
    int language_count = 0;
    for (const int row : RowsInUse()) {
      const bool empty = Text(row, language).empty();
      if (empty == IsDocumentedEmpty(row, language)) continue;
      if (language_count++ < 5) rows << " " << row << (empty ? "" : "(should be empty)");
      ++count;
    }
    if (language_count > 0) {
      missing << "\n  language " << language << " (" << LanguageName(language) << "): " << language_count
              << " rows:" << rows.str() << (language_count > 5 ? " ..." : "");
    }
  }
  EXPECT_EQ(count, 0) << "(row, language) pairs not filled:" << missing.str();
}

TEST(TextTable, FollowsTheLanguageOfTheOptions) {
  Options options;
  const TextTable texts(options);
  EXPECT_EQ(texts.Text(21), "Exit to menu");
  EXPECT_EQ(texts.PictureName("Cap"), "CapEng");
  options.Language = kRussian;
  EXPECT_EQ(texts.Text(21), "Выход в меню");
  EXPECT_EQ(texts.Text(21, kEnglish), "Exit to menu");
  EXPECT_EQ(texts.PictureName("GFormOpt"), "GFormOptRus");
  EXPECT_EQ(texts.ThinkText(), "Думаю... ");
  EXPECT_EQ(texts.ProductName(), "Tarvel");
  // The club-list header follows ClubListMode.
  options.ClubListMode = 2;
  EXPECT_EQ(texts.Text(6 + options.ClubListMode), " Члены клуба            Игры   Рейтинг ");
}

TEST(TextTable, PerLanguageTables) {
  const char* const suffixes[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Eng", "Eng"};
  const char* const flags[] = {"FlagOEng", "FlagORus", "FlagODeu", "FlagOFra", "FlagOSpa",
                               "FlagOChi", "FlagOIta", "FlagOCze", "FlagOJap", "FlagOKor"};
  const char* const think[] = {"I think... ",  "Думаю... ",   "Ich denke... ", "Je pense... ", "Creo... ",
                               "思考... ",     "Pensare... ", "Myslet si...",  "おもう...",    "제 생각에는..."};
  const char* const names[] = {"English", "Русский", "Deutsche", "Français", "Español",
                               "中文",    "Italiano", "Čeština",  "日本",     "한국인"};
  for (int language = 0; language < kLanguageCount; ++language) {
    SCOPED_TRACE(language);
    EXPECT_EQ(PictureName("Elite", language), std::string("Elite") + suffixes[language]);
    EXPECT_EQ(FlagPictureName(language), flags[language]);
    EXPECT_EQ(ThinkText(language), think[language]);
    EXPECT_EQ(LanguageName(language), names[language]);
    EXPECT_EQ(ProductName(language), "Tarvel");
    EXPECT_EQ(ProductNameCapitals(language), "TARVEL");
  }
  EXPECT_EQ(ThinkText(kEnglish), Text(461, kEnglish));
}

// The build-time compiler of texts.tsv: good input becomes the table, bad input stops the build with
// the file and line.
class MakeTextTable : public ::testing::Test {
 protected:
  int Run(const std::string& tsv, std::string& output, std::string& errors) {
    const auto input = dir_.path() / "texts.tsv";
    const auto cpp = dir_.path() / "out.cpp";
    const auto log = dir_.path() / "log.txt";
    testing::WriteBytes(input, tsv);
    std::filesystem::remove(cpp);
    const std::string command = std::string(TARVEL_MAKE_TEXT_TABLE) + " '" + input.string() + "' '" +
                                cpp.string() + "' 2>'" + log.string() + "'";
    const int status = std::system(command.c_str());
    output = testing::ReadBytes(cpp);
    errors = testing::ReadBytes(log);
    return status;
  }
  testing::TempDir dir_;
};

TEST_F(MakeTextTable, CompilesEscapesAndKeepsSpaces) {
  std::string output;
  std::string errors;
  ASSERT_EQ(Run("# comment\n\n5\t two\\n\\rlines \t\\\\\r\n1057\tlast\n", output, errors), 0) << errors;
  EXPECT_NE(output.find("{\" two\\012\\015lines \", 12}"), std::string::npos);
  EXPECT_NE(output.find("{\"\\\\\", 1}"), std::string::npos);
  EXPECT_NE(output.find("{\"last\", 4}"), std::string::npos);
}

TEST_F(MakeTextTable, RefusesBadInput) {
  const std::pair<const char*, const char*> cases[] = {
      {"1\ta\n2\tb\n1\tc\n", "texts.tsv:3: row 1 is already given on line 1"},
      {"1058\tx\n", "texts.tsv:1: row 1058 is outside"},
      {"x\ttext\n", "texts.tsv:1: the line must start with a row number"},
      {"-1\ttext\n", "texts.tsv:1: the line must start with a row number"},
      {"1\ta\tb\tc\td\te\tf\tg\th\ti\tj\tk\n", "texts.tsv:1: more than 10 texts"},
      {"1\tbad \\q escape\n", "texts.tsv:1: column 0: unknown escape \\q"},
      {"1\tok\tends in \\\n", "texts.tsv:1: column 1: a backslash ends the text"},
      {"1\t\xC3\x28\n", "texts.tsv:1: column 0: not UTF-8"},
  };
  for (const auto& [tsv, message] : cases) {
    std::string output;
    std::string errors;
    EXPECT_NE(Run(tsv, output, errors), 0) << tsv;
    EXPECT_NE(errors.find(message), std::string::npos) << errors;
    EXPECT_TRUE(output.empty()) << "no output is left behind for " << tsv;
  }
}

}  // namespace
}  // namespace tarvel
