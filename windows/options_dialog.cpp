#include "windows/options_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/cards.h"
#include "settings/cp1251.h"
#include "table/cursors.h"
#include "table/kex_cards_button.h"
#include "table/picture_names.h"
#include "table/window_scale.h"
#include "windows/aux_window.h"
#include "windows/resource_files.h"
#include "windows/speed_chooser.h"
#include "windows/window_size_list.h"

namespace tarvel {
namespace {

// List texts by row of the text table, in list order.
constexpr int kFirstCardSetRow = 304;  // sets 0-47: rows 304-351
constexpr std::array<int, kDeckBackCount> kDeckBackRows = {304, 305, 327, 357, 358, 359, 360,
                                                           361, 352, 353, 356, 354, 355};
constexpr int kFirstBackgroundRow = 365;  // backgrounds 1-10: rows 365-374
constexpr std::array<int, kBackgroundVariants> kVariantRows = {375, 376, 377, 379, 380, 381, 378};
constexpr std::array<int, 2> kMenuDesignRows = {386, 387};   // ordinary, special
constexpr std::array<int, 2> kTableDesignRows = {386, 387};
constexpr std::array<int, 4> kAuxDesignRows = {388, 389, 390, 387};
// The auxiliary design list: items 0-2 give `AuxDesign`, item 3 is the special design.
constexpr std::array<int, 3> kAuxDesignOfItem = {2, 1, 3};
constexpr int kSpecialAuxItem = 3;

int WindowSizeRow(int size) {
  switch (size) {
    case 2: return 48;
    case 3: return 45;
    case 4: return 46;
    case 5: return 47;
    default: return 44;
  }
}

// Deck backs 8-11 come in ten pictures drawn at random; the others change by the weekday or stay fixed.
bool IsRandomBackSet(int set) { return set >= 8 && set <= 11; }
enum DeckMode { kChangeDecks = 0, kAlwaysOne = 1, kRandom = 2 };

// The four preview cards: a number card, two court cards and an ace, so every style of a set shows.
constexpr int kPreviewStep = 63;
constexpr int kPreviewWidth = 71;
constexpr int kPreviewHeight = 96;
const std::array<TStr2, 4> kPreviewCards = {MakeCard(5, 2), MakeCard(6, 3), MakeCard(8, 1), MakeCard(9, 4)};

// The frozen dialog animation stands on this frame (or its last one, when it has fewer).
constexpr int kFrozenFrame = 35;
constexpr char kDialogAnimation[] = "GifMenu1";

QString FromCp1251(const std::string& text) { return QString::fromStdString(Cp1251ToUtf8(text)); }
QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Sets a control from the record without its signal counting as a change.
class Filling {
 public:
  explicit Filling(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~Filling() { flag_ = old_; }
  Filling(const Filling&) = delete;
  Filling& operator=(const Filling&) = delete;

 private:
  bool& flag_;
  bool old_;
};

QComboBox* MakeList(QWidget* owner, const QString& name, int items) {
  auto* list = new QComboBox(owner);
  list->setObjectName(name);
  for (int i = 0; i < items; ++i) list->addItem(QString());
  return list;
}

QCheckBox* MakeBox(QWidget* owner, const QString& name) {
  auto* box = new QCheckBox(owner);
  box->setObjectName(name);
  return box;
}

QRadioButton* MakeRadio(QWidget* owner, const QString& name) {
  auto* radio = new QRadioButton(owner);
  radio->setObjectName(name);
  return radio;
}

}  // namespace

OptionsDialog::OptionsDialog(const WindowContext& context, OptionsEffects& effects, QWidget* parent)
    : QDialog(parent),
      context_(context),
      options_(context.options),
      effects_(effects),
      libraries_(QString::fromStdString(context.programDir.string())),
      server_(ResourceDownloadServer(context.options)) {
  setObjectName(QStringLiteral("OptionsDialog"));
  setModal(true);

  // Without the graphics library the auxiliary windows can only have the plain design.
  if (!libraries_.Open(kGraphicsLibrary)) {
    options_.AuxDesignSpecial = false;
    options_.AuxDesign = 2;
  }

  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("OptionsTabs"));
  tabs_->setUsesScrollButtons(false);  // all nine tabs in view
  tabs_->addTab(BuildGeneralTab(), QString());
  tabs_->addTab(BuildCardsTab(), QString());
  tabs_->addTab(BuildDecksTab(), QString());
  tabs_->addTab(BuildGameTab(), QString());
  tabs_->addTab(BuildFontsTab(), QString());
  tabs_->addTab(BuildBackgroundTab(), QString());
  tabs_->addTab(BuildSaveGamesTab(), QString());
  tabs_->addTab(BuildDllTab(), QString());
  tabs_->addTab(BuildDesignTab(), QString());
  layout->addWidget(tabs_);
  ok_ = MakeButton(this, QStringLiteral("OptionsOk"), 100);
  ok_->setText(QStringLiteral("OK"));
  ok_->setDefault(true);
  layout->addWidget(ok_, 0, Qt::AlignRight);

