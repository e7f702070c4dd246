#include "table/draw_card.h"

namespace tarvel {

void DrawCard(QPainter& target, int x, int y, TStr2 code, const TableImages& images) {
  if (IsRealCard(code)) {
    const QImage& face = images.faces[OrderNumber(code)];
    if (!face.isNull()) target.drawImage(x, y, face);
    return;
  }
  if (code.IsEmpty()) {
    if (images.card.mode == PictureMode::Small) {
      target.save();
      target.setPen(Qt::black);
      target.setBrush(Qt::NoBrush);
      target.drawRect(x, y, images.card.width - 1, images.card.height - 1);
      target.restore();
    }
    return;
  }
  const QString key = QString::fromLatin1(reinterpret_cast<const char*>(code.ch), 2);
  const auto it = images.specials.constFind(key);
  if (it != images.specials.constEnd()) target.drawImage(x, y, it.value());
}

void DrawBack(QPainter& target, int x, int y, const TableImages& images) {
  const QImage& back = images.Back();
  if (!back.isNull()) target.drawImage(x, y, back);
}

}  // namespace tarvel
