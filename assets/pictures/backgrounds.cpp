#include "assets/pictures/backgrounds.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "table/picture_names.h"

namespace tarvel::assets {
namespace {

double Hash(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                    static_cast<std::uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFFFF) / double(0xFFFFFF);
}

double Noise(double x, double y, int seed) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const double fx = x - ix, fy = y - iy;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = Hash(ix, iy, seed), b = Hash(ix + 1, iy, seed);
  const double c = Hash(ix, iy + 1, seed), d = Hash(ix + 1, iy + 1, seed);
  return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// Fractal noise in 0..1 with `octaves` layers, the first of period `scale` pixels.
double Fbm(double x, double y, double scale, int octaves, int seed) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * Noise(x / scale, y / scale, seed + o);
    norm += amp;
    amp *= 0.5;
    scale /= 2;
  }
  return sum / norm;
}

// A motif painted at low contrast over the texture, tiled.
void PaintMotifs(QImage& gray, int background, double k) {
  QPainter p(&gray);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const double w = gray.width(), h = gray.height();
  if (background == 5) {  // carpet: diamond lattice with a border
    const double cell = 60 * k;
    p.setPen(QPen(QColor(255, 255, 255, 40), 3 * k));
    for (double x = -h; x < w + h; x += cell) {
      p.drawLine(QPointF(x, 0), QPointF(x + h, h));
      p.drawLine(QPointF(x + h, 0), QPointF(x, h));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 30));
    for (double y = 0; y < h + cell; y += cell)
      for (double x = 0; x < w + cell; x += cell) p.drawEllipse(QPointF(x, y), 8 * k, 8 * k);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 60), 22 * k));
    p.drawRect(QRectF(20 * k, 20 * k, w - 40 * k, h - 40 * k));
    p.setPen(QPen(QColor(255, 255, 255, 50), 4 * k));
    p.drawRect(QRectF(38 * k, 38 * k, w - 76 * k, h - 76 * k));
  } else if (background == 7) {  // casino: faint suit symbols and the table's line
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(46 * k));
    p.setFont(font);
    const char16_t suits[] = u"\u2660\u2665\u2666\u2663";
    int n = 0;
    for (double y = 40 * k; y < h; y += 110 * k)
      for (double x = (static_cast<int>(y / (110 * k)) % 2 ? 95 : 40) * k; x < w; x += 110 * k) {
        p.setPen(QColor(255, 255, 255, 22));
        p.drawText(QPointF(x, y), QString(QChar(suits[n++ % 4])));
      }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 45), 5 * k));
    p.drawEllipse(QRectF(w * 0.18, h * 0.2, w * 0.64, h * 0.6));
  } else if (background == 8) {  // pattern: damask rosettes
    const double cell = 90 * k;
    int row = 0;
    for (double y = 0; y < h + cell; y += cell * 0.8, ++row)
      for (double x = (row % 2) * cell / 2; x < w + cell; x += cell) {
        for (int i = 0; i < 8; ++i) {
          p.save();
          p.translate(x, y);
          p.rotate(45 * i);
          p.setBrush(QColor(255, 255, 255, 26));
          p.drawEllipse(QRectF(-6 * k, -30 * k, 12 * k, 28 * k));
          p.restore();
        }
        p.setBrush(QColor(0, 0, 0, 35));
        p.drawEllipse(QPointF(x, y), 7 * k, 7 * k);
      }
  } else if (background == 10) {  // ornament: eight-pointed stars and a frame
    const double cell = 120 * k;
    for (double y = cell / 2; y < h + cell; y += cell)
      for (double x = cell / 2; x < w + cell; x += cell) {
        QPainterPath star;
        for (int i = 0; i < 16; ++i) {
          const double a = M_PI * i / 8, r = (i % 2 ? 18 : 44) * k;
          const QPointF q(x + r * std::cos(a), y + r * std::sin(a));
          i == 0 ? star.moveTo(q) : star.lineTo(q);
        }
        star.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 30));
        p.drawPath(star);
        p.setBrush(QColor(0, 0, 0, 30));
        p.drawEllipse(QPointF(x + cell / 2, y + cell / 2), 12 * k, 12 * k);
      }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 45), 6 * k));
    p.drawRoundedRect(QRectF(14 * k, 14 * k, w - 28 * k, h - 28 * k), 20 * k, 20 * k);
  }
}

struct Rgb {
  double r, g, b;
};
constexpr std::array<Rgb, kBackgroundVariants> kVariantColours = {{{22, 112, 44},
                                                                  {140, 22, 28},
                                                                  {186, 92, 18},
                                                                  {172, 150, 28},
                                                                  {28, 128, 168},
                                                                  {22, 42, 128},
                                                                  {104, 40, 134}}};

}  // namespace

