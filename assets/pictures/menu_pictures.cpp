#include "assets/pictures/menu_pictures.h"

#include "assets/pictures/backgrounds.h"
#include "table/picture_names.h"

namespace tarvel::assets {
namespace {

const QString kGraphics = QString::fromLatin1(kGraphicsLibrary.data(), kGraphicsLibrary.size());

}  // namespace

int RenderMenuPictures(PictureSink& sink) {
  int n = 0;
  // The special design's background: the ornament texture in the design's purple.
  QImage lilu = ColourBackground(BackgroundTexture(10, QSize(1520, 1000)), 6);
  n += sink.Put(kGraphics, QString::fromLatin1(kSpecialDesignBackground.data(), kSpecialDesignBackground.size()), lilu,
                "jpg", 88);
  return n;
}

}  // namespace tarvel::assets