  Retranslate();
  Fill();
  Connect();
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::Run(const WindowContext& context, OptionsEffects& effects, QWidget* parent) {
  OptionsDialog dialog(context, effects, parent);
  dialog.exec();
}

TKexCardsButton* OptionsDialog::MakeButton(QWidget* owner, const QString& name, int width) {
  auto* button = new TKexCardsButton(owner);
  button->setObjectName(name);
  button->setFixedSize(width, 30);
  button->SetLightFont(true);
  return button;
}

TKexCardsButton* OptionsDialog::MakeFetchButton(QWidget* owner, std::string_view file) {
  auto* button = MakeButton(owner, QStringLiteral("Fetch_") + FromView(file), 150);
  button->setText(FromView(file));
  button->setToolTip(FromView(file));
  fetchButtons_.emplace_back(button, file);
  return button;
}

QWidget* OptionsDialog::BuildGeneralTab() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);

  languageLabel_ = new QLabel(page);
  languageList_ = MakeList(page, QStringLiteral("LanguageList"), kLanguageCount);
  for (int language = 0; language < kLanguageCount; ++language)
    languageList_->setItemText(language, FromView(LanguageName(language)));
  flag_ = new QLabel(page);
  flag_->setObjectName(QStringLiteral("LanguageFlag"));
  auto* languageRow = new QHBoxLayout;
  languageRow->addWidget(languageLabel_);
  languageRow->addWidget(languageList_, 1);
  languageRow->addWidget(flag_);
  grid->addLayout(languageRow, 0, 0);

  sizeList_ = new QComboBox(page);
  sizeList_->setObjectName(QStringLiteral("WindowSizeList"));
  grid->addWidget(sizeList_, 1, 0);
  lanBox_ = MakeBox(page, QStringLiteral("Multiplayer"));
  grid->addWidget(lanBox_, 2, 0);

  multimedia_ = new QGroupBox(page);
  multimedia_->setObjectName(QStringLiteral("Multimedia"));
  auto* boxes = new QVBoxLayout(multimedia_);
  soundBox_ = MakeBox(multimedia_, QStringLiteral("Sound"));
  musicBox_ = MakeBox(multimedia_, QStringLiteral("Music"));
  gifBox_ = MakeBox(multimedia_, QStringLiteral("GifAnimation"));
  flyBox_ = MakeBox(multimedia_, QStringLiteral("FlyCards"));
  cursorBox_ = MakeBox(multimedia_, QStringLiteral("OwnCursor"));
  newButtonsBox_ = MakeBox(multimedia_, QStringLiteral("NewButtons"));
  for (QCheckBox* box : {soundBox_, musicBox_, gifBox_, flyBox_, cursorBox_, newButtonsBox_}) boxes->addWidget(box);
  auto* buttons = new QHBoxLayout;
  speedButton_ = MakeButton(multimedia_, QStringLiteral("SpeedButton"), 120);
  passportButton_ = MakeButton(multimedia_, QStringLiteral("PassportButton"), 120);
  buttons->addWidget(speedButton_);
  buttons->addWidget(passportButton_);
  buttons->addStretch(1);
  boxes->addLayout(buttons);
  grid->addWidget(multimedia_, 3, 0);

  animation_ = new QLabel(page);
  animation_->setObjectName(QStringLiteral("DialogAnimation"));
  const QString path = context_.pictures.AnimationPath(QString::fromLatin1(kDialogAnimation));
  if (!path.isEmpty()) {
    movie_ = new QMovie(path, QByteArray(), this);
    if (movie_->isValid()) {
      animation_->setMovie(movie_);
    } else {
      delete movie_;
      movie_ = nullptr;
    }
  }
  animation_->setVisible(movie_ != nullptr);
  grid->addWidget(animation_, 0, 1, 4, 1, Qt::AlignTop | Qt::AlignHCenter);
  grid->setRowStretch(4, 1);
  return page;
}

QWidget* OptionsDialog::BuildCardsTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  cardSetList_ = MakeList(page, QStringLiteral("CardSetList"), kCardSetCount);
  cardSetList_->setIconSize(QSize(24, 32));
  cardSetList_->setMaxVisibleItems(12);
  RefreshCardIcons();
  layout->addWidget(cardSetList_);
  cardPreview_ = new QLabel(page);
  cardPreview_->setObjectName(QStringLiteral("CardPreview"));
  cardPreview_->setFixedSize(kPreviewStep * 3 + kPreviewWidth, kPreviewHeight);
  layout->addWidget(cardPreview_, 0, Qt::AlignHCenter);
  auto* row = new QHBoxLayout;
  for (std::string_view file : {kResourceFiles[0], kResourceFiles[1], kResourceFiles[2]}) row->addWidget(MakeFetchButton(page, file));
  layout->addLayout(row);
  layout->addStretch(1);
  return page;
}

QWidget* OptionsDialog::BuildDecksTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  deckList_ = MakeList(page, QStringLiteral("DeckBackList"), kDeckBackCount);
  layout->addWidget(deckList_);
  modification_ = new QGroupBox(page);
  modification_->setObjectName(QStringLiteral("Modification"));
  auto* modes = new QVBoxLayout(modification_);
  deckModes_ = new QButtonGroup(this);
  const std::array<QString, 3> names = {QStringLiteral("ChangeDecks"), QStringLiteral("AlwaysOneDeck"), QStringLiteral("RandomDecks")};
  for (int mode = 0; mode < 3; ++mode) {
    deckMode_[mode] = MakeRadio(modification_, names[mode]);
    deckModes_->addButton(deckMode_[mode], mode);
    modes->addWidget(deckMode_[mode]);
  }
  layout->addWidget(modification_);
  layout->addStretch(1);
  return page;
}

