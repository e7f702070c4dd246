#pragma once
// Every sound effect the program plays, by the resource name it is stored under, with the event it marks.
// (W) marks the sounds the caller waits for. The build synthesises one WAV per name and fails on a name it
// has no sound for; the program looks the names up without regard to case.
#include <array>
#include <string_view>

namespace tarvel::effect {

inline constexpr std::string_view kOpenWindow = "WOpenFo";     // a dialog window opens
inline constexpr std::string_view kShuffle = "WTasoKo";        // a new deal is shuffled and dealt
inline constexpr std::string_view kCardLaid = "WHodsDo";       // (W) a card is laid on the table
inline constexpr std::string_view kTake = "WHodBer";           // (W) the defender takes the cards
inline constexpr std::string_view kBeaten = "WHodOtb";         // (W) the bout is beaten off
inline constexpr std::string_view kPass = "WDing_1";           // (W) an attacker has nothing more to add
inline constexpr std::string_view kStockEmpty = "WKoloNo";     // (W) the last card of the stock is drawn
inline constexpr std::string_view kDealWon = "WKoGood";        // a deal won or drawn by the user's side
inline constexpr std::string_view kDealLost = "WKoBads";       // a deal won by seats 1 and 3
inline constexpr std::string_view kGameBest = "WFiBest";       // the end-of-game window, first place
inline constexpr std::string_view kGameGood = "WFiGood";       // the end-of-game window, a good place
inline constexpr std::string_view kGameBad = "WFiBads";        // the end-of-game window, a bad place
inline constexpr std::string_view kWrong = "WWrongs";          // a refused action or a failure
inline constexpr std::string_view kNotice = "WToMenK";         // a download done, new chat, an announcement
inline constexpr std::string_view kTournamentWin = "WKoGutX";  // the tournament server reports a win
inline constexpr std::string_view kClockTick = "STimerA";      // move clock, more than 7 seconds left
inline constexpr std::string_view kClockTickLast = "STimerB";  // move clock, the last 7 seconds

inline constexpr std::array kAll = {
    kOpenWindow, kShuffle, kCardLaid,      kTake,      kBeaten,        kPass,
    kStockEmpty, kDealWon, kDealLost,      kGameBest,  kGameGood,      kGameBad,
    kWrong,      kNotice,  kTournamentWin, kClockTick, kClockTickLast,
};

}  // namespace tarvel::effect
