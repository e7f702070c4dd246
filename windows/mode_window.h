#pragma once
// The "Mode" window of the start menu: a game against the computer or a network game (`LanMode`, which
// also chooses the club file the menu shows). The online account and the tournament are shown switched
// off while this version has no online play. OK stores the choice; Cancel and Escape keep the old one.
#include "windows/aux_window.h"

class QRadioButton;

namespace tarvel {

enum class GameMode { Local, Network, Account, Tournament };

class TFormMode : public AuxWindow {
 public:
  explicit TFormMode(WindowContext& context, QWidget* parent = nullptr);

  // Selects a choice as a click does; a switched-off choice is refused (false).
  bool Choose(GameMode mode);
  GameMode Chosen() const;
  // The OK button: writes LanMode and closes with success.
  void Accept();

 private:
  QRadioButton* radios_[4] = {};
};

}  // namespace tarvel
