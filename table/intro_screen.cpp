#include "table/intro_screen.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "engine/cards.h"

namespace tarvel {

namespace {
// The fan: the four aces and the four kings, one card landing every eight steps.
constexpr const char* kFan[] = {"AS", "AH", "AD", "AC", "KS", "KH", "KD", "KC"};
}  // namespace

IntroScreen::IntroScreen(const TextTable& texts, PictureSource& pictures, QWidget* parent)
    : QWidget(parent), texts_(texts), pictures_(pictures) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  hide();
}

void IntroScreen::Start() {
  step_ = 0;
  running_ = true;
  pictures_.Prepare(71, 96, width(), height());
  show();
  raise();
  setFocus();
  update();
}

void IntroScreen::IntroTick() {
  if (!running_) return;
  if (++step_ >= kSteps) return Finish();
  update();
}

void IntroScreen::Finish() {
  if (!running_) return;
  running_ = false;
  hide();
  if (finished) finished();
}

void IntroScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QPixmap background = pictures_.Background();
  if (background.isNull()) p.fillRect(rect(), QColor(0, 80, 30));
  else p.drawPixmap(rect(), background);

  const double s = std::min(width() / 760.0, height() / 500.0);
  const QPointF pivot(width() / 2.0, height() * 0.78);
  const int shown = std::min<int>(std::size(kFan), step_ / 8 + 1);
  for (int i = 0; i < shown; ++i) {
    const QPixmap face = pictures_.CardFace(CardFromAscii(kFan[i]));
    if (face.isNull()) continue;
    p.save();
    p.translate(pivot);
    p.rotate(-42 + i * 12);
    const QSizeF size(71 * s * 1.2, 96 * s * 1.2);
    p.drawPixmap(QRectF(QPointF(-size.width() / 2, -size.height() * 1.9), size).toRect(), face);
    p.restore();
  }

  // The name fades in over the first second.
  const double alpha = std::min(1.0, step_ / 50.0);
  QFont f(QStringLiteral("Comic Sans MS"));
  f.setBold(true);
  f.setPixelSize(std::max(12, static_cast<int>(std::lround(72 * s))));
  p.setFont(f);
  const QString name = QString::fromUtf8(texts_.ProductNameCapitals().data(),
                                         static_cast<qsizetype>(texts_.ProductNameCapitals().size()));
  const QRect band(0, static_cast<int>(height() * 0.10), width(), static_cast<int>(110 * s));
  p.setPen(QColor(0, 0, 0, static_cast<int>(160 * alpha)));
  p.drawText(band.translated(static_cast<int>(4 * s), static_cast<int>(4 * s)), Qt::AlignCenter, name);
  p.setPen(QColor(255, 215, 60, static_cast<int>(255 * alpha)));
  p.drawText(band, Qt::AlignCenter, name);
}

void IntroScreen::mouseReleaseEvent(QMouseEvent*) { Finish(); }
void IntroScreen::keyPressEvent(QKeyEvent*) { Finish(); }

}  // namespace tarvel
