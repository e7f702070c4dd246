#pragma once
// The owner-drawn button's artwork, in pure-red tones with alpha: round pieces "R29_*", "R44_*", "R59_*"
// (a glossy bar whose middle column is exactly the button's row-colour table) and framed pieces "Q29_*",
// "Q44_*", "Q59_*" (a red capsule in a silver-grey bezel); "_L", "_R" caps and the "_2" middle column.
// Also "GFree", the resampler's empty 10 x 10 target.
#include <QImage>

#include "assets/pictures/picture_sink.h"

namespace tarvel::assets {

QImage ButtonPiece(bool framed, int nativeHeight, char part);
int RenderButtonPieces(PictureSink& sink);

}  // namespace tarvel::assets
