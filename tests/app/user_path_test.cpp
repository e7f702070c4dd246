// A user's whole way through the program, offscreen, through the windows' own handlers: start-up, the
// intro, a new player, a deal at the table, the general count, leaving to the menu, every window of the
// menu, options changed in the options dialog, shut-down, and a restart that finds the player, the
// history and the options as they were left.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/autoplay.h"
#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "records/password_code.h"
#include "tests/app/program_dir_fixture.h"
#include "windows/about_window.h"
#include "windows/general_count_window.h"
#include "windows/help_window.h"
#include "windows/history_window.h"
#include "windows/login_window.h"
#include "windows/mode_window.h"
#include "windows/options_dialog.h"
#include "windows/speed_chooser.h"
#include "windows/top_ten_window.h"

namespace tarvel {
namespace {

// Acts on the next modal window of type W once its exec() runs, then closes it unless the action did.
// Returns a flag that tells whether the action ran.
template <class W>
std::shared_ptr<bool> OnNextModal(std::function<void(W&)> act) {
  auto ran = std::make_shared<bool>(false);
  auto* timer = new QTimer;
  timer->setInterval(10);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, act, ran, clock] {
    if (auto* w = dynamic_cast<W*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(*w);
      *ran = true;
      if (w->isVisible()) w->close();
    } else if (clock->elapsed() > 20000) {
      timer->stop();
      timer->deleteLater();
      if (QWidget* other = QApplication::activeModalWidget()) other->close();  // never hang the test
    }
  });
  timer->start();
  return ran;
}