QWidget* OptionsDialog::BuildGameTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  minor_ = new QGroupBox(page);
  minor_->setObjectName(QStringLiteral("Minor"));
  auto* minor = new QVBoxLayout(minor_);
  noFiveBox_ = MakeBox(minor_, QStringLiteral("NoFiveOfSuit"));
  firstFiveBox_ = MakeBox(minor_, QStringLiteral("FirstDiscardFive"));
  minor->addWidget(noFiveBox_);
  minor->addWidget(firstFiveBox_);
  layout->addWidget(minor_);
  firstMove_ = new QGroupBox(page);
  firstMove_->setObjectName(QStringLiteral("FirstMove"));
  auto* choices = new QVBoxLayout(firstMove_);
  firstMoves_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    firstMoveChoice_[i] = MakeRadio(firstMove_, QStringLiteral("FirstMove%1").arg(i + 1));
    firstMoves_->addButton(firstMoveChoice_[i], i);
    choices->addWidget(firstMoveChoice_[i]);
  }
  layout->addWidget(firstMove_);
  layout->addStretch(1);
  return page;
}

QWidget* OptionsDialog::BuildFontsTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  fontSlotList_ = MakeList(page, QStringLiteral("FontSlotList"), 4);
  layout->addWidget(fontSlotList_);
  fontNameList_ = new QComboBox(page);
  fontNameList_->setObjectName(QStringLiteral("FontNameList"));
  fontNameList_->setEditable(true);
  fontNameList_->setInsertPolicy(QComboBox::NoInsert);
  fontNameList_->addItems(QFontDatabase::families());
  layout->addWidget(fontNameList_);
  auto* scaleRow = new QHBoxLayout;
  scaleLabel_ = new QLabel(page);
  scaleSpin_ = new QSpinBox(page);
  scaleSpin_->setObjectName(QStringLiteral("FontScale"));
  // Wider than the accepted 50-150 so that a typed value outside it can be seen and refused.
  scaleSpin_->setRange(0, 999);
  scaleRow->addWidget(scaleLabel_);
  scaleRow->addWidget(scaleSpin_);
  scaleRow->addStretch(1);
  layout->addLayout(scaleRow);
  defaultFonts_ = MakeButton(page, QStringLiteral("DefaultFonts"), 120);
  layout->addWidget(defaultFonts_);
  fontWarning_ = new QLabel(page);
  fontWarning_->setObjectName(QStringLiteral("FontWarning"));
  fontWarning_->setWordWrap(true);
  layout->addWidget(fontWarning_);
  layout->addStretch(1);
  return page;
}

QWidget* OptionsDialog::BuildBackgroundTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  backgroundGroup_ = new QGroupBox(page);
  backgroundGroup_->setObjectName(QStringLiteral("Background"));
  auto* lists = new QVBoxLayout(backgroundGroup_);
  backgroundList_ = MakeList(backgroundGroup_, QStringLiteral("BackgroundList"), kBackgroundCount);
  variantList_ = MakeList(backgroundGroup_, QStringLiteral("VariantList"), kBackgroundVariants);
  lists->addWidget(backgroundList_);
  lists->addWidget(variantList_);
  layout->addWidget(backgroundGroup_);
  layout->addWidget(MakeFetchButton(page, kBackgroundLibrary));
  layout->addStretch(1);
  return page;
}

QWidget* OptionsDialog::BuildSaveGamesTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  saveGifBox_ = MakeBox(page, QStringLiteral("SaveGamesAsGif"));
  layout->addWidget(saveGifBox_);
  captureList_ = MakeList(page, QStringLiteral("CaptureList"), 2);
  layout->addWidget(captureList_);
  auto* delayRow = new QHBoxLayout;
  delayLabel_ = new QLabel(page);
  delayLabel_->setObjectName(QStringLiteral("DelayLabel"));
  delaySpin_ = new QSpinBox(page);
  delaySpin_->setObjectName(QStringLiteral("FrameDelay"));
  delaySpin_->setRange(kGifFrameDelayMin, kGifFrameDelayMax);
  delaySpin_->setSingleStep(10);
  delayRow->addWidget(delayLabel_);
  delayRow->addWidget(delaySpin_);
  delayRow->addStretch(1);
  layout->addLayout(delayRow);
  layout->addStretch(1);
  return page;
}

QWidget* OptionsDialog::BuildDllTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < kResourceFiles.size(); ++i) {
    TKexCardsButton* button = MakeFetchButton(page, kResourceFiles[i]);
    button->setObjectName(QStringLiteral("Dll_") + FromView(kResourceFiles[i]));
    grid->addWidget(button, static_cast<int>(i / 3), static_cast<int>(i % 3));
  }
  layout->addLayout(grid);
  radioGroup_ = new QGroupBox(page);
  radioGroup_->setObjectName(QStringLiteral("RadioListSource"));
  auto* sources = new QVBoxLayout(radioGroup_);
  radioSources_ = new QButtonGroup(this);
  fromServer_ = MakeRadio(radioGroup_, QStringLiteral("RadioFromServer"));
  fromDisk_ = MakeRadio(radioGroup_, QStringLiteral("RadioFromDisk"));
  radioSources_->addButton(fromServer_, 1);
  radioSources_->addButton(fromDisk_, 0);
  sources->addWidget(fromServer_);
  sources->addWidget(fromDisk_);
  layout->addWidget(radioGroup_);
  layout->addStretch(1);
  return page;
}

