#include "settings/options_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <functional>
#include <vector>

#include "settings/address_cipher.h"
#include "temp_dir.h"

namespace tarvel {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// Every field compared, so that a field the writer forgets or the reader drops shows by name.
void ExpectSameOptions(const Options& a, const Options& b) {
#define TARVEL_SAME(field) EXPECT_EQ(a.field, b.field) << #field
  TARVEL_SAME(Language);
  TARVEL_SAME(SoundOn);
  TARVEL_SAME(MusicOn);
  TARVEL_SAME(GifAnimation);
  TARVEL_SAME(FlyCards);
  TARVEL_SAME(ClubListMode);
  TARVEL_SAME(LanMode);
  TARVEL_SAME(OwnCursor);
  TARVEL_SAME(Speed);
  TARVEL_SAME(WindowSize);
  TARVEL_SAME(InstallReported);
  TARVEL_SAME(LikeSent);
  TARVEL_SAME(RadioListFromServer);
  TARVEL_SAME(CaptionColour);
  TARVEL_SAME(NewButtons);
  TARVEL_SAME(AuxDesignSpecial);
  TARVEL_SAME(AuxDesign);
  TARVEL_SAME(MenuDesign);
  TARVEL_SAME(TableDesign);
  TARVEL_SAME(SaluteButtons);
  TARVEL_SAME(SaluteCards);
  TARVEL_SAME(CardSet);
  TARVEL_SAME(DeckBack);
  TARVEL_SAME(DeckBackFixed);
  TARVEL_SAME(Rules.OptNoFiveOfSuit);
  TARVEL_SAME(Rules.OptFirstDiscardFive);
  TARVEL_SAME(Rules.OptFirstMove);
  TARVEL_SAME(FontBig);
  TARVEL_SAME(FontSmall);
  TARVEL_SAME(FontSpecial1);
  TARVEL_SAME(FontSpecial2);
  TARVEL_SAME(ScaleBig);
  TARVEL_SAME(ScaleSmall);
  TARVEL_SAME(ScaleSpecial1);
  TARVEL_SAME(ScaleSpecial2);
  TARVEL_SAME(LanAddress);
  TARVEL_SAME(LanPort);
  TARVEL_SAME(Background);
  TARVEL_SAME(BackgroundVariant);
  TARVEL_SAME(PlayerName);
  TARVEL_SAME(RecordsServiceAddress);
  TARVEL_SAME(TopTenNick);
  TARVEL_SAME(TopTenCountry);
  TARVEL_SAME(TopTenCity);
  TARVEL_SAME(TopTenSex);
  TARVEL_SAME(StatsServiceAddress);
  TARVEL_SAME(SaveGamesAsGif);
  TARVEL_SAME(GifCaptureMode);
  TARVEL_SAME(GifFrameDelay);
  TARVEL_SAME(ChatAvailable);
  TARVEL_SAME(TopTenAvailable);
  TARVEL_SAME(AccountServiceAddress);
#undef TARVEL_SAME
}

// A record in which every stored field differs from its default.
Options Custom() {
  Options o;
  o.Language = 7;
  o.SoundOn = false;
  o.MusicOn = true;
  o.GifAnimation = false;
  o.FlyCards = false;
  o.ClubListMode = 2;
  o.LanMode = true;
  o.OwnCursor = false;
  o.Speed = 6;
  o.WindowSize = 5;
  o.InstallReported = false;
  o.LikeSent = false;
  o.RadioListFromServer = false;
  o.CaptionColour = 7;
  o.NewButtons = true;
  o.AuxDesignSpecial = true;
  o.AuxDesign = 3;
  o.MenuDesign = 1;
  o.TableDesign = 1;
  o.SaluteButtons = true;
  o.SaluteCards = true;
  o.CardSet = 47;
  o.DeckBack = 12;
  o.DeckBackFixed = true;
  o.Rules = {.OptNoFiveOfSuit = true, .OptFirstDiscardFive = true, .OptFirstMove = 2};
  o.FontBig = "DejaVu Sans";
  o.FontSmall = "Comic Neue";
  o.FontSpecial1 = "DejaVu Sans Mono";
  o.FontSpecial2 = "Liberation Mono";
  o.ScaleBig = 50;
  o.ScaleSmall = 150;
  o.ScaleSpecial1 = 75;
  o.ScaleSpecial2 = 125;
  o.LanAddress = "192.168.1.20";
  o.LanPort = "31000";
  o.Background = 10;
  o.BackgroundVariant = 6;
  o.PlayerName = "\xC8\xE2\xE0\xED";  // "Иван" in Windows-1251
  o.RecordsServiceAddress = EncipherAddress("http://club.example/records");
  o.TopTenNick = "Ace";
  o.TopTenCountry = "6-054";
  o.TopTenCity = "Lagos";
  o.TopTenSex = 'W';
  o.StatsServiceAddress = EncipherAddress("http://club.example/stats");
  o.SaveGamesAsGif = true;
  o.GifCaptureMode = 2;
  o.GifFrameDelay = 10;
  return o;
}

// The fields that line 2 holds.
void CopyGeneralFlags(const Options& from, Options& o) {
  o.Language = from.Language, o.SoundOn = from.SoundOn, o.MusicOn = from.MusicOn;
  o.GifAnimation = from.GifAnimation, o.FlyCards = from.FlyCards, o.ClubListMode = from.ClubListMode;
  o.LanMode = from.LanMode, o.OwnCursor = from.OwnCursor, o.Speed = from.Speed;
  o.WindowSize = from.WindowSize, o.InstallReported = from.InstallReported, o.LikeSent = from.LikeSent;
  o.RadioListFromServer = from.RadioListFromServer, o.CaptionColour = from.CaptionColour;
  o.NewButtons = from.NewButtons, o.AuxDesignSpecial = from.AuxDesignSpecial;
  o.AuxDesign = from.AuxDesign, o.MenuDesign = from.MenuDesign, o.TableDesign = from.TableDesign;
  o.SaluteButtons = from.SaluteButtons, o.SaluteCards = from.SaluteCards;
}

// What a load of Custom()'s file gives when decoding stops at `line`: the fields of earlier lines from
// `from`, the rest at their defaults. Fields are listed in file order.
Options DecodedUpTo(const Options& from, int line) {
  Options o;
  const std::vector<std::pair<int, std::function<void()>>> steps = {
      {2, [&] { CopyGeneralFlags(from, o); }},
      {4, [&] { o.CardSet = from.CardSet; }},
      {6, [&] { o.DeckBack = from.DeckBack, o.DeckBackFixed = from.DeckBackFixed; }},
      {8, [&] { o.Rules = from.Rules; }},
      {10, [&] { o.FontBig = from.FontBig; }},
      {11, [&] { o.FontSmall = from.FontSmall; }},
      {12, [&] { o.FontSpecial1 = from.FontSpecial1; }},
      {13, [&] { o.FontSpecial2 = from.FontSpecial2; }},
      {14, [&] { o.ScaleBig = from.ScaleBig; }},
      {15, [&] { o.ScaleSmall = from.ScaleSmall; }},
      {16, [&] { o.ScaleSpecial1 = from.ScaleSpecial1; }},
      {17, [&] { o.ScaleSpecial2 = from.ScaleSpecial2; }},
      {19, [&] { o.LanAddress = from.LanAddress; }},
      {20, [&] { o.LanPort = from.LanPort; }},
      {22, [&] { o.Background = from.Background, o.BackgroundVariant = from.BackgroundVariant; }},
      {24, [&] { o.PlayerName = from.PlayerName; }},
      {26, [&] { o.RecordsServiceAddress = from.RecordsServiceAddress; }},
      {27, [&] { o.TopTenNick = from.TopTenNick; }},
      {28, [&] { o.TopTenCountry = from.TopTenCountry; }},
      {29, [&] { o.TopTenCity = from.TopTenCity; }},
      {30, [&] { o.TopTenSex = from.TopTenSex; }},
      {31, [&] { o.StatsServiceAddress = from.StatsServiceAddress; }},
      {33, [&] { o.SaveGamesAsGif = from.SaveGamesAsGif; }},
      {34, [&] { o.GifCaptureMode = from.GifCaptureMode; }},
      {35, [&] { o.GifFrameDelay = from.GifFrameDelay; }},
  };
  for (const auto& [field_line, copy] : steps) {
    if (line != 0 && field_line >= line) break;
    copy();
  }
  return o;
}

using FileLines = std::vector<std::string>;  // [0] is line 1

FileLines SplitLines(const std::string& text) {
  FileLines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string JoinLines(const FileLines& lines, const std::string& line_end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + line_end;
  return text;
}

TEST(OptionsFile, DefaultsAreWrittenAsTheFixedLayout) {
  const std::string expected =
      "<# General>\r\n011110141RL010020000\r\n<# Cards>\r\n0\r\n<# Decks>\r\n000\r\n<# Individual>\r\n00####\r\n"
      "<# Fonts>\r\nComic Sans MS\r\nComic Sans MS\r\nFixedSys\r\nCourier New\r\n100\r\n100\r\n100\r\n100\r\n"
      "<# IP & Port>\r\n127.0.0.1\r\n25666\r\n<# Background>\r\n020\r\n<# Name Of Player>\r\n\r\n"
      "<# World Top Ten>\r\n" + std::string(kBuiltInRecordsServiceAddress) + "\r\nIncognito\r\n1-001\r\nMoscow\r\nM\r\n" +
      std::string(kBuiltInStatsServiceAddress) + "\r\n<# Save Games as GIF>\r\n\xEB\r\n1\r\n1000\r\n";
  EXPECT_EQ(OptionsFileText(Options{}), expected);
}

TEST(OptionsFile, CustomRecordWritesItsCodes) {
  const FileLines lines = SplitLines(OptionsFileText(Custom()));
  ASSERT_EQ(lines.size(), 35u);
  EXPECT_EQ(lines[1], "730021065##171131111");
  EXPECT_EQ(lines[3], "47");
  EXPECT_EQ(lines[5], "121");
  EXPECT_EQ(lines[7], "112###");
  EXPECT_EQ(lines[21], "106");
  EXPECT_EQ(lines[32], "\xE8");
}

// Every field survives a save and a load, for several records; the second load of the same file gives
// the same record again.
TEST(OptionsFile, RoundTripKeepsEveryField) {
  Options sound_only = Custom();
  sound_only.SoundOn = true, sound_only.MusicOn = false, sound_only.Language = 9;
  Options all_on = Custom();
  all_on.SoundOn = true, all_on.MusicOn = true, all_on.Rules.OptFirstMove = 1, all_on.GifFrameDelay = 5000;
  Options none = Custom();
  none.SoundOn = false, none.MusicOn = false, none.Rules.OptFirstMove = 3, none.PlayerName = "";
  for (const Options& original : {Options{}, Custom(), sound_only, all_on, none}) {
    TempDir dir;
    ASSERT_TRUE(SaveOptions(dir.path(), original).Saved);
    Options loaded = Custom();  // overwritten: the load starts from the defaults
    const OptionsLoadResult result = LoadOptions(dir.path(), loaded);
    EXPECT_TRUE(result.FileOpened);
    EXPECT_EQ(result.LinesRead, 35);
    EXPECT_EQ(result.StoppedAtLine, 0);
    Options expected = original;
    if (expected.Rules.OptFirstMove == 0) expected.Rules.OptFirstMove = 3;  // "never set" is not stored
    ExpectSameOptions(loaded, expected);
  }
}

// Values the reader would refuse are written as defaults, so one odd field never costs the later ones.
TEST(OptionsFile, OddValuesDoNotCostLaterFields) {
  Options odd = Custom();
  odd.FontBig = "X";              // a font line needs two characters
  odd.LanPort = "";               // line 20 needs one
  odd.PlayerName = "Ann\r\nBob";  // a line end would shift every later line
  odd.TopTenNick = "";
  odd.TopTenCountry = "9-999";
  odd.TopTenCity = "A very long city name";
  odd.TopTenSex = 'x';
  odd.RecordsServiceAddress = "not enciphered";
  Options loaded;
  const OptionsLoadResult result = DecodeOptionsText(OptionsFileText(odd), loaded);
  EXPECT_EQ(result.StoppedAtLine, 0);
  EXPECT_EQ(loaded.FontBig, "Comic Sans MS");
  EXPECT_EQ(loaded.LanPort, "25666");
  EXPECT_EQ(loaded.PlayerName, "Ann  Bob");
  EXPECT_EQ(loaded.TopTenNick, "Incognito");
  EXPECT_EQ(loaded.TopTenCountry, "1-001");
  EXPECT_EQ(loaded.TopTenCity, "A very long cit");
  EXPECT_EQ(loaded.TopTenSex, 'M');
  EXPECT_EQ(loaded.RecordsServiceAddress, kBuiltInRecordsServiceAddress);
  EXPECT_EQ(loaded.GifFrameDelay, odd.GifFrameDelay);  // the last line still counts
}

struct DecodeCase {
  const char* name;
  std::function<void(FileLines&)> edit;  // applied to the lines of Custom()'s file; index 0 is line 1
  int stopped_at;                        // the line where decoding stops, 0 for none
  std::function<void(Options&)> adjust;  // changes to DecodedUpTo(Custom(), stopped_at)
};

TEST(OptionsFile, DecodingCases) {
  auto line = [](int number, std::string text) { return [=](FileLines& l) { l[number - 1] = text; }; };
  auto none = [](Options&) {};
  // The line-2 fields become those of the defaults changed by `change`; the other lines stay Custom()'s.
  auto general_flags = [](std::function<void(Options&)> change) {
    return [=](Options& o) {
      Options flags;
      change(flags);
      CopyGeneralFlags(flags, o);
    };
  };
  const std::vector<DecodeCase> cases = {
      {"34 lines load nothing", [](FileLines& l) { l.pop_back(); }, -1, none},
      {"lines after the 35th are not read", [](FileLines& l) { l.push_back("junk"); l.push_back(""); }, 0, none},
      {"line 6 of one character keeps DeckBack and all later fields", line(6, "7"), 6, none},
      {"line 6 that is not a number stops there", line(6, "x71"), 6, none},
      {"line 2 of \"1\" sets Russian only", line(2, "1"), 0, general_flags([](Options& f) { f.Language = 1; })},
      {"position 12 \"1\" reads the radio list from disk first", line(2, "011110141RL110020000"), 0,
       general_flags([](Options& f) { f.RadioListFromServer = false; })},
      {"characters without a code keep the defaults of their flags", line(2, "a#9999999#########"), 0,
       general_flags([](Options& f) {
         f.InstallReported = false, f.LikeSent = false;  // present, and not "R" / "L"
         f.RadioListFromServer = false;                  // present, and not "0"
       })},
      {"line 8 of 1, 0 and # gives on, off and 3", line(8, "10#"), 0,
       [](Options& o) { o.Rules = {.OptNoFiveOfSuit = true, .OptFirstDiscardFive = false, .OptFirstMove = 3}; }},
      {"an empty line 8 gives off, off and 3", line(8, ""), 0,
       [](Options& o) { o.Rules = {.OptNoFiveOfSuit = false, .OptFirstDiscardFive = false, .OptFirstMove = 3}; }},
      {"line 4 that is not a number stops there", line(4, "12a"), 4, none},
      {"a card set beyond the last keeps the default and goes on", line(4, "48"), 0,
       [](Options& o) { o.CardSet = 0; }},
      {"a one-character font line stops there", line(12, "F"), 12, none},
      {"a scale outside 50-150 keeps 100 and goes on", line(15, "151"), 0, [](Options& o) { o.ScaleSmall = 100; }},
      {"an empty line 19 is taken as the address", line(19, ""), 0, [](Options& o) { o.LanAddress = ""; }},
      {"an empty line 20 stops there", line(20, ""), 20, none},
      {"a line 22 of two characters stops there", line(22, "05"), 22, none},
      {"a background beyond 10 keeps 2 and 0 and goes on", line(22, "113"), 0,
       [](Options& o) { o.Background = 2, o.BackgroundVariant = 0; }},
      {"an empty player name is read and the load goes on", line(24, ""), 0, [](Options& o) { o.PlayerName = ""; }},
      {"an address that does not decipher keeps the built-in one", line(26, "http://plain"), 0,
       [](Options& o) { o.RecordsServiceAddress = std::string(kBuiltInRecordsServiceAddress); }},
      {"an empty line 26 stops there", line(26, ""), 26, none},
      {"a nick is cut to 12 characters", line(27, "ABCDEFGHIJKLMNOP"), 0,
       [](Options& o) { o.TopTenNick = "ABCDEFGHIJKL"; }},
      {"country 7-001 keeps 1-001 and goes on", line(28, "7-001"), 0, [](Options& o) { o.TopTenCountry = "1-001"; }},
      {"country 1-049 keeps 1-001 and goes on", line(28, "1-049"), 0, [](Options& o) { o.TopTenCountry = "1-001"; }},
      {"country 1-048 is taken", line(28, "1-048"), 0, [](Options& o) { o.TopTenCountry = "1-048"; }},
      {"country 2-051 is taken", line(28, "2-051"), 0, [](Options& o) { o.TopTenCountry = "2-051"; }},
      {"country 6-055 keeps 1-001", line(28, "6-055"), 0, [](Options& o) { o.TopTenCountry = "1-001"; }},
      {"country 1+001 keeps 1-001", line(28, "1+001"), 0, [](Options& o) { o.TopTenCountry = "1-001"; }},
      {"a line 28 of four characters ends the load there", line(28, "1-01"), 28, none},
      {"a line 28 of six characters ends the load there", line(28, "1-0010"), 28, none},
      {"a city is cut to 15 characters", line(29, "Sankt-Peterburg-na-Neve"), 0,
       [](Options& o) { o.TopTenCity = "Sankt-Peterburg"; }},
      {"a line 30 holding X becomes M", line(30, "X"), 0, [](Options& o) { o.TopTenSex = 'M'; }},
      {"a line 30 of \"Woman\" takes W", line(30, "Woman"), 0, [](Options& o) { o.TopTenSex = 'W'; }},
      {"an empty line 30 stops there", line(30, ""), 30, none},
      {"an empty line 31 keeps the built-in statistics address", line(31, ""), 0,
       [](Options& o) { o.StatsServiceAddress = std::string(kBuiltInStatsServiceAddress); }},
      {"line 33 other than 0xE8 turns GIF saving off", line(33, "1"), 0, [](Options& o) { o.SaveGamesAsGif = false; }},
      {"a frame delay outside 10-5000 keeps 1000", line(35, "9"), 0, [](Options& o) { o.GifFrameDelay = 1000; }},
      {"line 34 that is not a number stops there", line(34, ""), 34, none},
  };
  const std::string base = OptionsFileText(Custom());
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    FileLines lines = SplitLines(base);
    c.edit(lines);
    Options loaded;
    const OptionsLoadResult result = DecodeOptionsText(JoinLines(lines), loaded);
    if (c.stopped_at < 0) {
      EXPECT_LT(result.LinesRead, kOptionsFileLines);
      ExpectSameOptions(loaded, Options{});
      continue;
    }
    EXPECT_EQ(result.LinesRead, 35);
    EXPECT_EQ(result.StoppedAtLine, c.stopped_at);
    Options expected = DecodedUpTo(Custom(), c.stopped_at);
    c.adjust(expected);
    ExpectSameOptions(loaded, expected);
  }
}

// Lines may end in LF alone, and the last line may lack its line end.
TEST(OptionsFile, LineEndsOtherThanCrLf) {
  const FileLines lines = SplitLines(OptionsFileText(Custom()));
  for (const std::string& text : {JoinLines(lines, "\n"), JoinLines(lines).substr(0, JoinLines(lines).size() - 2)}) {
    Options loaded;
    const OptionsLoadResult result = DecodeOptionsText(text, loaded);
    EXPECT_EQ(result.StoppedAtLine, 0);
    ExpectSameOptions(loaded, Custom());
  }
}

TEST(OptionsFile, OversizedFiles) {
  const std::string good = OptionsFileText(Custom());
  Options loaded;
  // 35 good lines followed by a megabyte of junk: the junk is never looked at.
  EXPECT_EQ(DecodeOptionsText(good + std::string(1 << 20, 'z'), loaded).StoppedAtLine, 0);
  ExpectSameOptions(loaded, Custom());
  // A first line longer than any options file: not an options file, nothing is used.
  Options untouched;
  const OptionsLoadResult result = DecodeOptionsText(std::string(kOptionsFileReadLimit + 10, 'z') + "\r\n" + good, untouched);
  EXPECT_LT(result.LinesRead, kOptionsFileLines);
  ExpectSameOptions(untouched, Options{});
}

TEST(OptionsFile, MissingFileGivesDefaults) {
  TempDir dir;
  Options options = Custom();
  const OptionsLoadResult result = LoadOptions(dir.path(), options);
  EXPECT_FALSE(result.FileOpened);
  ExpectSameOptions(options, Options{});
  EXPECT_EQ(options.Rules.OptFirstMove, 0);  // never set
  EXPECT_FALSE(options.ChatAvailable);       // no remote configuration was asked for
}

TEST(OptionsFile, OpenIsTriedTwice) {
  const std::string text = OptionsFileText(Custom());
  for (const int failures : {0, 1, 2}) {
    SCOPED_TRACE(failures);
    int calls = 0;
    OptionsFileAccess access;
    access.Read = [&](const std::filesystem::path& path, std::size_t) -> std::optional<std::string> {
      EXPECT_EQ(path, std::filesystem::path("/opt/tarvel") / "Tarvel.ini");
      return ++calls <= failures ? std::nullopt : std::optional<std::string>(text);
    };
    Options options;
    const OptionsLoadResult result = LoadOptions("/opt/tarvel", options, nullptr, access);
    EXPECT_EQ(calls, failures < 2 ? failures + 1 : 2);
    EXPECT_EQ(result.FileOpened, failures < 2);
    ExpectSameOptions(options, failures < 2 ? Custom() : Options{});
  }
}

TEST(OptionsFile, SaveWritesTheFileAndNothingElse) {
  TempDir dir;
  ASSERT_TRUE(SaveOptions(dir.path(), Custom()).Saved);
  EXPECT_EQ(ReadBytes(dir.path() / "Tarvel.ini"), OptionsFileText(Custom()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

// A disk that fails part-way through the write: the old file stays whole, no temporary file is left,
// and the result carries the message in the record's language.
TEST(OptionsFile, FailedSaveKeepsTheOldFile) {
  const std::string old_text = OptionsFileText(Options{});
  const std::size_t size = OptionsFileText(Custom()).size();
  for (const std::size_t fail_after : {std::size_t{0}, std::size_t{1}, size / 2, size - 1}) {
    SCOPED_TRACE(fail_after);
    TempDir dir;
    WriteBytes(dir.path() / "Tarvel.ini", old_text);
    int attempts = 0;
    std::size_t written = 0;
    OptionsFileAccess access;
    access.Write = [&](int fd, const char* data, std::size_t length) -> long {
      if (written == 0) ++attempts;
      if (written >= fail_after) {
        written = 0;  // the next call starts the second attempt
        errno = ENOSPC;
        return -1;
      }
      const std::size_t part = std::min(length, fail_after - written);
      const long n = ::write(fd, data, part);
      written += static_cast<std::size_t>(n);
      return n;
    };
    for (const std::uint8_t language : {std::uint8_t{0}, std::uint8_t{1}}) {
      Options options = Custom();
      options.Language = language;
      attempts = 0;
      const OptionsSaveResult result = SaveOptions(dir.path(), options, access);
      EXPECT_FALSE(result.Saved);
      EXPECT_EQ(attempts, 2);
      EXPECT_EQ(result.Message, language == 0 ? "Can`t save options!" : "Не удаётся сохранить настройки!");
      EXPECT_NE(result.Reason.find("No space left"), std::string::npos) << result.Reason;
      EXPECT_EQ(ReadBytes(dir.path() / "Tarvel.ini"), old_text);
      EXPECT_FALSE(std::filesystem::exists(dir.path() / "Tarvel.ini.tmp"));
    }
  }
}

TEST(OptionsFile, SaveSucceedsAtTheSecondTry) {
  TempDir dir;
  WriteBytes(dir.path() / "Tarvel.ini", "old");
  int calls = 0;
  OptionsFileAccess access;
  access.Write = [&](int fd, const char* data, std::size_t length) -> long {
    if (calls++ == 0) {
      errno = EIO;
      return -1;
    }
    return ::write(fd, data, length);
  };
  const OptionsSaveResult result = SaveOptions(dir.path(), Custom(), access);
  EXPECT_TRUE(result.Saved);
  EXPECT_TRUE(result.Message.empty());
  EXPECT_EQ(ReadBytes(dir.path() / "Tarvel.ini"), OptionsFileText(Custom()));
}

TEST(OptionsFile, SaveIntoMissingDirectoryReports) {
  TempDir dir;
  const OptionsSaveResult result = SaveOptions(dir.path() / "gone", Options{});
  EXPECT_FALSE(result.Saved);
  EXPECT_EQ(result.Message, "Can`t save options!");
}

}  // namespace
}  // namespace tarvel
