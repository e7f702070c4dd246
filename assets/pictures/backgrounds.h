#pragma once
// Table backgrounds: ten drawn textures ("Sun", "Felt", "Gradient", "Cloth", "Carpet", "Tree", "Casino",
// "Pattern", "Silk", "Ornament") in seven colours, at 760 x 500 and, for the larger windows, 1520 x 1000,
// stored as JPEG. Background 2 in green is also the built-in "FonG".
#include <QImage>

#include "assets/pictures/picture_sink.h"

namespace tarvel::assets {

// The texture of a background as brightness 0-255, before colouring.
QImage BackgroundTexture(int background, QSize size);
// The texture coloured for a variant (0 green ... 6 violet).
QImage ColourBackground(const QImage& texture, int variant);

int RenderBackground(int background, PictureSink& sink);

}  // namespace tarvel::assets