QWidget* OptionsDialog::BuildDesignTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* form = new QFormLayout;
  menuDesignLabel_ = new QLabel(page);
  tableDesignLabel_ = new QLabel(page);
  auxDesignLabel_ = new QLabel(page);
  menuDesignList_ = MakeList(page, QStringLiteral("MenuDesignList"), static_cast<int>(kMenuDesignRows.size()));
  tableDesignList_ = MakeList(page, QStringLiteral("TableDesignList"), static_cast<int>(kTableDesignRows.size()));
  auxDesignList_ = MakeList(page, QStringLiteral("AuxDesignList"), static_cast<int>(kAuxDesignRows.size()));
  form->addRow(menuDesignLabel_, menuDesignList_);
  form->addRow(tableDesignLabel_, tableDesignList_);
  form->addRow(auxDesignLabel_, auxDesignList_);
  layout->addLayout(form);
  salute_ = new QGroupBox(page);
  salute_->setObjectName(QStringLiteral("Salute"));
  auto* salute = new QHBoxLayout(salute_);
  saluteButtonsBox_ = MakeBox(salute_, QStringLiteral("SaluteButtons"));
  saluteCardsBox_ = MakeBox(salute_, QStringLiteral("SaluteCards"));
  salute->addWidget(saluteButtonsBox_);
  salute->addWidget(saluteCardsBox_);
  layout->addWidget(salute_);
  layout->addWidget(MakeFetchButton(page, kGraphicsLibrary));
  layout->addStretch(1);
  return page;
}

void OptionsDialog::Retranslate() {
  setWindowTitle(context_.Tr(2));
  const std::array<QString, 9> tabTexts = {context_.Tr(30),  context_.Tr(38),  context_.Tr(39),
                                           context_.Tr(516), context_.Tr(40),  context_.Tr(362),
                                           context_.Tr(292), QStringLiteral("DLL"), context_.Tr(382)};
  for (int tab = 0; tab < tabs_->count(); ++tab) tabs_->setTabText(tab, tabTexts[tab]);

  languageLabel_->setText(context_.Tr(35));
  for (int i = 0; i < sizeList_->count(); ++i) sizeList_->setItemText(i, context_.Tr(WindowSizeRow(sizeList_->itemData(i).toInt())));
  lanBox_->setText(context_.Tr(104));
  multimedia_->setTitle(context_.Tr(32));
  soundBox_->setText(context_.Tr(33));
  musicBox_->setText(context_.Tr(34));
  gifBox_->setText(context_.Tr(282));
  flyBox_->setText(context_.Tr(283));
  cursorBox_->setText(context_.Tr(284));
  newButtonsBox_->setText(context_.Tr(285));
  passportButton_->setText(context_.Tr(163));
  UpdateSpeedCaption();
  UpdateFlag();

  for (int set = 0; set < kCardSetCount; ++set) cardSetList_->setItemText(set, context_.Tr(kFirstCardSetRow + set));
  for (int back = 0; back < kDeckBackCount; ++back) deckList_->setItemText(back, context_.Tr(kDeckBackRows[back]));
  modification_->setTitle(context_.Tr(278));
  deckMode_[kChangeDecks]->setText(context_.Tr(279));
  deckMode_[kAlwaysOne]->setText(context_.Tr(280));
  deckMode_[kRandom]->setText(context_.Tr(281));

  minor_->setTitle(context_.Tr(43));
  noFiveBox_->setText(context_.Tr(473));
  firstFiveBox_->setText(context_.Tr(474));
  firstMove_->setTitle(context_.Tr(469));
  for (int i = 0; i < 3; ++i) firstMoveChoice_[i]->setText(context_.Tr(470 + i));

  fontSlotList_->setItemText(0, context_.Tr(286));
  fontSlotList_->setItemText(1, context_.Tr(287));
  fontSlotList_->setItemText(2, context_.Tr(288) + QStringLiteral(" 1"));
  fontSlotList_->setItemText(3, context_.Tr(288) + QStringLiteral(" 2"));
  scaleLabel_->setText(context_.Tr(289));
  defaultFonts_->setText(context_.Tr(290));
  fontWarning_->setText(context_.Tr(291));

  backgroundGroup_->setTitle(context_.Tr(363));
  for (int bg = 0; bg < kBackgroundCount; ++bg) backgroundList_->setItemText(bg, context_.Tr(kFirstBackgroundRow + bg));
  for (int v = 0; v < kBackgroundVariants; ++v) variantList_->setItemText(v, context_.Tr(kVariantRows[v]));

  saveGifBox_->setText(context_.Tr(293));
  captureList_->setItemText(0, context_.Tr(294));
  captureList_->setItemText(1, context_.Tr(295));
  delayLabel_->setText(context_.Tr(296));

  radioGroup_->setTitle(context_.Tr(301));
  fromServer_->setText(context_.Tr(302));
  fromDisk_->setText(context_.Tr(303));

  menuDesignLabel_->setText(context_.Tr(383));
  tableDesignLabel_->setText(context_.Tr(384));
  auxDesignLabel_->setText(context_.Tr(385));
  for (std::size_t i = 0; i < kMenuDesignRows.size(); ++i) menuDesignList_->setItemText(static_cast<int>(i), context_.Tr(kMenuDesignRows[i]));
  for (std::size_t i = 0; i < kTableDesignRows.size(); ++i) tableDesignList_->setItemText(static_cast<int>(i), context_.Tr(kTableDesignRows[i]));
  for (std::size_t i = 0; i < kAuxDesignRows.size(); ++i) auxDesignList_->setItemText(static_cast<int>(i), context_.Tr(kAuxDesignRows[i]));
  salute_->setTitle(context_.Tr(391));
  saluteButtonsBox_->setText(context_.Tr(392));
  saluteCardsBox_->setText(context_.Tr(393));
}

