#pragma once
// "To change a name": the current player gives a new name and the password twice. A club member's line
// is rewritten in the club file of the game's kind; a refusal shows in the message line, a file that
// could not be read or saved in a message box, and success in the message "Your name and/or the
// password were successfully changed!" with the new name, after which the window closes.
#include "records/club_file.h"
#include "records/club_state.h"
#include "settings/atomic_file.h"
#include "windows/aux_window.h"

class QLabel;
class QLineEdit;

namespace tarvel {

class TFormChangeName : public AuxWindow {
 public:
  TFormChangeName(WindowContext& context, ClubState& state, ClubKind kind, QWidget* parent = nullptr);

  void SetName(const QString& name);
  void SetPassword(const QString& password);
  void SetPasswordAgain(const QString& password);
  // The OK button: true when the name was changed and the window closed with success.
  bool Accept();
  QString Message() const;

  // How the club file is saved (tests make the save fail).
  FileWriteHooks hooks;

 private:
  ClubState& state_;
  ClubKind kind_;
  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* again_ = nullptr;
  QLabel* message_ = nullptr;
};

}  // namespace tarvel
