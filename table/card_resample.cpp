#include "table/card_resample.h"

#include <QPainter>
#include <QPainterPath>

namespace tarvel {

QImage FramedSmallCard(const QImage& bitmap) {
  QImage card(71, 96, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::black);
  QPainter p(&card);
  p.drawImage(QRect(1, 1, 69, 94), bitmap.convertToFormat(QImage::Format_RGB32));
  p.end();
  for (const QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)}) card.setPixel(corner, 0);
  return card;
}

QImage ResampleCard(const QImage& picture, QSize size, int cornerRadius) {
  if (picture.isNull() || size.isEmpty()) return picture;
  if (picture.size() == size) return picture;
  // Resampled with its alpha, so that the deck's own rounded corners leave no dark fringe.
  QImage out = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                   .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (cornerRadius > 0) {
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter m(&mask);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(Qt::NoPen);
    m.setBrush(Qt::black);
    m.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), cornerRadius, cornerRadius);
    m.end();
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, mask);
  }
  return out;
}

}  // namespace tarvel
