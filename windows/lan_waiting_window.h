#pragma once
// The waiting window of a network game: "Please, wait..." while the host waits for its players or a
// client for its seat. The host's "Ok" starts the game with one or three clients; "Cancel" stops
// listening or closes the connection. A client's window closes with success as soon as its seat is
// assigned. A timer once a second shows "There are no accessible games" while the client is refused.
#include <QTimer>

#include "lan/lan_session.h"
#include "windows/aux_window.h"

namespace tarvel {

class LanWaitingWindow : public AuxWindow {
 public:
  // The session has started as host or client. While the window is open it takes the session's
  // `peersChanged` and `seatAssigned` callbacks; it gives them back empty when it closes.
  LanWaitingWindow(WindowContext& context, LanSession& session, QWidget* parent = nullptr);
  ~LanWaitingWindow() override;

  QString FirstLine() const;
  // Which of the three "player was connected" lines show (second, third, fourth player).
  bool LineShown(int line) const;
  bool OkEnabled() const;
  bool CancelEnabled() const;
  // The buttons as the user presses them.
  void PressOk();
  void PressCancel();
  // The once-a-second check of the refused flag.
  void CheckRefused();

  void reject() override;

 private:
  void ShowClients(int clients);

  LanSession& session_;
  QLabel* first_ = nullptr;
  QLabel* lines_[3] = {};
  TKexCardsButton* ok_ = nullptr;
  TKexCardsButton* cancel_ = nullptr;
  QTimer refusedTimer_;
};

}  // namespace tarvel
