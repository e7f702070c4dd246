#include "app/main_window.h"

#include <QResizeEvent>

#include "engine/sounds.h"
#include "table/window_scale.h"

namespace tarvel {

namespace {
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

MainWindow::MainWindow(Options& options, std::unique_ptr<PictureSource> pictures, QWidget* parent)
    : QWidget(parent),
      options_(options),
      texts_(options),
      sounds_(options_, audio_, voices_),
      pictures_(std::move(pictures)),
      game_(nullptr, nullptr),
      screen_(new TableScreen(game_, options_, texts_, *pictures_, this)),
      presenter_(*screen_, texts_),
      player_(&presenter_) {
  game_.view = &presenter_;
  game_.chooser = &player_;
  game_.rules = options_.Rules;
  player_.SetThinkText(std::string(texts_.ThinkText()));
  setWindowTitle(Q(texts_.ProductName()));
  // The step timer: 20 ms until the first deal, then 500 ms; one computer phase per tick at most.
  timer_.setInterval(20);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(game_); });
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
  screen_->seriesEnded = [this](const SeriesOutcome&) {
    // Until the start menu exists, leaving the table starts the next series.
    StartSeries();
  };
  ApplyWindowSize();
  timer_.start();
}

void MainWindow::ApplyWindowSize() {
  const PixelSize size = ClientSizeFor(options_.WindowSize);
  if (options_.WindowSize == 2) {
    setMinimumSize(kDesignWidth / 2, kDesignHeight / 2);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (width() < kDesignWidth / 2) resize(size.width, size.height);
  } else {
    setFixedSize(size.width, size.height);
  }
  screen_->setGeometry(rect());
  screen_->LayoutTable();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  screen_->setGeometry(rect());
}

void MainWindow::StartSeries() {
  timer_.stop();
  game_.rules = options_.Rules;
  game_.player = PlayerKind::NewPlayer;
  game_.userName = options_.PlayerName.empty() ? std::string(texts_.Text(404)) : options_.PlayerName;
  NewDeal(game_, false);
}

}  // namespace tarvel