void OptionsDialog::FillWindowSizes() {
  Filling filling(filling_);
  QSize screen = effects_.ScreenSize();
  if (screen.isEmpty() && QGuiApplication::primaryScreen()) screen = QGuiApplication::primaryScreen()->availableGeometry().size();
  sizeList_->clear();
  for (int size : OfferedWindowSizes(screen, options_.WindowSize)) {
    sizeList_->addItem(context_.Tr(WindowSizeRow(size)), size);
    sizeList_->setItemData(sizeList_->count() - 1, FromView(WindowSizeHint(size)), Qt::ToolTipRole);
  }
  sizeList_->setCurrentIndex(sizeList_->findData(options_.WindowSize));
  sizeList_->setToolTip(FromView(WindowSizeHint(options_.WindowSize)));
}

void OptionsDialog::Fill() {
  Filling filling(filling_);
  languageList_->setCurrentIndex(std::clamp<int>(options_.Language, 0, kLanguageCount - 1));
  FillWindowSizes();
  lanBox_->setChecked(options_.LanMode);
  soundBox_->setChecked(options_.SoundOn);
  musicBox_->setChecked(options_.MusicOn);
  gifBox_->setChecked(options_.GifAnimation);
  flyBox_->setChecked(options_.FlyCards);
  cursorBox_->setChecked(options_.OwnCursor);
  newButtonsBox_->setChecked(options_.NewButtons);

  LoadPreview();
  cardSetList_->setCurrentIndex(options_.CardSet);
  if (options_.DeckBack < 0 || options_.DeckBack >= kDeckBackCount) options_.DeckBack = 0;
  deckList_->setCurrentIndex(options_.DeckBack);
  deckMode_[options_.DeckBackFixed ? kAlwaysOne : kChangeDecks]->setChecked(true);
  ApplyDeckRules();

  noFiveBox_->setChecked(options_.Rules.OptNoFiveOfSuit);
  firstFiveBox_->setChecked(options_.Rules.OptFirstDiscardFive);
  // 0 (never set) plays like "Always person".
  const int firstMove = options_.Rules.OptFirstMove >= 1 && options_.Rules.OptFirstMove <= 3 ? options_.Rules.OptFirstMove : 2;
  firstMoveChoice_[firstMove - 1]->setChecked(true);

  fontSlotList_->setCurrentIndex(0);
  FillFontSlot();

  backgroundList_->setCurrentIndex(options_.Background >= 1 && options_.Background <= kBackgroundCount ? options_.Background - 1 : -1);
  variantList_->setCurrentIndex(std::clamp(options_.BackgroundVariant, 0, kBackgroundVariants - 1));

  saveGifBox_->setChecked(options_.SaveGamesAsGif);
  captureList_->setCurrentIndex(options_.GifCaptureMode == 2 ? 1 : 0);
  delaySpin_->setValue(options_.GifFrameDelay);

  (options_.RadioListFromServer ? fromServer_ : fromDisk_)->setChecked(true);

  menuDesignList_->setCurrentIndex(options_.MenuDesign == 1 ? 1 : 0);
  tableDesignList_->setCurrentIndex(options_.TableDesign == 1 ? 1 : 0);
  int aux = 0;
  if (options_.AuxDesignSpecial) aux = kSpecialAuxItem;
  else if (options_.AuxDesign == 1) aux = 1;
  else if (options_.AuxDesign == 3) aux = 2;
  auxDesignList_->setCurrentIndex(aux);
  saluteButtonsBox_->setChecked(options_.SaluteButtons);
  saluteCardsBox_->setChecked(options_.SaluteCards);

  RefreshSalute();
  RefreshFetchButtons();
  RefreshEnabled();
  RefreshAnimation();
  ApplyButtonStyle();
  ApplyCursor();
}

void OptionsDialog::FillFontSlot() {
  Filling filling(filling_);
  const int slot = std::max(0, fontSlotList_->currentIndex());
  const QString name = FromCp1251(*FontName(slot));
  const int found = fontNameList_->findText(name, Qt::MatchFixedString);
  if (found >= 0) fontNameList_->setCurrentIndex(found);
  else fontNameList_->setCurrentIndex(-1);
  fontNameList_->setEditText(name);
  scaleSpin_->setValue(*FontScale(slot));
}

