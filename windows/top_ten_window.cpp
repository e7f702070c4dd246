#include "windows/top_ten_window.h"
#include "table/qt_text.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace tarvel {

namespace {
constexpr int kRowTopTen = 3;
constexpr int kRowScore = 19;
const QRect kParchment(14, 14, 442, 466);
const QColor kMaroon(128, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);


// Old paper with darkened, slightly torn edges and a few stains; the same sheet every time.
QPixmap DrawParchment(QSize size, double scale) {
  QPixmap pm(size * scale);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  const QRectF r(0, 0, size.width(), size.height());
  QRandomGenerator rng(1016);
  QPainterPath edge;
  const int steps = 48;
  auto jitter = [&rng] { return rng.bounded(5.0) - 2.5; };
  edge.moveTo(6, 6);
  for (int i = 1; i <= steps; ++i) edge.lineTo(6 + (r.width() - 12) * i / steps, 6 + jitter());
  for (int i = 1; i <= steps; ++i) edge.lineTo(r.width() - 6 + jitter(), 6 + (r.height() - 12) * i / steps);
  for (int i = 1; i <= steps; ++i) edge.lineTo(r.width() - 6 - (r.width() - 12) * i / steps, r.height() - 6 + jitter());
  for (int i = 1; i <= steps; ++i) edge.lineTo(6 + jitter(), r.height() - 6 - (r.height() - 12) * i / steps);
  edge.closeSubpath();
  p.fillPath(edge.translated(3, 4), QColor(0, 0, 0, 60));
  QRadialGradient g(r.center(), r.width() * 0.75);
  g.setColorAt(0, QColor(250, 238, 200));
  g.setColorAt(0.7, QColor(236, 212, 160));
  g.setColorAt(1, QColor(196, 156, 96));
  p.fillPath(edge, g);
  p.setClipPath(edge);
  for (int i = 0; i < 14; ++i) {
    const QPointF c(rng.bounded(r.width()), rng.bounded(r.height()));
    const double rad = 10 + rng.bounded(40.0);
    QRadialGradient stain(c, rad);
    stain.setColorAt(0, QColor(180, 130, 60, 34));
    stain.setColorAt(1, QColor(180, 130, 60, 0));
    p.fillRect(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), stain);
  }
  p.setClipping(false);
  p.setPen(QPen(QColor(140, 96, 40), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(edge);
  // A double rule frames the list.
  p.setPen(QPen(QColor(150, 100, 50, 160), 1));
  p.drawRect(r.adjusted(22, 22, -22, -22));
  p.drawRect(r.adjusted(26, 26, -26, -26));
  return pm;
}
}  // namespace

QColor TFormTopTen::RowColour(const TopTenRow& row) { return row.Red ? kRed : kNavy; }

TFormTopTen::TFormTopTen(WindowContext& context, const ClubLines& club, ClubKind kind, QWidget* parent)
    : AuxWindow(context, parent), table_(TopTenTable(club, kind)) {
  setWindowTitle(context.Tr(kRowTopTen));
  SetClientSize(kClientWidth, kClientHeight);
  parchment_ = DrawParchment(kParchment.size(), S());
  // The two sirens beside the title; they stand still while animations are off.
  const QString names[2] = {QStringLiteral("GSirenaR"), QStringLiteral("GSirenaB")};
  const QRect places[2] = {QRect(44, 62, 30, 33), QRect(396, 62, 30, 33)};
  QMovie** movies[2] = {&left_, &right_};
  for (int i = 0; i < 2; ++i) {
    const QString path = context.pictures.AnimationPath(names[i]);
    if (path.isEmpty()) continue;
    auto* label = new QLabel(this);
    label->setObjectName(i == 0 ? QStringLiteral("animationLeft") : QStringLiteral("animationRight"));
    auto* movie = new QMovie(path, QByteArray(), label);
    movie->setScaledSize(Sc(places[i]).size());
    label->setMovie(movie);
    label->setAttribute(Qt::WA_TranslucentBackground);
    Place(label, places[i]);
    if (context.options.GifAnimation) movie->start();
    else movie->jumpToFrame(0);
    *movies[i] = movie;
  }
  TKexCardsButton* ok = AddButton(QStringLiteral("Ok"), QRect(185, 494, 100, 32), "ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormTopTen::PaintContents(QPainter& p) {
  p.drawPixmap(QRectF(kParchment), parchment_, QRectF(parchment_.rect()));
  const int w = kClientWidth;
  p.setFont(DesignFont(16, true, true));
  p.setPen(kMaroon);
  p.drawText(QRect(0, 85 - 4, w, 26), Qt::AlignHCenter | Qt::AlignTop, Q(table_.Title));
  p.setFont(DesignFont(15, true));
  p.setPen(QColor(90, 50, 20));
  p.drawText(QRect(70, 120, 160, 22), Qt::AlignHCenter | Qt::AlignTop, Context().Tr(kRowTopTen));
  p.drawText(QRect(250, 120, 150, 22), Qt::AlignHCenter | Qt::AlignTop, Context().Tr(kRowScore));
  p.setPen(QPen(QColor(150, 100, 50, 160), 1));
  p.drawLine(60, 143, 410, 143);
  p.setFont(DesignFont(16, false));
  for (int place = 1; place <= kTopTenPlaces; ++place) {
    const TopTenRow& row = table_.Rows[place];
    const int y = RowY(place);
    p.setPen(RowColour(row));
    p.drawText(QRect(70, y, 25, 24), Qt::AlignLeft | Qt::AlignTop, QString::number(place) + QStringLiteral("."));
    const QFont font = p.font();
    p.setFont(CoveringFont(font, Q(row.Name)));
    p.drawText(QRect(95, y, 220, 24), Qt::AlignLeft | Qt::AlignTop, Q(row.Name));
    p.setFont(font);
    p.drawText(QRect(300, y, 80, 24), Qt::AlignRight | Qt::AlignTop, Q(row.Score));
  }
}

}  // namespace tarvel
