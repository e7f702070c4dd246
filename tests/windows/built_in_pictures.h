#pragma once
// A picture source for window tests: the program's built-in pictures only (flags, animations), no cards.
#include "table/picture_library.h"
#include "table/picture_source.h"

namespace tarvel::test {

class BuiltInPictures : public PictureSource {
 public:
  void Prepare(int, int, int, int) override {}
  QPixmap CardFace(TStr2) override { return {}; }
  QPixmap DeckBack() override { return {}; }
  QPixmap Background() override { return {}; }
  QPixmap Named(const QString& name) override { return QPixmap::fromImage(libraries_.Picture({}, name)); }
  QString AnimationPath(const QString& name) override {
    return libraries_.Has({}, name) ? libraries_.ResourcePath({}, name) : QString();
  }

 private:
  PictureLibraries libraries_;
};

}  // namespace tarvel::test
