// The start menu: its layout at every window size, the clock and statistics display rules, the lights,
// the caption colours, and the menu screen driven with a clock of the test's own.
#include <gtest/gtest.h>

#include <QApplication>

#include "table/menu_layout.h"
#include "table/menu_screen.h"
#include "table/picture_source.h"

namespace tarvel {
namespace {

TEST(MenuLayout, PlacesAtTheDesignSizeAndScaled) {
  const MenuLayout m1 = MenuLayoutFor(FactorsFor(1), 760, 500, false);
  EXPECT_EQ(m1.members[1], (Rect{180, 265, 400, 30}));
  EXPECT_EQ(m1.members[5].top, 265 + 4 * 30);  // the member buttons touch
  EXPECT_EQ(m1.newPlayer, (Rect{280, 265 + 150 + 10, 200, 30}));
  EXPECT_EQ(m1.panel4, (Rect{180, 265 - 30 - 10, 400, 30}));
  EXPECT_EQ(m1.title, (Rect{230, 85, 300, 90}));
  EXPECT_EQ(m1.caption, (Rect{180, 12, 400, 70}));
  EXPECT_EQ(m1.animation2, (Rect{592, 290, 160, 200}));
  EXPECT_EQ(m1.scrollLeft.left, 60);
  // The calendar pushes the scrolls 20 units outwards on both sides.
  const MenuLayout cal = MenuLayoutFor(FactorsFor(1), 760, 500, true);
  EXPECT_EQ(cal.scrollLeft.left, 40);
  EXPECT_EQ(cal.scrollRight.left, 620);

  // Size 5 (factor 2): stretched places double, fixed-size pictures keep their size and stay centred.
  const MenuLayout m5 = MenuLayoutFor(FactorsFor(5), 1520, 1000, false);
  EXPECT_EQ(m5.members[2], (Rect{360, 530 + 60, 800, 60}));
  EXPECT_EQ(m5.animation1, (Rect{14 + 80, 580 + 100, 160, 200}));
  // The clock hangs under the left scroll, halfway down to the top-ten button.
  EXPECT_EQ(m5.clock.left, m5.scrollLeft.left - 7);
  EXPECT_EQ(m5.clock.top, m5.scrollLeft.top + 200 + RoundHalfEven((m5.topTen.top - m5.scrollLeft.top - 200) / 2.0) - 36);
  // Size 2 is stretched unevenly: widths follow sx, heights the uniform factor.
  const WindowFactors wide = FactorsFor(2, 1520, 500);
  const MenuLayout m2 = MenuLayoutFor(wide, 1520, 500, false);
  EXPECT_EQ(m2.members[1].width, 800);
  EXPECT_EQ(m2.members[1].height, 30);
}

TEST(MenuLayout, ClockAndStatisticsRules) {
  struct Case { int size, width, height; bool shown; };
  const Case cases[] = {{1, 760, 500, false}, {3, 990, 650, false}, {4, 1290, 850, true}, {5, 1520, 1000, true},
                        {2, 1290, 850, false}, {2, 1291, 851, true}, {2, 1600, 850, false}};
  for (const Case& c : cases) EXPECT_EQ(ClockShown(c.size, c.width, c.height), c.shown) << c.size << " " << c.width;

  EXPECT_EQ(StatsModeFor(7, 2), 1);   // 12:07 shows mode 1
  EXPECT_EQ(StatsModeFor(5, 1), 7);   // the balance needs a logged-in account
  EXPECT_EQ(StatsModeFor(5, 3), 6);
  EXPECT_EQ(StatsDigitSet(3), "GGClock");
  struct Count { long long n; const char* digits; const char* suffix; };
  const Count counts[] = {{999, "999", ""}, {1000, "1", "K"}, {999'999, "999", "K"}, {1'234'567, "1", "M"},
                          {1'000'000'000, "1", "G"}};
  for (const Count& c : counts) {
    EXPECT_EQ(ShortenCount(c.n).digits, c.digits) << c.n;
    EXPECT_EQ(ShortenCount(c.n).suffix, c.suffix) << c.n;
  }
  EXPECT_EQ(StatsDigitPlaces(4).width, 15);
  EXPECT_EQ(StatsDigitPlaces(6).x[5], 60);
  EXPECT_EQ(StatsDigitPlaces(7).count, 0);
  EXPECT_EQ(NoConnectSuffix(2), ": NO CONNECT");
  EXPECT_EQ(NoConnectSuffix(4), "NO CONNECT");
  EXPECT_EQ(NoConnectSuffix(7), " NO CONNECT");
  EXPECT_EQ(ClockDigits(9, 5), (std::array<int, 4>{-1, 9, 0, 5}));
}

TEST(MenuLayout, LightsAndCaptionColours) {
  EXPECT_EQ(LightPicture(0, 5), 3);
  EXPECT_EQ(LightPicture(3, 3), 5);
  EXPECT_EQ(LightPicture(6, 0), LightPicture(0, 0));
  EXPECT_EQ(LightPlace(4), (Point{41, 1}));
  const Rgb red{200, 40, 20};
  EXPECT_EQ(RecolourCaptionPixel(red, 1), red);
  EXPECT_EQ(RecolourCaptionPixel(red, 2), (Rgb{200, 14 + RoundHalfEven(0.4 * (200 - 14)), 14}));
  EXPECT_EQ(RecolourCaptionPixel({10, 40, 20}, 2), (Rgb{10, 40, 20}));  // not a red pixel
  EXPECT_EQ(RecolourCaptionPixel(red, 3), (Rgb{200, 200, 20}));
  EXPECT_EQ(RecolourCaptionPixel(red, 6), (Rgb{20, 40, 200}));
  EXPECT_EQ(NextCaptionColour(7), 1);
  EXPECT_EQ(NextCaptionColour(3), 4);
}

TEST(MenuScreen, StatisticsSwitchOnceInSecondOneAndTheCaptionCycles) {
  Options options;
  options.WindowSize = 5;
  TextTable texts(options);
  DrawnPictures pictures;
  MenuScreen menu(options, texts, pictures);
  menu.resize(1520, 1000);
  QDateTime t(QDate(2026, 12, 11), QTime(12, 6, 59));
  menu.now = [&] { return t; };
  int requests = 0;
  menu.statsValue = [&](int mode) -> std::optional<MenuScreen::StatsReading> {
    ++requests;
    if (mode == 2) return MenuScreen::StatsReading{"1234567", ""};
    return std::nullopt;
  };
  menu.ShowMenu();
  ASSERT_TRUE(menu.ClockVisible());
  EXPECT_EQ(menu.StatsMode(), 7);  // minute 6, logged out: the club size
  EXPECT_TRUE(menu.StatsHint().endsWith(" NO CONNECT"));
  requests = 0;
  t = QDateTime(QDate(2026, 12, 11), QTime(12, 7, 1, 100));
  for (int i = 0; i < 40; ++i) menu.MenuTick();  // many ticks in the same second
  EXPECT_EQ(menu.StatsMode(), 1);
  EXPECT_EQ(requests, 1);
  t = QDateTime(QDate(2026, 12, 11), QTime(12, 8, 2));
  menu.MenuTick();
  t = QDateTime(QDate(2026, 12, 11), QTime(12, 8, 1));
  menu.MenuTick();
  EXPECT_EQ(menu.StatsMode(), 2);
  EXPECT_EQ(requests, 2);
  EXPECT_EQ(menu.LightPhase(), 42 % 6);  // one phase a tick

  EXPECT_EQ(options.CaptionColour, 1);
  for (int i = 0; i < 7; ++i) menu.CaptionPlateClicked();
  EXPECT_EQ(options.CaptionColour, 1);

  // A small window shows neither the clock nor the display.
  options.WindowSize = 1;
  menu.resize(760, 500);
  menu.ShowMenu();
  EXPECT_FALSE(menu.ClockVisible());
}

TEST(MenuScreen, ButtonsCarryTheirCaptionsAndReportClicks) {
  Options options;
  TextTable texts(options);
  DrawnPictures pictures;
  MenuScreen menu(options, texts, pictures);
  menu.resize(760, 500);
  std::vector<MenuButton> clicked;
  menu.buttonClicked = [&](MenuButton b) { clicked.push_back(b); };
  menu.ShowMenu();
  EXPECT_EQ(menu.Button(MenuButton::NewPlayer)->text(), "New Player");
  EXPECT_EQ(menu.Button(MenuButton::TopTen)->text(), "Top Ten");
  EXPECT_EQ(menu.Button(MenuButton::TopTen)->geometry(), QRect(40, 225, 100, 30));
  menu.Button(MenuButton::Options)->click();
  menu.Button(MenuButton::Member3)->click();
  EXPECT_EQ(clicked, (std::vector<MenuButton>{MenuButton::Options, MenuButton::Member3}));
  options.Language = 1;
  menu.ShowMenu();
  EXPECT_EQ(menu.Button(MenuButton::NewPlayer)->text().toStdString(), std::string(Text(0, 1)));
  menu.HideMenu();
  EXPECT_FALSE(menu.MenuShown());
}

}  // namespace
}  // namespace tarvel