void OptionsDialog::Connect() {
  auto onBox = [this](QCheckBox* box, auto apply) {
    connect(box, &QCheckBox::toggled, this, [this, apply](bool on) {
      if (!filling_) apply(on);
    });
  };
  auto onList = [this](QComboBox* list, auto apply) {
    connect(list, &QComboBox::currentIndexChanged, this, [this, apply](int index) {
      if (!filling_ && index >= 0) apply(index);
    });
  };

  onList(languageList_, [this](int i) { LanguageChosen(i); });
  onList(sizeList_, [this](int i) { WindowSizeChosen(i); });
  onBox(lanBox_, [this](bool on) { options_.LanMode = on; effects_.LanModeChanged(); });
  onBox(soundBox_, [this](bool on) { options_.SoundOn = on; effects_.SoundChanged(); });
  onBox(musicBox_, [this](bool on) { options_.MusicOn = on; effects_.MusicChanged(); });
  onBox(gifBox_, [this](bool on) { GifAnimationClicked(on); });
  onBox(flyBox_, [this](bool on) { options_.FlyCards = on; effects_.FlyCardsChanged(); });
  onBox(cursorBox_, [this](bool on) {
    options_.OwnCursor = on;
    ApplyCursor();
    effects_.CursorChanged();
  });
  onBox(newButtonsBox_, [this](bool on) {
    options_.NewButtons = on;
    ApplyButtonStyle();
    effects_.ButtonStyleChanged();
  });
  connect(speedButton_, &QPushButton::clicked, this, [this] { SpeedClicked(); });
  connect(passportButton_, &QPushButton::clicked, this, [this] { effects_.OpenPassport(); });

  onList(cardSetList_, [this](int i) { CardSetChosen(i); });
  onList(deckList_, [this](int i) { DeckBackChosen(i); });
  connect(deckModes_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (!filling_ && on) DeckModeChosen(id);
  });

  onBox(noFiveBox_, [this](bool on) { options_.Rules.OptNoFiveOfSuit = on; effects_.RulesChanged(); });
  onBox(firstFiveBox_, [this](bool on) { options_.Rules.OptFirstDiscardFive = on; effects_.RulesChanged(); });
  connect(firstMoves_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (filling_ || !on) return;
    options_.Rules.OptFirstMove = static_cast<std::uint8_t>(id + 1);
    effects_.RulesChanged();
  });

  onList(fontSlotList_, [this](int i) { FontSlotChosen(i); });
  onList(fontNameList_, [this](int i) { FontNameChosen(fontNameList_->itemText(i)); });
  connect(fontNameList_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
    if (!filling_) FontNameChosen(fontNameList_->currentText());
  });
  connect(scaleSpin_, &QSpinBox::valueChanged, this, [this](int value) {
    if (!filling_) FontScaleChanged(value);
  });
  // A refused scale does not stay on show.
  connect(scaleSpin_, &QSpinBox::editingFinished, this, [this] { FillFontSlot(); });
  connect(defaultFonts_, &QPushButton::clicked, this, [this] { DefaultFonts(); });

  onList(backgroundList_, [this](int) { BackgroundChosen(); });
  onList(variantList_, [this](int) { BackgroundChosen(); });

  onBox(saveGifBox_, [this](bool on) {
    options_.SaveGamesAsGif = on;
    RefreshEnabled();
    effects_.SaveGamesChanged();
  });
  onList(captureList_, [this](int i) { options_.GifCaptureMode = i + 1; effects_.SaveGamesChanged(); });
  connect(delaySpin_, &QSpinBox::valueChanged, this, [this](int value) {
    if (filling_) return;
    options_.GifFrameDelay = value;
    effects_.SaveGamesChanged();
  });

  for (auto& [button, file] : fetchButtons_) {
    const std::string_view name = file;
    connect(button, &QPushButton::clicked, this, [this, name] { Fetch(name); });
  }
  connect(radioSources_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (filling_ || !on) return;
    options_.RadioListFromServer = id == 1;
    effects_.RadioListChanged();
  });

  onList(menuDesignList_, [this](int) { DesignChosen(); });
  onList(tableDesignList_, [this](int) { DesignChosen(); });
  onList(auxDesignList_, [this](int) { DesignChosen(); });
  onBox(saluteButtonsBox_, [this](bool on) { options_.SaluteButtons = on; effects_.SaluteChanged(); });
  onBox(saluteCardsBox_, [this](bool on) { options_.SaluteCards = on; effects_.SaluteChanged(); });

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

// ---- Handlers ----

void OptionsDialog::LanguageChosen(int index) {
  options_.Language = static_cast<std::uint8_t>(index);
  Retranslate();
  effects_.LanguageChanged();
}

void OptionsDialog::WindowSizeChosen(int index) {
  options_.WindowSize = sizeList_->itemData(index).toInt();
  sizeList_->setToolTip(FromView(WindowSizeHint(options_.WindowSize)));
  effects_.WindowSizeChanged();
  // The card set is checked again: a missing file sends it back to the built-in set.
  if (!LoadPreview()) {
    Filling filling(filling_);
    cardSetList_->setCurrentIndex(0);
    effects_.CardSetChanged();
  }
  RefreshEnabled();
}

void OptionsDialog::GifAnimationClicked(bool on) {
  if (!effects_.MenuShown()) {  // taken only while the start menu is on screen
    Filling filling(filling_);
    gifBox_->setChecked(options_.GifAnimation);
    return;
  }
  options_.GifAnimation = on;
  RefreshAnimation();
  effects_.GifAnimationChanged();
}

void OptionsDialog::CardSetChosen(int index) {
  options_.CardSet = index;
  if (!LoadPreview()) {
    Filling filling(filling_);
    cardSetList_->setCurrentIndex(0);
  }
  effects_.CardSetChanged();
}

void OptionsDialog::DeckBackChosen(int index) {
  options_.DeckBack = index;
  if (index != 0 && !libraries_.Open(kDeckBackLibrary)) {
    effects_.ShowMessage(MissingFileMessage(kDeckBackLibrary, options_.Language));
    options_.DeckBack = 0;
    Filling filling(filling_);
    deckList_->setCurrentIndex(0);
  }
  ApplyDeckRules();
  effects_.DeckBackChanged();
}

