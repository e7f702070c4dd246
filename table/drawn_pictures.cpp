#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "table/picture_source.h"

namespace tarvel {

namespace {

const char* kRankText[10] = {"", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
const char16_t kSuitSymbol[5] = {0, u'\u2665', u'\u2666', u'\u2663', u'\u2660'};

QPainterPath CardOutline(int w, int h) {
  QPainterPath path;
  path.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), w * 0.08, w * 0.08);
  return path;
}

}  // namespace

void DrawnPictures::Prepare(int cardWidth, int cardHeight, int clientWidth, int clientHeight) {
  width_ = cardWidth;
  height_ = cardHeight;
  for (QPixmap& p : faces_) p = QPixmap();

  back_ = QPixmap(cardWidth, cardHeight);
  back_.fill(Qt::transparent);
  {
    QPainter p(&back_);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath outline = CardOutline(cardWidth, cardHeight);
    p.fillPath(outline, QColor(250, 250, 250));
    p.setClipPath(outline);
    const QRectF inner(cardWidth * 0.07, cardWidth * 0.07, cardWidth * 0.86, cardHeight - cardWidth * 0.14);
    p.fillRect(inner, QColor(150, 20, 30));
    p.setPen(QPen(QColor(230, 190, 120), 1));
    for (int d = -cardHeight; d < cardWidth + cardHeight; d += 6) {
      p.drawLine(QPointF(inner.left() + d, inner.top()), QPointF(inner.left() + d + inner.height(), inner.bottom()));
      p.drawLine(QPointF(inner.left() + d, inner.bottom()), QPointF(inner.left() + d + inner.height(), inner.top()));
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawPath(outline);
  }

  background_ = QPixmap(std::max(clientWidth, 1), std::max(clientHeight, 1));
  QPainter p(&background_);
  QRadialGradient felt(clientWidth / 2.0, clientHeight / 2.0, std::max(clientWidth, clientHeight) * 0.7);
  felt.setColorAt(0, QColor(30, 120, 60));
  felt.setColorAt(1, QColor(10, 60, 30));
  p.fillRect(background_.rect(), felt);
}

QPixmap DrawnPictures::CardFace(TStr2 card) {
  const int v = OrderNumber(card);
  if (v == 0) return back_;
  if (!faces_[v].isNull()) return faces_[v];
  QPixmap face(width_, height_);
  face.fill(Qt::transparent);
  QPainter p(&face);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QPainterPath outline = CardOutline(width_, height_);
  p.fillPath(outline, Qt::white);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.drawPath(outline);
  const int suit = SuitNumber(card.Suit()), level = LevelOfRank(card.Rank());
  const QColor ink = suit <= 2 ? QColor(200, 20, 30) : QColor(20, 20, 20);
  p.setPen(ink);
  QFont corner("DejaVu Sans", std::max(6, width_ / 6), QFont::Bold);
  p.setFont(corner);
  const QString rank = QString::fromLatin1(kRankText[level]);
  const QString symbol = QString(QChar(kSuitSymbol[suit]));
  const QRectF cornerBox(width_ * 0.05, height_ * 0.02, width_ * 0.3, height_ * 0.3);
  p.drawText(cornerBox, Qt::AlignHCenter | Qt::AlignTop, rank + "\n" + symbol);
  p.save();
  p.translate(width_, height_);
  p.rotate(180);
  p.drawText(cornerBox, Qt::AlignHCenter | Qt::AlignTop, rank + "\n" + symbol);
  p.restore();
  QFont big("DejaVu Sans", std::max(8, width_ / 2));
  p.setFont(big);
  p.drawText(QRectF(0, 0, width_, height_), Qt::AlignCenter, level >= 6 ? rank : symbol);
  faces_[v] = face;
  return face;
}

}  // namespace tarvel
