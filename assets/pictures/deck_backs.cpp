#include "assets/pictures/deck_backs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <functional>

#include "table/picture_names.h"

namespace tarvel::assets {
namespace {

// Backs of the system decks for the three classic sets, seven each: deck file and element.
struct SvgBack {
  const char* file;
  const char* element;
};
constexpr std::array<std::array<SvgBack, 7>, 3> kSvgBacks = {{
    {{{"K:svg-standard/standard.svgz", "back"},
      {"G:anglo.svgz", "back"},
      {"K:svg-gm-paris/paris.svgz", "back"},
      {"G:bellot.svgz", "back"},
      {"G:gnomangelo_bitmap.svgz", "back"},
      {"G:guyenne-classic.svgz", "back"},
      {"G:anglo_bitmap.svgz", "back"}}},
    {{{"G:ancient_french.svgz", "back"},
      {"K:svg-dondorf/dondorf.svgz", "back"},
      {"G:slavic_costumes.svgz", "back"},
      {"G:orell.svgz", "back"},
      {"G:tarocco.svgz", "back"},
      {"G:swiss-xvii.svgz", "back"},
      {"K:svg-ancient-egyptians/Ancient_Egyptians.svgz", "back"}}},
    {{{"G:atlasnye.svgz", "back"},
      {"G:rheinland.svgz", "back"},
      {"G:lattmann.svgz", "back"},
      {"G:tigullio.svgz", "back"},
      {"G:neoclassical.svgz", "back"},
      {"G:\xD0\x90\xD1\x82\xD0\xBB\xD0\xB0\xD1\x81\xD0\xBD\xD1\x8B\xD0\xB5.svgz", "back"},
      {"K:svg-xskat-french/french.svgz", "back"}}},
}};

// Field colours of the drawn backs, one for each back of a set.
constexpr std::array<QRgb, 11> kFieldColours = {0,        0x1C3278, 0x961E28, 0x1A6432, 0x5A1E78, 0x006E78,
                                                0x7A3C14, 0x23232E, 0xA8761A, 0x1E5AAA, 0x961E64};

QColor Lighter(QColor c, int percent) {
  return QColor(c.red() + (255 - c.red()) * percent / 100, c.green() + (255 - c.green()) * percent / 100,
                c.blue() + (255 - c.blue()) * percent / 100);
}

// Calls `draw` at the centres of a grid of cells over `r`, odd rows shifted by half a cell.
void Tile(QPainter& p, const QRectF& r, double cell, bool shiftRows, const std::function<void(QPointF, int)>& draw) {
  int row = 0;
  for (double y = r.top() + cell / 2; y < r.bottom() + cell; y += cell, ++row) {
    const double shift = shiftRows && (row % 2) ? cell / 2 : 0;
    int col = 0;
    for (double x = r.left() + cell / 2 - shift; x < r.right() + cell; x += cell, ++col) draw({x, y}, row + col);
  }
  (void)p;
}

void Glyph(QPainter& p, QPointF c, double size, const QString& text, QColor colour) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(4, static_cast<int>(size)));
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRectF(c.x() - size, c.y() - size, 2 * size, 2 * size), Qt::AlignCenter, text);
}

QPainterPath Rosette(QPointF c, double r, int petals) {
  QPainterPath path;
  for (int i = 0; i < petals; ++i) {
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(360.0 * i / petals);
    QPainterPath petal;
    petal.addEllipse(QRectF(-r * 0.22, -r, r * 0.44, r));
    path = path.united(t.map(petal));
  }
  return path;
}

QPainterPath Star(QPointF c, double outer, double inner, int points) {
  QPainterPath path;
  for (int i = 0; i < 2 * points; ++i) {
    const double a = M_PI * i / points - M_PI / 2;
    const double r = i % 2 ? inner : outer;
    const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    i == 0 ? path.moveTo(q) : path.lineTo(q);
  }
  path.closeSubpath();
  return path;
}