void OptionsDialog::DeckModeChosen(int id) {
  options_.DeckBackFixed = id == kAlwaysOne;
  effects_.DeckBackChanged();
}

void OptionsDialog::ApplyDeckRules() {
  Filling filling(filling_);
  const bool random = IsRandomBackSet(options_.DeckBack);
  deckMode_[kChangeDecks]->setEnabled(!random);
  deckMode_[kAlwaysOne]->setEnabled(!random);
  deckMode_[kRandom]->setEnabled(random);
  if (random) {
    deckMode_[kRandom]->setChecked(true);
    options_.DeckBackFixed = false;
  } else if (deckMode_[kRandom]->isChecked()) {
    deckMode_[kChangeDecks]->setChecked(true);
    options_.DeckBackFixed = false;
  }
}

std::string* OptionsDialog::FontName(int slot) const {
  switch (slot) {
    case 1: return &options_.FontSmall;
    case 2: return &options_.FontSpecial1;
    case 3: return &options_.FontSpecial2;
    default: return &options_.FontBig;
  }
}

int* OptionsDialog::FontScale(int slot) const {
  switch (slot) {
    case 1: return &options_.ScaleSmall;
    case 2: return &options_.ScaleSpecial1;
    case 3: return &options_.ScaleSpecial2;
    default: return &options_.ScaleBig;
  }
}

void OptionsDialog::FontSlotChosen(int) { FillFontSlot(); }

void OptionsDialog::FontNameChosen(const QString& family) {
  const std::string name = Utf8ToCp1251(family.trimmed().toStdString());
  std::string* field = FontName(std::max(0, fontSlotList_->currentIndex()));
  if (name.empty() || name == *field) return;
  *field = name;
  effects_.FontsChanged();
}

void OptionsDialog::FontScaleChanged(int value) {
  if (value < kScaleMin || value > kScaleMax) return;  // not taken; the stored scale stays
  int* field = FontScale(std::max(0, fontSlotList_->currentIndex()));
  if (*field == value) return;
  *field = value;
  effects_.FontsChanged();
}

void OptionsDialog::DefaultFonts() {
  const Options defaults;
  options_.FontBig = defaults.FontBig;
  options_.FontSmall = defaults.FontSmall;
  options_.FontSpecial1 = defaults.FontSpecial1;
  options_.FontSpecial2 = defaults.FontSpecial2;
  options_.ScaleBig = options_.ScaleSmall = options_.ScaleSpecial1 = options_.ScaleSpecial2 = 100;
  FillFontSlot();
  effects_.FontsChanged();
}

void OptionsDialog::BackgroundChosen() {
  if (backgroundList_->currentIndex() >= 0) options_.Background = backgroundList_->currentIndex() + 1;
  options_.BackgroundVariant = std::max(0, variantList_->currentIndex());
  const bool needsLibrary = options_.Background != 0 && !IsBuiltInBackground(options_.Background, options_.BackgroundVariant);
  if (needsLibrary && !libraries_.Open(kBackgroundLibrary)) {
    effects_.ShowMessage(MissingFileMessage(kBackgroundLibrary, options_.Language));
    options_.Background = 2;
    options_.BackgroundVariant = 0;
    Filling filling(filling_);
    backgroundList_->setCurrentIndex(1);
    variantList_->setCurrentIndex(0);
  }
  // The special menu design has its own background: the choice is kept for later, nothing is redrawn.
  if (options_.MenuDesign != 1) effects_.BackgroundChanged();
}

bool OptionsDialog::DesignNeedsGraphics() const {
  return options_.MenuDesign == 1 || options_.TableDesign == 1 || options_.AuxDesign == 1 || options_.AuxDesign == 3 ||
         options_.AuxDesignSpecial;
}

void OptionsDialog::DesignChosen() {
  options_.MenuDesign = menuDesignList_->currentIndex() == 1 ? 1 : 0;
  options_.TableDesign = tableDesignList_->currentIndex() == 1 ? 1 : 0;
  const int aux = auxDesignList_->currentIndex();
  options_.AuxDesignSpecial = aux == kSpecialAuxItem;
  if (aux >= 0 && aux < kSpecialAuxItem) options_.AuxDesign = kAuxDesignOfItem[aux];
  if (DesignNeedsGraphics() && !libraries_.Open(kGraphicsLibrary)) {
    options_.MenuDesign = 0;
    options_.TableDesign = 0;
    options_.AuxDesign = 2;
    options_.AuxDesignSpecial = false;
    {
      Filling filling(filling_);
      menuDesignList_->setCurrentIndex(0);
      tableDesignList_->setCurrentIndex(0);
      auxDesignList_->setCurrentIndex(0);
    }
    effects_.ShowMessage(MissingFileMessage(kGraphicsLibrary, options_.Language));
  }
  RefreshEnabled();
  ApplyButtonStyle();
  effects_.DesignChanged();
}

void OptionsDialog::SpeedClicked() {
  const int before = options_.Speed;
  SpeedChooser::Choose(context_, this);
  UpdateSpeedCaption();
  if (options_.Speed != before) effects_.SpeedChanged();
}

bool OptionsDialog::Fetch(std::string_view file) {
  if (busy_) return false;
  busy_ = true;
  const bool ok = FetchResourceFile(context_, effects_, file, server_, limits_);
  busy_ = false;
  RefreshFetchButtons();
  RefreshSalute();
  if (ok) RefreshCardIcons();
  return ok;
}

