#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QPainter>

#include "table/kex_cards_button.h"

namespace tarvel {
namespace {

QImage Paint(TKexCardsButton& button, TOwnerDrawState state) {
  QImage image(button.size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  QString error;
  EXPECT_TRUE(button.DrawFace(p, state, &error)) << error.toStdString();
  p.end();
  return image;
}

TEST(KexCardsButton, DefaultsAndHeight) {
  TKexCardsButton button;
  EXPECT_EQ(button.size(), QSize(100, 30));
  EXPECT_EQ(button.ColorSB(), TColorSB::DRed);
  EXPECT_EQ(button.KLightSB(), 0);
  EXPECT_TRUE(button.Kontur());
  EXPECT_TRUE(button.Smooth());
  EXPECT_FALSE(button.Framed());
  EXPECT_EQ(button.Margin(), -1);
  button.SetHeightSB(THeightSB::D60);
  EXPECT_EQ(button.height(), 60);
}

TEST(KexCardsButton, NativeRedButtonShowsTheArtworkUnchanged) {
  TKexCardsButton button;
  const QImage face = Paint(button, {});
  const QImage left = ButtonArtwork("R29_L");
  const QImage right = ButtonArtwork("R29_R");
  const QImage middle = ButtonArtwork("R29_2");
  for (int y = 0; y < 29; ++y) {
    for (int x = 0; x < 8; ++x) {
      if (qAlpha(left.pixel(x, y)) == 255) {
        EXPECT_EQ(face.pixel(x, y), left.pixel(x, y)) << x << "," << y;
      }
      if (qAlpha(right.pixel(x, y)) == 255) {
        EXPECT_EQ(face.pixel(100 - 8 - 1 + x, y), right.pixel(x, y));
      }
    }
    EXPECT_EQ(face.pixel(50, y), middle.pixel(0, y)) << "row " << y;
  }
  EXPECT_EQ(qAlpha(face.pixel(50, 29)), 0);  // the bottom row shows the background
}

TEST(KexCardsButton, ColoursReachTheFace) {
  TKexCardsButton button;
  button.SetColorSB(TColorSB::DGreen);
  const QImage face = Paint(button, {});
  const QRgb red = ButtonArtwork("R29_2").pixel(0, 20);
  EXPECT_EQ(face.pixel(50, 20), qRgb(qGreen(red), qRed(red), qBlue(red)));
}

TEST(KexCardsButton, HeightThirtyOneUsesTheMiddlePiecesAndCapOfNine) {
  TKexCardsButton button;
  button.resize(100, 31);
  const QImage face = Paint(button, {});
  // Left cap 0..8, right cap from 100 - 9 - 1 = 90; the whole bar is 30 rows high.
  EXPECT_GT(qAlpha(face.pixel(8, 15)), 0);
  EXPECT_GT(qAlpha(face.pixel(95, 15)), 0);
  EXPECT_EQ(qAlpha(face.pixel(50, 30)), 0);
  EXPECT_EQ(qAlpha(face.pixel(0, 0)), 0);  // the round corner stays transparent
}

TEST(KexCardsButton, PressedMovesFaceAndFocusMarkOnePixel) {
  for (bool framed : {false, true}) {
    TKexCardsButton button;
    button.SetFramed(framed);
    button.setDefault(true);
    const QImage normal = Paint(button, {.pressed = false, .focused = true});
    const QImage pressed = Paint(button, {.pressed = true, .focused = true});
    for (int y = 0; y < 28; ++y)
      for (int x = 0; x < 98; x += 7) ASSERT_EQ(pressed.pixel(x + 1, y + 1), normal.pixel(x, y)) << framed << " " << x << "," << y;
  }
}

TEST(KexCardsButton, FocusMarkColours) {
  TKexCardsButton button;
  button.setDefault(true);
  const QImage round = Paint(button, {.focused = true});
  EXPECT_EQ(round.pixel(50, 4), 0xFFFFC8C8u);  // the outline's top edge, inset (7, 4)
  button.SetFramed(true);
  const QImage framed = Paint(button, {.focused = true});
  EXPECT_EQ(framed.pixel(12, 15), 0xFFFFFF00u);  // left dot: x 10..14, top round(15 - 2) = 13
  button.SetKontur(false);
  EXPECT_NE(Paint(button, {.focused = true}).pixel(12, 15), 0xFFFFFF00u);
}

TEST(KexCardsButton, DisabledUnderThePointerShowsTheFontColour) {
  TKexCardsButton button;
  button.setText("WWWWWWWW");
  button.SetFontColor(Qt::white);
  button.SetLightFont(true);
  button.SetColorMouse(QColor(255, 255, 0));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(&button, &enter);
  ASSERT_TRUE(button.MouseInPos());
  auto hasColour = [](const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == colour) return true;
    return false;
  };
  EXPECT_TRUE(hasColour(Paint(button, {}), 0xFFFFFF00));
  button.setEnabled(false);
  const QImage disabled = Paint(button, {.disabled = true});
  EXPECT_FALSE(hasColour(disabled, 0xFFFFFF00));
  EXPECT_TRUE(hasColour(disabled, 0xFFFFFFFF));
  button.SetGrayDis(true);
  EXPECT_TRUE(hasColour(Paint(button, {.disabled = true}), 0xFFC0C0C0));
}

}  // namespace
}  // namespace tarvel