// Small animal motifs: paw, fish, butterfly, bird, cat.
QPainterPath Animal(int kind, QPointF c, double s) {
  QPainterPath path;
  switch (kind % 5) {
    case 0:  // paw print
      path.addEllipse(QRectF(c.x() - s * 0.35, c.y() - s * 0.05, s * 0.7, s * 0.55));
      for (int i = 0; i < 4; ++i) {
        const double a = M_PI * (1.15 + 0.23 * i);
        path.addEllipse(QRectF(c.x() + s * 0.5 * std::cos(a) - s * 0.13, c.y() + s * 0.45 * std::sin(a) - s * 0.13,
                               s * 0.26, s * 0.3));
      }
      break;
    case 1: {  // fish
      path.addEllipse(QRectF(c.x() - s * 0.45, c.y() - s * 0.22, s * 0.7, s * 0.44));
      QPainterPath tail;
      tail.moveTo(c.x() + s * 0.2, c.y());
      tail.lineTo(c.x() + s * 0.5, c.y() - s * 0.25);
      tail.lineTo(c.x() + s * 0.5, c.y() + s * 0.25);
      tail.closeSubpath();
      path = path.united(tail);
      break;
    }
    case 2:  // butterfly
      path.addEllipse(QRectF(c.x() - s * 0.48, c.y() - s * 0.4, s * 0.46, s * 0.45));
      path.addEllipse(QRectF(c.x() + s * 0.02, c.y() - s * 0.4, s * 0.46, s * 0.45));
      path.addEllipse(QRectF(c.x() - s * 0.36, c.y() + s * 0.0, s * 0.34, s * 0.36));
      path.addEllipse(QRectF(c.x() + s * 0.02, c.y() + s * 0.0, s * 0.34, s * 0.36));
      path.addRect(QRectF(c.x() - s * 0.04, c.y() - s * 0.38, s * 0.08, s * 0.76));
      break;
    case 3:  // bird in flight
      path.moveTo(c.x() - s * 0.5, c.y() - s * 0.1);
      path.quadTo(c.x() - s * 0.25, c.y() - s * 0.4, c.x(), c.y() + s * 0.05);
      path.quadTo(c.x() + s * 0.25, c.y() - s * 0.4, c.x() + s * 0.5, c.y() - s * 0.1);
      path.quadTo(c.x() + s * 0.25, c.y() - s * 0.2, c.x(), c.y() + s * 0.2);
      path.quadTo(c.x() - s * 0.25, c.y() - s * 0.2, c.x() - s * 0.5, c.y() - s * 0.1);
      break;
    default: {  // cat head
      path.addEllipse(QRectF(c.x() - s * 0.38, c.y() - s * 0.28, s * 0.76, s * 0.62));
      QPainterPath ears;
      ears.moveTo(c.x() - s * 0.36, c.y() - s * 0.05);
      ears.lineTo(c.x() - s * 0.3, c.y() - s * 0.48);
      ears.lineTo(c.x() - s * 0.05, c.y() - s * 0.25);
      ears.moveTo(c.x() + s * 0.36, c.y() - s * 0.05);
      ears.lineTo(c.x() + s * 0.3, c.y() - s * 0.48);
      ears.lineTo(c.x() + s * 0.05, c.y() - s * 0.25);
      path = path.united(ears);
      break;
    }
  }
  return path;
}

