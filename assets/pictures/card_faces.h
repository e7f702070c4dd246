#pragma once
// The 48 card-face sets, each rendered from the system deck that fits its name, into the resource file
// and under the names the table looks up (small 69 x 94 and large 146 x 198 / 126 x 198 pictures).
#include <QString>

#include "assets/pictures/picture_sink.h"
#include "assets/pictures/svg_deck.h"

namespace tarvel::assets {

// The source deck of a set ("K:..." or "G:...") and the paper tint laid over it (0xFFFFFF: none).
struct FaceSource {
  const char* file;
  unsigned tint;
};
FaceSource FaceSourceOf(int set);

// Renders every face of `set` that some set of the same resource file names with this set's style code.
// Returns the number of pictures written, or -1 when the deck cannot be read.
int RenderFaceSet(int set, const DeckDirs& dirs, PictureSink& sink);

// Multiplies every pixel by the tint (paper colour), alpha kept.
void TintImage(QImage& image, unsigned tint);

}  // namespace tarvel::assets
