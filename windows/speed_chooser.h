#pragma once
// "Choice of speed": a track bar from 1 to 6 for the flight speed of the cards. Moving it sets `Speed`
// at once; OK or Escape closes the window.
#include <QDialog>

#include "windows/window_context.h"

class QSlider;

namespace tarvel {

class TKexCardsButton;

class SpeedChooser : public QDialog {
 public:
  explicit SpeedChooser(const WindowContext& context, QWidget* parent = nullptr);

  QSlider* TrackBar() const { return trackBar_; }

  // Opens the chooser modally over `parent`; returns the speed chosen.
  static int Choose(const WindowContext& context, QWidget* parent = nullptr);

 private:
  WindowContext context_;
  QSlider* trackBar_;
  TKexCardsButton* ok_;
};

}  // namespace tarvel