// A landscape silhouette for the "Places" set, by index.
void Place(QPainter& p, const QRectF& r, int index, QColor field) {
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0, Lighter(field, 10));
  sky.setColorAt(1, Lighter(field, 65));
  p.fillRect(r, sky);
  const QColor dark = field.darker(260);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 240, 180));
  const double w = r.width(), h = r.height();
  p.drawEllipse(QPointF(r.left() + w * 0.72, r.top() + h * 0.28), w * 0.1, w * 0.1);
  p.setBrush(dark);
  QPainterPath ground;
  const double base = r.top() + h * 0.78;
  ground.addRect(QRectF(r.left(), base, w, h));
  switch (index % 10) {
    case 1:  // city skyline
      for (int i = 0; i < 9; ++i) {
        const double bw = w / 9, bh = h * (0.15 + 0.05 * ((i * 7) % 5));
        ground.addRect(QRectF(r.left() + i * bw, base - bh, bw * 0.9, bh));
      }
      break;
    case 2:  // mountains
      for (int i = 0; i < 3; ++i) {
        QPainterPath m;
        const double x = r.left() + w * (0.1 + 0.35 * i);
        m.moveTo(x - w * 0.3, base);
        m.lineTo(x, base - h * (0.3 + 0.08 * (i % 2)));
        m.lineTo(x + w * 0.3, base);
        ground = ground.united(m);
      }
      break;
    case 3:  // pyramids
      for (int i = 0; i < 2; ++i) {
        QPainterPath m;
        const double x = r.left() + w * (0.35 + 0.35 * i), s = w * (0.3 - 0.1 * i);
        m.moveTo(x - s, base);
        m.lineTo(x, base - s);
        m.lineTo(x + s, base);
        ground = ground.united(m);
      }
      break;
    case 4: {  // lighthouse by the sea
      ground.addRect(QRectF(r.left() + w * 0.42, base - h * 0.42, w * 0.16, h * 0.42));
      ground.addRect(QRectF(r.left() + w * 0.38, base - h * 0.48, w * 0.24, h * 0.06));
      break;
    }
    case 5:  // castle
      ground.addRect(QRectF(r.left() + w * 0.2, base - h * 0.22, w * 0.6, h * 0.22));
      for (int i = 0; i < 3; ++i) ground.addRect(QRectF(r.left() + w * (0.16 + 0.3 * i), base - h * 0.34, w * 0.1, h * 0.34));
      break;
    case 6: {  // tower
      QPainterPath t;
      t.moveTo(r.left() + w * 0.3, base);
      t.lineTo(r.left() + w * 0.5, base - h * 0.6);
      t.lineTo(r.left() + w * 0.7, base);
      ground = ground.united(t);
      break;
    }
    case 7:  // windmill
      ground.addRect(QRectF(r.left() + w * 0.44, base - h * 0.3, w * 0.12, h * 0.3));
      for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(r.left() + w * 0.5, base - h * 0.3);
        t.rotate(45 + 90 * i);
        QPainterPath blade;
        blade.addRect(QRectF(-w * 0.02, 0, w * 0.04, h * 0.22));
        ground = ground.united(t.map(blade));
      }
      break;
    case 8:  // bridge
      ground.addRect(QRectF(r.left(), base - h * 0.12, w, h * 0.03));
      for (int i = 0; i < 2; ++i) ground.addRect(QRectF(r.left() + w * (0.25 + 0.45 * i), base - h * 0.35, w * 0.05, h * 0.35));
      break;
    case 9:  // palm island
      ground.addEllipse(QRectF(r.left() + w * 0.2, base - h * 0.05, w * 0.6, h * 0.12));
      ground.addRect(QRectF(r.left() + w * 0.49, base - h * 0.3, w * 0.03, h * 0.3));
      for (int i = 0; i < 5; ++i) {
        QTransform t;
        t.translate(r.left() + w * 0.5, base - h * 0.3);
        t.rotate(-150 + 60 * i);
        QPainterPath leaf;
        leaf.addEllipse(QRectF(0, -h * 0.02, w * 0.22, h * 0.04));
        ground = ground.united(t.map(leaf));
      }
      break;
    default: {  // pagoda
      for (int i = 0; i < 3; ++i) {
        QPainterPath roof;
        const double y = base - h * (0.12 + 0.13 * i), s = w * (0.3 - 0.06 * i);
        roof.moveTo(r.left() + w * 0.5 - s, y);
        roof.lineTo(r.left() + w * 0.5, y - h * 0.08);
        roof.lineTo(r.left() + w * 0.5 + s, y);
        ground = ground.united(roof);
        ground.addRect(QRectF(r.left() + w * 0.5 - s * 0.6, y, s * 1.2, h * 0.06));
      }
      break;
    }
  }
  p.drawPath(ground);
}

