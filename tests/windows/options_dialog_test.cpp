#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <map>
#include <memory>

#include "settings/text_table.h"
#include "table/kex_cards_button.h"
#include "tests/windows/built_in_pictures.h"
#include "windows/options_dialog.h"
#include "windows/speed_chooser.h"
#include "windows/window_size_list.h"

namespace tarvel {
namespace {

// Records every notification and message of the dialog.
struct RecordingEffects : OptionsEffects {
  std::map<std::string, int> calls;
  QStringList messages;
  bool menuShown = true;
  QSize screen{1920, 1080};

  void WindowSizeChanged() override { ++calls["WindowSize"]; }
  void LanguageChanged() override { ++calls["Language"]; }
  void LanModeChanged() override { ++calls["LanMode"]; }
  void SoundChanged() override { ++calls["Sound"]; }
  void MusicChanged() override { ++calls["Music"]; }
  void GifAnimationChanged() override { ++calls["GifAnimation"]; }
  void FlyCardsChanged() override { ++calls["FlyCards"]; }
  void CursorChanged() override { ++calls["Cursor"]; }
  void ButtonStyleChanged() override { ++calls["ButtonStyle"]; }
  void SpeedChanged() override { ++calls["Speed"]; }
  void CardSetChanged() override { ++calls["CardSet"]; }
  void DeckBackChanged() override { ++calls["DeckBack"]; }
  void FontsChanged() override { ++calls["Fonts"]; }
  void BackgroundChanged() override { ++calls["Background"]; }
  void DesignChanged() override { ++calls["Design"]; }
  void RulesChanged() override { ++calls["Rules"]; }
  void SaveGamesChanged() override { ++calls["SaveGames"]; }
  void RadioListChanged() override { ++calls["RadioList"]; }
  void SaluteChanged() override { ++calls["Salute"]; }
  bool MenuShown() const override { return menuShown; }
  QSize ScreenSize() const override { return screen; }
  void ShowMessage(const QString& text) override { messages << text; }

  int Count(const std::string& name) const {
    const auto it = calls.find(name);
    return it == calls.end() ? 0 : it->second;
  }
  int Total() const {
    int n = 0;
    for (const auto& [name, count] : calls) n += count;
    return n;
  }
};

// An empty but well-formed Qt binary resource file: enough for a library to count as present and open.
QByteArray EmptyResourceFile() {
  QByteArray bytes("qres");
  auto u32 = [&bytes](quint32 v) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.append(static_cast<char>((v >> shift) & 0xFF));
  };
  u32(1);   // format version
  u32(20);  // tree
  u32(20);  // data
  u32(20);  // names
  u32(0);   // root: name offset
  bytes.append('\0').append('\x02');  // root: a directory
  u32(0);   // no children
  u32(0);
  return bytes;
}

// A program directory "prog" inside a temporary directory, the options, the texts and a dialog over them.
struct OptionsFixture : ::testing::Test {
  QTemporaryDir root;
  QString prog;
  Options options;
  TextTable texts{options};
  test::BuiltInPictures pictures;
  QStringList played;
  RecordingEffects effects;
  std::unique_ptr<OptionsDialog> dialog;

