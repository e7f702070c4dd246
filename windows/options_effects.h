#pragma once
// What a changed option does to the rest of the program. The options dialog writes the options record
// itself and then calls exactly one of these notifications; the main window implements them (resizing,
// reloading pictures, starting the music ...). Every default does nothing, so a window that cares about a
// few changes overrides only those.
#include <QPoint>
#include <QSize>
#include <QString>

namespace tarvel {

class OptionsEffects {
 public:
  virtual ~OptionsEffects() = default;

  // General tab.
  virtual void WindowSizeChanged() {}    // `WindowSize`: resize and re-lay the main window
  virtual void LanguageChanged() {}      // `Language`: re-label the open windows
  virtual void LanModeChanged() {}       // `LanMode`: the menu's club list switches club file
  virtual void SoundChanged() {}         // `SoundOn`
  virtual void MusicChanged() {}         // `MusicOn`: start or stop the song now
  virtual void GifAnimationChanged() {}  // `GifAnimation`: start or freeze the menu's animations
  virtual void FlyCardsChanged() {}      // `FlyCards`
  virtual void CursorChanged() {}        // `OwnCursor`
  virtual void ButtonStyleChanged() {}   // `NewButtons`: redraw the owner-drawn buttons
  virtual void SpeedChanged() {}         // `Speed`
  virtual void OpenPassport() {}         // the "Passport" button: the online account's window

  // Cards, decks, fonts and pictures. CardSetChanged and DeckBackChanged come after the dialog has made
  // sure the chosen set's resource file exists (else the field is already back at 0).
  virtual void CardSetChanged() {}
  virtual void DeckBackChanged() {}
  virtual void FontsChanged() {}       // a font name or scale: re-font the open windows
  virtual void BackgroundChanged() {}  // `Background` or `BackgroundVariant`; never called while `MenuDesign` is 1
  virtual void DesignChanged() {}      // `MenuDesign`, `TableDesign`, `AuxDesign` or `AuxDesignSpecial`
  virtual void RulesChanged() {}       // one of the three rule switches
  virtual void SaveGamesChanged() {}   // `SaveGamesAsGif`, `GifCaptureMode` or `GifFrameDelay`
  virtual void RadioListChanged() {}   // `RadioListFromServer`: reload the station list
  virtual void SaluteChanged() {}      // `SaluteButtons` or `SaluteCards`
  // A resource file was fetched into the program's parent directory (named as on the server).
  virtual void ResourceFileFetched(const QString& /*fileName*/) {}

  // What the dialog asks of the program.
  // True while the start menu (not the splash screen or a game table) is on screen.
  virtual bool MenuShown() const { return true; }
  // The space the main window may take, for offering the larger window sizes; empty: the primary
  // screen's available geometry.
  virtual QSize ScreenSize() const { return {}; }
  // A message to the user; empty default: a modal warning box.
  virtual void ShowMessage(const QString& text);
  // The touch burst at a point of the screen (a pressed fetch button while `SaluteButtons` is on).
  virtual void Burst(QPoint /*globalPos*/) {}
};

}  // namespace tarvel
