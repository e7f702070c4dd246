#pragma once
// The options dialog: nine tabs of controls over the options record. Each control shows its field when the
// dialog opens and writes it back the moment it is changed; whatever else a change must do (resize the main
// window, reload the card faces, start the music ...) goes through OptionsEffects. Nothing is saved to disk
// here. Modal; OK or Escape closes it.
//
// Use: OptionsDialog::Run(context, effects, mainWindow), or construct it and exec() it.
// The controls carry object names (e.g. "DeckBackList", "RandomDecks") for tests and style sheets.
#include <QDialog>
#include <QPixmap>
#include <QString>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "table/card_images.h"
#include "table/picture_library.h"
#include "windows/options_effects.h"
#include "windows/resource_download.h"
#include "windows/window_context.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMovie;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace tarvel {

class TKexCardsButton;

class OptionsDialog : public QDialog {
 public:
  OptionsDialog(const WindowContext& context, OptionsEffects& effects, QWidget* parent = nullptr);
  ~OptionsDialog() override;

  // Shows the dialog modally and frees it when it closes.
  static void Run(const WindowContext& context, OptionsEffects& effects, QWidget* parent = nullptr);

  QTabWidget* Tabs() const { return tabs_; }
  // Where the fetch buttons download from (default ResourceDownloadServer) and how long they may wait.
  void SetDownloadServer(const QString& server) { server_ = server; }
  void SetDownloadLimits(const DownloadLimits& limits) { limits_ = limits; }
  // The fetch a resource button does; then every fetch button and the salute boxes are refreshed.
  bool Fetch(std::string_view file);
  // The four preview cards as drawn (71 x 96 each, 63 pixels apart).
  QImage CardPreview() const { return previewImage_; }

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildGeneralTab();
  QWidget* BuildCardsTab();
  QWidget* BuildDecksTab();
  QWidget* BuildGameTab();
  QWidget* BuildFontsTab();
  QWidget* BuildBackgroundTab();
  QWidget* BuildSaveGamesTab();
  QWidget* BuildDllTab();
  QWidget* BuildDesignTab();
  TKexCardsButton* MakeButton(QWidget* owner, const QString& name, int width);
  TKexCardsButton* MakeFetchButton(QWidget* owner, std::string_view file);
  void Connect();

  // Captions and list texts in the current language.
  void Retranslate();
  // Every control from the options record, without writing anything back.
  void Fill();
  void FillFontSlot();
  void FillWindowSizes();
  void RefreshEnabled();
  void RefreshFetchButtons();
  void RefreshSalute();
  void RefreshCardIcons();
  void RefreshAnimation();
  void ApplyButtonStyle();
  void ApplyCursor();
  void UpdateSpeedCaption();
  void UpdateFlag();

  // Handlers: each writes its field, applies the rules that follow from it, then tells the effects.
  void LanguageChosen(int index);
  void WindowSizeChosen(int index);
  void GifAnimationClicked(bool on);
  void CardSetChosen(int index);
  void DeckBackChosen(int index);
  void DeckModeChosen(int id);
  void FontSlotChosen(int index);
  void FontNameChosen(const QString& family);
  void FontScaleChanged(int value);
  void DefaultFonts();
  void BackgroundChosen();
  void DesignChosen();
  void SpeedClicked();

  // Loads the preview of `CardSet` at 71 x 96; false (and `CardSet` 0) when its resource file is missing.
  bool LoadPreview();
  // The rules of the modification group for `DeckBack`; clears `DeckBackFixed` where they force a choice.
  void ApplyDeckRules();
  bool DesignNeedsGraphics() const;
  std::string* FontName(int slot) const;
  int* FontScale(int slot) const;

  WindowContext context_;
  Options& options_;
  OptionsEffects& effects_;
  PictureLibraries libraries_;
  TableImages preview_;
  QImage previewImage_;
  QString server_;
  DownloadLimits limits_;
  bool filling_ = false;  // controls are being set from the record: their signals write nothing
  bool busy_ = false;     // a fetch is running

  QTabWidget* tabs_ = nullptr;
  TKexCardsButton* ok_ = nullptr;
  std::vector<std::pair<TKexCardsButton*, std::string_view>> fetchButtons_;

  // General.
  QComboBox* languageList_ = nullptr;
  QLabel* flag_ = nullptr;
  QLabel* languageLabel_ = nullptr;
  QComboBox* sizeList_ = nullptr;
  QCheckBox* lanBox_ = nullptr;
  QGroupBox* multimedia_ = nullptr;
  QCheckBox* soundBox_ = nullptr;
  QCheckBox* musicBox_ = nullptr;
  QCheckBox* gifBox_ = nullptr;
  QCheckBox* flyBox_ = nullptr;
  QCheckBox* cursorBox_ = nullptr;
  QCheckBox* newButtonsBox_ = nullptr;
  TKexCardsButton* speedButton_ = nullptr;
  TKexCardsButton* passportButton_ = nullptr;
  QLabel* animation_ = nullptr;
  QMovie* movie_ = nullptr;
  QPixmap frozenFrame_;  // what the animation shows while `GifAnimation` is off
  // Cards and decks.
  QComboBox* cardSetList_ = nullptr;
  QLabel* cardPreview_ = nullptr;
  QComboBox* deckList_ = nullptr;
  QGroupBox* modification_ = nullptr;
  QButtonGroup* deckModes_ = nullptr;
  std::array<QRadioButton*, 3> deckMode_{};
  // Game.
  QGroupBox* minor_ = nullptr;
  QCheckBox* noFiveBox_ = nullptr;
  QCheckBox* firstFiveBox_ = nullptr;
  QGroupBox* firstMove_ = nullptr;
  QButtonGroup* firstMoves_ = nullptr;
  std::array<QRadioButton*, 3> firstMoveChoice_{};
  // Fonts.
  QComboBox* fontSlotList_ = nullptr;
  QComboBox* fontNameList_ = nullptr;
  QLabel* scaleLabel_ = nullptr;
  QSpinBox* scaleSpin_ = nullptr;
  TKexCardsButton* defaultFonts_ = nullptr;
  QLabel* fontWarning_ = nullptr;
  // Background.
  QGroupBox* backgroundGroup_ = nullptr;
  QComboBox* backgroundList_ = nullptr;
  QComboBox* variantList_ = nullptr;
  // Save games.
  QCheckBox* saveGifBox_ = nullptr;
  QComboBox* captureList_ = nullptr;
  QLabel* delayLabel_ = nullptr;
  QSpinBox* delaySpin_ = nullptr;
  // DLL.
  QGroupBox* radioGroup_ = nullptr;
  QButtonGroup* radioSources_ = nullptr;
  QRadioButton* fromServer_ = nullptr;
  QRadioButton* fromDisk_ = nullptr;
  // Design.
  QLabel* menuDesignLabel_ = nullptr;
  QLabel* tableDesignLabel_ = nullptr;
  QLabel* auxDesignLabel_ = nullptr;
  QComboBox* menuDesignList_ = nullptr;
  QComboBox* tableDesignList_ = nullptr;
  QComboBox* auxDesignList_ = nullptr;
  QGroupBox* salute_ = nullptr;
  QCheckBox* saluteButtonsBox_ = nullptr;
  QCheckBox* saluteCardsBox_ = nullptr;
};

}  // namespace tarvel
