#include "table/table_presenter.h"
#include "table/qt_text.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "settings/text_table.h"
#include "table/table_screen.h"

namespace tarvel {

namespace {

// The pause after each card drawn or taken and after the flight to the discard pile.
void FlightPause(const TableScreen& screen, const Options& options) {
  if (options.FlyCards && screen.isVisible()) QThread::msleep(200);
}
}  // namespace

void TablePresenter::ResetTable() {
  screen_.SetResult(nullptr);
  screen_.SetSeatMarker(0);
  screen_.SetLowTrump(0, kNoCard);
  screen_.TableChanged();
  for (int s = 1; s <= 4; ++s) screen_.SetFaceUp(s, s == 4);
}

void TablePresenter::DrawHand(int seat, bool faceUp) { screen_.SetFaceUp(seat, faceUp); }
void TablePresenter::ShowLowTrump(int seat, TStr2 card) { screen_.SetLowTrump(seat, card); }
void TablePresenter::DrawStock(int, TStr2) { screen_.update(); }
void TablePresenter::DrawTable() { screen_.TableChanged(); }
void TablePresenter::DrawDealPanel(int) { screen_.update(); }
void TablePresenter::DrawTeamPanel(int, int) { screen_.update(); }
void TablePresenter::SetSeatMarker(int seat) { screen_.SetSeatMarker(seat); }
void TablePresenter::ShowFirstBoutMarker(bool shown) { screen_.SetFirstBoutMarker(shown); }
void TablePresenter::Say(int seat, Speech what) { screen_.SetSpeech(seat, what); }
void TablePresenter::ShowResult(const DealResultView& result) { screen_.SetResult(&result); }
void TablePresenter::HideTableForMenu() { screen_.SetResult(nullptr); }

void TablePresenter::FlyToTable(int seat, TStr2 card, MoveKind kind, int attackNumber) {
  const QPoint from = seat == 4 && screen_.FlyFrom() ? *screen_.FlyFrom() : screen_.HandCentre(seat);
  screen_.FlyCard(from, screen_.TablePlace(kind == MoveKind::Cover, attackNumber), card);
  screen_.CardLaid(seat, card, kind, attackNumber);
}

void TablePresenter::FlyTableToHand(int seat, int) {
  // The table's cards fly one by one to the taker, in the order they were laid.
  const std::vector<std::pair<QPoint, TStr2>> cards = screen_.TableCards();
  screen_.ClearTableCards();
  for (const auto& [at, card] : cards) {
    screen_.FlyCard(at, screen_.HandCentre(seat), card);
    FlightPause(screen_, screen_.Opts());
  }
}

void TablePresenter::FlyTableToDiscard(int) {
  const std::vector<std::pair<QPoint, TStr2>> cards = screen_.TableCards();
  screen_.ClearTableCards();
  screen_.FlyCards(cards, QPoint(-screen_.Card().width, screen_.height()));
  FlightPause(screen_, screen_.Opts());
}

void TablePresenter::FlyStockToHand(int seat, TStr2) {
  // A drawn card flies face down: only its owner will see it in the hand.
  screen_.FlyCard(screen_.StockPosition(), screen_.HandCentre(seat), kNoCard);
  FlightPause(screen_, screen_.Opts());
}

void TablePresenter::PlaySound(std::string_view name, bool wait) {
  if (playSound) playSound(name, wait);
}

void TablePresenter::ControlsChanged(const TableControls& controls) { screen_.ApplyControls(controls); }

void TablePresenter::SetStepInterval(int ms) {
  if (setStepInterval) setStepInterval(ms);
}

void TablePresenter::SetStepTimer(bool running) {
  if (setStepTimer) setStepTimer(running);
}

int TablePresenter::AskFirstMove() {
  if (firstMoveAnswer == 2 || firstMoveAnswer == 4) return firstMoveAnswer;
  QDialog dialog(&screen_);
  dialog.setWindowTitle(Q(texts_.Text(465)));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(Q(texts_.Text(466))));
  auto* buttons = new QHBoxLayout;
  auto* me = new QPushButton(Q(texts_.Text(467)));
  auto* partner = new QPushButton(Q(texts_.Text(468)));
  buttons->addWidget(me);
  buttons->addWidget(partner);
  layout->addLayout(buttons);
  int answer = 4;
  QObject::connect(me, &QPushButton::clicked, &dialog, [&] { answer = 4; dialog.accept(); });
  QObject::connect(partner, &QPushButton::clicked, &dialog, [&] { answer = 2; dialog.accept(); });
  dialog.exec();
  return answer;
}

void TablePresenter::ThinkingText(int seat, const std::string& text) {
  screen_.SetThinking(seat, QString::fromStdString(text));
}

}  // namespace tarvel
