#pragma once
// The built-in pictures of the game table: card places and frames of the special card codes, the stock's
// count plate and empty-stock picture, speech bubbles, move clocks and the animations of a deal's result
// and of the first-move dialog.
#include "assets/pictures/picture_sink.h"

namespace tarvel::assets {

int RenderTablePictures(PictureSink& sink);

}  // namespace tarvel::assets
