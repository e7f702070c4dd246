#pragma once
// Drawing one card at the current card size: a real card's face, or one of the special codes: "##" (an empty
// place: only the outline, in the small mode), "Fr" (an empty card place), "KY" / "KN", and "X" + a colour letter
// (b r n g y v a o) for a coloured frame inside the card.
#include <QPainter>

#include "engine/cards.h"
#include "table/card_images.h"

namespace tarvel {

void DrawCard(QPainter& target, int x, int y, TStr2 code, const TableImages& images);
// The current deck back, face down.
void DrawBack(QPainter& target, int x, int y, const TableImages& images);

}  // namespace tarvel
