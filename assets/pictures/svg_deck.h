#pragma once
// One card deck of the system's SVG artwork: the KDE decks (/usr/share/carddecks/svg-*, elements
// "queen_spade") and the GNOME decks (/usr/share/aisleriot/cards/*.svgz, elements "spade_queen").
#include <QImage>
#include <QSize>
#include <QString>
#include <QSvgRenderer>
#include <memory>

namespace tarvel::assets {

struct DeckDirs {
  QString kde = QStringLiteral("/usr/share/carddecks");
  QString gnome = QStringLiteral("/usr/share/aisleriot/cards");
};

class SvgDeck {
 public:
  // `file` is "K:<dir>/<file>.svgz" for a KDE deck or "G:<file>.svgz" for a GNOME deck.
  SvgDeck(const DeckDirs& dirs, const QString& file);
  bool IsValid() const;
  QString Path() const { return path_; }

  // Element of a card: level 1 (six) .. 9 (ace), suit 1 hearts, 2 diamonds, 3 clubs, 4 spades.
  QString CardElement(int level, int suit) const;
  bool HasElement(const QString& id) const;

  // The element drawn to fill `size` exactly (narrow sets are drawn narrow), on transparency. With `crop`
  // the picture is enlarged by `crop` pixels on every side, so that the deck's own border falls outside.
  QImage Render(const QString& id, QSize size, double crop = 0.0) const;

 private:
  QString path_;
  bool kde_ = false;
  std::unique_ptr<QSvgRenderer> renderer_;
};

}  // namespace tarvel::assets
