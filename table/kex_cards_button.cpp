#include "table/kex_cards_button.h"

#include <QEnterEvent>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include "table/button_rows.h"
#include "table/picture_library.h"
#include "table/window_scale.h"

namespace tarvel {
namespace {

// Insets of the glyph and of the text beside it, and the framed style's focus-dot edge, at native heights.
int GlyphInset(int height, int c) {
  switch (height) {
    case 30: return 15;
    case 45: return 18;
    case 60: return 20;
    default: return RoundHalfEven(1.6 * c);
  }
}
int TextShift(int height, int glyphWidth, int c) {
  switch (height) {
    case 30: return glyphWidth + 25;
    case 45: return glyphWidth + 28;
    case 60: return glyphWidth + 30;
    default: return glyphWidth + c + 10;
  }
}

}  // namespace

QImage ButtonArtwork(const QString& name) {
  InitBuiltInPictures();
  static QHash<QString, QImage> cache;  // decoded once; recoloured afresh at every paint
  auto it = cache.find(name);
  if (it == cache.end()) it = cache.insert(name, QImage(QStringLiteral(":/tarvel/") + name));
  return it.value();
}

TKexCardsButton::TKexCardsButton(QWidget* owner) : QPushButton(owner) {
  resize(100, 30);
  setAttribute(Qt::WA_Hover);
  setMouseTracking(true);
  fontColor_ = palette().color(QPalette::ButtonText);
}

void TKexCardsButton::SetColorSB(TColorSB value) {
  if (value == colorSB_) return;
  colorSB_ = value;
  update();
}

void TKexCardsButton::SetKLightSB(int value) {
  value = std::clamp(value, 0, 255);
  if (value == klight_) return;
  klight_ = value;
  update();
}

void TKexCardsButton::SetHeightSB(THeightSB value) {
  if (value == heightSB_) return;
  heightSB_ = value;
  resize(width(), value == THeightSB::D30 ? 30 : value == THeightSB::D45 ? 45 : 60);
  update();
}

void TKexCardsButton::SetFontColor(QColor value) {
  fontColor_ = value;
  update();
}

TOwnerDrawState TKexCardsButton::CurrentState() const { return {isDown(), !isEnabled(), hasFocus()}; }

void TKexCardsButton::UpdateFocused() {
  // The default/focused look: the button that has the focus or is its dialog's default button.
  const bool focused = hasFocus() || isDefault();
  if (focused == isFocused_) return;
  isFocused_ = focused;
  update();
}

bool TKexCardsButton::DrawFace(QPainter& canvas, TOwnerDrawState state, QString* error) {
  isFocused_ = hasFocus() || isDefault();
  const int W = width(), H = height();
  const int p = state.pressed ? 1 : 0;
  const bool native = H == 30 || H == 45 || H == 60;
  const int set = PieceSetHeight(H);
  const int c = CapWidthFor(H);
  const QString base = QString("%1%2_").arg(framed_ ? 'Q' : 'R').arg(set - 1);
  const QImage free = ButtonArtwork(QStringLiteral("GFree"));

  QImage work(W, H, QImage::Format_ARGB32_Premultiplied);
  work.fill(Qt::transparent);
  {
    QPainter w(&work);
    for (const char side : {'L', 'R'}) {
      QImage cap = ButtonArtwork(base + side);
      ButtonRecolour(cap, colorSB_, klight_, framed_);
      const int x = side == 'L' ? 0 : W - c - 1;
      if (native || !smooth_) {
        w.drawImage(QRect(x, 0, c, H - 1), cap);
      } else {
        if (!ResampleBilinear(cap, c, H - 1, free, error)) return false;
        w.drawImage(x, 0, cap);
      }
    }
    if (!native || colorSB_ == TColorSB::DCards || framed_) {
      QImage middle = ButtonArtwork(base + '2');
      ButtonRecolour(middle, colorSB_, klight_, framed_);
      w.drawImage(QRect(c, 0, W - 2 * c, H - 1), middle);
    } else {
      const auto rows = ButtonRows(H);
      for (int y = 0; y <= H - 2 && y < static_cast<int>(rows.size()); ++y)
        w.fillRect(QRect(c, y, W - 2 * c - 1, 1), QColor::fromRgb(ButtonLineColour(0xFF000000u | rows[y], colorSB_, klight_)));
    }
    if (!glyph_.isNull() && layout_ != TButtonLayout::GlyphTop) {
      const int gy = RoundHalfEven((H - glyph_.height() - 1) / 2.0);
      const int inset = GlyphInset(H, c);
      int gx = inset;
      if (layout_ == TButtonLayout::GlyphRight) gx = W - glyph_.width() - inset;
      if (layout_ == TButtonLayout::GlyphBottom) gx = RoundHalfEven((W - glyph_.width()) / 2.0);
      w.drawImage(gx, gy, glyph_);
    }
  }
  canvas.drawImage(p, p, work);

  QRect textRect = rect().translated(p, p);
  if (framed_) textRect.translate(0, -1);
  QColor colour = fontColor_;
  if (lightFont_ && mouseInPos_) colour = colorMouse_;
  if (state.disabled) colour = grayDis_ ? QColor(192, 192, 192) : fontColor_;
  canvas.setPen(colour);
  canvas.setFont(font());
  if (margin_ == -1) {
    canvas.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, text());
  } else {
    const int shift = TextShift(H, glyph_.isNull() ? 0 : glyph_.width(), c);
    if (layout_ == TButtonLayout::GlyphRight)
      textRect.setRight(textRect.right() - shift);
    else
      textRect.setLeft(textRect.left() + shift);
    canvas.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text());
  }
  if (OnDrawButton) OnDrawButton(this, canvas, rect().translated(p, p), state);

  if (state.focused && isFocused_ && kontur_) {
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    if (!framed_) {
      int ix, iy, corner;
      switch (H) {
        case 30: ix = 7, iy = 4, corner = 7; break;
        case 45: ix = 9, iy = 5, corner = 9; break;
        case 60: ix = 11, iy = 6, corner = 11; break;
        default:
          ix = RoundHalfEven(0.8 * c);
          iy = H <= 20 ? 3 : H <= 30 ? 4 : H <= 60 ? 5 : 6;
          corner = 2 * iy;
      }
      canvas.setPen(QColor::fromRgb(FocusOutlineColour(colorSB_)));
      canvas.setBrush(Qt::NoBrush);
      // The rectangle runs from (p + ix, p + iy) to (W + p - ix, H + p - iy), right and bottom edges excluded.
      canvas.drawRoundedRect(QRect(p + ix, p + iy, W - 2 * ix - 1, H - 2 * iy - 1), corner / 2.0, corner / 2.0);
    } else {
      const int g = H <= 20 ? 3 : H <= 30 ? 4 : H <= 45 ? 5 : H <= 60 ? 6 : 7;
      const int e = H == 30 ? 10 : H == 45 ? 13 : H == 60 ? 15 : c;
      const int top = p + RoundHalfEven(H / 2.0 - g / 2.0);
      const QColor dot = QColor::fromRgb(FocusDotColour(colorSB_));
      canvas.setPen(dot);
      canvas.setBrush(dot);
      canvas.drawEllipse(QRect(p + e, top, g, g));
      canvas.drawEllipse(QRect(W + p - e - g, top, g, g));
    }
    canvas.restore();
  }
  return true;
}

