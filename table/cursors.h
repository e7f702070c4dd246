#pragma once
// The program's own mouse cursors, used in place of the system's arrow, pointing hand, hourglass and text
// beam while `OwnCursor` is on. The hand, hourglass and beam are animated: their pictures are strips of 32 x 32
// frames that CursorAnimator steps through on a widget.
#include <QCursor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tarvel {

enum class CursorKind { Arrow = 31, Hand = 32, Wait = 33, Edit = 34 };

// The frames of an own cursor ("CURARROW", "CURHAND", "CURWAIT", "CUREDIT"); one frame for the arrow.
QList<QCursor> OwnCursorFrames(CursorKind kind);
// The cursor of a kind: the system's shape with `ownCursor` off, the first own frame with it on.
QCursor TableCursor(CursorKind kind, bool ownCursor);

// Steps a widget's cursor through the frames of an animated own cursor; with `ownCursor` off it sets the
// system cursor once and stays idle.
class CursorAnimator : public QObject {
 public:
  CursorAnimator(QWidget* widget, CursorKind kind, bool ownCursor, int frameMs = 120);

 private:
  QPointer<QWidget> widget_;
  QList<QCursor> frames_;
  int frame_ = 0;
  QTimer timer_;
};

}  // namespace tarvel
