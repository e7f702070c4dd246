#include "table/button_colours.h"

#include <array>
#include <cmath>

#include "table/window_scale.h"

namespace tarvel {
namespace {

struct Channels {
  int r, g, b;
};

Channels Recolour(Channels c, TColorSB colour, bool framed, double d) {
  switch (colour) {
    case TColorSB::DRed: return c;
    case TColorSB::DGreen: return {c.g, c.r, c.b};
    case TColorSB::DBlue: return {c.b, c.r, c.r};
    case TColorSB::DNavy: return {c.b, c.g, c.r};
    case TColorSB::DYellow: return {c.r, c.r, c.b};
    case TColorSB::DViolet: return {c.r, c.g, c.r};
    case TColorSB::DOrang:
      if (c.g < c.r && c.b < c.r) {
        const int b = RoundHalfEven(0.7 * c.b);
        return {c.r, b + RoundHalfEven(0.4 * (c.r - b)), b};
      }
      return c;
    case TColorSB::DCards:
      if (!framed) return {RoundHalfEven(0.7 * c.r), 0, c.r};
      if (d < 180) return {RoundHalfEven(0.6 * c.r), RoundHalfEven(0.7 * c.g), c.r};
      return c;
  }
  return c;
}

int Lighten(int x, int k) { return RoundHalfEven(x + (255 - x) * k / 100.0); }

bool IsRgb(QImage::Format f) {
  return f == QImage::Format_RGB32 || f == QImage::Format_RGB888 || f == QImage::Format_RGBX8888 ||
         f == QImage::Format_BGR888;
}
bool IsRgba(QImage::Format f) {
  return f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied || f == QImage::Format_RGBA8888 ||
         f == QImage::Format_RGBA8888_Premultiplied;
}

}  // namespace

double DistanceFromRed(QRgb c) {
  const double dr = qRed(c) - 255.0, dg = qGreen(c), db = qBlue(c);
  return std::sqrt(dr * dr + dg * dg + db * db);
}

void ButtonRecolour(QImage& piece, TColorSB colour, int klight, bool framed) {
  if (colour == TColorSB::DRed && klight == 0) return;
  piece = piece.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < piece.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
    for (int x = 0; x < piece.width(); ++x) {
      const QRgb p = line[x];
      const double d = DistanceFromRed(p);
      Channels c = Recolour({qRed(p), qGreen(p), qBlue(p)}, colour, framed, d);
      if (klight != 0 && (!framed || d < 180)) c = {Lighten(c.r, klight), Lighten(c.g, klight), Lighten(c.b, klight)};
      line[x] = qRgba(c.r, c.g, c.b, qAlpha(p));
    }
  }
}

QRgb ButtonLineColour(QRgb colour, TColorSB colourSB, int klight) {
  if (colourSB == TColorSB::DRed && klight == 0) return colour;
  Channels c = Recolour({qRed(colour), qGreen(colour), qBlue(colour)}, colourSB, false, DistanceFromRed(colour));
  if (klight != 0) c = {Lighten(c.r, klight), Lighten(c.g, klight), Lighten(c.b, klight)};
  return qRgba(c.r, c.g, c.b, qAlpha(colour));
}

bool ResampleBilinear(QImage& piece, int tw, int th, const QImage& free, QString* error) {
  const int sw = piece.width(), sh = piece.height();
  if (sw < 2 || sh < 2 || tw < 2 || th < 2) return true;
  const bool rgba = IsRgba(piece.format());
  if (!rgba && !IsRgb(piece.format())) {
    if (error) *error = QStringLiteral("Only COLOR_RGBALPHA and COLOR_RGB formats are supported");
    return false;
  }
  const QImage src = piece.convertToFormat(QImage::Format_ARGB32);
  QImage target = free.isNull() ? QImage(tw, th, QImage::Format_ARGB32)
                                : free.scaled(tw, th).convertToFormat(QImage::Format_ARGB32);
  if (free.isNull()) target.fill(Qt::transparent);
  for (int y = 0; y < th; ++y) {
    const double fyAll = static_cast<double>(y) * (sh - 1) / th;
    const int iy = static_cast<int>(fyAll);
    const double fy = fyAll - iy;
    auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
    const auto* row0 = reinterpret_cast<const QRgb*>(src.constScanLine(iy));
    const auto* row1 = reinterpret_cast<const QRgb*>(src.constScanLine(std::min(iy + 1, sh - 1)));
    for (int x = 0; x < tw; ++x) {
      const double fxAll = static_cast<double>(x) * (sw - 1) / tw;
      const int ix = static_cast<int>(fxAll);
      const double fx = fxAll - ix;
      const int ix1 = std::min(ix + 1, sw - 1);
      const QRgb p00 = row0[ix], p10 = row0[ix1], p01 = row1[ix], p11 = row1[ix1];
      const double w00 = (1 - fx) * (1 - fy), w10 = fx * (1 - fy), w01 = (1 - fx) * fy, w11 = fx * fy;
      auto mix = [&](int (*ch)(QRgb)) {
        return RoundHalfEven(ch(p00) * w00 + ch(p10) * w10 + ch(p01) * w01 + ch(p11) * w11);
      };
      out[x] = qRgba(mix(qRed), mix(qGreen), mix(qBlue), rgba ? mix(qAlpha) : 255);
    }
  }
  piece = target;
  return true;
}

QRgb FocusOutlineColour(TColorSB colour) {
  static constexpr std::array<QRgb, kButtonColourCount> k = {0xFFC8C8, 0xC8C8FF, 0xC8FFC8, 0xC8FFC8,
                                                             0xFFC8C8, 0xFFFFC8, 0xFF8040, 0xC8AF32};
  return k[static_cast<int>(colour)] | 0xFF000000u;
}

QRgb FocusDotColour(TColorSB colour) {
  static constexpr std::array<QRgb, kButtonColourCount> k = {0xFFFF00, 0x0000FF, 0x0000FF, 0x00FF00,
                                                             0xFF0000, 0xFFFFFF, 0xFFFFFF, 0xDCB4FF};
  return k[static_cast<int>(colour)] | 0xFF000000u;
}

int PieceSetHeight(int height) { return height <= 30 ? 30 : height <= 45 ? 45 : 60; }

int CapWidthFor(int height) {
  const int set = PieceSetHeight(height);
  const int base = set == 30 ? 8 : set == 45 ? 13 : 17;
  return RoundHalfEven(static_cast<double>(base) * height / set);
}

}  // namespace tarvel
