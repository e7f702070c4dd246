#pragma once
// The start menu: the main window's client area between games. The club's member buttons and the command
// buttons, the title and the two plates, two animations, two scrolls with running lights, the clock and
// the statistics display on large windows, the link icons and the news shelf. ShowMenu lays it all out
// for the current options; MenuTick (every 20 ms while the menu is shown) moves the lights and the clock
// and repaints only those places.
#include <QDateTime>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/club_list.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "table/kex_cards_button.h"
#include "table/menu_layout.h"
#include "table/picture_source.h"

class QLabel;
class QMovie;

namespace tarvel {

enum class MenuButton { Member1 = 1, Member2, Member3, Member4, Member5, NewPlayer, TopTen, History, Options, Mode, Exit };

class MenuScreen : public QWidget {
 public:
  MenuScreen(Options& options, const TextTable& texts, PictureSource& pictures, QWidget* parent = nullptr);

  // Lays out and draws the whole menu; the news and chat checks run only when the menu was not shown yet.
  void ShowMenu();
  // The table replaces the menu: the animations stop where they are.
  void HideMenu();
  bool MenuShown() const { return menuShown_; }
  // One animation step: the lights, the clock and, once in second 01, the statistics display's mode.
  void MenuTick();

  // The club list of the menu, built with a meter in the buttons' font; the main window reads the club file.
  std::function<ClubList(const TextMeter& meter)> clubList;
  // A button of the menu was clicked.
  std::function<void(MenuButton)> buttonClicked;
  // A link icon was clicked, by its picture name.
  std::function<void(const QString& picture)> linkClicked;
  // The statistics display's value for a mode and what it adds to the hint (a record holder's nick);
  // nothing when the request failed: the display shows "00" and the hint says so.
  struct StatsReading {
    std::string value;
    std::string hintExtra;
  };
  std::function<std::optional<StatsReading>(int mode)> statsValue;
  // Whether the news and the chat have something new (the online checks).
  std::function<bool()> newsCheck, chatCheck;
  // The clock of the menu; tests set it.
  std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
  // The account state of the online account (1 logged out, 2 and 3 logged in).
  int accountState = 1;

  // For the main window's tests and the screenshot tool.
  TKexCardsButton* Button(MenuButton b) const { return buttons_[static_cast<int>(b)]; }
  const MenuLayout& Layout() const { return layout_; }
  int LightPhase() const { return lightPhase_; }
  int StatsMode() const { return statsMode_; }
  QString StatsHint() const { return statsHint_; }
  bool ClockVisible() const { return clockShown_; }
  // Acts as a click on the caption plate: the next caption colour.
  void CaptionPlateClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ColourButtons();
  void LabelButtons();
  void BuildScene();
  void DrawStatsPanel(int mode);
  void PaintLights(QPainter& p);
  void PaintClock(QPainter& p);
  void PaintStats(QPainter& p);
  void StartAnimations();
  QPixmap Picture(const QString& name);
  QFont ListFont() const;

  Options& options_;
  const TextTable& texts_;
  PictureSource& pictures_;
  WindowFactors factors_;
  MenuLayout layout_;
  std::array<TKexCardsButton*, 12> buttons_{};  // [1..11] by MenuButton
  TKexCardsButton* panel4_;
  std::array<TKexCardsButton*, 4> panels_{};  // [1..3]
  std::array<QLabel*, 2> animations_{};
  std::array<QMovie*, 2> movies_{};
  std::array<int, 2> frozenFrame_{};
  QPixmap scene_;  // background with every still picture of the menu
  bool menuShown_ = false;
  bool clockShown_ = false;
  bool news_ = false, chat_ = false;
  int lightPhase_ = 0;
  bool statsSwitched_ = false;
  int statsMode_ = 1;
  QString statsHint_;
  QString statsText_;
  QString statsSuffix_;
  struct Link {
    QString picture;
    QRect rect;
    QString hint;
  };
  std::vector<Link> links_;
};

}  // namespace tarvel