  OptionsFixture() {
    prog = root.filePath("prog");
    QDir().mkpath(prog);
  }
  WindowContext Context() {
    return WindowContext{options, texts, pictures, prog.toStdString(),
                         [this](const std::string& name, bool) { played << QString::fromStdString(name); }};
  }
  void AddLibrary(const QString& name, bool inParent = false) {
    QFile file(inParent ? root.filePath(name) : prog + "/" + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EmptyResourceFile());
  }
  OptionsDialog& Open() {
    dialog = std::make_unique<OptionsDialog>(Context(), effects);
    return *dialog;
  }
  template <typename T>
  T* Find(const char* name) {
    T* control = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
};

TEST(WindowSizeList, OfferedSizesFollowTheScreen) {
  struct Case {
    QSize screen;
    int current;
    std::vector<int> offered;
  };
  const Case cases[] = {
      {{1005, 768}, 1, {1, 2}},           // 990 + 16 of frame is one pixel too wide
      {{1006, 690}, 1, {1, 2, 3}},        // exactly room for 990 x 650 and its frame
      {{1006, 689}, 1, {1, 2}},
      {{1366, 768}, 1, {1, 2, 3}},
      {{1366, 900}, 2, {1, 2, 3, 4}},     // 1290 x 850 just fits
      {{1920, 1080}, 1, {1, 2, 3, 4, 5}},
      {{1920, 1000}, 1, {1, 2, 3, 4}},    // 1000 rows leave no room for the title bar
      {{1000, 768}, 5, {1, 2, 5}},        // the stored size is always shown
      {{}, 1, {1, 2}},
  };
  for (const Case& c : cases) EXPECT_EQ(OfferedWindowSizes(c.screen, c.current), c.offered) << c.screen.width() << "x" << c.screen.height();
}

TEST_F(OptionsFixture, WindowSizeListOffersWhatFitsAndResizesAtOnce) {
  effects.screen = QSize(1366, 768);
  Open();
  auto* sizes = Find<QComboBox>("WindowSizeList");
  ASSERT_EQ(sizes->count(), 3);
  EXPECT_EQ(sizes->itemText(0), "Small window");
  EXPECT_EQ(sizes->itemText(1), "Full screen");
  EXPECT_EQ(sizes->itemText(2), "Average window 1");
  EXPECT_EQ(sizes->itemData(2, Qt::ToolTipRole).toString(), "990 x 650");
  EXPECT_EQ(effects.Total(), 0) << "opening the dialog changes nothing";
  sizes->setCurrentIndex(2);
  EXPECT_EQ(options.WindowSize, 3);
  EXPECT_EQ(effects.Count("WindowSize"), 1);
}

TEST_F(OptionsFixture, DeckBackListRulesOfTheModificationGroup) {
  AddLibrary("KexCards06B.dll");
  options.DeckBack = 2;
  options.DeckBackFixed = true;
  Open();
  auto* backs = Find<QComboBox>("DeckBackList");
  auto* change = Find<QRadioButton>("ChangeDecks");
  auto* one = Find<QRadioButton>("AlwaysOneDeck");
  auto* random = Find<QRadioButton>("RandomDecks");
  EXPECT_TRUE(one->isChecked());
  EXPECT_FALSE(random->isEnabled());

  backs->setCurrentIndex(9);
  EXPECT_EQ(options.DeckBack, 9);
  EXPECT_TRUE(random->isChecked());
  EXPECT_TRUE(random->isEnabled());
  EXPECT_FALSE(change->isEnabled());
  EXPECT_FALSE(one->isEnabled());
  EXPECT_FALSE(options.DeckBackFixed);

  backs->setCurrentIndex(3);
  EXPECT_TRUE(change->isChecked()) << "a selected Random turns into To change decks";
  EXPECT_FALSE(random->isEnabled());
  EXPECT_TRUE(one->isEnabled());
  EXPECT_FALSE(options.DeckBackFixed);

  one->click();
  EXPECT_TRUE(options.DeckBackFixed);
  backs->setCurrentIndex(12);  // item 12 keeps the first two choices
  EXPECT_TRUE(one->isChecked());
  EXPECT_TRUE(options.DeckBackFixed);
  change->click();
  EXPECT_FALSE(options.DeckBackFixed);
  EXPECT_EQ(effects.Count("DeckBack"), 5);
  EXPECT_TRUE(effects.messages.isEmpty());
}

TEST_F(OptionsFixture, MissingLibrariesSendTheChoiceBackToTheBuiltInSet) {
  Open();
  Find<QComboBox>("DeckBackList")->setCurrentIndex(4);
  EXPECT_EQ(options.DeckBack, 0);
  EXPECT_EQ(Find<QComboBox>("DeckBackList")->currentIndex(), 0);

  Find<QComboBox>("CardSetList")->setCurrentIndex(12);
  EXPECT_EQ(options.CardSet, 0);
  EXPECT_EQ(Find<QComboBox>("CardSetList")->currentIndex(), 0);
  EXPECT_EQ(effects.Count("CardSet"), 1);

  Find<QComboBox>("BackgroundList")->setCurrentIndex(6);
  EXPECT_EQ(options.Background, 2);
  EXPECT_EQ(options.BackgroundVariant, 0);
  EXPECT_EQ(Find<QComboBox>("BackgroundList")->currentIndex(), 1);
  EXPECT_EQ(effects.messages, (QStringList{"Can`t find the file KexCards06B.dll", "Can`t find the file KexCards06A.dll",
                                           "Can`t find the file KexBackG03.dll"}));
}

TEST_F(OptionsFixture, CardSetFromALibraryInTheParentDirectoryIsKept) {
  AddLibrary("KexCards06A.dll", true);
  Open();
  Find<QComboBox>("CardSetList")->setCurrentIndex(12);
  EXPECT_EQ(options.CardSet, 12);
  EXPECT_EQ(effects.Count("CardSet"), 1);
  EXPECT_TRUE(effects.messages.isEmpty());
  EXPECT_EQ(dialog->CardPreview().size(), QSize(63 * 3 + 71, 96));
}

TEST_F(OptionsFixture, GifRecordingBoxFollowsTheWindowSize) {
  options.WindowSize = 2;
  options.SaveGamesAsGif = true;
  Open();
  auto* box = Find<QCheckBox>("SaveGamesAsGif");
  EXPECT_FALSE(box->isEnabled());
  EXPECT_TRUE(box->isChecked()) << "disabled, but showing the stored state";
  EXPECT_TRUE(Find<QComboBox>("CaptureList")->isEnabled());

  Find<QComboBox>("WindowSizeList")->setCurrentIndex(0);
  ASSERT_EQ(options.WindowSize, 1);
  EXPECT_TRUE(box->isEnabled());
  box->click();
  EXPECT_FALSE(options.SaveGamesAsGif);
  EXPECT_FALSE(Find<QComboBox>("CaptureList")->isEnabled());
  EXPECT_FALSE(Find<QSpinBox>("FrameDelay")->isEnabled());
  EXPECT_FALSE(Find<QLabel>("DelayLabel")->isEnabled());
}

TEST_F(OptionsFixture, FontScaleOutsideFiftyToHundredFiftyIsNotTaken) {
  Open();
  auto* fontSlots = Find<QComboBox>("FontSlotList");
  auto* scale = Find<QSpinBox>("FontScale");
  fontSlots->setCurrentIndex(2);  // "Special font 1"
  EXPECT_EQ(Find<QComboBox>("FontNameList")->currentText(), "FixedSys");
  struct Step {
    int typed;
    int stored;
  };
  for (const Step step : {Step{40, 100}, Step{50, 50}, Step{151, 50}, Step{150, 150}, Step{49, 150}}) {
    scale->setValue(step.typed);
    EXPECT_EQ(options.ScaleSpecial1, step.stored) << "typed " << step.typed;
  }
  EXPECT_EQ(effects.Count("Fonts"), 2);
  EXPECT_EQ(options.ScaleBig, 100);
  emit scale->editingFinished();
  EXPECT_EQ(scale->value(), 150) << "a refused value does not stay on show";

  Find<QComboBox>("FontNameList")->lineEdit()->setText("Courier New");
  emit Find<QComboBox>("FontNameList")->lineEdit()->editingFinished();
  EXPECT_EQ(options.FontSpecial1, "Courier New");

  Find<TKexCardsButton>("DefaultFonts")->click();
  EXPECT_EQ(options.FontSpecial1, "FixedSys");
  EXPECT_EQ(options.ScaleSpecial1, 100);
  EXPECT_EQ(scale->value(), 100);
  EXPECT_EQ(effects.Count("Fonts"), 4);
}

TEST_F(OptionsFixture, BackgroundUnderTheSpecialMenuDesignIsSavedButNotRedrawn) {
  AddLibrary("KexBackG03.dll");
  AddLibrary("KexCGraph1.dll");
  options.MenuDesign = 1;
  Open();
  Find<QComboBox>("BackgroundList")->setCurrentIndex(4);
  Find<QComboBox>("VariantList")->setCurrentIndex(6);  // the seventh item is variant 6
  EXPECT_EQ(options.Background, 5);
  EXPECT_EQ(options.BackgroundVariant, 6);
  EXPECT_EQ(effects.Count("Background"), 0);

  Find<QComboBox>("MenuDesignList")->setCurrentIndex(0);
  Find<QComboBox>("BackgroundList")->setCurrentIndex(7);
  EXPECT_EQ(options.Background, 8);
  EXPECT_EQ(effects.Count("Background"), 1);

  // Both special designs: the lists are out of use.
  Find<QComboBox>("MenuDesignList")->setCurrentIndex(1);
  Find<QComboBox>("TableDesignList")->setCurrentIndex(1);
  EXPECT_FALSE(Find<QComboBox>("BackgroundList")->isEnabled());
  EXPECT_FALSE(Find<QComboBox>("VariantList")->isEnabled());
}

TEST_F(OptionsFixture, CheckBoxesWriteTheirFieldAndTellTheProgram) {
  struct Case {
    const char* box;
    bool Options::*field;
    const char* effect;
  };
  const Case cases[] = {
      {"Multiplayer", &Options::LanMode, "LanMode"},     {"Sound", &Options::SoundOn, "Sound"},
      {"Music", &Options::MusicOn, "Music"},             {"GifAnimation", &Options::GifAnimation, "GifAnimation"},
      {"FlyCards", &Options::FlyCards, "FlyCards"},      {"OwnCursor", &Options::OwnCursor, "Cursor"},
      {"NewButtons", &Options::NewButtons, "ButtonStyle"},
  };
  AddLibrary("KexCGraph1.dll");
  Open();
  ASSERT_TRUE(options.OwnCursor);
  EXPECT_EQ(dialog->cursor().shape(), Qt::BitmapCursor) << "the program's own arrow";
  for (const Case& c : cases) {
    const bool before = options.*(c.field);
    auto* box = Find<QCheckBox>(c.box);
    EXPECT_EQ(box->isChecked(), before) << c.box;
    box->click();
    EXPECT_NE(options.*(c.field), before) << c.box;
    EXPECT_EQ(effects.Count(c.effect), 1) << c.box;
  }
  EXPECT_EQ(Find<TKexCardsButton>("OptionsOk")->Framed(), options.NewButtons) << "the dialog's own buttons follow";
  EXPECT_EQ(dialog->cursor().shape(), Qt::ArrowCursor) << "the system's arrow at once";

  Find<QCheckBox>("NoFiveOfSuit")->click();
  Find<QCheckBox>("FirstDiscardFive")->click();
  Find<QCheckBox>("SaluteButtons")->click();
  Find<QCheckBox>("SaluteCards")->click();
  EXPECT_TRUE(options.Rules.OptNoFiveOfSuit);
  EXPECT_TRUE(options.Rules.OptFirstDiscardFive);
  EXPECT_TRUE(options.SaluteButtons);
  EXPECT_TRUE(options.SaluteCards);
  EXPECT_EQ(effects.Count("Rules"), 2);
  EXPECT_EQ(effects.Count("Salute"), 2);
}

TEST_F(OptionsFixture, ListsAndChoicesWriteTheirField) {
  AddLibrary("KexCGraph1.dll");
  Open();
  Find<QRadioButton>("FirstMove1")->click();
  EXPECT_EQ(options.Rules.OptFirstMove, 1);
  Find<QRadioButton>("FirstMove3")->click();
  EXPECT_EQ(options.Rules.OptFirstMove, 3);
  Find<QComboBox>("CaptureList")->setCurrentIndex(1);
  EXPECT_EQ(options.GifCaptureMode, 2);
  Find<QSpinBox>("FrameDelay")->setValue(250);
  EXPECT_EQ(options.GifFrameDelay, 250);
  Find<QRadioButton>("RadioFromDisk")->click();
  EXPECT_FALSE(options.RadioListFromServer);
  EXPECT_EQ(effects.Count("RadioList"), 1);

  // The auxiliary design list: items 0-2 are designs 2, 1, 3, item 3 the special design.
  auto* aux = Find<QComboBox>("AuxDesignList");
  const std::pair<int, int> designs[] = {{1, 1}, {2, 3}, {0, 2}};
  for (const auto& [item, design] : designs) {
    aux->setCurrentIndex(item);
    EXPECT_EQ(options.AuxDesign, design) << "item " << item;
    EXPECT_FALSE(options.AuxDesignSpecial);
  }
  aux->setCurrentIndex(3);
  EXPECT_TRUE(options.AuxDesignSpecial);
  Find<QComboBox>("TableDesignList")->setCurrentIndex(1);
  EXPECT_EQ(options.TableDesign, 1);
  EXPECT_EQ(effects.Count("Design"), 5);
  EXPECT_TRUE(effects.messages.isEmpty());
}

TEST_F(OptionsFixture, DesignsWithoutTheGraphicsLibraryFallBack) {
  options.AuxDesign = 3;
  options.AuxDesignSpecial = true;
  options.SaluteButtons = true;
  Open();
  EXPECT_EQ(options.AuxDesign, 2) << "the dialog forces the plain auxiliary design";
  EXPECT_FALSE(options.AuxDesignSpecial);
  EXPECT_FALSE(options.SaluteButtons) << "salute boxes are cleared while the library is missing";
  EXPECT_FALSE(Find<QCheckBox>("SaluteButtons")->isEnabled());

  Find<QComboBox>("MenuDesignList")->setCurrentIndex(1);
  EXPECT_EQ(options.MenuDesign, 0);
  EXPECT_EQ(Find<QComboBox>("MenuDesignList")->currentIndex(), 0);
  EXPECT_EQ(effects.messages, QStringList{"Can`t find the file KexCGraph1.dll"});
  Find<QComboBox>("AuxDesignList")->setCurrentIndex(1);
  EXPECT_EQ(options.AuxDesign, 2);
  EXPECT_EQ(effects.messages.size(), 2);
}

TEST_F(OptionsFixture, OpeningWithMusicOnDoesNotCountAsAClick) {
  options.MusicOn = true;
  Open();
  dialog->show();
  QApplication::processEvents();
  EXPECT_EQ(effects.Count("Music"), 0);
  EXPECT_TRUE(Find<QCheckBox>("Music")->isChecked());
}

TEST_F(OptionsFixture, GifAnimationRunsOrFreezesTheDialogsOwnAnimation) {
  Open();
  auto* label = Find<QLabel>("DialogAnimation");
  QMovie* movie = label->movie();
  ASSERT_NE(movie, nullptr);
  EXPECT_EQ(movie->state(), QMovie::Running);
  Find<QCheckBox>("GifAnimation")->click();
  EXPECT_FALSE(options.GifAnimation);
  EXPECT_EQ(movie->state(), QMovie::NotRunning);
  EXPECT_FALSE(label->pixmap().isNull()) << "a frozen frame stays on show";
  Find<QCheckBox>("GifAnimation")->click();
  EXPECT_EQ(label->movie(), movie);
  EXPECT_EQ(movie->state(), QMovie::Running);
}

TEST_F(OptionsFixture, GifAnimationIsTakenOnlyWhileTheMenuIsShown) {
  effects.menuShown = false;
  Open();
  auto* box = Find<QCheckBox>("GifAnimation");
  EXPECT_FALSE(box->isEnabled());
  box->setChecked(false);  // as a click would, were the box enabled
  EXPECT_TRUE(options.GifAnimation);
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(effects.Count("GifAnimation"), 0);
}

TEST_F(OptionsFixture, LanguageChangeRelabelsTheDialogAtOnce) {
  Open();
  ASSERT_EQ(dialog->windowTitle(), "Options");
  Find<QComboBox>("LanguageList")->setCurrentIndex(kGerman);
  EXPECT_EQ(options.Language, kGerman);
  EXPECT_EQ(effects.Count("Language"), 1);
  auto german = [](int row) { return QString::fromUtf8(Text(row, kGerman).data(), static_cast<qsizetype>(Text(row, kGerman).size())); };
  EXPECT_EQ(dialog->windowTitle(), german(2));
  EXPECT_EQ(dialog->Tabs()->tabText(0), german(30));
  EXPECT_EQ(Find<QCheckBox>("Sound")->text(), german(33));
  EXPECT_EQ(Find<QComboBox>("WindowSizeList")->itemText(0), german(44));
  EXPECT_EQ(Find<QComboBox>("CardSetList")->itemText(47), german(351));
  EXPECT_NE(german(2), "Options");
}

TEST_F(OptionsFixture, FetchButtonsAreEnabledOnlyForMissingFiles) {
  AddLibrary("KexCards06A.dll");
  AddLibrary("KexRadio.rad", true);
  Open();
  for (const char* file : {"KexCards06A.dll", "KexRadio.rad"}) {
    auto* button = Find<TKexCardsButton>((std::string("Dll_") + file).c_str());
    EXPECT_FALSE(button->isEnabled()) << file;
    EXPECT_EQ(button->toolTip(), file);
  }
  auto* missing = Find<TKexCardsButton>("Dll_KexCGraph1.dll");
  EXPECT_TRUE(missing->isEnabled());
  EXPECT_GT(missing->KLightSB(), 0) << "an enabled button is drawn lighter";
  EXPECT_FALSE(Find<TKexCardsButton>("Fetch_KexCards06A.dll")->isEnabled()) << "the copy on the Cards tab agrees";
  EXPECT_TRUE(Find<TKexCardsButton>("Fetch_KexCards06B.dll")->isEnabled());
}

TEST_F(OptionsFixture, SpeedChooserSetsTheSpeedAndTheButtonShowsIt) {
  options.Speed = 4;
  Open();
  auto* button = Find<TKexCardsButton>("SpeedButton");
  EXPECT_EQ(button->text(), "Speed=4");
  QTimer::singleShot(0, [] {
    auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    auto* bar = chooser->findChild<QSlider*>("SpeedTrackBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 6);
    bar->setValue(6);
    chooser->findChild<TKexCardsButton*>("SpeedOk")->click();
  });
  button->click();
  EXPECT_EQ(options.Speed, 6);
  EXPECT_EQ(button->text(), "Speed=6");
  EXPECT_EQ(effects.Count("Speed"), 1);
}

TEST_F(OptionsFixture, SpeedChooserWritesAtOnce) {
  const WindowContext context = Context();
  SpeedChooser chooser(context);
  EXPECT_EQ(chooser.windowTitle(), "Choice of speed");
  chooser.TrackBar()->setValue(2);
  EXPECT_EQ(options.Speed, 2);
  chooser.TrackBar()->setValue(9);
  EXPECT_EQ(options.Speed, 6);
}

// Pictures of three tabs, for looking at.
TEST_F(OptionsFixture, GrabsOfTabs) {
  Open();
  dialog->resize(560, 460);
  dialog->show();
  const QString dir = QStringLiteral(TARVEL_BUILD_ROOT) + "/options_dialog_shots";
  QDir().mkpath(dir);
  for (int tab : {0, 1, 7}) {
    dialog->Tabs()->setCurrentIndex(tab);
    QApplication::processEvents();
    const QImage shot = dialog->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(dir + QStringLiteral("/tab%1.png").arg(tab)));
  }
}

}  // namespace
}  // namespace tarvel