QImage BackgroundTexture(int background, QSize size) {
  QImage gray(size, QImage::Format_Grayscale8);
  const double w = size.width(), h = size.height();
  const double k = w / 1520.0;  // the same look at both sizes
  for (int y = 0; y < size.height(); ++y) {
    uchar* line = gray.scanLine(y);
    for (int x = 0; x < size.width(); ++x) {
      const double X = x / k, Y = y / k;  // coordinates of the large picture
      const double dx = x / w - 0.5, dy = y / h - 0.5;
      const double d = std::sqrt(dx * dx * 1.2 + dy * dy);
      const double grain = Fbm(X, Y, 6, 2, background * 11);
      double L = 0.5;
      switch (background) {
        case 1: {  // sun: rays from the upper left
          const double sx = x / w - 0.3, sy = y / h - 0.25;
          const double a = std::atan2(sy, sx), r = std::sqrt(sx * sx + sy * sy);
          L = 0.75 - 0.45 * r + 0.07 * std::sin(a * 28) * std::max(0.0, 1 - r) + 0.05 * grain;
          break;
        }
        case 2:  // felt
          L = 0.62 - 0.35 * d * d + 0.10 * (Fbm(X, Y, 3, 2, 5) - 0.5) + 0.05 * (Fbm(X, Y, 120, 3, 9) - 0.5);
          break;
        case 3:  // gradient
          L = 0.85 - 0.75 * d + 0.02 * grain;
          break;
        case 4: {  // cloth: woven threads
          const int tx = static_cast<int>(X) / 5, ty = static_cast<int>(Y) / 5;
          const double thread = (tx + ty) % 2 ? std::sin(std::fmod(X, 5) / 5 * M_PI) : std::sin(std::fmod(Y, 5) / 5 * M_PI);
          L = 0.45 + 0.14 * thread + 0.08 * (Fbm(X, Y, 80, 3, 3) - 0.5) - 0.25 * d * d;
          break;
        }
        case 6: {  // tree: wood grain
          const double warp = 60 * Fbm(X, Y, 300, 3, 17);
          L = 0.5 + 0.16 * std::sin((Y * 0.9 + warp + 8 * std::sin(X / 190)) / 6.5) + 0.1 * (Fbm(X, Y * 4, 40, 3, 21) - 0.5) -
              0.2 * d * d;
          break;
        }
        case 9:  // silk: soft folds with a sheen
          L = 0.5 + 0.28 * std::sin(X / 110 + 4 * Fbm(X, Y, 500, 3, 31)) * std::cos(Y / 260) + 0.02 * grain;
          break;
        default:  // carpet, casino, pattern, ornament: felt under the motifs
          L = 0.55 - 0.3 * d * d + 0.08 * (Fbm(X, Y, 4, 2, background) - 0.5);
          break;
      }
      line[x] = static_cast<uchar>(std::clamp(L, 0.0, 1.0) * 255);
    }
  }
  PaintMotifs(gray, background, k);
  return gray;
}

QImage ColourBackground(const QImage& texture, int variant) {
  const Rgb c = kVariantColours.at(variant);
  QImage out(texture.size(), QImage::Format_RGB888);
  for (int y = 0; y < texture.height(); ++y) {
    const uchar* in = texture.constScanLine(y);
    uchar* o = out.scanLine(y);
    for (int x = 0; x < texture.width(); ++x) {
      const double L = in[x] / 255.0;
      const double m = 0.2 + 1.25 * L, glow = std::max(0.0, L - 0.78) * 220;
      o[3 * x] = static_cast<uchar>(std::clamp(c.r * m + glow, 0.0, 255.0));
      o[3 * x + 1] = static_cast<uchar>(std::clamp(c.g * m + glow, 0.0, 255.0));
      o[3 * x + 2] = static_cast<uchar>(std::clamp(c.b * m + glow, 0.0, 255.0));
    }
  }
  return out;
}

int RenderBackground(int background, PictureSink& sink) {
  const QString library = QString::fromLatin1(kBackgroundLibrary.data(), kBackgroundLibrary.size());
  int written = 0;
  for (int windowSize : {1, 5}) {
    const QSize size = windowSize == 1 ? QSize(760, 500) : QSize(1520, 1000);
    const QImage texture = BackgroundTexture(background, size);
    for (int variant = 0; variant < kBackgroundVariants; ++variant) {
      const QImage picture = ColourBackground(texture, variant);
      // The library name of background 2 in green; the built-in "FonG" is the same picture.
      std::string name = "Fon0";
      if (background == 10) name = "Fon1";
      name += static_cast<char>('0' + background % 10);
      name += BackgroundVariantCode(variant);
      if (windowSize != 1) name += 'B';
      written += sink.Put(library, QString::fromStdString(name), picture, "jpg", 88);
      if (IsBuiltInBackground(background, variant) && windowSize != 1)
        written += sink.Put(kBuiltIn, QString::fromLatin1(kBuiltInBackground.data(), kBuiltInBackground.size()), picture,
                            "jpg", 88);
    }
  }
  return written;
}

}  // namespace tarvel::assets