// The pattern of a drawn back inside its field.
void PaintPattern(QPainter& p, const QRectF& f, int backSet, int index, QColor field) {
  const double u = f.width() / 6.0;  // pattern unit: the same look at every size
  const QColor light = Lighter(field, 45);
  const QColor gold(230, 190, 90);
  p.setPen(Qt::NoPen);
  switch (backSet) {
    case 3: {  // carpet
      Tile(p, f, u * 1.5, false, [&](QPointF c, int k) {
        p.setBrush(k % 2 ? light : gold);
        p.drawPath(Star(c, u * 0.7, u * 0.3, 4 + index % 3 * 2));
      });
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(gold, u * 0.2));
      p.drawRect(f.adjusted(u * 0.3, u * 0.3, -u * 0.3, -u * 0.3));
      p.setPen(Qt::NoPen);
      p.setBrush(field.darker(130));
      p.drawPath(Star(f.center(), u * 2.0, u * 1.1, 8));
      p.setBrush(gold);
      p.drawPath(Star(f.center(), u * 1.2, u * 0.6, 8));
      break;
    }
    case 4:  // crosses
      Tile(p, f, u * 1.3, true, [&](QPointF c, int) {
        p.setBrush(light);
        p.drawRect(QRectF(c.x() - u * 0.45, c.y() - u * 0.12, u * 0.9, u * 0.24));
        p.drawRect(QRectF(c.x() - u * 0.12, c.y() - u * 0.45, u * 0.24, u * 0.9));
      });
      Glyph(p, f.center(), u * 3.2, QString(QChar(index % 2 ? 0x2720 : 0x271A)), gold);
      break;
    case 5: {  // chess
      const double cell = f.width() / 8;
      for (int y = 0; y * cell < f.height() + cell; ++y)
        for (int x = 0; x < 8; ++x)
          if ((x + y) % 2) p.fillRect(QRectF(f.left() + x * cell, f.top() + y * cell, cell, cell), light);
      p.setBrush(QColor(255, 255, 255, 220));
      p.drawEllipse(f.center(), u * 1.8, u * 1.8);
      static const char16_t kPieces[] = u"\u265A\u265B\u265C\u265D\u265E\u265F\u2654";
      Glyph(p, f.center(), u * 2.6, QString(QChar(kPieces[(index - 1) % 7])), field.darker(150));
      break;
    }
    case 6:  // diamonds
      Tile(p, f, u, true, [&](QPointF c, int k) {
        QPainterPath d;
        d.moveTo(c.x(), c.y() - u * 0.5);
        d.lineTo(c.x() + u * 0.5, c.y());
        d.lineTo(c.x(), c.y() + u * 0.5);
        d.lineTo(c.x() - u * 0.5, c.y());
        d.closeSubpath();
        p.setBrush(k % 2 ? light : field.darker(140));
        p.drawPath(d);
      });
      break;
    case 7: {  // knightly: lattice and a shield
      p.setPen(QPen(light, u * 0.08));
      for (double x = f.left() - f.height(); x < f.right(); x += u) {
        p.drawLine(QPointF(x, f.top()), QPointF(x + f.height(), f.bottom()));
        p.drawLine(QPointF(x + f.height(), f.top()), QPointF(x, f.bottom()));
      }
      p.setPen(QPen(gold, u * 0.15));
      p.setBrush(field.darker(160));
      QPainterPath shield;
      const QPointF c = f.center();
      shield.moveTo(c.x() - u * 1.8, c.y() - u * 2.0);
      shield.lineTo(c.x() + u * 1.8, c.y() - u * 2.0);
      shield.lineTo(c.x() + u * 1.8, c.y() + u * 0.3);
      shield.quadTo(c.x() + u * 1.6, c.y() + u * 1.8, c.x(), c.y() + u * 2.5);
      shield.quadTo(c.x() - u * 1.6, c.y() + u * 1.8, c.x() - u * 1.8, c.y() + u * 0.3);
      shield.closeSubpath();
      p.drawPath(shield);
      static const char16_t kArms[] = u"\u265E\u2694\u2720\u265C\u269C\u2655\u2618";
      Glyph(p, c, u * 2.4, QString(QChar(kArms[(index - 1) % 7])), gold);
      break;
    }
    case 8:  // animals
      p.setBrush(light);
      Tile(p, f, u * 1.4, true, [&](QPointF c, int) { p.drawPath(Animal(index, c, u * 0.9)); });
      p.setBrush(QColor(255, 255, 255, 230));
      p.drawEllipse(f.center(), u * 2.0, u * 2.0);
      p.setBrush(field);
      p.drawPath(Animal(index, f.center(), u * 3.0));
      break;
    case 9:  // flowers
      Tile(p, f, u * 1.5, true, [&](QPointF c, int k) {
        p.setBrush(k % 2 ? light : Lighter(field, 70));
        p.drawPath(Rosette(c, u * 0.6, 5 + index % 4));
        p.setBrush(gold);
        p.drawEllipse(c, u * 0.15, u * 0.15);
      });
      p.setBrush(QColor(255, 250, 240));
      p.drawPath(Rosette(f.center(), u * 2.2, 6 + index % 3 * 2));
      p.setBrush(gold);
      p.drawEllipse(f.center(), u * 0.6, u * 0.6);
      break;
    case 10:  // places
      Place(p, f, index, field);
      break;
    case 11: {  // other: abstract figures
      const QPointF c = f.center();
      p.setBrush(Qt::NoBrush);
      switch (index % 5) {
        case 0:
          for (int i = 1; i < 12; ++i) {
            p.setPen(QPen(i % 2 ? light : gold, u * 0.25));
            p.drawEllipse(c, u * 0.5 * i, u * 0.5 * i);
          }
          break;
        case 1:
          p.setPen(QPen(light, u * 0.25));
          for (double y = f.top(); y < f.bottom() + u; y += u * 0.8) {
            QPainterPath wave;
            wave.moveTo(f.left(), y);
            for (double x = f.left(); x <= f.right() + u; x += u)
              wave.quadTo(x + u / 2, y + ((static_cast<int>((x - f.left()) / u)) % 2 ? -u * 0.4 : u * 0.4), x + u, y);
            p.drawPath(wave);
          }
          break;
        case 2:
          p.setBrush(light);
          p.setPen(Qt::NoPen);
          Tile(p, f, u * 1.2, true, [&](QPointF q, int) { p.drawPath(Star(q, u * 0.5, u * 0.2, 5)); });
          break;
        case 3:
          p.setPen(Qt::NoPen);
          for (int i = 0; i < 24; ++i) {
            p.setBrush(i % 2 ? light : field.darker(130));
            p.drawPie(QRectF(c.x() - f.height(), c.y() - f.height(), 2 * f.height(), 2 * f.height()), i * 240, 240);
          }
          break;
        default:
          p.setPen(Qt::NoPen);
          Tile(p, f, u * 0.9, true, [&](QPointF q, int k) {
            p.setBrush(k % 3 ? light : gold);
            p.drawEllipse(q, u * 0.3, u * 0.3);
          });
          break;
      }
      break;
    }
    default: {  // Russian folk ornament: golden curls with red berries
      const QColor curl = index % 3 == 0 ? QColor(30, 60, 170) : gold;
      p.setPen(QPen(curl, u * 0.12));
      p.setBrush(Qt::NoBrush);
      Tile(p, f, u * 2.0, true, [&](QPointF c, int k) {
        QPainterPath s;
        s.moveTo(c.x() - u * 0.8, c.y() + u * 0.4);
        s.cubicTo(c.x() - u * 0.2, c.y() - u * 0.9, c.x() + u * 0.6, c.y() + u * 0.3, c.x() + u * 0.2, c.y() - u * 0.4);
        p.drawPath(s);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(k % 2 ? QColor(220, 30, 30) : QColor(250, 220, 120));
        p.drawEllipse(QPointF(c.x() + u * 0.2, c.y() - u * 0.4), u * 0.22, u * 0.22);
        p.setBrush(curl.darker(120));
        p.drawEllipse(QRectF(c.x() - u * 0.7, c.y() + u * 0.1, u * 0.5, u * 0.22));
        p.restore();
      });
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(200, 20, 20));
      p.drawPath(Rosette(f.center(), u * 1.8, 8));
      p.setBrush(gold);
      p.drawPath(Rosette(f.center(), u * 1.0, 8));
      break;
    }
  }
}

