#include <gtest/gtest.h>

#include "table/button_colours.h"
#include "table/button_rows.h"
#include "table/kex_cards_button.h"

namespace tarvel {
namespace {

QRgb Recoloured(QRgb pixel, TColorSB colour, int klight, bool framed) {
  QImage image(1, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, pixel);
  ButtonRecolour(image, colour, klight, framed);
  return image.pixel(0, 0);
}

TEST(ButtonColours, ColourRuleCases) {
  struct Case {
    QRgb in;
    TColorSB colour;
    int klight;
    bool framed;
    QRgb out;
  } cases[] = {
      {0xFFFF0000, TColorSB::DRed, 0, false, 0xFFFF0000},
      {0xFFFF0000, TColorSB::DGreen, 0, false, 0xFF00FF00},
      {0xFFFF0000, TColorSB::DBlue, 0, false, 0xFF00FFFF},
      {0xFFFF0000, TColorSB::DNavy, 0, false, 0xFF0000FF},
      {0xFFFF0000, TColorSB::DYellow, 0, false, 0xFFFFFF00},
      {0xFFFF0000, TColorSB::DViolet, 0, false, 0xFFFF00FF},
      {0xFFFF0000, TColorSB::DOrang, 0, false, 0xFFFF6600},  // G' = 0 + round(0.4 x 255) = 102
      {0xFFFF0000, TColorSB::DCards, 0, false, 0xFFB200FF},  // round(178.5) = 178, half to even
      {0xFFFF0000, TColorSB::DCards, 0, true, 0xFF9900FF},   // (round(0.6 R), round(0.7 G), R)
      {0xFFC80000, TColorSB::DRed, 50, false, 0xFFE48080},   // KLightSB 50: (200,0,0) -> (228,128,128)
      {0xFFC0C0C0, TColorSB::DCards, 50, true, 0xFFC0C0C0},  // framed bezel: neither recoloured nor lightened
      {0xFFC0C0C0, TColorSB::DCards, 0, false, 0xFF8600C0},  // the round style recolours every pixel
      {0x80FF0000, TColorSB::DGreen, 0, false, 0x8000FF00},  // alpha is kept
      {0xFF808080, TColorSB::DOrang, 0, false, 0xFF808080},  // orange leaves pixels that are not reddish
  };
  for (const Case& c : cases)
    EXPECT_EQ(Recoloured(c.in, c.colour, c.klight, c.framed), c.out)
        << std::hex << c.in << " colour " << static_cast<int>(c.colour) << " K " << std::dec << c.klight;
  EXPECT_EQ(ButtonLineColour(0xFF800000, TColorSB::DRed, 0), 0xFF800000u);
  EXPECT_EQ(ButtonLineColour(0xFFC80000, TColorSB::DRed, 50), 0xFFE48080u);
  EXPECT_EQ(ButtonLineColour(0xFFFF0000, TColorSB::DCards, 0), 0xFFB200FFu);  // the line rule has no framed row
  EXPECT_GT(DistanceFromRed(0xFFC0C0C0), 180.0);
}

TEST(ButtonColours, CapWidthsAndPieceSets) {
  EXPECT_EQ(CapWidthFor(30), 8);
  EXPECT_EQ(CapWidthFor(31), 9);  // the 45-pixel pieces: round(13 x 31 / 45)
  EXPECT_EQ(CapWidthFor(45), 13);
  EXPECT_EQ(CapWidthFor(60), 17);
  EXPECT_EQ(CapWidthFor(20), 5);
  EXPECT_EQ(PieceSetHeight(31), 45);
  EXPECT_EQ(PieceSetHeight(46), 60);
}

TEST(ButtonColours, ResampleBilinear) {
  QImage free(10, 10, QImage::Format_ARGB32);
  free.fill(Qt::transparent);
  QImage gray(4, 4, QImage::Format_Grayscale8);
  gray.fill(100);
  QString error;
  EXPECT_FALSE(ResampleBilinear(gray, 8, 8, free, &error));
  EXPECT_EQ(error, "Only COLOR_RGBALPHA and COLOR_RGB formats are supported");

  QImage thin(1, 5, QImage::Format_ARGB32);
  thin.fill(Qt::red);
  EXPECT_TRUE(ResampleBilinear(thin, 8, 8, free));
  EXPECT_EQ(thin.size(), QSize(1, 5));  // too narrow: left as it is

  // 2 x 1 ... a 2 x 2 source resampled to 4 x 4: sx = x / 4, so target x = 2 blends the columns half and half.
  QImage src(2, 2, QImage::Format_RGB32);
  src.setPixel(0, 0, qRgb(0, 0, 0));
  src.setPixel(1, 0, qRgb(200, 0, 0));
  src.setPixel(0, 1, qRgb(0, 100, 0));
  src.setPixel(1, 1, qRgb(200, 100, 0));
  ASSERT_TRUE(ResampleBilinear(src, 4, 4, free));
  EXPECT_EQ(src.size(), QSize(4, 4));
  EXPECT_EQ(src.pixel(0, 0), qRgba(0, 0, 0, 255));  // an RGB piece comes out opaque
  EXPECT_EQ(src.pixel(2, 0), qRgba(100, 0, 0, 255));
  EXPECT_EQ(src.pixel(1, 2), qRgba(50, 50, 0, 255));
}

TEST(ButtonColours, RoundMiddlePiecesMatchTheRowTables) {
  for (int height : {30, 45, 60}) {
    const QImage middle = ButtonArtwork(QString("R%1_2").arg(height - 1));
    ASSERT_EQ(middle.size(), QSize(2, height - 1)) << height;
    const auto rows = ButtonRows(height);
    for (int y = 0; y < height - 1; ++y)
      for (int x = 0; x < 2; ++x) EXPECT_EQ(middle.pixel(x, y), 0xFF000000u | rows[y]) << height << " row " << y;
  }
  EXPECT_EQ(kButtonRows45[3], 0xEFB4B4u);
  EXPECT_EQ(kButtonRows45[21], 0xAF4A4Au);
  EXPECT_EQ(kButtonRows60[30], 0x840000u);
  EXPECT_EQ(kButtonRows60[57], 0xF60000u);
  EXPECT_EQ(kButtonRows60[58], 0x800000u);
}

TEST(ButtonColours, ArtworkSizes) {
  struct Case {
    const char* name;
    QSize size;
  } cases[] = {{"R29_L", {8, 29}}, {"Q29_R", {8, 29}}, {"R44_L", {13, 44}}, {"Q44_2", {2, 44}},
               {"R59_R", {17, 59}}, {"Q59_L", {17, 59}}, {"GFree", {10, 10}}};
  for (const Case& c : cases) {
    const QImage piece = ButtonArtwork(QString::fromLatin1(c.name));
    EXPECT_EQ(piece.size(), c.size) << c.name;
    EXPECT_TRUE(piece.hasAlphaChannel()) << c.name;
  }
  // The framed bezel is grey (beyond 180 from red) and the capsule red (nearer than 180).
  const QImage framed = ButtonArtwork(QStringLiteral("Q44_2"));
  EXPECT_GT(DistanceFromRed(framed.pixel(0, 1)), 180.0);
  EXPECT_LT(DistanceFromRed(framed.pixel(0, 22)), 180.0);
}

}  // namespace
}  // namespace tarvel
