#pragma once
// The main window: the intro, the start menu and the game table share its client area; one step timer
// drives whichever is shown (20 ms for the intro and the menu, 500 ms at the table). It owns the game,
// the computer players, the sounds and the background song, and carries the table's pop-up menu.
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "ai/computer_player.h"
#include "engine/game.h"
#include "lan/lan_session.h"
#include "media/audio_out.h"
#include "media/background_music.h"
#include "media/sounds.h"
#include "media/voice_library.h"
#include "records/club_state.h"
#include "records/end_series.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "table/intro_screen.h"
#include "table/menu_screen.h"
#include "table/picture_source.h"
#include "table/table_presenter.h"
#include "table/table_screen.h"
#include "windows/lan_chat_panel.h"

namespace tarvel {

// The items of the pop-up menu, in their order.
enum class PopupItem { GeneralScore, ExitToMenu, ChangeName, Speed, Help, About, Radio, Chat };

class MainWindow : public QWidget, private CounterSource {
 public:
  MainWindow(Options& options, ClubState& club, std::filesystem::path programDir,
             std::unique_ptr<PictureSource> pictures, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Sets the client size for the window-size option (size 2: the screen, or any size the user gives).
  void ApplyWindowSize();
  // Start-up: the song is prepared, the intro runs on the 20 ms timer and then the menu is shown.
  void StartIntro();
  void ShowMenu();
  // The logged-in player (the club state's slot and name) sits down at the table.
  void StartSeries();
  // The same for a network game whose welcome window was confirmed; false when the game cannot start
  // (the player goes back to the welcome window).
  bool StartNetworkSeries();
  // Leaving the table during a deal, after the user said Yes: the member's row goes, the menu comes back.
  void LeaveDuringDeal();
  // The menu's buttons and the pop-up menu's items, as the user's clicks call them.
  void MenuButtonClicked(MenuButton b);
  void PopupItemChosen(PopupItem item);
  // Whether the user is at the table in the middle of a deal.
  bool InDeal() const;

  Game& GameOf() { return game_; }
  TableScreen& Screen() { return *screen_; }
  MenuScreen& Menu() { return *menu_; }
  IntroScreen& Intro() { return *intro_; }
  TablePresenter& Presenter() { return presenter_; }
  QTimer& StepTimer() { return timer_; }
  BackgroundMusic& Music() { return music_; }
  QAction* PopupAction(PopupItem item) { return popupActions_[static_cast<int>(item)]; }
  ClubState& Club() { return club_; }
  // The club file the menu shows and a series updates: the LAN club in network mode.
  ClubKind ClubInUse() const { return options_.LanMode ? ClubKind::Lan : ClubKind::Local; }
  tarvel::Options& Opts() { return options_; }
  const TextTable& Texts() const { return texts_; }
  PictureSource& Pictures() { return *pictures_; }
  const std::filesystem::path& ProgramDir() const { return programDir_; }
  Sounds& SoundsOut() { return sounds_; }
  LanSession& Lan() { return lan_; }
  LanChatPanel& Chat() { return *chat_; }

  // The dialogs the menu and the pop-up menu open; each returns when its window has closed. They are set
  // by the program (app/dialogs.cpp) and may be replaced by tests.
  struct Dialogs {
    std::function<bool(int slot)> logIn;  // slot 1-5, or 6 for a new player; true: play
    std::function<void()> topTen, history, options, mode, generalCount, changeName, speed, help, about;
    std::function<void(const EndGameWindow&)> endGame;
    // A Yes/No question and a message; Yes is true.
    std::function<bool(const QString& text)> ask;
    std::function<void(const QString& text)> message;
  } dialogs;

  // Relays an option that changed: redraws, relabels, resizes what it concerns.
  void OptionsChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  UserCounters LoadCounters(PlayerKind kind) override;
  void OnTick();
  void OnSeriesEnded(const SeriesOutcome& outcome);
  void SitDown();
  void PlaceChat();
  void NetworkGameInterrupted();
  void LeaveNetworkGame();
  void BuildPopupMenu();
  void EnableGameItems(bool atTable);
  void RelabelPopupMenu();
  std::string Tr(int row) const { return std::string(texts_.Text(row)); }

  Options& options_;
  ClubState& club_;
  std::filesystem::path programDir_;
  TextTable texts_;
  AudioOut audio_;
  VoiceLibrary voices_;
  Sounds sounds_;
  BackgroundMusic music_;
  std::unique_ptr<PictureSource> pictures_;
  Game game_;
  TableScreen* screen_;
  MenuScreen* menu_;
  IntroScreen* intro_;
  TablePresenter presenter_;
  ComputerPlayer player_;
  QTimer timer_;
  LanSession lan_;
  LanChatPanel* chat_;
  QMenu popup_;
  std::array<QAction*, 8> popupActions_{};
};

}  // namespace tarvel
