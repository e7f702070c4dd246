#pragma once
// The program's own windows behind the main window's menu buttons and pop-up menu.
#include <string>

namespace tarvel {

class MainWindow;

// Sets every dialog of the main window to the program's window for it.
void InstallDialogs(MainWindow& window);

// Opens one of the windows by its short name (login, newplayer, topten, history, options, speed, mode,
// generalcount, endgame, changename, about, help) as the menu or the pop-up menu would; returns false for
// an unknown name. The screenshot tool uses it.
bool OpenWindowByName(MainWindow& window, const std::string& name);

}  // namespace tarvel
