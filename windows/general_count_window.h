#pragma once
// The general-count window: the player's deal counts, scores and ratings of TCount under the heading
// "Information about game", the account picture with its lamp (red logged out, yellow logged in, green
// playing for the global rating) and an animation of how the series stands.
#include "records/general_count.h"
#include "windows/aux_window.h"

class QMovie;

namespace tarvel {

class TFormCount : public AuxWindow {
 public:
  // accountState: 1 logged out, 2 logged in, 3 logged in and playing for the global rating.
  TFormCount(WindowContext& context, const TCount& count, const QString& playerName, int accountState = 1,
             QWidget* parent = nullptr);

  const TCount& Count() const { return count_; }
  // "GKonGood" while the series' score is above zero, "GKonBads" below, "GKonNich" at zero.
  static QString AnimationFor(const TCount& count);
  static QColor LampColour(int accountState);

 protected:
  void PaintContents(QPainter& p) override;

 private:
  TCount count_;
  int accountState_;
  QPixmap account_;
  QMovie* movie_ = nullptr;
};

}  // namespace tarvel
