#pragma once
// What every dialog window of the program is given: the one options record, the text table seen through
// it, the pictures, the program directory, and the main window's ways of sounding and of reacting to a
// changed option. A window reads the options when it opens and writes a field back the moment its control
// changes; it never saves the options file (that happens at exit).
#include <QString>
#include <filesystem>
#include <functional>
#include <string>

#include "settings/options.h"
#include "settings/text_table.h"
#include "table/picture_source.h"

namespace tarvel {

struct WindowContext {
  Options& options;
  const TextTable& texts;
  PictureSource& pictures;
  // The program directory (club files, options file, "History"); resource files are looked up here and in
  // its parent directory.
  std::filesystem::path programDir;
  // Plays a named effect ("WToMenK", "WWrongs"), waiting for its end when asked; empty: silent.
  std::function<void(const std::string& name, bool wait)> playEffect;

  // The row of the text table in the current language, as a Qt string.
  QString Tr(int row) const;
  void Play(const std::string& name, bool wait = false) const {
    if (playEffect) playEffect(name, wait);
  }
};

}  // namespace tarvel
