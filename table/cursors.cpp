#include "table/cursors.h"

#include <QPixmap>

#include "table/picture_library.h"

namespace tarvel {
namespace {

QString ResourceName(CursorKind kind) {
  switch (kind) {
    case CursorKind::Hand: return QStringLiteral("CURHAND");
    case CursorKind::Wait: return QStringLiteral("CURWAIT");
    case CursorKind::Edit: return QStringLiteral("CUREDIT");
    default: return QStringLiteral("CURARROW");
  }
}

QPoint HotSpot(CursorKind kind) {
  switch (kind) {
    case CursorKind::Hand: return {11, 1};
    case CursorKind::Wait:
    case CursorKind::Edit: return {15, 15};
    default: return {1, 1};
  }
}

Qt::CursorShape SystemShape(CursorKind kind) {
  switch (kind) {
    case CursorKind::Hand: return Qt::PointingHandCursor;
    case CursorKind::Wait: return Qt::WaitCursor;
    case CursorKind::Edit: return Qt::IBeamCursor;
    default: return Qt::ArrowCursor;
  }
}

}  // namespace

QList<QCursor> OwnCursorFrames(CursorKind kind) {
  InitBuiltInPictures();
  const QImage strip(QStringLiteral(":/tarvel/") + ResourceName(kind));
  QList<QCursor> frames;
  if (strip.isNull() || strip.height() <= 0) return frames;
  const int side = strip.height();
  for (int x = 0; x + side <= strip.width(); x += side) {
    const QPoint hot = HotSpot(kind);
    frames.append(QCursor(QPixmap::fromImage(strip.copy(x, 0, side, side)), hot.x() * side / 32, hot.y() * side / 32));
  }
  return frames;
}

QCursor TableCursor(CursorKind kind, bool ownCursor) {
  if (ownCursor) {
    const QList<QCursor> frames = OwnCursorFrames(kind);
    if (!frames.isEmpty()) return frames.first();
  }
  return QCursor(SystemShape(kind));
}

CursorAnimator::CursorAnimator(QWidget* widget, CursorKind kind, bool ownCursor, int frameMs)
    : QObject(widget), widget_(widget) {
  if (ownCursor) frames_ = OwnCursorFrames(kind);
  if (!widget_) return;
  widget_->setCursor(frames_.isEmpty() ? QCursor(SystemShape(kind)) : frames_.first());
  if (frames_.size() < 2) return;
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (!widget_) return;
    frame_ = (frame_ + 1) % frames_.size();
    widget_->setCursor(frames_[frame_]);
  });
  timer_.start(frameMs);
}

}  // namespace tarvel
