#pragma once
// Names of the sound effects the engine asks for, and whether the step waits for their end.
#include <string_view>

namespace tarvel::sound {

inline constexpr std::string_view kCardLaid = "WHodsDo";    // waits
inline constexpr std::string_view kTake = "WHodBer";        // waits
inline constexpr std::string_view kBeaten = "WHodOtb";      // waits
inline constexpr std::string_view kPass = "WDing_1";        // waits
inline constexpr std::string_view kStockEmpty = "WKoloNo";  // waits
inline constexpr std::string_view kShuffle = "WTasoKo";
inline constexpr std::string_view kDealLost = "WKoBads";
inline constexpr std::string_view kDealWon = "WKoGood";
inline constexpr std::string_view kWrong = "WWrongs";  // waits when an illegal card is refused

}  // namespace tarvel::sound
