#pragma once
// Where the table gets its pictures: card faces and backs at the current card size, the background at
// the client size, and the named pictures (bubbles, plates, animations). The resource-file loaders
// implement it; `DrawnPictures` paints every picture itself so that nothing ever shows blank.
#include <QPixmap>
#include <QString>

#include "engine/cards.h"

namespace tarvel {

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // The design (0 ordinary, 1 special) whose background the next Prepare loads: the menu and the table
  // each have their own.
  virtual void UseDesign(int /*design*/) {}
  // Called when the window size, the card set or the deck back changes.
  virtual void Prepare(int cardWidth, int cardHeight, int clientWidth, int clientHeight) = 0;
  virtual QPixmap CardFace(TStr2 card) = 0;
  virtual QPixmap DeckBack() = 0;
  virtual QPixmap Background() = 0;
  // A named picture at its own size; a null pixmap when there is none.
  virtual QPixmap Named(const QString& name) = 0;
  // The file or resource path of an animated picture (GIF) for QMovie; empty when there is none.
  virtual QString AnimationPath(const QString& /*name*/) { return {}; }
};

// Cards, backs and the background painted with QPainter.
class DrawnPictures : public PictureSource {
 public:
  void Prepare(int cardWidth, int cardHeight, int clientWidth, int clientHeight) override;
  QPixmap CardFace(TStr2 card) override;
  QPixmap DeckBack() override { return back_; }
  QPixmap Background() override { return background_; }
  QPixmap Named(const QString&) override { return {}; }

 private:
  int width_ = 0, height_ = 0;
  QPixmap faces_[37];
  QPixmap back_, background_;
};

}  // namespace tarvel
