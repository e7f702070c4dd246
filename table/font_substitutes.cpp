#include "table/font_substitutes.h"

#include <QFont>
#include <QStringList>

namespace tarvel {

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), QStringList{QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("FixedSys"), QStringList{QStringLiteral("DejaVu Sans Mono")});
  QFont::insertSubstitutions(QStringLiteral("Courier New"), QStringList{QStringLiteral("DejaVu Sans Mono")});
}

}  // namespace tarvel
