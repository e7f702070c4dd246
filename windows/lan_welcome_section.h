#pragma once
// The network section of the welcome window: server or client, the host's address and the port, the
// (fixed) number of games, the machine's own addresses and the router help. Confirm runs the entry
// checks, starts the session as host or client and runs the waiting window.
#include <QWidget>
#include <functional>
#include <string>

#include "lan/lan_session.h"
#include "lan/own_addresses.h"
#include "windows/window_context.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QPushButton;

namespace tarvel {

class TKexCardsButton;

class LanWelcomeSection : public QWidget {
 public:
  // The section's area in the welcome window, in design pixels.
  static constexpr int kDesignWidth = 460;
  static constexpr int kDesignHeight = 160;

  LanWelcomeSection(WindowContext& context, LanSession& session, QWidget* parent = nullptr);

  // The player's name (Windows-1251) given to the session; the options' `PlayerName` when unset.
  std::function<std::string()> playerName;
  // The online layer's external-address request; unset: the field stays empty.
  ExternalAddressRequest externalAddress;
  // Opens the router help; unset: the "?" button is hidden.
  std::function<void()> openRouterHelp;
  // Runs the waiting window modally; true when it closed with success. Replaced by tests.
  std::function<bool()> runWaitingWindow;

  // What the user does.
  void ChooseServer();
  void ChooseClient();
  void TypeAddress(const QString& text);
  void TypePort(const QString& text);
  void ReceiveAddresses();
  // The welcome window's "Ok" after its own checks: true when the game is to start.
  bool Confirm();

  bool IsServer() const;
  QString Address() const;
  QString Port() const;
  bool AddressEnabled() const;
  QString Message() const;
  QString AddressField(int i) const;
  bool AddressFieldsShown() const;
  QLineEdit* AddressEntry() const { return address_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();
  void Show(const QString& message);

  WindowContext& ctx_;
  LanSession& session_;
  QLabel* group_ = nullptr;
  QRadioButton* server_ = nullptr;
  QRadioButton* client_ = nullptr;
  QLabel* addressLabel_ = nullptr;
  QLineEdit* address_ = nullptr;
  QLabel* portLabel_ = nullptr;
  QLineEdit* port_ = nullptr;
  QLabel* gamesLabel_ = nullptr;
  QSpinBox* games_ = nullptr;
  TKexCardsButton* receive_ = nullptr;
  TKexCardsButton* help_ = nullptr;
  QLineEdit* fields_[6] = {};
  QLabel* message_ = nullptr;
  QString lastAddress_;
  QString lastPort_;
};

}  // namespace tarvel
