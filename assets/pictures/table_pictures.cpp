#include "assets/pictures/table_pictures.h"

#include <QFont>
#include <QPainterPath>
#include <cmath>

#include "assets/pictures/drawing.h"
#include "assets/pictures/gif_writer.h"

namespace tarvel::assets {
namespace {

const QSize kSmallCard(71, 96);
const QSize kLargeCard(146, 198);

QRectF CardRect(QSize s) { return QRectF(0.5, 0.5, s.width() - 1, s.height() - 1); }
double CardRadius(QSize s) { return s.width() * 0.08; }

QImage EmptyPlace(QSize s) {
  QImage image = NewImage(s.width(), s.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(255, 255, 255, 45));
  QPen pen(QColor(255, 255, 255, 200), std::max(1.0, s.width() / 50.0), Qt::DashLine);
  p.setPen(pen);
  p.drawRoundedRect(CardRect(s).adjusted(1, 1, -1, -1), CardRadius(s), CardRadius(s));
  return image;
}

QImage Knock(QSize s, bool yes) {
  QImage image = NewImage(s.width(), s.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c = yes ? QColor(20, 150, 40) : QColor(200, 20, 20);
  p.setPen(QPen(c.darker(150), std::max(1.0, s.width() / 45.0)));
  p.setBrush(QColor(255, 255, 245));
  p.drawRoundedRect(CardRect(s), CardRadius(s), CardRadius(s));
  const double w = s.width(), h = s.height();
  QPen mark(c, w * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(mark);
  if (yes) {
    QPainterPath tick;
    tick.moveTo(w * 0.25, h * 0.52);
    tick.lineTo(w * 0.43, h * 0.68);
    tick.lineTo(w * 0.76, h * 0.32);
    p.drawPath(tick);
  } else {
    p.drawLine(QPointF(w * 0.27, h * 0.33), QPointF(w * 0.73, h * 0.67));
    p.drawLine(QPointF(w * 0.73, h * 0.33), QPointF(w * 0.27, h * 0.67));
  }
  return image;
}

QImage ColourFrame(QSize s, QColor c) {
  QImage image = NewImage(s.width(), s.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double t = std::max(2.0, s.width() / 18.0);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c, t));
  p.drawRoundedRect(CardRect(s).adjusted(t / 2 + 1, t / 2 + 1, -t / 2 - 1, -t / 2 - 1), CardRadius(s), CardRadius(s));
  p.setPen(QPen(c.lighter(150), std::max(1.0, t / 3)));
  p.drawRoundedRect(CardRect(s).adjusted(t + 1, t + 1, -t - 1, -t - 1), CardRadius(s) * 0.7, CardRadius(s) * 0.7);
  return image;
}

// The count plate under the stock's number: a light rounded plate with a blue rim.
QImage CountPlate(int k) {
  QImage image = NewImage(58 * k, 25 * k);
  QPainter p(&image);
  GlossyPlate(p, QRectF(0, 0, 58 * k, 25 * k), QColor(235, 225, 170), 8 * k);
  return image;
}

// The empty stock: a faint outline of a card pile with room for the trump symbol in the middle.
QImage EmptyStock(int k) {
  QImage image = NewImage(60 * k, 60 * k);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(255, 255, 255, 70));
  p.setPen(QPen(QColor(255, 255, 255, 210), 2 * k));
  p.drawEllipse(QRectF(3 * k, 3 * k, 54 * k, 54 * k));
  p.setPen(QPen(QColor(255, 255, 255, 120), 1 * k));
  p.drawEllipse(QRectF(8 * k, 8 * k, 44 * k, 44 * k));
  return image;
}

QImage Bubble(QColor c, int k) {
  QImage image = NewImage(160 * k, 20 * k);
  QPainter p(&image);
  GlossyPlate(p, QRectF(0, 0, 160 * k, 20 * k), c, 9 * k);
  return image;
}

// A stopwatch face for the tournament move clock; the digits are written over it by the table.
QImage MoveClock(QColor c) {
  const int s = 120;
  QImage image = NewImage(s, s);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 60, 60));
  p.drawRoundedRect(QRectF(s * 0.42, 0, s * 0.16, s * 0.14), 3, 3);
  QRadialGradient g(QPointF(s * 0.4, s * 0.4), s * 0.6);
  g.setColorAt(0, c.lighter(150));
  g.setColorAt(1, c.darker(140));
  p.setPen(QPen(QColor(40, 40, 40), s * 0.04));
  p.setBrush(g);
  p.drawEllipse(QRectF(s * 0.06, s * 0.1, s * 0.88, s * 0.88));
  p.setPen(QPen(QColor(40, 40, 40, 160), s * 0.02));
  const QPointF centre(s * 0.5, s * 0.54);
  for (int i = 0; i < 12; ++i) {
    const double a = M_PI * i / 6;
    p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * s * 0.36, centre + QPointF(std::cos(a), std::sin(a)) * s * 0.41);
  }
  return image;
}

