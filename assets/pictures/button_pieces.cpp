#include "assets/pictures/button_pieces.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "table/button_rows.h"

namespace tarvel::assets {
namespace {

int CapWidth(int nativeHeight) { return nativeHeight == 30 ? 8 : nativeHeight == 45 ? 13 : 17; }

QRgb Mix(QRgb a, QRgb b, double t) {
  return qRgb(static_cast<int>(std::lround(qRed(a) + (qRed(b) - qRed(a)) * t)),
              static_cast<int>(std::lround(qGreen(a) + (qGreen(b) - qGreen(a)) * t)),
              static_cast<int>(std::lround(qBlue(a) + (qBlue(b) - qBlue(a)) * t)));
}

// Row colours of the framed middle: grey bezel rims around a red capsule, light above and deep below.
// Every red tone stays within 180 of pure red, every grey beyond it, so that the colour rule recolours the
// capsule and leaves the bezel.
std::vector<QRgb> FramedRows(int rows, int& bezel) {
  bezel = std::max(3, static_cast<int>(std::lround(rows * 0.14)));
  std::vector<QRgb> out(rows);
  const int inner = rows - 2 * bezel;
  for (int y = 0; y < rows; ++y) {
    if (y == 0 || y == rows - 1) {
      out[y] = qRgb(105, 105, 105);
    } else if (y < bezel) {
      out[y] = Mix(qRgb(240, 240, 240), qRgb(168, 168, 168), double(y - 1) / std::max(1, bezel - 2));
    } else if (y >= rows - bezel) {
      out[y] = Mix(qRgb(150, 150, 150), qRgb(215, 215, 215), double(y - (rows - bezel)) / std::max(1, bezel - 2));
    } else {
      const int i = y - bezel, half = inner / 2;
      out[y] = i < half ? Mix(qRgb(255, 112, 112), qRgb(205, 28, 28), double(i) / std::max(1, half - 1))
                        : Mix(qRgb(150, 0, 0), qRgb(235, 22, 22), double(i - half) / std::max(1, inner - half - 1));
    }
  }
  return out;
}

// Coverage (0..1) of the ellipse centred at (cx, cy) with radii rx, ry, extended to the right, over the pixel.
double Coverage(int x, int y, double cx, double cy, double rx, double ry) {
  int inside = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx) {
      const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
      const double nx = (px - cx) / rx, ny = (py - cy) / ry;
      if (px >= cx || nx * nx + ny * ny <= 1.0) ++inside;
    }
  return inside / 16.0;
}

// A left cap; the right cap is its mirror image.
QImage LeftCap(bool framed, int nativeHeight) {
  const int rows = nativeHeight - 1, c = CapWidth(nativeHeight);
  QImage cap(c, rows, QImage::Format_ARGB32);
  const double cy = rows / 2.0;
  int bezel = 0;
  const std::vector<QRgb> framedRows = framed ? FramedRows(rows, bezel) : std::vector<QRgb>{};
  const auto roundRows = ButtonRows(nativeHeight);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < c; ++x) {
      const double outer = Coverage(x, y, c, cy, c, cy);
      QRgb colour;
      if (!framed) {
        // The rim of the bar is the maroon of the top and bottom rows.
        const double inner = Coverage(x, y, c, cy, c - 1.3, cy - 1.0);
        colour = inner >= 0.5 ? (roundRows[y] & 0xFFFFFF) : 0x800000;
      } else {
        const double capsule = Coverage(x, y, c, cy, std::max(1.5, c - bezel * 0.9), cy - bezel);
        const double rim = Coverage(x, y, c, cy, c - 1.0, cy - 1.0);
        if (capsule >= 0.5) {
          colour = framedRows[y];
        } else if (rim >= 0.5) {
          colour = Mix(qRgb(236, 236, 236), qRgb(160, 160, 160), double(y) / rows);
        } else {
          colour = qRgb(105, 105, 105);
        }
      }
      cap.setPixel(x, y, (colour & 0xFFFFFF) | (static_cast<QRgb>(std::lround(outer * 255)) << 24));
    }
  return cap;
}

}  // namespace

QImage ButtonPiece(bool framed, int nativeHeight, char part) {
  const int rows = nativeHeight - 1;
  if (part == '2') {
    QImage middle(2, rows, QImage::Format_ARGB32);
    int bezel = 0;
    const std::vector<QRgb> framedRows = framed ? FramedRows(rows, bezel) : std::vector<QRgb>{};
    const auto roundRows = ButtonRows(nativeHeight);
    for (int y = 0; y < rows; ++y) {
      const QRgb colour = framed ? framedRows[y] : (0xFF000000u | roundRows[y]);
      middle.setPixel(0, y, colour | 0xFF000000u);
      middle.setPixel(1, y, colour | 0xFF000000u);
    }
    return middle;
  }
  const QImage left = LeftCap(framed, nativeHeight);
  return part == 'L' ? left : left.mirrored(true, false);
}

int RenderButtonPieces(PictureSink& sink) {
  int written = 0;
  for (bool framed : {false, true})
    for (int height : {30, 45, 60})
      for (char part : {'L', 'R', '2'}) {
        const QString name = QString("%1%2_%3").arg(framed ? 'Q' : 'R').arg(height - 1).arg(part);
        written += sink.Put(kBuiltIn, name, ButtonPiece(framed, height, part));
      }
  QImage free(10, 10, QImage::Format_ARGB32);
  free.fill(Qt::transparent);
  written += sink.Put(kBuiltIn, QStringLiteral("GFree"), free);
  return written;
}

}  // namespace tarvel::assets
