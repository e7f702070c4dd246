#include "app/dialogs.h"

#include <QMessageBox>

#include "app/main_window.h"

namespace tarvel {

void InstallDialogs(MainWindow& w) {
  const QString caption = QString::fromUtf8(w.Texts().ProductName().data());
  w.dialogs.ask = [&w, caption](const QString& text) {
    return QMessageBox::question(&w, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
  };
  w.dialogs.message = [&w, caption](const QString& text) { QMessageBox::information(&w, caption, text); };
}

bool OpenWindowByName(MainWindow& w, const std::string& name) {
  const auto open = [](const std::function<void()>& f) {
    if (f) f();
    return true;
  };
  auto& d = w.dialogs;
  if (name == "login") return d.logIn ? (d.logIn(1), true) : false;
  if (name == "newplayer") return d.logIn ? (d.logIn(6), true) : false;
  if (name == "topten") return open(d.topTen);
  if (name == "history") return open(d.history);
  if (name == "options") return open(d.options);
  if (name == "speed") return open(d.speed);
  if (name == "mode") return open(d.mode);
  if (name == "generalcount") return open(d.generalCount);
  if (name == "changename") return open(d.changeName);
  if (name == "about") return open(d.about);
  if (name == "help") return open(d.help);
  if (name == "endgame") {
    if (d.endGame) d.endGame(EndGameWindowFor(3, 420, PlayKind::Local, false));
    return true;
  }
  return false;
}

}  // namespace tarvel
