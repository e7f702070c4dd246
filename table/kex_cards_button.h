#pragma once
// TKexCardsButton: the push button of every window, drawn from small red PNG pieces recoloured by the
// colour rule (button_colours.h): two styles (glossy round, framed), native heights 30, 45 and 60 (others
// scaled), and looks for pointer-over, pressed, disabled and focused.
#include <QImage>
#include <QPushButton>
#include <functional>

#include "table/button_colours.h"

namespace tarvel {

enum class THeightSB { D30 = 0, D45, D60 };
enum class TButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

// The owner-draw state handed to the face drawing and to OnDrawButton.
struct TOwnerDrawState {
  bool pressed = false;
  bool disabled = false;
  bool focused = false;
};

class TKexCardsButton : public QPushButton {
 public:
  using TDrawButtonEvent = std::function<void(TKexCardsButton* control, QPainter& canvas, QRect rect, TOwnerDrawState state)>;
  using TNotifyEvent = std::function<void(TKexCardsButton* sender)>;

  explicit TKexCardsButton(QWidget* owner = nullptr);

  TDrawButtonEvent OnDrawButton;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  TColorSB ColorSB() const { return colorSB_; }
  void SetColorSB(TColorSB value);
  QColor ColorMouse() const { return colorMouse_; }
  void SetColorMouse(QColor value) { colorMouse_ = value; }
  bool LightFont() const { return lightFont_; }
  void SetLightFont(bool value) { lightFont_ = value; }
  bool GrayDis() const { return grayDis_; }
  void SetGrayDis(bool value) { grayDis_ = value; }
  THeightSB HeightSB() const { return heightSB_; }
  void SetHeightSB(THeightSB value);
  int KLightSB() const { return klight_; }
  void SetKLightSB(int value);
  bool Kontur() const { return kontur_; }
  void SetKontur(bool value) { kontur_ = value; }
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value) { smooth_ = value; }
  bool Framed() const { return framed_; }
  void SetFramed(bool value) { framed_ = value; }  // the caller repaints
  // The bitmap button's glyph, layout and margin (-1: the caption centred).
  QImage Glyph() const { return glyph_; }
  void SetGlyph(const QImage& glyph) { glyph_ = glyph; }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value) { layout_ = value; }
  int Margin() const { return margin_; }
  void SetMargin(int value) { margin_ = value; }
  // The caption's colour (the font colour).
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(QColor value);

  bool MouseInPos() const { return mouseInPos_; }
  bool IsFocused() const { return isFocused_; }

  // Draws the face as a paint would, for this state, into `canvas` (the button's size). False when a piece
  // cannot be resampled: that paint is abandoned and `error` tells why.
  bool DrawFace(QPainter& canvas, TOwnerDrawState state, QString* error = nullptr);
  TOwnerDrawState CurrentState() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void UpdateFocused();

  TColorSB colorSB_ = TColorSB::DRed;
  QColor colorMouse_ = Qt::black;
  bool lightFont_ = false;
  bool grayDis_ = false;
  THeightSB heightSB_ = THeightSB::D30;
  int klight_ = 0;
  bool kontur_ = true;
  bool smooth_ = true;
  bool framed_ = false;
  QImage glyph_;
  TButtonLayout layout_ = TButtonLayout::GlyphLeft;
  int margin_ = -1;
  QColor fontColor_ = Qt::black;
  bool isFocused_ = false;
  bool mouseInPos_ = false;
};

// A piece of the artwork as loaded ("R29_L" ...): a null image when the built-in pictures lack it.
QImage ButtonArtwork(const QString& name);

}  // namespace tarvel