template <class T>
T* Child(QWidget& w, const char* name) {
  T* child = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

Options QuietOptions() {
  Options o;
  o.SoundOn = false;  // waited sounds would hold every step for their length
  o.MusicOn = false;
  o.FlyCards = false;
  return o;
}

TEST(UserPath, StartPlayLeaveOpenEveryWindowChangeOptionsAndRestart) {
  ProgramDirFixture dir;
  Options options = QuietOptions();
  ClubState club;
  std::vector<RecordsMessage> messages;
  const StartupResult start =
      PrepareStart(dir.path, dir.path, options, club, [&](const RecordsMessage& m, bool) { messages.push_back(m); });
  ASSERT_TRUE(start.canStart);
  EXPECT_TRUE(messages.empty());
  options.SoundOn = false;
  options.MusicOn = false;
  options.FlyCards = false;

  {
    MainWindow w(options, club, dir.path, std::make_unique<DrawnPictures>());
    InstallDialogs(w);
    w.Presenter().firstMoveAnswer = 4;
    w.show();
    w.StartIntro();
    ASSERT_TRUE(w.Intro().Running());
    for (int i = 0; i < 5; ++i) w.Intro().IntroTick();
    w.Intro().Finish();  // the user clicks the intro
    ASSERT_TRUE(w.Menu().MenuShown());
    EXPECT_TRUE(w.Music().InMenu());  // the song's repeat timer runs in the menu only
    EXPECT_FALSE(w.PopupAction(PopupItem::GeneralScore)->isEnabled());

    // A new player signs in: a wrong second password is refused in the window, then the right one.
    auto signedIn = OnNextModal<TFormLogin>([](TFormLogin& login) {
      login.SetName(QStringLiteral("Boris"));
      login.SetPassword(QStringLiteral("abc"));
      login.SetPasswordAgain(QStringLiteral("abd"));
      EXPECT_FALSE(login.Accept());
      EXPECT_FALSE(login.Message().isEmpty());
      login.SetPasswordAgain(QStringLiteral("abc"));
      EXPECT_TRUE(login.Accept());
    });
    w.Menu().Button(MenuButton::NewPlayer)->click();
    ASSERT_TRUE(*signedIn);
    ASSERT_TRUE(w.Screen().isVisible());
    EXPECT_FALSE(w.Menu().MenuShown());
    EXPECT_FALSE(w.Music().InMenu());
    EXPECT_TRUE(w.PopupAction(PopupItem::GeneralScore)->isEnabled());

    // One deal, played through the table's own clicks and buttons.
    w.StepTimer().stop();
    DealRandom random(7);
    for (int step = 0; step < 20000 && !w.GameOf().st.DealShown; ++step) {
      ASSERT_EQ(AutoplayStep(w, random), "");
      w.StepTimer().stop();
    }
    ASSERT_TRUE(w.GameOf().st.DealShown);
    auto counted = OnNextModal<TFormCount>([](TFormCount& count) { EXPECT_EQ(count.Count().Count_KonCur, "1"); });
    w.PopupItemChosen(PopupItem::GeneralScore);
    EXPECT_TRUE(*counted);

    // Leaving after the deal ends the series: the player joins the club, one history line is written.
    w.Screen().ExitButton()->click();
    ASSERT_TRUE(w.Menu().MenuShown());
    EXPECT_FALSE(w.Screen().isVisible());
    const ClubLoad local = LoadClubFile(ClubFilePath(dir.path, ClubKind::Local));
    ASSERT_TRUE(local.Club);
    EXPECT_EQ(ReadMember(*local.Club, 1).substr(0, 5), "Boris");
    EXPECT_TRUE(w.Menu().Button(MenuButton::Member1)->text().startsWith("Boris"));

    // Every window of the menu opens and shows what it should.
    auto topTen = OnNextModal<TFormTopTen>([](TFormTopTen& t) { EXPECT_FALSE(t.Table().Rows[1].Name.empty()); });
    w.Menu().Button(MenuButton::TopTen)->click();
    auto history = OnNextModal<TFormHistory>([](TFormHistory& h) {
      EXPECT_EQ(h.ShownFile(), 1);
      EXPECT_EQ(h.Grid()->rowCount(), 1);
    });
    w.Menu().Button(MenuButton::History)->click();
    auto mode = OnNextModal<TFormMode>([](TFormMode& m) {
      EXPECT_EQ(m.Chosen(), GameMode::Local);
      m.Accept();
    });
    w.Menu().Button(MenuButton::Mode)->click();
    auto about = OnNextModal<TFormAbout>([](TFormAbout& a) { EXPECT_FALSE(a.Lines().isEmpty()); });
    w.PopupItemChosen(PopupItem::About);
    auto help = OnNextModal<TFormHelp>([](TFormHelp& h) { EXPECT_GT(h.Browser()->toPlainText().size(), 500); });
    w.PopupItemChosen(PopupItem::Help);
    auto speed = OnNextModal<SpeedChooser>([](SpeedChooser& s) { s.TrackBar()->setValue(2); });
    w.PopupItemChosen(PopupItem::Speed);
    for (const auto& ran : {topTen, history, mode, about, help, speed}) EXPECT_TRUE(*ran);
    EXPECT_EQ(options.Speed, 2);
    EXPECT_FALSE(options.LanMode);

    // Options changed through the dialog's own controls take effect at once.
    auto changed = OnNextModal<OptionsDialog>([&](OptionsDialog& d) {
      Child<QComboBox>(d, "WindowSizeList")->setCurrentIndex(Child<QComboBox>(d, "WindowSizeList")->findData(3));
      Child<QComboBox>(d, "LanguageList")->setCurrentIndex(1);
      Child<QCheckBox>(d, "FlyCards")->setChecked(true);
      Child<QComboBox>(d, "DeckBackList")->setCurrentIndex(3);
      Child<QComboBox>(d, "FontSlotList")->setCurrentIndex(1);
      Child<QSpinBox>(d, "FontScale")->setValue(120);
      Child<QCheckBox>(d, "NoFiveOfSuit")->setChecked(!options.Rules.OptNoFiveOfSuit);
      Child<QComboBox>(d, "MenuDesignList")->setCurrentIndex(0);
    });
    const bool noFiveBefore = options.Rules.OptNoFiveOfSuit;
    w.Menu().Button(MenuButton::Options)->click();
    ASSERT_TRUE(*changed);
    EXPECT_EQ(options.Language, 1);
    EXPECT_EQ(options.WindowSize, 3);
    EXPECT_EQ(w.size(), QSize(990, 650));
    EXPECT_EQ(w.Menu().Button(MenuButton::NewPlayer)->text().toStdString(), std::string(Text(0, 1)));
    EXPECT_TRUE(options.FlyCards);
    EXPECT_EQ(options.DeckBack, 3);
    EXPECT_EQ(options.ScaleSmall, 120);
    EXPECT_NE(options.Rules.OptNoFiveOfSuit, noFiveBefore);

    w.close();
    EXPECT_EQ(ShutDown(w.Music(), dir.path, options, club), std::nullopt);
  }

  // The restart finds everything as it was left.
  Options again;
  ClubState club2;
  ASSERT_TRUE(PrepareStart(dir.path, dir.path, again, club2, {}).canStart);
  EXPECT_EQ(again.Language, 1);
  EXPECT_EQ(again.WindowSize, 3);
  EXPECT_EQ(again.Speed, 2);
  EXPECT_EQ(again.DeckBack, 3);
  EXPECT_EQ(again.ScaleSmall, 120);
  EXPECT_TRUE(again.FlyCards);
  EXPECT_EQ(again.Rules.OptNoFiveOfSuit, options.Rules.OptNoFiveOfSuit);
  again.SoundOn = false;
  again.FlyCards = false;
  MainWindow w2(again, club2, dir.path, std::make_unique<DrawnPictures>());
  InstallDialogs(w2);
  w2.show();
  w2.ShowMenu();
  EXPECT_TRUE(w2.Menu().Button(MenuButton::Member1)->text().startsWith("Boris"));
  auto member = OnNextModal<TFormLogin>([](TFormLogin& login) {
    login.SetPassword(QStringLiteral("abc"));
    EXPECT_TRUE(login.Accept());
  });
  w2.Menu().Button(MenuButton::Member1)->click();
  ASSERT_TRUE(*member);
  EXPECT_TRUE(w2.Screen().isVisible());
  EXPECT_EQ(club2.Slot, 1);
  EXPECT_EQ(club2.Deals, 1);
  w2.StepTimer().stop();
}

TEST(UserPath, LeavingDuringADealAsksAndRemovesTheMember) {
  ProgramDirFixture dir;
  Options options = QuietOptions();
  ClubState club;
  ASSERT_TRUE(PrepareStart(dir.path, dir.path, options, club, {}).canStart);
  options.SoundOn = false;
  // A member with a line in the club file.
  const std::filesystem::path clubPath = ClubFilePath(dir.path, ClubKind::Local);
  ClubLines lines = *LoadClubFile(clubPath).Club;
  const int slot = InsertMember(lines, MemberLine({"Vera", 1.5, 12, 30, EncodePassword("v")}), false).Slot;
  ASSERT_EQ(slot, 1);
  ASSERT_FALSE(SaveClubFile(clubPath, lines, {}).has_value());
  MainWindow w(options, club, dir.path, std::make_unique<DrawnPictures>());
  std::vector<QString> asked;
  bool answer = false;
  w.dialogs.ask = [&](const QString& q) {
    asked.push_back(q);
    return answer;
  };
  w.show();
  w.ShowMenu();
  club.Slot = slot;
  club.Name = "Vera";
  w.StartSeries();
  w.StepTimer().stop();
  ASSERT_TRUE(w.InDeal());
  w.PopupItemChosen(PopupItem::ExitToMenu);  // No: the deal goes on
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_TRUE(asked[0].startsWith(QString::fromUtf8(Text(22, 0).data())));
  EXPECT_TRUE(w.Screen().isVisible());
  answer = true;
  w.PopupItemChosen(PopupItem::ExitToMenu);
  EXPECT_TRUE(w.Menu().MenuShown());
  EXPECT_FALSE(w.GameOf().st.GameOn);
  EXPECT_TRUE(MemberSlotEmpty(ReadMember(*LoadClubFile(clubPath).Club, 1)));  // the penalty for leaving
  // Closing the window in the menu asks nothing.
  w.close();
  EXPECT_EQ(asked.size(), 2u);
}

}  // namespace
}  // namespace tarvel