// Result of a lost deal: a grey cloud raining on a dropped card; 26 frames, the table stops at 24.
QByteArray LossAnimation() {
  QList<GifFrame> frames;
  for (int f = 0; f < 26; ++f) {
    QImage image = NewImage(240, 110);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double t = f / 25.0;
    // the card tumbles down and lies on its side at the end
    p.save();
    p.translate(120 + 30 * t, 40 + 45 * std::min(1.0, t * 1.4));
    p.rotate(90 * std::min(1.0, t * 1.3));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(-17, -24, 34, 48), 4, 4);
    OutlinedText(p, QRectF(-17, -24, 34, 48), QStringLiteral("6"), 22, QColor(30, 30, 30));
    p.restore();
    // the cloud and its rain
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 125));
    const double cx = 70 + 20 * std::sin(t * M_PI);
    for (auto [dx, dy, r] : {std::tuple{0.0, 18.0, 16.0}, {20.0, 12.0, 20.0}, {42.0, 18.0, 15.0}, {20.0, 24.0, 16.0}})
      p.drawEllipse(QPointF(cx + dx, dy + 6), r, r * 0.75);
    p.setPen(QPen(QColor(90, 140, 230), 2, Qt::SolidLine, Qt::RoundCap));
    for (int d = 0; d < 9; ++d) {
      const double x = cx - 8 + d * 7, y = 38 + std::fmod(d * 13 + f * 9.0, 64);
      p.drawLine(QPointF(x, y), QPointF(x - 2, y + 7));
    }
    frames.append({image, 90});
  }
  return EncodeGif(frames);
}

// Result of a won deal: a golden cup rising among bursting stars; 10 frames, the table stops at 9.
QByteArray WinAnimation() {
  QList<GifFrame> frames;
  for (int f = 0; f < 10; ++f) {
    QImage image = NewImage(240, 110);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double t = f / 9.0;
    for (int s = 0; s < 8; ++s) {
      const double a = M_PI * 2 * s / 8 + 0.3;
      const double r = 20 + 70 * t;
      DrawStar(p, QPointF(120 + r * std::cos(a) * 1.4, 58 + r * std::sin(a) * 0.55), 5 + 5 * t,
               QColor::fromHsv((s * 45) % 360, 200, 255));
    }
    const double lift = 30 * (1 - t);
    QLinearGradient gold(QPointF(95, 0), QPointF(145, 0));
    gold.setColorAt(0, QColor(200, 140, 20));
    gold.setColorAt(0.5, QColor(255, 230, 110));
    gold.setColorAt(1, QColor(190, 130, 15));
    p.setPen(QPen(QColor(130, 80, 0), 1.5));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(98, 22 + lift);
    cup.lineTo(142, 22 + lift);
    cup.quadTo(140, 62 + lift, 124, 68 + lift);
    cup.lineTo(124, 80 + lift);
    cup.lineTo(136, 88 + lift);
    cup.lineTo(104, 88 + lift);
    cup.lineTo(116, 80 + lift);
    cup.lineTo(116, 68 + lift);
    cup.quadTo(100, 62 + lift, 98, 22 + lift);
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 140, 20), 4));
    p.drawArc(QRectF(84, 26 + lift, 20, 22), 90 * 16, 180 * 16);
    p.drawArc(QRectF(136, 26 + lift, 20, 22), -90 * 16, 180 * 16);
    frames.append({image, 110});
  }
  return EncodeGif(frames);
}

// A drawn deal: a balance swinging gently, looped.
QByteArray DrawAnimation() {
  QList<GifFrame> frames;
  for (int f = 0; f < 16; ++f) {
    QImage image = NewImage(240, 110);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double tilt = 8 * std::sin(2 * M_PI * f / 16);
    p.setPen(QPen(QColor(230, 230, 240), 3));
    p.drawLine(QPointF(120, 20), QPointF(120, 95));
    p.drawLine(QPointF(95, 98), QPointF(145, 98));
    p.save();
    p.translate(120, 22);
    p.rotate(tilt);
    p.drawLine(QPointF(-70, 0), QPointF(70, 0));
    for (int side : {-1, 1}) {
      p.save();
      p.translate(70 * side, 0);
      p.rotate(-tilt);
      p.setPen(QPen(QColor(230, 230, 240), 1.5));
      p.drawLine(QPointF(0, 0), QPointF(-18, 40));
      p.drawLine(QPointF(0, 0), QPointF(18, 40));
      p.setBrush(QColor(255, 215, 90));
      p.drawChord(QRectF(-22, 30, 44, 20), 180 * 16, 180 * 16);
      p.setBrush(QColor(250, 250, 245));
      p.setPen(QPen(Qt::black, 1));
      p.drawRoundedRect(QRectF(-9, 22, 18, 22), 2, 2);
      p.restore();
    }
    p.restore();
    frames.append({image, 100});
  }
  return EncodeGif(frames);
}