void TKexCardsButton::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  QString error;
  if (!DrawFace(canvas, CurrentState(), &error)) qWarning("TKexCardsButton: %s", qPrintable(error));
}

void TKexCardsButton::enterEvent(QEnterEvent* event) {
  QPushButton::enterEvent(event);
  mouseInPos_ = true;
  repaint();
  if (OnMouseEnter) OnMouseEnter(this);
}

void TKexCardsButton::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  mouseInPos_ = false;
  repaint();
  if (OnMouseLeave) OnMouseLeave(this);
}

void TKexCardsButton::focusInEvent(QFocusEvent* event) {
  QPushButton::focusInEvent(event);
  UpdateFocused();
}

void TKexCardsButton::focusOutEvent(QFocusEvent* event) {
  QPushButton::focusOutEvent(event);
  UpdateFocused();
}

void TKexCardsButton::changeEvent(QEvent* event) {
  QPushButton::changeEvent(event);
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
}

void TKexCardsButton::mousePressEvent(QMouseEvent* event) {
  QPushButton::mousePressEvent(event);
  update();
}

void TKexCardsButton::mouseReleaseEvent(QMouseEvent* event) {
  QPushButton::mouseReleaseEvent(event);
  update();
}

void TKexCardsButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double click counts as a second press at the same place.
  mousePressEvent(event);
}

}  // namespace tarvel
