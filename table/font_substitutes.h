#pragma once
// The program's fonts are named as their players know them ("Comic Sans MS", "MS Sans Serif", "FixedSys",
// "Courier New"); each is drawn with an installed free font of the same character.
namespace tarvel {

// Registers the substitutes with Qt; call once after the application object exists.
void InstallFontSubstitutes();

}  // namespace tarvel
