#include <gtest/gtest.h>

#include "table/picture_names.h"
#include "table/window_scale.h"

namespace tarvel {
namespace {

TStr2 Card(int level, int suit) { return MakeCard(level, suit); }

TEST(PictureNames, FaceNamesFollowSetModeAndStyleExceptions) {
  struct Case {
    int level, suit, set;
    PictureMode mode;
    const char* name;
  } cases[] = {
      {7, 4, 3, PictureMode::Scaled, "Pi3QAncB"},  // queen of spades, set 3, scaled mode
      {5, 1, 0, PictureMode::Small, "Ch10"},       // ten of hearts, built-in set, small mode
      {1, 1, 33, PictureMode::Large, "Ch06DiaB"},
      {1, 1, 12, PictureMode::Small, "Ch06Old"},
      {1, 3, 6, PictureMode::Small, "Kr06Mod"},  // set 6: numbers "Mod", pictures and aces "Cor"
      {6, 3, 6, PictureMode::Small, "Kr2JCor"},
      {9, 3, 6, PictureMode::Large, "Kr5ACorB"},
      {9, 2, 7, PictureMode::Small, "Bu5AMod"},  // sets 7, 10, 13: pictures own, rest "Mod"
      {8, 2, 13, PictureMode::Small, "Bu4KPar"},
      {4, 4, 19, PictureMode::Small, "Pi09Hea"},  // sets 19, 20: pictures own, rest "Hea"
      {8, 4, 19, PictureMode::Small, "Pi4KCl2"},
      {2, 1, 25, PictureMode::Small, "Ch07Rhi"},  // set 25: numbers "Rhi", the rest "Boy"
      {9, 1, 25, PictureMode::Small, "Ch5ABoy"},
      {3, 2, 27, PictureMode::Large, "Bu08BigB"},  // set 27: numbers "Big", the rest "USR"
      {6, 2, 27, PictureMode::Large, "Bu2JUSRB"},
      {9, 4, 47, PictureMode::Small, "Pi5ACze"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FaceResourceName(Card(c.level, c.suit), c.set, c.mode), c.name) << "set " << c.set;
  EXPECT_EQ(FaceResourceName(kNoCard, 1, PictureMode::Small), "");
}

TEST(PictureNames, LibrariesOfSets) {
  EXPECT_EQ(CardFaceLibrary(0), "");
  EXPECT_EQ(CardFaceLibrary(12), "KexCards06A.dll");
  EXPECT_EQ(CardFaceLibrary(31), "KexCards06A.dll");
  EXPECT_EQ(CardFaceLibrary(32), "KexCards06B.dll");
  EXPECT_EQ(CardFaceLibrary(39), "KexCards06B.dll");
  EXPECT_EQ(CardFaceLibrary(40), "KexCards06C.dll");
  EXPECT_EQ(CardFaceLibrary(47), "KexCards06C.dll");
}

TEST(PictureNames, BacksAndBackgrounds) {
  EXPECT_EQ(BackResourceName(3, 5, PictureMode::Scaled, false), "Ob03WeCheB");
  EXPECT_EQ(BackResourceName(1, 0, PictureMode::Small, true), "Ob01Mo");
  EXPECT_EQ(BackResourceName(7, 12, PictureMode::Large, true), "Ob07SuRusU");
  EXPECT_EQ(BackResourceName(10, 8, PictureMode::Small, false), "Ob10XXAni");
  EXPECT_EQ(BackResourceName(8, 3, PictureMode::Small, false), "");  // only sets 8-11 have ten backs
  EXPECT_EQ(BackgroundResourceName(2, 0, 1), "FonG");
  EXPECT_EQ(BackgroundResourceName(2, 0, 4), "FonG");
  EXPECT_EQ(BackgroundResourceName(1, 1, 1), "Fon01Re");
  EXPECT_EQ(BackgroundResourceName(10, 6, 3), "Fon10FiB");
  EXPECT_EQ(BackgroundResourceName(11, 0, 1), "");
  EXPECT_EQ(WindowColour(3, 2, 0), 0x804000u);
  EXPECT_EQ(WindowColour(0, 4, 0), 0x008000u);
  EXPECT_EQ(WindowColour(3, 4, 1), 0x7800C8u);
}

TEST(WindowScale, CardSizeAndPictureModeTable) {
  struct Case {
    int windowSize, width, height, cardSet;
    CardGeometry expected;
  } cases[] = {
      {1, 760, 500, 0, {71, 96, PictureMode::Small}},
      {1, 760, 500, 33, {71, 96, PictureMode::Small}},  // narrow sets are 71 wide in the small mode
      {3, 0, 0, 0, {92, 125, PictureMode::Scaled}},
      {3, 0, 0, 33, {79, 125, PictureMode::Scaled}},
      {4, 0, 0, 40, {121, 163, PictureMode::Scaled}},
      {4, 0, 0, 28, {104, 163, PictureMode::Scaled}},
      {5, 0, 0, 0, {146, 198, PictureMode::Large}},
      {5, 0, 0, 33, {126, 198, PictureMode::Large}},
      {2, 1000, 600, 0, {71, 96, PictureMode::Small}},  // free size: the smaller factor, 1.2
      {2, 1600, 1000, 45, {146, 198, PictureMode::Large}},
      {2, 1519, 1000, 45, {142, 192, PictureMode::Scaled}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CardGeometryFor(c.cardSet, FactorsFor(c.windowSize, c.width, c.height)), c.expected)
        << "size " << c.windowSize << " set " << c.cardSet;
  EXPECT_EQ(DeckShift(33, 3, FactorsFor(3)), 6);  // Scaled(5) at 1.3 = 6.5, the half goes to the even 6
  EXPECT_EQ(DeckShift(33, 1, FactorsFor(1)), 0);
  EXPECT_EQ(DeckShift(0, 5, FactorsFor(5)), 0);
  EXPECT_EQ(ClientSizeFor(4), (PixelSize{1290, 850}));
  EXPECT_EQ(WindowSizeHint(5), "1520 x 1000");
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
}

}  // namespace
}  // namespace tarvel
