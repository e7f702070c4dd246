#include "windows/lan_waiting_window.h"

#include <QLabel>

namespace tarvel {

namespace {
constexpr int kCaption = 394, kHostWaits = 395, kClientWaits = 396, kFirstPlayerLine = 397, kNoGames = 400;
constexpr int kCancel = 75;
}  // namespace

LanWaitingWindow::LanWaitingWindow(WindowContext& context, LanSession& session, QWidget* parent)
    : AuxWindow(context, parent), session_(session) {
  SetClientSize(360, 190);
  setWindowTitle(context.Tr(kCaption));
  const bool host = session_.OwnSeat() == 1;
  first_ = AddLabel(context.Tr(host ? kHostWaits : kClientWaits), QRect(15, 15, 330, 24), 10, true);
  for (int i = 0; i < 3; ++i) {
    lines_[i] = AddLabel(context.Tr(kFirstPlayerLine + i), QRect(15, 50 + i * 26, 330, 22), 9, false);
    lines_[i]->hide();
  }
  ok_ = AddButton(QStringLiteral("Ok"), QRect(60, 140, 110, 30), "ok");
  cancel_ = AddButton(context.Tr(kCancel), QRect(190, 140, 110, 30), "cancel");
  ok_->setEnabled(false);
  cancel_->setEnabled(true);
  connect(ok_, &QPushButton::clicked, this, [this] { PressOk(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { PressCancel(); });

  session_.peersChanged = [this](int clients) { ShowClients(clients); };
  session_.seatAssigned = [this] { accept(); };
  refusedTimer_.setInterval(1000);
  connect(&refusedTimer_, &QTimer::timeout, this, [this] { CheckRefused(); });
  refusedTimer_.start();
}

LanWaitingWindow::~LanWaitingWindow() {
  session_.peersChanged = nullptr;
  session_.seatAssigned = nullptr;
}

QString LanWaitingWindow::FirstLine() const { return first_->text(); }
bool LanWaitingWindow::LineShown(int line) const { return line >= 0 && line < 3 && !lines_[line]->isHidden(); }
bool LanWaitingWindow::OkEnabled() const { return ok_->isEnabled(); }
bool LanWaitingWindow::CancelEnabled() const { return cancel_->isEnabled(); }

void LanWaitingWindow::ShowClients(int clients) {
  if (session_.OwnSeat() != 1) return;  // a client's window closes on its seat assignment
  for (int i = 0; i < 3; ++i) lines_[i]->setVisible(i < clients);
  // The host starts with one or three clients; with two it can only wait for the third or cancel.
  ok_->setEnabled(clients == 1 || clients == 3);
  cancel_->setEnabled(clients == 0 || clients == 2);
}

void LanWaitingWindow::CheckRefused() {
  if (session_.OwnSeat() != 1 && session_.Refused()) first_->setText(Context().Tr(kNoGames));
}

void LanWaitingWindow::PressOk() {
  if (!ok_->isEnabled() || !session_.CanBegin()) return;
  session_.CloseLobby();
  accept();
}

void LanWaitingWindow::PressCancel() {
  if (!cancel_->isEnabled()) return;
  session_.Cancel();
  QDialog::reject();
}

void LanWaitingWindow::reject() { PressCancel(); }

}  // namespace tarvel
