#pragma once
// The few texts of the mode and about windows that the text table has no row for, in English and
// Russian; every other language shows the English text.
#include <QString>

namespace tarvel {

enum class WindowText {
  LocalGame,        // the mode window's first choice
  LocalGameHint,
  NetworkGameHint,  // under "Multiplayer"
  AccountHint,      // under "My account"
  TournamentHint,   // under "Online-Tournament"
  NotYetAvailable,  // beside the choices that are switched off
  Version,          // "Version %1"
  AboutLine,        // what the program is
  Credits,          // the heading of the credits
  CreditCards,
  CreditVoice,
  CreditMusic,
  CreditToolkit,    // "%1" is the Qt version
};

QString WindowTextOf(WindowText text, int language);

}  // namespace tarvel
