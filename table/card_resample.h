#pragma once
// Card pictures at the table's card size: the small bitmaps inside their one-pixel black frame, and the large
// pictures resampled smoothly with their corners cut round.
#include <QImage>
#include <QSize>

namespace tarvel {

// A 69 x 94 bitmap inside a one-pixel black frame (71 x 96), the four corner pixels cleared.
QImage FramedSmallCard(const QImage& bitmap);

// `picture` at `size`: unchanged when it already has that size; otherwise resampled with a smoothing filter
// and, with `cornerRadius` above 0, its corners cut round and made transparent.
QImage ResampleCard(const QImage& picture, QSize size, int cornerRadius);

}  // namespace tarvel
