#pragma once
// The intro that opens the program: the product name in capitals over the table's background while a fan
// of cards is dealt out, one step per 20 ms tick. A click or a key press ends it early; it also ends by
// itself after its last step.
#include <QWidget>
#include <functional>

#include "settings/text_table.h"
#include "table/picture_source.h"

namespace tarvel {

class IntroScreen : public QWidget {
 public:
  static constexpr int kSteps = 120;  // 2.4 s at 20 ms a step

  IntroScreen(const TextTable& texts, PictureSource& pictures, QWidget* parent = nullptr);

  void Start();
  // One step of the intro; calls `finished` once after the last.
  void IntroTick();
  bool Running() const { return running_; }
  void Finish();

  std::function<void()> finished;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const TextTable& texts_;
  PictureSource& pictures_;
  int step_ = 0;
  bool running_ = false;
};

}  // namespace tarvel
