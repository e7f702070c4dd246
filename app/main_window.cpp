#include "app/main_window.h"
#include "table/qt_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <ctime>

#include "engine/sounds.h"
#include "records/club_file.h"
#include "records/club_list.h"
#include "lan/seat_table.h"
#include "table/table_layout.h"
#include "table/window_scale.h"

namespace tarvel {

namespace {


// The pop-up menu's captions, by PopupItem.
constexpr int kPopupRows[] = {25, 21, 26, 298, 27, 29, 1016, 178};

}  // namespace

MainWindow::MainWindow(Options& options, ClubState& club, std::filesystem::path programDir,
                       std::unique_ptr<PictureSource> pictures, QWidget* parent)
    : QWidget(parent),
      options_(options),
      club_(club),
      programDir_(std::move(programDir)),
      texts_(options),
      voices_(QString::fromStdString(programDir_.string())),
      sounds_(options_, audio_, voices_),
      music_(options_, texts_, audio_),
      pictures_(std::move(pictures)),
      game_(nullptr, nullptr),
      screen_(new TableScreen(game_, options_, texts_, *pictures_, this)),
      menu_(new MenuScreen(options_, texts_, *pictures_, this)),
      intro_(new IntroScreen(texts_, *pictures_, this)),
      presenter_(*screen_, texts_),
      player_(&presenter_),
      lan_(game_),
      chat_(new LanChatPanel(*pictures_, screen_)) {
  game_.view = &presenter_;
  game_.chooser = &player_;
  game_.counters = this;
  game_.rules = options_.Rules;
  player_.SetThinkText(std::string(texts_.ThinkText()));
  setWindowTitle(Q(texts_.ProductName()));
  screen_->hide();

  // One step timer: 20 ms for the intro and the menu, 500 ms from the first deal on.
  timer_.setInterval(20);
  connect(&timer_, &QTimer::timeout, this, [this] { OnTick(); });
  presenter_.setStepInterval = [this](int ms) { timer_.setInterval(ms); };
  presenter_.setStepTimer = [this](bool running) {
    if (running) timer_.start();
    else timer_.stop();
  };
  // Every sound of the engine and the table goes through the media layer; it is silent with SoundOn
  // off and where there is no audio device.
  presenter_.playSound = [this](std::string_view name, bool wait) { sounds_.PlayEffect(name, wait); };
  screen_->speakCard = [this](TStr2 card) { sounds_.SayCard(card, false); };
  screen_->wrongCard = [this] { presenter_.PlaySound(sound::kWrong, true); };
  screen_->seriesEnded = [this](const SeriesOutcome& outcome) { OnSeriesEnded(outcome); };

  // Network play: this machine's moves go out, the peers' moves come in between ticks.
  presenter_.announce = [this](const MoveNote& note) {
    if (game_.kind == GameKind::Network) lan_.Announce(note);
  };
  screen_->userActed = [this] {
    if (lan_.GameRunning()) lan_.AfterUserAction();
  };
  lan_.playEffect = [this](const std::string& name, bool wait) { sounds_.PlayEffect(name, wait); };
  lan_.moveApplied = [this] { screen_->update(); };
  lan_.dealLaidOut = [this] {
    screen_->SetHandNote(lan_.HostPosition(), QString());
    if (lan_.DealsLaidOut() == 1) chat_->Clear();
    screen_->update();
  };
  lan_.chatLine = [this](int seat, const QString& text) { chat_->ShowChatLine(seat, text); };
  lan_.chatEnabledChanged = [this](bool enabled) { chat_->SetChatEnabled(enabled); };
  lan_.gameInterrupted = [this] { NetworkGameInterrupted(); };
  chat_->send = [this](const QString& text) { lan_.SendChat(text); };
  chat_->toggleHands = [this] {
    game_.st.ShowAllHands = !game_.st.ShowAllHands;
    screen_->update();
  };
  chat_->hide();

  intro_->finished = [this] { ShowMenu(); };
  menu_->buttonClicked = [this](MenuButton b) { MenuButtonClicked(b); };
  menu_->clubList = [this](const TextMeter& meter) {
    const ClubLoad load = LoadClubFile(ClubFilePath(programDir_, ClubInUse()));
    if (!load.Club) return ClubList{};
    return ShowClubList(*load.Club, options_.ClubListMode, meter);
  };

  BuildPopupMenu();
  ApplyWindowSize();
}

MainWindow::~MainWindow() {
  timer_.stop();
  // The session outlives this body: it must not call into the screens once they are gone.
  lan_.moveApplied = nullptr;
  lan_.dealLaidOut = nullptr;
  lan_.chatLine = nullptr;
  lan_.chatEnabledChanged = nullptr;
  lan_.gameInterrupted = nullptr;
  lan_.playEffect = nullptr;
  // The screens hold references to members that go before the QWidget base deletes its children.
  delete screen_;
  delete menu_;
  delete intro_;
}

void MainWindow::ApplyWindowSize() {
  const PixelSize size = ClientSizeFor(options_.WindowSize);
  if (options_.WindowSize == 2) {
    setMinimumSize(kDesignWidth / 2, kDesignHeight / 2);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(size.width, size.height);
    if (width() < kDesignWidth / 2 || !isVisible()) resize(available);
  } else {
    setFixedSize(size.width, size.height);
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && options_.WindowSize != 2) {
    const QRect g = screen->availableGeometry();
    move(g.left() + RoundHalfEven((g.width() - width()) / 2.0), g.top() + RoundHalfEven((g.height() - height()) / 2.0));
  }
  for (QWidget* w : {static_cast<QWidget*>(screen_), static_cast<QWidget*>(menu_), static_cast<QWidget*>(intro_)})
    w->setGeometry(rect());
  if (screen_->isVisible()) screen_->LayoutTable();
  if (menu_->MenuShown()) menu_->ShowMenu();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  for (QWidget* w : {static_cast<QWidget*>(screen_), static_cast<QWidget*>(menu_), static_cast<QWidget*>(intro_)})
    w->setGeometry(rect());
}

void MainWindow::StartIntro() {
  music_.PrepareMusic();
  music_.SetInMenu(true);  // the song plays over the intro and the menu while MusicOn is on
  timer_.setInterval(20);
  timer_.start();
  pictures_->UseDesign(options_.MenuDesign);
  intro_->Start();
}

void MainWindow::OnTick() {
  if (intro_->Running()) return intro_->IntroTick();
  if (menu_->MenuShown()) return menu_->MenuTick();
  if (screen_->isVisible()) Tick(game_);
}

void MainWindow::ShowMenu() {
  intro_->hide();
  screen_->hide();
  timer_.setInterval(20);
  timer_.start();
  EnableGameItems(false);
  menu_->setGeometry(rect());
  menu_->ShowMenu();
  menu_->raise();
  music_.SetInMenu(true);
}

bool MainWindow::InDeal() const { return screen_->isVisible() && game_.st.GameOn && !game_.st.DealShown; }

UserCounters MainWindow::LoadCounters(PlayerKind) { return {club_.Deals, club_.Score, club_.Rating}; }

void MainWindow::SitDown() {
  menu_->HideMenu();
  music_.SetInMenu(false);
  timer_.stop();
  game_.rules = options_.Rules;
  game_.player = club_.Slot >= 1 && club_.Slot <= 5 ? PlayerKind::ClubMember : PlayerKind::NewPlayer;
  game_.userName = club_.Name.empty() ? Tr(404) : club_.Name;
  screen_->setGeometry(rect());
  screen_->show();
  screen_->raise();
  pictures_->UseDesign(options_.TableDesign);
  screen_->LayoutTable();
  EnableGameItems(true);
}

void MainWindow::StartSeries() {
  // A network game leaves its own seat and dealer behind: a local series starts from scratch.
  game_.kind = GameKind::Local;
  game_.ownNumber = 1;
  game_.dealer = true;
  chat_->hide();
  for (int seat = 1; seat <= 4; ++seat) screen_->SetHandNote(seat, QString());
  SitDown();
  NewDeal(game_, false);
}

bool MainWindow::StartNetworkSeries() {
  // A client waits for the host's deal: nothing of an earlier series may look like a finished deal.
  game_.st.DealShown = false;
  game_.st.DealOver = false;
  game_.st.GameOn = false;
  SitDown();
  PlaceChat();
  chat_->Clear();
  chat_->show();
  if (!lan_.BeginGame()) {
    chat_->hide();
    ShowMenu();
    return false;
  }
  if (lan_.WaitingForDeal()) screen_->SetHandNote(lan_.HostPosition(), Q(texts_.Text(103)));
  screen_->update();
  return true;
}

void MainWindow::PlaceChat() {
  const WindowFactors f = FactorsFor(options_.WindowSize, width(), height());
  chat_->sendCaption = Q(texts_.Text(158));
  chat_->SetScale(f.s, options_.WindowSize == 1);
  chat_->setGeometry(QRect(QPoint(0, 0), screen_->size()).intersected(
      [&] {
        const Rect memo = ComponentRect(Component::Memo, f, screen_->Card().height);
        return QRect(memo.left, memo.top, memo.width, memo.height);
      }()));
  chat_->raise();
}

void MainWindow::LeaveNetworkGame() {
  lan_.Leave();
  AbandonSeries(game_);
  chat_->hide();
  ShowMenu();
}

void MainWindow::NetworkGameInterrupted() {
  if (dialogs.message) dialogs.message(InterruptedMessage([this](int row) { return Q(texts_.Text(row)); }));
  AbandonSeries(game_);
  chat_->hide();
  ShowMenu();
}

void MainWindow::OnSeriesEnded(const SeriesOutcome& outcome) {
  timer_.stop();
  SeriesEndInput input;
  input.Kind = options_.LanMode ? PlayKind::Lan : PlayKind::Local;
  input.Counters = {outcome.konAll, game_.st.KonAtStart, game_.st.ScoreAtStart, outcome.seriesScore, club_.Rating};
  input.GameComplete = outcome.gameComplete;
  input.Slot = club_.Slot;
  input.PlayerName = game_.userName;
  input.PasswordCode = club_.PasswordCode;
  input.ClubWritable = club_.Writable(ClubInUse());
  if (game_.kind == GameKind::Network) {
    // The history names the four players by table position, the user's seat first.
    for (int position = 1; position <= 4; ++position) {
      std::string name = lan_.Names()[static_cast<std::size_t>(SeatAt(lan_.OwnSeat(), position))];
      while (!name.empty() && name.back() == ' ') name.pop_back();
      input.SeatNames[static_cast<std::size_t>(position)] = name;
    }
    lan_.Leave();
    chat_->hide();
  }
  const SeriesEnd end = EndSeries(programDir_, input, StampOf(std::time(nullptr)));
  for (const RecordsMessage& m : end.Messages)
    if (dialogs.message) dialogs.message(Q(m.Compose([this](int row) { return Tr(row); })));
  // The player's counters as the club now holds them: the next series goes on from there.
  club_.Deals = outcome.konAll;
  club_.Score = end.TotalScore;
  club_.Rating = end.NewRating;
  if (end.NewSlot > 0) club_.Slot = end.NewSlot;
  for (const std::string& sound : end.Sounds) sounds_.PlayEffect(sound, false);
  if (end.EndWindow && dialogs.endGame) dialogs.endGame(*end.EndWindow);
  ShowMenu();
}

void MainWindow::LeaveDuringDeal() {
  if (lan_.GameRunning()) lan_.Leave();
  chat_->hide();
  if (AbandonSeries(game_) && club_.Slot >= 1 && club_.Slot <= 5) {
    const ClubKind kind = ClubInUse();
    if (auto failed = RemoveMember(ClubFilePath(programDir_, kind), club_.Slot, club_.Writable(kind)); failed && dialogs.message)
      dialogs.message(Q(failed->Compose([this](int row) { return Tr(row); })));
    club_.Slot = kSlotNewPlayer;
  }
  ShowMenu();
}

void MainWindow::MenuButtonClicked(MenuButton b) {
  const int i = static_cast<int>(b);
  if (i >= 1 && i <= 6) {
    // A network game that cannot start sends the player back to the welcome window.
    while (dialogs.logIn && dialogs.logIn(i)) {
      if (!options_.LanMode) return StartSeries();
      if (StartNetworkSeries()) return;
    }
    return;
  }
  const auto open = [](const std::function<void()>& f) {
    if (f) f();
  };
  switch (b) {
    case MenuButton::TopTen: return open(dialogs.topTen);
    case MenuButton::History: return open(dialogs.history);
    case MenuButton::Options: return open(dialogs.options);
    case MenuButton::Mode: return open(dialogs.mode);
    case MenuButton::Exit: close(); return;
    default: return;
  }
}

void MainWindow::BuildPopupMenu() {
  for (int i = 0; i < 8; ++i) {
    const auto item = static_cast<PopupItem>(i);
    popupActions_[i] = popup_.addAction(QString());
    connect(popupActions_[i], &QAction::triggered, this, [this, item] { PopupItemChosen(item); });
  }
  RelabelPopupMenu();
  // Radio and chat belong to the online features, which this build does not have yet.
  PopupAction(PopupItem::Radio)->setEnabled(false);
  PopupAction(PopupItem::Chat)->setEnabled(false);
  EnableGameItems(false);
}

void MainWindow::RelabelPopupMenu() {
  for (int i = 0; i < 8; ++i) popupActions_[i]->setText(Q(texts_.Text(kPopupRows[i])));
}

void MainWindow::EnableGameItems(bool atTable) {
  for (PopupItem item : {PopupItem::GeneralScore, PopupItem::ExitToMenu, PopupItem::ChangeName})
    PopupAction(item)->setEnabled(atTable);
}

void MainWindow::PopupItemChosen(PopupItem item) {
  if (!PopupAction(item)->isEnabled()) return;
  const auto open = [](const std::function<void()>& f) {
    if (f) f();
  };
  switch (item) {
    case PopupItem::GeneralScore: return open(dialogs.generalCount);
    case PopupItem::ChangeName: return open(dialogs.changeName);
    case PopupItem::Speed: return open(dialogs.speed);
    case PopupItem::Help: return open(dialogs.help);
    case PopupItem::About: return open(dialogs.about);
    case PopupItem::ExitToMenu: {
      const bool network = lan_.GameRunning();
      if (network && (lan_.WaitingForDeal() || !game_.st.GameOn)) {
        // No deal yet, or the others left: nothing is counted.
        if (dialogs.ask && dialogs.ask(Q(texts_.Text(22)) + "\n\r" + Q(texts_.Text(23)))) LeaveNetworkGame();
        return;
      }
      if (!InDeal()) {
        // After a deal the table is left as with its own exit button, when that button may be used: the
        // series is counted. In the middle of a network game's block of three it is a plain leaving.
        if (game_.st.DealShown && game_.controls.exit.enabled) screen_->ExitButtonPressed();
        else if (network && dialogs.ask && dialogs.ask(Q(texts_.Text(22)) + "\n\r" + Q(texts_.Text(23))))
          LeaveNetworkGame();
        return;
      }
      const QString question = Q(texts_.Text(22)) + "\n\r" + Q(texts_.Text(23));
      if (dialogs.ask && dialogs.ask(question)) LeaveDuringDeal();
      return;
    }
    default: return;
  }
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  RelabelPopupMenu();
  popup_.popup(event->globalPos());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (InDeal()) {
    const QString question = Q(texts_.Text(24)) + " " + Q(texts_.Text(23));
    if (!dialogs.ask || !dialogs.ask(question)) return event->ignore();
    if (AbandonSeries(game_) && club_.Slot >= 1 && club_.Slot <= 5) {
      const ClubKind kind = ClubInUse();
      RemoveMember(ClubFilePath(programDir_, kind), club_.Slot, club_.Writable(kind));
    }
  }
  timer_.stop();
  event->accept();
}

void MainWindow::OptionsChanged() {
  setWindowTitle(Q(texts_.ProductName()));
  player_.SetThinkText(std::string(texts_.ThinkText()));
  RelabelPopupMenu();
  sounds_.SoundOptionChanged();
  music_.MusicOptionChanged();
  ApplyWindowSize();
  if (menu_->MenuShown()) menu_->ShowMenu();
  if (screen_->isVisible()) screen_->LayoutTable();
}

}  // namespace tarvel
