#pragma once
// Small drawing helpers shared by the picture generators.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

namespace tarvel::assets {

QImage NewImage(int width, int height, QColor fill = Qt::transparent);
// A glossy rounded plate: a vertical gradient of `colour`, a lighter upper half and a dark rim.
void GlossyPlate(QPainter& p, const QRectF& r, QColor colour, double radius);
// Text centred in `r`, `pixelHeight` high, with a thin dark outline for legibility.
void OutlinedText(QPainter& p, const QRectF& r, const QString& text, int pixelHeight, QColor colour,
                  const QString& family = QStringLiteral("Comic Neue"), bool bold = true);
// A five-pointed star.
void DrawStar(QPainter& p, QPointF centre, double outer, QColor colour);

}  // namespace tarvel::assets
