#include "table/picture_names.h"

namespace tarvel {
namespace {

constexpr std::array<std::string_view, 48> kStyleCodes = {
    "",    "Med", "Mod", "Anc", "Bar", "Cel", "Cor", "Cro", "Eng", "Fra", "His", "Nat", "Old", "Par", "Roy", "Sha",
    "Big", "004", "Lon", "Cl2", "Hea", "Sea", "Rhi", "Me2", "Doo", "Boy", "Epi", "USR", "Pla", "SkN", "SkT", "SkF",
    "Bel", "Dia", "Kny", "Pas", "Rus", "Sla", "May", "Lub", "Fra", "Mus", "BS1", "BS2", "BS3", "Chi", "BIt", "Cze"};

constexpr std::array<std::string_view, kDeckBackSets> kBackCodes = {
    "", "Cl1", "Cl2", "Car", "Cro", "Che", "Dia", "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};

constexpr std::array<std::string_view, kBackgroundVariants> kVariantCodes = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};

constexpr std::array<std::string_view, 10> kRankCodes = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
constexpr std::array<std::string_view, 5> kSuitCodes = {"", "Ch", "Bu", "Kr", "Pi"};

}  // namespace

bool IsNarrowCardSet(int set) { return !(set <= 27 || set == 40 || set == 45); }

std::string_view CardStyleCode(int set) {
  return set >= 0 && set < static_cast<int>(kStyleCodes.size()) ? kStyleCodes[set] : std::string_view{};
}

CardGroup GroupOfLevel(int level) {
  if (level >= 9) return CardGroup::Ace;
  if (level >= 6) return CardGroup::Court;
  return CardGroup::Number;
}

std::string_view FaceStyleCode(int set, CardGroup group) {
  switch (set) {
    case 6:
      return group == CardGroup::Number ? "Mod" : "Cor";
    case 7:
    case 10:
    case 13:
      return group == CardGroup::Court ? CardStyleCode(set) : "Mod";
    case 19:
    case 20:
      return group == CardGroup::Court ? CardStyleCode(set) : "Hea";
    case 25:
      return group == CardGroup::Number ? "Rhi" : "Boy";
    case 27:
      return group == CardGroup::Number ? "Big" : "USR";
    default:
      return CardStyleCode(set);
  }
}

std::string FaceResourceName(TStr2 card, int set, PictureMode mode) {
  const int level = LevelOfRank(card.Rank());
  const int suit = SuitNumber(card.Suit());
  if (level == 0 || suit == 0) return {};
  std::string name;
  name += kSuitCodes[suit];
  name += kRankCodes[level];
  name += FaceStyleCode(set, GroupOfLevel(level));
  if (mode != PictureMode::Small) name += 'B';
  return name;
}

std::string_view CardFaceLibrary(int set) {
  if (set >= 1 && set <= 31) return "KexCards06A.dll";
  if (set >= 32 && set <= 39) return "KexCards06B.dll";
  if (set >= 40 && set <= 47) return "KexCards06C.dll";
  return {};
}

std::string_view DeckBackStyleCode(int backSet) {
  return backSet >= 0 && backSet < kDeckBackSets ? kBackCodes[backSet] : std::string_view{};
}

int DeckBackCount(int backSet) { return backSet >= 8 && backSet <= 11 ? 10 : 7; }

std::string BackResourceName(int index, int backSet, PictureMode mode, bool narrowCards) {
  if (index < 1 || index > DeckBackCount(backSet)) return {};
  std::string name{kDeckBackNames[index]};
  name += DeckBackStyleCode(backSet);
  if (mode != PictureMode::Small) name += narrowCards ? 'U' : 'B';
  return name;
}

std::string_view BackgroundVariantCode(int variant) {
  return variant >= 0 && variant < kBackgroundVariants ? kVariantCodes[variant] : std::string_view{};
}

bool IsBuiltInBackground(int background, int variant) { return background == 2 && variant == 0; }

std::string BackgroundResourceName(int background, int variant, int windowSize) {
  if (IsBuiltInBackground(background, variant)) return std::string{kBuiltInBackground};
  if (background < 1 || background > kBackgroundCount || BackgroundVariantCode(variant).empty()) return {};
  std::string name = "Fon";
  name += static_cast<char>('0' + background / 10);
  name += static_cast<char>('0' + background % 10);
  name += BackgroundVariantCode(variant);
  if (windowSize != 1) name += 'B';
  return name;
}

unsigned WindowColour(int background, int variant, int menuDesign) {
  if (menuDesign == 1) return 0x7800C8;
  if (background == 0) return 0x008000;
  static constexpr std::array<unsigned, kBackgroundVariants> kColours = {0x008000, 0x800000, 0x804000, 0x808000,
                                                                         0x008080, 0x000080, 0x800080};
  return variant >= 0 && variant < kBackgroundVariants ? kColours[variant] : 0x008000;
}

}  // namespace tarvel
