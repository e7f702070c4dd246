#include "assets/pictures/svg_deck.h"

#include <QPainter>

namespace tarvel::assets {

SvgDeck::SvgDeck(const DeckDirs& dirs, const QString& file) {
  kde_ = file.startsWith(QLatin1String("K:"));
  path_ = (kde_ ? dirs.kde : dirs.gnome) + "/" + file.mid(2);
  renderer_ = std::make_unique<QSvgRenderer>(path_);
}

bool SvgDeck::IsValid() const { return renderer_->isValid(); }

QString SvgDeck::CardElement(int level, int suit) const {
  static const char* const kSuits[] = {"", "heart", "diamond", "club", "spade"};
  static const char* const kRanks[] = {"", "6", "7", "8", "9", "10", "jack", "queen", "king", "1"};
  const QString rank = QString::fromLatin1(kRanks[level]);
  const QString s = QString::fromLatin1(kSuits[suit]);
  return kde_ ? rank + "_" + s : s + "_" + rank;
}

bool SvgDeck::HasElement(const QString& id) const { return renderer_->elementExists(id); }

QImage SvgDeck::Render(const QString& id, QSize size, double crop) const {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
  renderer_->render(&p, id, QRectF(-crop, -crop, size.width() + 2 * crop, size.height() + 2 * crop));
  p.end();
  return image;
}

}  // namespace tarvel::assets
