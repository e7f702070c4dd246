#include "settings/options_file.h"

#include <array>
#include <charconv>

#include "settings/address_cipher.h"
#include "settings/file_bytes.h"
#include "settings/remote_configuration.h"
#include "settings/text_table.h"

namespace tarvel {
namespace {

// Lines 1-35; slot 0 unused so that the numbers read as in the file layout.
using Lines = std::array<std::string, kOptionsFileLines + 1>;

constexpr char kGifOn = '\xE8';   // "и" in Windows-1251
constexpr char kGifOff = '\xEB';  // "л"

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A whole decimal integer: an optional minus sign and digits, nothing else.
std::optional<int> ParseDecimal(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<int> ParseDigits(std::string_view text) {
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
  }
  return ParseDecimal(text);
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// A line end inside a text would shift every later line of the file.
std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

std::string StoredAddress(const std::string& enciphered, std::string_view built_in) {
  return DecipherAddress(enciphered) ? enciphered : std::string(built_in);
}

std::string TwoDigits(int value) {
  return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

std::string GeneralFlags(const Options& o) {
  std::string f(20, '#');
  auto flag = [](bool on) { return on ? '1' : '0'; };
  if (o.Language <= 9) f[0] = static_cast<char>('0' + o.Language);
  f[1] = o.SoundOn ? (o.MusicOn ? '1' : '2') : (o.MusicOn ? '3' : '0');
  f[2] = flag(o.GifAnimation);
  f[3] = flag(o.FlyCards);
  if (o.ClubListMode == 1 || o.ClubListMode == 2) f[4] = static_cast<char>('0' + o.ClubListMode);
  f[5] = flag(o.LanMode);
  f[6] = flag(o.OwnCursor);
  f[7] = static_cast<char>('0' + (InRange(o.Speed, 1, 6) ? o.Speed : 4));
  if (InRange(o.WindowSize, 1, 5)) f[8] = static_cast<char>('0' + o.WindowSize);
  if (o.InstallReported) f[9] = 'R';
  if (o.LikeSent) f[10] = 'L';
  f[11] = o.RadioListFromServer ? '0' : '1';
  f[12] = std::to_string(o.CaptionColour)[0];
  f[13] = flag(o.NewButtons);
  f[14] = flag(o.AuxDesignSpecial);
  f[15] = static_cast<char>('0' + (InRange(o.AuxDesign, 1, 3) ? o.AuxDesign : 1));
  f[16] = flag(o.MenuDesign == 1);
  f[17] = flag(o.TableDesign == 1);
  f[18] = flag(o.SaluteButtons);
  f[19] = flag(o.SaluteCards);
  return f;
}

// Each position is read only when the line reaches it; a character without a meaning keeps the default.
void DecodeGeneralFlags(std::string_view f, Options& o) {
  auto has = [&](std::size_t pos) { return f.size() >= pos; };
  auto at = [&](std::size_t pos) { return f[pos - 1]; };
  auto digit_in = [&](std::size_t pos, int low, int high, int& field) {
    if (has(pos) && IsDigit(at(pos)) && InRange(at(pos) - '0', low, high)) field = at(pos) - '0';
  };
  auto zero_or_one = [&](std::size_t pos, bool& field) {
    if (has(pos) && (at(pos) == '0' || at(pos) == '1')) field = at(pos) == '1';
  };
  // Letters "a"-"k" would be languages 10-20, which have no column: like any other character, they keep 0.
  if (has(1) && IsDigit(at(1))) o.Language = static_cast<std::uint8_t>(at(1) - '0');
  if (has(2)) {
    switch (at(2)) {
      case '0': o.SoundOn = false, o.MusicOn = false; break;
      case '1': o.SoundOn = true, o.MusicOn = true; break;
      case '2': o.SoundOn = true, o.MusicOn = false; break;
      case '3': o.SoundOn = false, o.MusicOn = true; break;
      default: break;
    }
  }
  if (has(3) && at(3) == '0') o.GifAnimation = false;
  if (has(4) && at(4) == '0') o.FlyCards = false;
  if (has(5) && at(5) == '2') o.ClubListMode = 2;
  if (has(6) && at(6) == '1') o.LanMode = true;
  if (has(7) && at(7) == '0') o.OwnCursor = false;
  digit_in(8, 1, 6, o.Speed);
  digit_in(9, 1, 5, o.WindowSize);
  if (has(10)) o.InstallReported = at(10) == 'R';
  if (has(11)) o.LikeSent = at(11) == 'L';
  if (has(12)) o.RadioListFromServer = at(12) == '0';
  digit_in(13, 1, 7, o.CaptionColour);
  if (has(14)) o.NewButtons = at(14) == '1';
  if (has(15)) o.AuxDesignSpecial = at(15) == '1';
  digit_in(16, 1, 3, o.AuxDesign);
  digit_in(17, 0, 1, o.MenuDesign);
  digit_in(18, 0, 1, o.TableDesign);
  zero_or_one(19, o.SaluteButtons);
  zero_or_one(20, o.SaluteCards);
}

std::string RuleFlags(const RuleSwitches& rules) {
  std::string f(6, '#');
  f[0] = rules.OptNoFiveOfSuit ? '1' : '0';
  f[1] = rules.OptFirstDiscardFive ? '1' : '0';
  if (InRange(rules.OptFirstMove, 1, 3)) f[2] = static_cast<char>('0' + rules.OptFirstMove);
  return f;
}

void DecodeRuleFlags(std::string_view f, RuleSwitches& rules) {
  rules.OptNoFiveOfSuit = f.size() >= 1 && f[0] == '1';
  rules.OptFirstDiscardFive = f.size() >= 2 && f[1] == '1';
  rules.OptFirstMove = f.size() >= 3 && f[2] >= '1' && f[2] <= '3' ? static_cast<std::uint8_t>(f[2] - '0') : 3;
}

Lines BuildLines(const Options& o) {
  const Options defaults;
  auto font = [](const std::string& name, const std::string& fallback) {
    const std::string line = OneLine(name);
    return line.size() >= 2 ? line : fallback;
  };
  auto at_most = [](const std::string& text, std::size_t length, const std::string& fallback) {
    const std::string line = OneLine(text).substr(0, length);
    return line.empty() ? fallback : line;
  };
  Lines l;
  l[1] = "<# General>";
  l[2] = GeneralFlags(o);
  l[3] = "<# Cards>";
  l[4] = std::to_string(o.CardSet);
  l[5] = "<# Decks>";
  l[6] = TwoDigits(InRange(o.DeckBack, 0, kDeckBackCount - 1) ? o.DeckBack : defaults.DeckBack) +
         (o.DeckBackFixed ? "1" : "0");
  l[7] = "<# Individual>";
  l[8] = RuleFlags(o.Rules);
  l[9] = "<# Fonts>";
  l[10] = font(o.FontBig, defaults.FontBig);
  l[11] = font(o.FontSmall, defaults.FontSmall);
  l[12] = font(o.FontSpecial1, defaults.FontSpecial1);
  l[13] = font(o.FontSpecial2, defaults.FontSpecial2);
  l[14] = std::to_string(o.ScaleBig);
  l[15] = std::to_string(o.ScaleSmall);
  l[16] = std::to_string(o.ScaleSpecial1);
  l[17] = std::to_string(o.ScaleSpecial2);
  l[18] = "<# IP & Port>";
  l[19] = OneLine(o.LanAddress);
  l[20] = at_most(o.LanPort, std::string::npos, defaults.LanPort);
  l[21] = "<# Background>";
  const Options& bg = InRange(o.Background, 0, 10) && InRange(o.BackgroundVariant, 0, 6) ? o : defaults;
  l[22] = TwoDigits(bg.Background) + static_cast<char>('0' + bg.BackgroundVariant);
  l[23] = "<# Name Of Player>";
  l[24] = OneLine(o.PlayerName);
  l[25] = "<# World Top Ten>";
  l[26] = StoredAddress(o.RecordsServiceAddress, kBuiltInRecordsServiceAddress);
  l[27] = at_most(o.TopTenNick, 12, defaults.TopTenNick);
  l[28] = IsValidCountryCode(o.TopTenCountry) ? o.TopTenCountry : defaults.TopTenCountry;
  l[29] = at_most(o.TopTenCity, 15, defaults.TopTenCity);
  l[30] = std::string(1, o.TopTenSex == 'W' ? 'W' : 'M');
  l[31] = StoredAddress(o.StatsServiceAddress, kBuiltInStatsServiceAddress);
  l[32] = "<# Save Games as GIF>";
  l[33] = std::string(1, o.SaveGamesAsGif ? kGifOn : kGifOff);
  l[34] = std::to_string(o.GifCaptureMode);
  l[35] = std::to_string(o.GifFrameDelay);
  return l;
}

// The value lines in file order; returns the number of the first line that fails its check, 0 when none.
// A readable number outside its range keeps the field's default and does not stop the decoding; a value
// that is not a number stops it, like a line that is too short.
int DecodeLines(const Lines& l, Options& o) {
  auto number = [&](int line, int low, int high, int& field) {
    const auto value = ParseDecimal(l[line]);
    if (!value) return false;
    if (InRange(*value, low, high)) field = *value;
    return true;
  };

  DecodeGeneralFlags(l[2], o);
  if (!number(4, 0, kCardSetCount - 1, o.CardSet)) return 4;

  if (l[6].size() < 3) return 6;
  const auto deck_back = ParseDigits(std::string_view(l[6]).substr(0, 2));
  if (!deck_back) return 6;
  if (*deck_back < kDeckBackCount) o.DeckBack = *deck_back;
  o.DeckBackFixed = l[6][2] == '1';

  DecodeRuleFlags(l[8], o.Rules);

  std::string* const fonts[] = {&o.FontBig, &o.FontSmall, &o.FontSpecial1, &o.FontSpecial2};
  for (int i = 0; i < 4; ++i) {
    if (l[10 + i].size() < 2) return 10 + i;
    *fonts[i] = l[10 + i];
  }
  int* const scales[] = {&o.ScaleBig, &o.ScaleSmall, &o.ScaleSpecial1, &o.ScaleSpecial2};
  for (int i = 0; i < 4; ++i) {
    if (!number(14 + i, kScaleMin, kScaleMax, *scales[i])) return 14 + i;
  }

  if (l[18].empty()) return 18;
  o.LanAddress = l[19];
  if (l[20].empty()) return 20;
  o.LanPort = l[20];

  if (l[21].empty()) return 21;
  // The line holds two digits of background and one of variant; a shorter one cannot be read.
  if (l[22].size() < 3) return 22;
  const auto background = ParseDigits(std::string_view(l[22]).substr(0, 2));
  const auto variant = ParseDigits(std::string_view(l[22]).substr(2, 1));
  if (!background || !variant) return 22;
  if (InRange(*background, 0, 10) && InRange(*variant, 0, 6)) {
    o.Background = *background;
    o.BackgroundVariant = *variant;
  }

  if (l[23].empty()) return 23;
  // An empty name is what the writer stores before the first club log-in; it is read back as such.
  o.PlayerName = l[24];

  // An address that does not decipher keeps the built-in one.
  if (l[26].empty()) return 26;
  if (DecipherAddress(l[26])) o.RecordsServiceAddress = l[26];
  if (l[27].empty()) return 27;
  o.TopTenNick = l[27].substr(0, 12);
  if (l[28].size() != 5) return 28;
  if (IsValidCountryCode(l[28])) o.TopTenCountry = l[28];
  if (l[29].empty()) return 29;
  o.TopTenCity = l[29].substr(0, 15);
  if (l[30].empty()) return 30;
  o.TopTenSex = l[30][0] == 'W' ? 'W' : 'M';
  if (DecipherAddress(l[31])) o.StatsServiceAddress = l[31];

  o.SaveGamesAsGif = !l[33].empty() && l[33][0] == kGifOn;
  if (!number(34, 1, 2, o.GifCaptureMode)) return 34;
  if (!number(35, kGifFrameDelayMin, kGifFrameDelayMax, o.GifFrameDelay)) return 35;
  return 0;
}

}  // namespace

std::filesystem::path OptionsFilePath(const std::filesystem::path& program_directory) {
  return program_directory / kOptionsFileName;
}

std::string OptionsFileText(const Options& options) {
  const Lines lines = BuildLines(options);
  std::string text;
  for (int i = 1; i <= kOptionsFileLines; ++i) {
    text += lines[i];
    text += "\r\n";
  }
  return text;
}

OptionsLoadResult DecodeOptionsText(std::string_view bytes, Options& options) {
  // Bytes beyond the limit are not looked at; a line that the limit cuts off is not a line.
  const bool cut = bytes.size() > kOptionsFileReadLimit;
  if (cut) bytes = bytes.substr(0, kOptionsFileReadLimit);

  // A line ends at LF; a CR before the LF belongs to the line end. A last line without a line end counts.
  Lines lines;
  OptionsLoadResult result;
  std::size_t start = 0;
  while (result.LinesRead < kOptionsFileLines && start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos && cut) break;
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    if (end > start && bytes[end - 1] == '\r') --end;
    lines[++result.LinesRead] = std::string(bytes.substr(start, end - start));
    start = next;
  }
  if (result.LinesRead < kOptionsFileLines) return result;
  result.StoppedAtLine = DecodeLines(lines, options);
  return result;
}

OptionsLoadResult LoadOptions(const std::filesystem::path& program_directory, Options& options,
                              HttpGetter* remote, const OptionsFileAccess& access) {
  options = Options{};
  const std::filesystem::path path = OptionsFilePath(program_directory);
  const auto read = access.Read ? access.Read : ReadFileStart;
  // One byte over the limit tells a file that is too long from one that just fits.
  std::optional<std::string> bytes = read(path, kOptionsFileReadLimit + 1);
  if (!bytes) bytes = read(path, kOptionsFileReadLimit + 1);

  OptionsLoadResult result;
  if (bytes) {
    result = DecodeOptionsText(*bytes, options);
    result.FileOpened = true;
  }
  if (remote != nullptr) result.RemoteFetched = FetchRemoteConfiguration(options, *remote);
  return result;
}

OptionsSaveResult SaveOptions(const std::filesystem::path& program_directory, const Options& options,
                              const OptionsFileAccess& access) {
  const std::filesystem::path path = OptionsFilePath(program_directory);
  const std::string text = OptionsFileText(options);
  const FileWriteResult written = WriteFileAtomically(path, text, access.Write);  // makes the two tries

  OptionsSaveResult result;
  result.Saved = written.Ok;
  if (!written.Ok) {
    result.Message = std::string(Text(OptionsSaveResult::kMessageRow, options.Language));
    result.Reason = written.Error;
  }
  return result;
}

}  // namespace tarvel