QColor FieldColour(int backSet, int index) {
  if (backSet == 12) {  // Russian: red, black and Gzhel white-blue grounds
    static constexpr QRgb kRussian[] = {0, 0xB41414, 0x141414, 0xF0F0FA, 0xB41414, 0x3C1414, 0x0A5A28, 0x141450};
    return QColor(kRussian[(index - 1) % 7 + 1]);
  }
  return QColor(kFieldColours[index]);
}

QImage DrawnBack(int backSet, int index, QSize size, bool small) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(small ? Qt::white : Qt::transparent);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  const QRectF card(0.5, 0.5, size.width() - 1, size.height() - 1);
  const double radius = size.width() * 0.06;
  if (!small) {
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, radius, radius);
  }
  const double m = size.width() * (small ? 0.05 : 0.07);
  const QRectF field = card.adjusted(m, m, -m, -m);
  const QColor colour = FieldColour(backSet, index);
  QPainterPath clip;
  clip.addRoundedRect(field, radius * 0.6, radius * 0.6);
  p.setClipPath(clip);
  p.fillRect(field, colour);
  PaintPattern(p, field, backSet, index, colour);
  p.setClipping(false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour.darker(140), std::max(1.0, size.width() / 70.0)));
  p.drawPath(clip);
  p.end();
  return image;
}

}  // namespace

