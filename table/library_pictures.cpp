#include "table/library_pictures.h"

#include "table/picture_names.h"

namespace tarvel {

LibraryPictures::LibraryPictures(Options& options, ShowMessage show, QString programDir)
    : options_(options), show_(std::move(show)), libraries_(std::move(programDir)) {}

void LibraryPictures::Prepare(int cardWidth, int, int clientWidth, int clientHeight) {
  const int design = design_ >= 0 ? design_ : options_.TableDesign;
  const Loaded wanted{options_.CardSet, options_.DeckBack, options_.Background, options_.BackgroundVariant,
                      design, options_.WindowSize, cardWidth, clientWidth, clientHeight};
  if (wanted == loaded_) return;
  const WindowFactors f = FactorsFor(options_.WindowSize, clientWidth, clientHeight);
  LoadCardFaces(options_, options_.WindowSize, f, libraries_, images_, show_);
  LoadDeckBacks(options_, libraries_, images_, show_);
  LoadBackground(design, options_, options_.WindowSize, libraries_, images_, show_);
  for (QPixmap& p : faces_) p = QPixmap();
  back_ = QPixmap::fromImage(images_.Back());
  background_ = images_.background.isNull()
                    ? QPixmap()
                    : QPixmap::fromImage(images_.background.scaled(clientWidth, clientHeight, Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation));
  if (background_.isNull()) {
    // Background 0: the window's own colour.
    background_ = QPixmap(std::max(clientWidth, 1), std::max(clientHeight, 1));
    background_.fill(QColor::fromRgb(WindowColour(options_.Background, options_.BackgroundVariant, options_.MenuDesign)));
  }
  // The options may have fallen back to the built-in set: remember what was really loaded.
  loaded_ = {options_.CardSet, options_.DeckBack, options_.Background, options_.BackgroundVariant,
             design, options_.WindowSize, cardWidth, clientWidth, clientHeight};
}

QPixmap LibraryPictures::CardFace(TStr2 card) {
  const int v = OrderNumber(card);
  if (v == 0) return back_;
  if (faces_[v].isNull()) faces_[v] = QPixmap::fromImage(images_.faces[v]);
  return faces_[v];
}

QPixmap LibraryPictures::Named(const QString& name) {
  const auto found = named_.constFind(name);
  if (found != named_.constEnd()) return *found;
  QImage picture = libraries_.Picture({}, name);
  if (picture.isNull()) picture = libraries_.Picture(kGraphicsLibrary, name);
  const QPixmap pixmap = QPixmap::fromImage(picture);
  named_.insert(name, pixmap);
  return pixmap;
}

QString LibraryPictures::AnimationPath(const QString& name) {
  if (libraries_.Has({}, name)) return libraries_.ResourcePath({}, name);
  if (libraries_.Has(kGraphicsLibrary, name)) return libraries_.ResourcePath(kGraphicsLibrary, name);
  return {};
}

}  // namespace tarvel
