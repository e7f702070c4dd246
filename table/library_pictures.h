#pragma once
// The table's pictures from the program's resource files: the faces, backs and background the options
// choose, loaded at the current card size, and every named picture of the built-in set or the graphics
// library. A resource file that cannot be found is reported once through `show` and the built-in set
// takes its place.
#include <QHash>

#include "settings/options.h"
#include "table/card_images.h"
#include "table/picture_library.h"
#include "table/picture_source.h"

namespace tarvel {

class LibraryPictures : public PictureSource {
 public:
  LibraryPictures(Options& options, ShowMessage show, QString programDir = {});

  void UseDesign(int design) override { design_ = design; }
  void Prepare(int cardWidth, int cardHeight, int clientWidth, int clientHeight) override;
  QPixmap CardFace(TStr2 card) override;
  QPixmap DeckBack() override { return back_; }
  QPixmap Background() override { return background_; }
  QPixmap Named(const QString& name) override;
  QString AnimationPath(const QString& name) override;

  const TableImages& Images() const { return images_; }

 private:
  Options& options_;
  ShowMessage show_;
  PictureLibraries libraries_;
  TableImages images_;
  // What the loaded pictures were made for; they are loaded again only when it changes.
  struct Loaded {
    int cardSet = -1, deckBack = -1, background = -1, variant = -1, design = -1, windowSize = -1;
    int cardWidth = 0, clientWidth = 0, clientHeight = 0;
    bool operator==(const Loaded&) const = default;
  } loaded_;
  QPixmap faces_[37];
  QPixmap back_, background_;
  QHash<QString, QPixmap> named_;
  int design_ = -1;  // -1: the table's design
};

}  // namespace tarvel
