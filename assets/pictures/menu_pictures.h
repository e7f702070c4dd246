#pragma once
// The pictures of the start menu, the dialogs and the graphics library: plates, title, clock and display
// digits, icons, lights and scrolls, news shelf, medals, the touch burst, the special design's background and
// the cursors.
#include "assets/pictures/picture_sink.h"

namespace tarvel::assets {

int RenderMenuPictures(PictureSink& sink);

}  // namespace tarvel::assets
