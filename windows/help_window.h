#pragma once
// The help document: the rules of the game, the table, the menu and the options, in the current
// language where the program has the document in it (English and Russian), in English otherwise.
#include "windows/aux_window.h"

class QTextBrowser;

namespace tarvel {

class TFormHelp : public AuxWindow {
 public:
  explicit TFormHelp(WindowContext& context, QWidget* parent = nullptr);

  // The resource path of the document for a language.
  static QString DocumentFor(int language);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace tarvel
