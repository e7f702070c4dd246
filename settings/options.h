#pragma once
// The options record: every user preference of the program, one instance for the whole run, passed by
// reference to whatever reads or changes it. The options file holds it between runs (options_file.h).
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/rules.h"
#include "settings/address_cipher.h"

namespace tarvel {

// Ranges that the options dialog offers; the options file reader keeps the default outside them.
inline constexpr int kCardSetCount = 48;    // card-face sets 0-47
inline constexpr int kDeckBackCount = 13;   // deck backs 0-12
inline constexpr int kScaleMin = 50;        // font scales, percent
inline constexpr int kScaleMax = 150;
inline constexpr int kGifFrameDelayMin = 10;  // milliseconds
inline constexpr int kGifFrameDelayMax = 5000;

// Text fields hold Windows-1251 bytes, as the options file does; convert to UTF-8 only to show them.
// The initial values are the defaults of a start without an options file.
struct Options {
  // Line 2, the general flags.
  std::uint8_t Language = 0;  // 0-9: column of the text table
  bool SoundOn = true;
  bool MusicOn = true;
  bool GifAnimation = true;
  bool FlyCards = true;
  int ClubListMode = 1;  // 1 score, 2 rating
  bool LanMode = false;
  bool OwnCursor = true;
  int Speed = 4;             // 1-6
  int WindowSize = 1;        // 1-5
  bool InstallReported = true;
  bool LikeSent = true;
  bool RadioListFromServer = true;  // off: the station list is read from disk first
  int CaptionColour = 1;            // 1-7
  bool NewButtons = false;
  bool AuxDesignSpecial = false;
  int AuxDesign = 2;    // 1-3
  int MenuDesign = 0;   // 0-1
  int TableDesign = 0;  // 0-1
  bool SaluteButtons = false;
  bool SaluteCards = false;

  int CardSet = 0;
  int DeckBack = 0;
  bool DeckBackFixed = false;

  // Line 8. OptFirstMove is 0 ("never set", the user leads) until an options file supplies 1-3.
  RuleSwitches Rules{.OptNoFiveOfSuit = false, .OptFirstDiscardFive = false, .OptFirstMove = 0};

  std::string FontBig = "Comic Sans MS";
  std::string FontSmall = "Comic Sans MS";
  std::string FontSpecial1 = "FixedSys";
  std::string FontSpecial2 = "Courier New";
  int ScaleBig = 100;
  int ScaleSmall = 100;
  int ScaleSpecial1 = 100;
  int ScaleSpecial2 = 100;

  std::string LanAddress = "127.0.0.1";
  std::string LanPort = "25666";

  int Background = 2;         // 0 (none) to 10
  int BackgroundVariant = 0;  // 0-6

  std::string PlayerName;

  // The online top ten. Service addresses are kept in their enciphered form (address_cipher.h).
  std::string RecordsServiceAddress{kBuiltInRecordsServiceAddress};
  std::string TopTenNick = "Incognito";  // at most 12 characters
  std::string TopTenCountry = "1-001";   // continent digit, "-", three-digit country index
  std::string TopTenCity = "Moscow";     // at most 15 characters
  char TopTenSex = 'M';                  // 'M' or 'W'
  std::string StatsServiceAddress{kBuiltInStatsServiceAddress};

  bool SaveGamesAsGif = false;
  int GifCaptureMode = 1;  // 1 main window only, 2 whole screen
  int GifFrameDelay = 1000;

  // Not stored in the file: the remote configuration sets them at start-up. While the two flags are off,
  // the chat and the online top ten answer that they are temporarily unavailable.
  bool ChatAvailable = false;
  bool TopTenAvailable = false;
  std::string AccountServiceAddress{kBuiltInAccountServiceAddress};

  // Working forms of the three service addresses; empty when a stored form does not decipher.
  std::string RecordsServiceUrl() const;
  std::string StatsServiceUrl() const;
  std::string AccountServiceUrl() const;
};

// True for a country code the passport accepts: continent digit C (1-6), "-", three digits N with N no
// greater than the last country index of that continent.
bool IsValidCountryCode(std::string_view code);

}  // namespace tarvel
