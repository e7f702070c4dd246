#pragma once
// The colour rule of the owner-drawn button: every colour and the paler looks come from the one red artwork.
#include <QImage>
#include <QRgb>
#include <QString>

namespace tarvel {

enum class TColorSB { DRed = 0, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
inline constexpr int kButtonColourCount = 8;

// Distance of a colour from pure red (255, 0, 0).
double DistanceFromRed(QRgb c);

// Recolours every pixel of a piece (alpha kept). Does nothing for DRed with K = 0. In the framed style DCards
// and the lightening touch only pixels nearer than 180 to pure red, so that the grey bezel keeps its tone.
void ButtonRecolour(QImage& piece, TColorSB colour, int klight, bool framed);

// The same rule for one colour of a row line (the round style's table, lightening on all channels).
QRgb ButtonLineColour(QRgb colour, TColorSB colourSB, int klight);

// Bilinear resampling of a piece to tw x th, into a copy of the empty picture `free` (GFree) resized to the
// target. Pieces narrower or lower than 2 pixels, or targets that small, stay as they are. A piece that is
// neither RGB nor RGBA is refused with the text "Only COLOR_RGBALPHA and COLOR_RGB formats are supported".
// An RGB piece comes out opaque.
bool ResampleBilinear(QImage& piece, int tw, int th, const QImage& free, QString* error = nullptr);

// Focus colours of each colour: the round style's outline and the framed style's dots.
QRgb FocusOutlineColour(TColorSB colour);
QRgb FocusDotColour(TColorSB colour);

// Piece set and cap width for a button height: the native height of the piece set (30, 45 or 60) and
// c = round(base x height / reference).
int PieceSetHeight(int height);
int CapWidthFor(int height);

}  // namespace tarvel