void OptionsDialog::reject() {
  if (!busy_) QDialog::reject();
}

void OptionsDialog::closeEvent(QCloseEvent* event) {
  if (busy_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

// ---- Refreshing ----

bool OptionsDialog::LoadPreview() {
  const bool found = LoadCardFaces(options_, 1, FactorsFor(1), libraries_, preview_,
                                   [this](const QString& text) { effects_.ShowMessage(text); });
  QImage canvas(kPreviewStep * 3 + kPreviewWidth, kPreviewHeight, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  for (std::size_t i = 0; i < kPreviewCards.size(); ++i) {
    const QImage& face = preview_.faces[OrderNumber(kPreviewCards[i])];
    painter.drawImage(QRect(static_cast<int>(i) * kPreviewStep, 0, kPreviewWidth, kPreviewHeight), face);
  }
  painter.end();
  previewImage_ = canvas;
  cardPreview_->setPixmap(QPixmap::fromImage(canvas));
  return found;
}

void OptionsDialog::RefreshCardIcons() {
  // The small picture of each item: the ace of spades of its set, when the set's file is at hand.
  for (int set = 0; set < kCardSetCount; ++set) {
    if (!cardSetList_->itemIcon(set).isNull()) continue;
    const std::string_view file = CardFaceLibrary(set);
    if (!file.empty() && !libraries_.Open(file)) continue;
    const QImage ace = libraries_.Picture(file, QString::fromStdString(FaceResourceName(MakeCard(9, 4), set, PictureMode::Small)));
    if (!ace.isNull())
      cardSetList_->setItemIcon(set, QPixmap::fromImage(ace.scaled(24, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  }
}

void OptionsDialog::RefreshEnabled() {
  // Recording works on the small window only; at other sizes the box shows the stored state.
  saveGifBox_->setEnabled(options_.WindowSize == 1);
  captureList_->setEnabled(options_.SaveGamesAsGif);
  delayLabel_->setEnabled(options_.SaveGamesAsGif);
  delaySpin_->setEnabled(options_.SaveGamesAsGif);
  const bool bothSpecial = options_.MenuDesign == 1 && options_.TableDesign == 1;
  backgroundList_->setEnabled(!bothSpecial);
  variantList_->setEnabled(!bothSpecial);
  gifBox_->setEnabled(effects_.MenuShown());
}

void OptionsDialog::RefreshFetchButtons() {
  for (auto& [button, file] : fetchButtons_) {
    const bool missing = !ResourceFileExists(context_.programDir, file);
    button->setEnabled(missing);
    button->SetKLightSB(missing ? 40 : 0);
  }
}

void OptionsDialog::RefreshSalute() {
  const bool present = ResourceFileExists(context_.programDir, kGraphicsLibrary);
  if (!present && (options_.SaluteButtons || options_.SaluteCards)) {
    options_.SaluteButtons = false;
    options_.SaluteCards = false;
    Filling filling(filling_);
    saluteButtonsBox_->setChecked(false);
    saluteCardsBox_->setChecked(false);
  }
  saluteButtonsBox_->setEnabled(present);
  saluteCardsBox_->setEnabled(present);
}

void OptionsDialog::RefreshAnimation() {
  if (!movie_) return;
  if (options_.GifAnimation) {
    if (animation_->movie() != movie_) animation_->setMovie(movie_);
    if (movie_->state() != QMovie::Running) movie_->start();
    return;
  }
  movie_->stop();
  // QMovie cannot seek in a GIF reliably: read the frames up to the frozen one.
  if (frozenFrame_.isNull()) {
    QImageReader reader(movie_->fileName());
    for (int frame = 0; frame <= kFrozenFrame; ++frame) {
      const QImage image = reader.read();
      if (image.isNull()) break;
      frozenFrame_ = QPixmap::fromImage(image);
    }
  }
  animation_->setMovie(nullptr);
  animation_->setPixmap(frozenFrame_);
}

void OptionsDialog::ApplyButtonStyle() {
  // The colours of the auxiliary windows' design, so that the dialog matches them.
  const AuxLook look = AuxLookFor(options_);
  for (TKexCardsButton* button : findChildren<TKexCardsButton*>()) {
    button->SetFramed(options_.NewButtons);
    button->SetColorSB(look.Buttons);
    button->SetFontColor(look.ButtonText);
    button->update();
  }
}

void OptionsDialog::ApplyCursor() {
  setCursor(TableCursor(CursorKind::Arrow, options_.OwnCursor));
  for (TKexCardsButton* button : findChildren<TKexCardsButton*>()) button->setCursor(TableCursor(CursorKind::Hand, options_.OwnCursor));
  fontNameList_->lineEdit()->setCursor(TableCursor(CursorKind::Edit, options_.OwnCursor));
}

void OptionsDialog::UpdateSpeedCaption() {
  speedButton_->setText(context_.Tr(298) + QStringLiteral("=") + QString::number(options_.Speed));
}

void OptionsDialog::UpdateFlag() {
  const QPixmap flag = context_.pictures.Named(QString::fromStdString(context_.texts.FlagPictureName()));
  flag_->setPixmap(flag.isNull() ? QPixmap() : flag.scaledToHeight(24, Qt::SmoothTransformation));
  flag_->setVisible(!flag.isNull());
}

}  // namespace tarvel
