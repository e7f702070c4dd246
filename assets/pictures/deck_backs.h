#pragma once
// The 13 deck-back sets: seven backs each (ten in sets 8-11) at the small 69 x 94 size and the large
// 146 x 198 ("B", wide card sets) and 126 x 198 ("U", narrow card sets) sizes. The classic sets take the backs
// of the system decks; the themed sets are drawn.
#include "assets/pictures/picture_sink.h"
#include "assets/pictures/svg_deck.h"

namespace tarvel::assets {

// Renders all backs of one set. Returns the number of pictures written, -1 when a source deck is missing.
int RenderBackSet(int backSet, const DeckDirs& dirs, PictureSink& sink);

}  // namespace tarvel::assets
