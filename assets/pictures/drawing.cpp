#include "assets/pictures/drawing.h"

#include <QFont>
#include <QPainterPath>
#include <cmath>

namespace tarvel::assets {

QImage NewImage(int width, int height, QColor fill) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void GlossyPlate(QPainter& p, const QRectF& r, QColor colour, double radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, colour.lighter(165));
  g.setColorAt(0.48, colour.lighter(120));
  g.setColorAt(0.52, colour);
  g.setColorAt(1, colour.darker(135));
  p.setPen(QPen(colour.darker(220), std::max(1.0, r.height() / 30)));
  p.setBrush(g);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.restore();
}

void OutlinedText(QPainter& p, const QRectF& r, const QString& text, int pixelHeight, QColor colour,
                  const QString& family, bool bold) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QFont font(family);
  font.setPixelSize(std::max(6, pixelHeight));
  font.setBold(bold);
  QPainterPath path;
  const QFontMetricsF fm(font);
  const double w = fm.horizontalAdvance(text);
  path.addText(r.center().x() - w / 2, r.center().y() + (fm.ascent() - fm.descent()) / 2, font, text);
  p.setPen(QPen(QColor(0, 0, 0, 170), std::max(1.0, pixelHeight / 12.0)));
  p.setBrush(colour);
  p.drawPath(path);
  p.restore();
}

void DrawStar(QPainter& p, QPointF c, double outer, QColor colour) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const double a = M_PI * i / 5 - M_PI / 2, r = i % 2 ? outer * 0.42 : outer;
    const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    i == 0 ? path.moveTo(q) : path.lineTo(q);
  }
  path.closeSubpath();
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour.darker(160), std::max(0.8, outer / 10)));
  p.setBrush(colour);
  p.drawPath(path);
  p.restore();
}

}  // namespace tarvel::assets