// The first-move dialog: a fan of cards opening and closing, looped.
QByteArray FirstMoveAnimation() {
  QList<GifFrame> frames;
  static const char* const kRanks[] = {"A", "K", "Q", "J", "10"};
  for (int f = 0; f < 20; ++f) {
    QImage image = NewImage(160, 120);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double open = 0.5 - 0.5 * std::cos(2 * M_PI * f / 20);
    for (int i = 0; i < 5; ++i) {
      p.save();
      p.translate(80, 110);
      p.rotate((i - 2) * 16 * open);
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(QColor(252, 252, 246));
      p.drawRoundedRect(QRectF(-22, -90, 44, 64), 5, 5);
      const QColor suit = i % 2 ? QColor(200, 0, 0) : QColor(20, 20, 20);
      OutlinedText(p, QRectF(-22, -86, 44, 30), QString::fromLatin1(kRanks[i]), 18, suit, QStringLiteral("DejaVu Serif"));
      p.restore();
    }
    frames.append({image, 80});
  }
  return EncodeGif(frames);
}

}  // namespace

int RenderTablePictures(PictureSink& sink) {
  int n = 0;
  for (auto [suffix, size] : {std::pair{"Sm", kSmallCard}, {"Bg", kLargeCard}}) {
    const QString s = QString::fromLatin1(suffix);
    n += sink.Put(kBuiltIn, "GCard0" + s, EmptyPlace(size));
    n += sink.Put(kBuiltIn, "GKnockY" + s, Knock(size, true));
    n += sink.Put(kBuiltIn, "GKnockN" + s, Knock(size, false));
    const std::pair<const char*, QColor> frames[] = {
        {"Black", QColor(0, 0, 0)},    {"Red", QColor(230, 0, 0)},       {"Navy", QColor(0, 0, 140)},
        {"Green", QColor(0, 170, 0)},  {"Yellow", QColor(255, 230, 0)},  {"Violet", QColor(150, 0, 200)},
        {"Aqua", QColor(0, 220, 230)}, {"Orang", QColor(255, 140, 0)}};
    for (const auto& [name, colour] : frames) n += sink.Put(kBuiltIn, "GCard" + QString::fromLatin1(name) + s, ColourFrame(size, colour));
  }
  n += sink.Put(kBuiltIn, QStringLiteral("GKolodaSmall"), CountPlate(1));
  n += sink.Put(kBuiltIn, QStringLiteral("GKolodaSmallB"), CountPlate(2));
  n += sink.Put(kBuiltIn, QStringLiteral("GKolodaLarge"), EmptyStock(1));
  n += sink.Put(kBuiltIn, QStringLiteral("GKolodaLargeB"), EmptyStock(2));
  const std::pair<const char*, QColor> bubbles[] = {{"SPBlue", QColor(30, 80, 210)},
                                                    {"SPGreen", QColor(20, 140, 40)},
                                                    {"SPRed", QColor(200, 20, 20)},
                                                    {"SPYellow", QColor(200, 160, 0)},
                                                    {"SPFiolet", QColor(130, 30, 170)}};
  for (const auto& [name, colour] : bubbles) {
    n += sink.Put(kBuiltIn, QString::fromLatin1(name), Bubble(colour, 1));
    n += sink.Put(kBuiltIn, QString::fromLatin1(name) + "B", Bubble(colour, 2));
  }
  n += sink.Put(kBuiltIn, QStringLiteral("GTimerR"), MoveClock(QColor(210, 30, 30)));
  n += sink.Put(kBuiltIn, QStringLiteral("GTimerY"), MoveClock(QColor(250, 210, 40)));
  n += sink.PutData(kBuiltIn, QStringLiteral("GKonBads"), LossAnimation(), QStringLiteral("gif"));
  n += sink.PutData(kBuiltIn, QStringLiteral("GKonGood"), WinAnimation(), QStringLiteral("gif"));
  n += sink.PutData(kBuiltIn, QStringLiteral("GKonNich"), DrawAnimation(), QStringLiteral("gif"));
  n += sink.PutData(kBuiltIn, QStringLiteral("GKonNach"), FirstMoveAnimation(), QStringLiteral("gif"));
  return n;
}

}  // namespace tarvel::assets
