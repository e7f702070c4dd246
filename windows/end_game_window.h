#pragma once
// The end-of-game window of a completed cycle: its lines drawn on a plate, the medal with the place for
// places 1-10, the reward of an account with two coins, the sound of the place played when the window is
// first shown, and an animation that plays once and stops at its designed frame.
#include "records/end_series.h"
#include "windows/aux_window.h"

class QLabel;
class QMovie;

namespace tarvel {

class TFormEndGame : public AuxWindow {
 public:
  TFormEndGame(WindowContext& context, const EndGameWindow& data, QWidget* parent = nullptr);

  const EndGameWindow& Data() const { return data_; }
  // The composed lines in the current language.
  QStringList Lines() const;
  QMovie* Animation() const { return movie_; }
  // The frame the animation rests on: the designed stop frame, else its last frame.
  int RestFrame() const;
  static constexpr int kClientWidth = 620;
  static constexpr int kClientHeight = 500;

 protected:
  void PaintContents(QPainter& p) override;
  void showEvent(QShowEvent* event) override;

 private:
  QString Compose(const TextLine& line) const;

  EndGameWindow data_;
  QMovie* movie_ = nullptr;
  bool sounded_ = false;
};

}  // namespace tarvel
