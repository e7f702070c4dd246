#include "windows/options_effects.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvel {

void OptionsEffects::ShowMessage(const QString& text) {
  QMessageBox::warning(QApplication::activeWindow(), QString(), text);
}

}  // namespace tarvel
