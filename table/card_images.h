#pragma once
// The pictures the table draws with, loaded for the options' card set, back set, background and window size:
// 36 faces indexed by deck order number, the backs of the chosen set, the background, and the pictures of the
// special card codes, all prepared at the current card size.
#include <QHash>
#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "engine/cards.h"
#include "settings/options.h"
#include "table/picture_library.h"
#include "table/window_scale.h"

namespace tarvel {

// Shows a message to the user (a modal dialog in the game; tests record it).
using ShowMessage = std::function<void(const QString&)>;

struct TableImages {
  CardGeometry card;       // size and picture mode of the loaded faces
  int windowSize = 1;
  WindowFactors factors;
  std::array<QImage, 37> faces;  // 1..36 by deck order number
  std::vector<QImage> backs;     // 1..count of the back set (slot 0 unused)
  int backIndex = 1;             // the back in use
  QImage background;
  QHash<QString, QImage> specials;  // "Fr", "KY", "KN", "Xb" ... at the card size

  const QImage& Back() const;
};

// The message of a missing resource file: "Can`t find the file" in the user's language, a blank, the name.
QString MissingFileMessage(std::string_view file, int language);

// Loads the 36 faces of `options.CardSet` at the size the window factors give. When the set's resource file
// cannot be found the message is shown, `CardSet` becomes 0, the built-in set is loaded and false is returned.
bool LoadCardFaces(Options& options, int windowSize, const WindowFactors& factors, PictureLibraries& libraries,
                   TableImages& images, const ShowMessage& show);

// Loads the backs of `options.DeckBack` (the size follows the loaded faces). A missing resource file gives the
// message, `DeckBack` 0, the built-in backs and false.
bool LoadDeckBacks(Options& options, PictureLibraries& libraries, TableImages& images, const ShowMessage& show);

// Loads the background for a design (0 ordinary, 1 special: "BGLilu"). Background 0 loads nothing (the window
// colour shows). A missing resource file gives the message, background 2 with variant 0 (design 0) or the special
// design switched off (design 1), the built-in "FonG", and false.
bool LoadBackground(int design, Options& options, int windowSize, PictureLibraries& libraries, TableImages& images,
                    const ShowMessage& show);

// The back of a weekday (1 Monday .. 7 Sunday) for sets that change backs by the day.
int BackIndexForWeekday(int dayOfWeek);

}  // namespace tarvel
