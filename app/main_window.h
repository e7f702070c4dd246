#pragma once
// The main window: the table screen at the client size of the window-size option, the step timer
// that drives the computer seats, and the series the program starts into.
#include <QTimer>
#include <QWidget>
#include <memory>

#include "ai/computer_player.h"
#include "media/audio_out.h"
#include "media/sounds.h"
#include "media/voice_library.h"
#include "engine/game.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "table/picture_source.h"
#include "table/table_presenter.h"
#include "table/table_screen.h"

namespace tarvel {

class MainWindow : public QWidget {
 public:
  MainWindow(Options& options, std::unique_ptr<PictureSource> pictures, QWidget* parent = nullptr);

  // Sets the client size for the window-size option (size 2: any size the user gives the window).
  void ApplyWindowSize();
  // A new player's series at the table.
  void StartSeries();

  Game& GameOf() { return game_; }
  TableScreen& Screen() { return *screen_; }
  TablePresenter& Presenter() { return presenter_; }
  QTimer& StepTimer() { return timer_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  Options& options_;
  TextTable texts_;
  AudioOut audio_;
  VoiceLibrary voices_;
  Sounds sounds_;
  std::unique_ptr<PictureSource> pictures_;
  Game game_;
  TableScreen* screen_;
  TablePresenter presenter_;
  ComputerPlayer player_;
  QTimer timer_;
};

}  // namespace tarvel