int RenderBackSet(int backSet, const DeckDirs& dirs, PictureSink& sink) {
  const QString library = backSet == 0 ? kBuiltIn : QString::fromLatin1(kDeckBackLibrary.data(), kDeckBackLibrary.size());
  const QSize sizes[] = {QSize(69, 94), QSize(146, 198), QSize(126, 198)};
  int written = 0;
  for (int index = 1; index <= DeckBackCount(backSet); ++index) {
    for (int k = 0; k < 3; ++k) {
      const bool small = k == 0;
      const PictureMode mode = small ? PictureMode::Small : PictureMode::Large;
      QImage image;
      if (backSet <= 2) {
        const SvgBack& source = kSvgBacks[backSet][index - 1];
        const SvgDeck deck(dirs, QString::fromUtf8(source.file));
        if (!deck.IsValid()) return -1;
        if (small) {
          image = QImage(sizes[0], QImage::Format_ARGB32_Premultiplied);
          image.fill(Qt::white);
          QPainter p(&image);
          p.drawImage(0, 0, deck.Render(QString::fromLatin1(source.element), sizes[0], 1.5));
        } else {
          image = deck.Render(QString::fromLatin1(source.element), sizes[k]);
        }
      } else {
        image = DrawnBack(backSet, index, sizes[k], small);
      }
      written += sink.Put(library, QString::fromStdString(BackResourceName(index, backSet, mode, k == 2)), image);
    }
  }
  return written;
}

}  // namespace tarvel::assets
