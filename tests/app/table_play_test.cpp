// The table in a window (offscreen): whole deals played through the window's own click and button
// handlers at every window size, and the layout's edge cases.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include "app/autoplay.h"
#include "tests/app/program_dir_fixture.h"
#include "table/library_pictures.h"
#include "table/table_layout.h"

namespace tarvel {
namespace {

struct Size { int option, width, height; };

TEST(TableWindow, WholeDealsAtEveryWindowSize) {
  const Size sizes[] = {{1, 0, 0}, {2, 900, 600}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}};
  for (const Size& size : sizes) {
    Options options;
    options.WindowSize = size.option;
    options.FlyCards = size.option == 1;  // one size with flights, at full speed
    options.Speed = 6;
    options.PlayerName = "Anna";
    options.SoundOn = false;  // waited sounds would hold every step for their length
    ProgramDirFixture dir;
    ClubState club;
    MainWindow w(options, club, dir.path, std::make_unique<DrawnPictures>());
    w.Presenter().firstMoveAnswer = 4;
    if (size.width) w.resize(size.width, size.height);
    w.show();
    w.StepTimer().stop();
    w.StartSeries();
    w.StepTimer().stop();
    EXPECT_EQ(w.Screen().size(), w.size());
    DealRandom random(size.option);
    // Flights hold each drawn and taken card for 200 ms: one deal is enough with them on.
    const int wanted = options.FlyCards ? 1 : 3;
    int deals = 0;
    for (int step = 0; step < 20000 && deals < wanted; ++step) {
      const bool wasOver = w.GameOf().st.DealShown;
      const std::string fault = AutoplayStep(w, random);
      ASSERT_EQ(fault, "") << "window size " << size.option << " step " << step;
      const GameState& st = w.GameOf().st;
      if (!wasOver && st.DealShown) {
        ++deals;
        EXPECT_TRUE(w.Screen().ResultShown());
        EXPECT_EQ(w.Screen().MainButton()->text().toStdString(), "We play still!");
        EXPECT_TRUE(w.Screen().ExitButton()->isEnabled());
        if (deals < wanted) w.Screen().MainButton()->click();  // the next deal
      }
    }
    EXPECT_EQ(deals, wanted) << "window size " << size.option;
    // Leaving after the deal ends the series and brings the menu back.
    w.Screen().ExitButton()->click();
    EXPECT_FALSE(w.GameOf().st.GameOn);
    EXPECT_FALSE(w.Screen().isVisible());
    EXPECT_TRUE(w.Menu().MenuShown());
    EXPECT_FALSE(w.Screen().ResultShown());
  }
}

TEST(TableWindow, AWrongCardIsRefusedWithTheSoundAndALimitSilently) {
  Options options;
  options.FlyCards = false;
  options.SoundOn = false;
  ProgramDirFixture dir;
  ClubState club;
  MainWindow w(options, club, dir.path, std::make_unique<DrawnPictures>());
  std::vector<std::string> sounds;
  w.Presenter().playSound = [&](std::string_view name, bool) { sounds.emplace_back(name); };
  w.Screen().wrongCard = [&] { sounds.emplace_back("WWrongs"); };
  w.show();
  w.StartSeries();
  w.StepTimer().stop();
  GameState& st = w.GameOf().st;
  // Seat 3 attacks seat 4 with a card seat 4 cannot beat with some card of its hand.
  st.Hod = 3;
  w.Screen().MainButton()->click();
  Tick(w.GameOf());
  ASSERT_EQ(st.Step, 6);
  int wrong = 0;
  for (int k = 1; k <= st.KolCards[4]; ++k)
    if (TestUserCard(st, st.CardsI[4][k], st.CardsJ[4][k], MoveKind::Cover).wrongCard) wrong = k;
  if (wrong == 0) GTEST_SKIP() << "every card of this hand beats the lead";
  sounds.clear();
  const int before = st.KolCards[4];
  w.Screen().CardClick(wrong, Qt::LeftButton);
  EXPECT_EQ(st.KolCards[4], before);
  EXPECT_EQ(sounds, std::vector<std::string>{"WWrongs"});
}

TEST(TableWindow, RealPicturesFromTheResourceFiles) {
  Options options;
  options.SoundOn = false;
  options.CardSet = 5;
  options.WindowSize = 3;
  std::vector<QString> messages;
  auto pictures = std::make_unique<LibraryPictures>(
      options, [&](const QString& m) { messages.push_back(m); }, QStringLiteral(TARVEL_BUILD_ROOT));
  LibraryPictures& lib = *pictures;
  ProgramDirFixture dir;
  ClubState club;
  MainWindow w(options, club, dir.path, std::move(pictures));
  w.show();
  w.StartSeries();
  w.StepTimer().stop();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(options.CardSet, 5);
  const QPixmap face = lib.CardFace(MakeCard(7, 4));
  EXPECT_EQ(face.size(), QSize(w.Screen().Card().width, w.Screen().Card().height));
  EXPECT_FALSE(lib.Named("SPRed").isNull());
  // A picture taken off the window shows the table: not one flat colour.
  const QImage shot = w.grab().toImage();
  EXPECT_NE(shot.pixel(shot.width() / 2, shot.height() - 10), shot.pixel(10, 10));
  // The touch burst runs its 30 frames of 12 ms and leaves the table as it was.
  QElapsedTimer clock;
  clock.start();
  w.Screen().TouchBurst(QPoint(300, 200));
  EXPECT_GE(clock.elapsed(), 360);
  EXPECT_EQ(w.grab().toImage(), shot);
}

TEST(TableLayout, EdgeCases) {
  const WindowFactors size1 = FactorsFor(1);
  // Seven cards of seat 1 at size 1 overlap with spacing 19; the last starts at 114 and ends at 185.
  EXPECT_EQ(SpreadCards(0, ComponentRect(Component::Hand1, size1, 96).width, 7, 71),
            (std::vector<int>{0, 19, 38, 57, 76, 95, 114}));
  // Two cards of seat 4 lie side by side, centred.
  EXPECT_EQ(SpreadCards(0, ComponentRect(Component::Hand4, size1, 96).width, 2, 71), (std::vector<int>{146, 220}));
  EXPECT_TRUE(SpreadCards(0, 190, 0, 71).empty());
  // The stock: one card shows no back, twelve show six from 45 up to 30.
  EXPECT_TRUE(StockPileLayers(1, size1).empty());
  EXPECT_TRUE(StockPileLayers(0, size1).empty());
  EXPECT_EQ(StockPileLayers(2, size1), (std::vector<int>{45}));
  EXPECT_EQ(StockPileLayers(12, size1), (std::vector<int>{45, 42, 39, 36, 33, 30}));
  // A wider window than the uniform factor needs keeps every component centred on its place.
  const WindowFactors wide = FactorsFor(2, 1520, 500);
  const Rect table = ComponentRect(Component::Table, wide, 96);
  EXPECT_EQ(table.width, 252);
  EXPECT_EQ(table.left + table.width / 2, (249 + 126) * 2);
  EXPECT_EQ(BubblePicture(BubbleColourCode(Speech::ITake)), "SPGreen");
  EXPECT_EQ(FontHeight(18, 150), 27);
}

}  // namespace
}  // namespace tarvel

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
