#pragma once
// How the table's pictures are named: card faces, deck backs and backgrounds, by set, picture mode and
// window size, and which resource file holds each. Standard library only, so that the build-time picture
// tool names its output exactly as the table asks for it.
#include <array>
#include <string>
#include <string_view>

#include "engine/cards.h"

namespace tarvel {

// Small: 69 x 94 pictures inside a one-pixel black frame; Scaled: the large pictures resampled to the card
// size; Large: the large pictures at their own size (146 x 198 wide, 126 x 198 narrow).
enum class PictureMode { Small, Scaled, Large };

// Card-face sets 0-27, 40 and 45 are wide, the others narrow.
bool IsNarrowCardSet(int set);

// The three-letter style code of a card-face set; empty for set 0 and for a number outside 0-47.
std::string_view CardStyleCode(int set);

// Number cards (six to ten), pictures (jack, queen, king) and aces may come from different styles.
enum class CardGroup { Number, Court, Ace };
CardGroup GroupOfLevel(int level);
std::string_view FaceStyleCode(int set, CardGroup group);

// Suit code + rank code + style code + size suffix: "Pi3QAncB", "Ch10". Empty for a code that is no card.
std::string FaceResourceName(TStr2 card, int set, PictureMode mode);

// The resource file of a face set ("KexCards06A.dll" ...); empty for the built-in set 0.
std::string_view CardFaceLibrary(int set);

// Deck backs: 13 sets, seven backs named after the weekdays, three more in sets 8 to 11.
inline constexpr int kDeckBackSets = 13;
inline constexpr std::string_view kDeckBackLibrary = "KexCards06B.dll";
inline constexpr std::array<std::string_view, 11> kDeckBackNames = {
    "", "Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};
std::string_view DeckBackStyleCode(int backSet);
int DeckBackCount(int backSet);  // 10 for sets 8-11, else 7
// Name of back `index` (1-based) of a set: "Ob03We" + style + "" (small), "B" (wide sets) or "U" (narrow).
std::string BackResourceName(int index, int backSet, PictureMode mode, bool narrowCards);

// Table backgrounds: "Fon" + two-digit number + variant code + "B" above window size 1; background 2 with
// variant 0 is the built-in "FonG"; design 1 uses "BGLilu" from the graphics library.
inline constexpr int kBackgroundCount = 10;
inline constexpr int kBackgroundVariants = 7;
inline constexpr std::string_view kBackgroundLibrary = "KexBackG03.dll";
inline constexpr std::string_view kGraphicsLibrary = "KexCGraph1.dll";
inline constexpr std::string_view kBuiltInBackground = "FonG";
inline constexpr std::string_view kSpecialDesignBackground = "BGLilu";
std::string_view BackgroundVariantCode(int variant);
bool IsBuiltInBackground(int background, int variant);
std::string BackgroundResourceName(int background, int variant, int windowSize);

// The window's own colour under the pictures, as 0xRRGGBB.
unsigned WindowColour(int background, int variant, int menuDesign);

}  // namespace tarvel
