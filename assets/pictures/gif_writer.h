#pragma once
// A small animated-GIF encoder for the result and menu animations: one fixed 252-colour palette plus a
// transparent entry, LZW-coded full frames, endless looping. Frames must all have the size of the first.
#include <QByteArray>
#include <QImage>
#include <QList>

namespace tarvel::assets {

struct GifFrame {
  QImage image;
  int delayMs = 100;
};

// Empty when there are no frames or the frames differ in size.
QByteArray EncodeGif(const QList<GifFrame>& frames);

}  // namespace tarvel::assets
