#pragma once
// The welcome window of the club: a member of slot 1-5 logs in with the password, or a new player gives a
// name and the password twice. Refusals show in the window's message line and the window stays open. In
// network mode another part of the program adds its section (addresses, port, server or client) and its
// confirmation, which runs after the club's checks have passed.
#include <functional>

#include "records/club_file.h"
#include "records/club_state.h"
#include "windows/aux_window.h"

class QLabel;
class QLineEdit;

namespace tarvel {

class TFormLogin : public AuxWindow {
 public:
  // slot 1-5: that member of club logs in; kSlotNewPlayer: a new player. On success the club state holds
  // the player (LogInMember / StartNewPlayer) and `PlayerName` the name; a refused or cancelled window
  // leaves both as they were.
  TFormLogin(WindowContext& context, const ClubLines& club, int slot, ClubState& state, QWidget* parent = nullptr);

  // Network mode: the section takes a 460 x 160 area (design pixels) below the password entries and the
  // window grows to its network height of 455; a new player's name then has at most 4 characters.
  void SetNetworkSection(QWidget* section);
  // Asked after the club's checks pass; the window closes with success only when it returns true.
  std::function<bool()> confirmNetwork;

  // What the user does.
  void SetName(const QString& name);
  void SetPassword(const QString& password);
  void SetPasswordAgain(const QString& password);
  // The OK button: true when the window closed with success.
  bool Accept();

  QString Message() const;
  bool NewPlayer() const { return slot_ < 1 || slot_ > kMemberSlots; }
  static constexpr int kClientWidth = 460;
  static constexpr int kClientHeight = 295;
  static constexpr int kNetworkClientHeight = 455;

 private:
  void LayOut();

  const ClubLines& club_;
  int slot_;
  ClubState& state_;
  QWidget* network_ = nullptr;
  QLabel* heading_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  QLabel* passwordLabel_ = nullptr;
  QLabel* againLabel_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* again_ = nullptr;
  QLabel* message_ = nullptr;
  TKexCardsButton* ok_ = nullptr;
  TKexCardsButton* cancel_ = nullptr;
};

}  // namespace tarvel
