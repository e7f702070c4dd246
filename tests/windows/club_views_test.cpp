// The top ten, history, general-count, end-of-game, mode, about and help windows: what they show and
// what they change, and a picture of each for a person to look at.
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QMovie>
#include <QTableWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "records/end_series.h"
#include "records/history_file.h"
#include "tests/windows/club_windows_fixture.h"
#include "windows/about_window.h"
#include "windows/change_name_window.h"
#include "windows/end_game_window.h"
#include "windows/general_count_window.h"
#include "windows/help_window.h"
#include "windows/history_window.h"
#include "windows/login_window.h"
#include "windows/mode_window.h"
#include "windows/top_ten_window.h"

namespace tarvel::test {
namespace {

using TopTenView = ClubWindows;

TEST_F(TopTenView, TenRowsPlacesOneToThreeRedTheRestNavy) {
  for (const ClubKind kind : {ClubKind::Local, ClubKind::Lan}) {
    const ClubLines club = LoadClub(kind);
    TFormTopTen w(Context(), club, kind);
    w.show();
    EXPECT_EQ(w.Table().Title, kind == ClubKind::Local ? "WINDOWS. LOCAL GAMES WITH PC" : "WINDOWS. NET GAMES");
    const QImage shot = w.grab().toImage();
    for (int place = 1; place <= kTopTenPlaces; ++place) {
      SCOPED_TRACE(place);
      EXPECT_FALSE(w.Table().Rows[place].Name.empty());
      // The row's band on the picture holds text in its colour and none in the other.
      const QRect band(60, TFormTopTen::RowY(place), 340, 22);
      const int red = CountNear(shot, band, QColor(255, 0, 0), 40);
      const int navy = CountNear(shot, band, QColor(0, 0, 128), 40);
      if (place <= 3) {
        EXPECT_GT(red, 20);
        EXPECT_EQ(navy, 0);
      } else {
        EXPECT_GT(navy, 20);
        EXPECT_EQ(red, 0);
      }
    }
  }
}

using HistoryView = ClubWindows;

TEST_F(HistoryView, NoFilesShowsOnlyTheHeader) {
  TFormHistory w(Context());
  w.show();
  ASSERT_EQ(w.FileList()->count(), 1);
  EXPECT_EQ(w.FileList()->itemText(0), QStringLiteral("No History Files"));
  EXPECT_FALSE(w.FileList()->isEnabled());
  EXPECT_EQ(w.Grid()->rowCount(), 0);
  ASSERT_EQ(w.Grid()->columnCount(), 7);
  EXPECT_EQ(w.Grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Time"));
  EXPECT_EQ(w.Grid()->horizontalHeaderItem(6)->text(), QStringLiteral("Type"));
  EXPECT_EQ(w.Grid()->columnWidth(2), 210);
}

TEST_F(HistoryView, ListsValidFilesUntilTheFirstInvalidOne) {
  const HistoryStamp stamp{9, 5, "11.12.2026"};
  std::vector<HisStr> entries;
  entries.push_back({"Anna", 10, 40, 2.333333, kAcLocal});
  entries.push_back({"Anna/Ivan/Boris/Vera", 3, -10, -1.5, kAcLan});
  entries.push_back({"Anna", 1, 10, 12.346, kAcTournament});
  ASSERT_EQ(AppendHistory(Dir(), entries, stamp).Number, 1);
  // File 2 a copy of file 1 with one entry less, file 3 damaged, file 4 valid but beyond the damage.
  std::filesystem::copy_file(HistoryFilePath(Dir(), 1), HistoryFilePath(Dir(), 4));
  std::string damaged = ReadBytes(HistoryFilePath(Dir(), 1));
  damaged[20] = damaged[20] == 'x' ? 'y' : 'x';
  WriteBytes(HistoryFilePath(Dir(), 3), damaged);
  entries.pop_back();
  const std::filesystem::path other = Dir() / "other";
  ASSERT_EQ(AppendHistory(other, entries, stamp).Number, 1);
  std::filesystem::copy_file(HistoryFilePath(other, 1), HistoryFilePath(Dir(), 2));

  int chosen = 0;
  TFormHistory w(Context(), &chosen);
  w.show();
  ASSERT_EQ(w.FileList()->count(), 2);
  EXPECT_TRUE(w.FileList()->itemText(0).startsWith(QStringLiteral("File I0001 ")));
  EXPECT_TRUE(w.FileList()->itemText(1).startsWith(QStringLiteral("File I0002 ")));
  EXPECT_TRUE(w.FileList()->isEnabled());
  // The last valid file is shown first.
  EXPECT_EQ(w.ShownFile(), 2);
  EXPECT_EQ(w.Grid()->rowCount(), 2);

  w.ChooseItem(0);
  EXPECT_EQ(chosen, 1);
  QTableWidget* grid = w.Grid();
  ASSERT_EQ(grid->rowCount(), 3);
  EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("09:05"));
  EXPECT_EQ(grid->item(1, 2)->text(), QStringLiteral("Anna/Ivan/Boris/Vera"));
  EXPECT_EQ(grid->item(1, 5)->text(), QStringLiteral("-1,50"));
  EXPECT_EQ(grid->item(2, 5)->text(), QStringLiteral("12,35"));
  const struct {
    int row;
    const char* type;
    QColor colour;
  } types[] = {{0, "Local", grid->palette().color(QPalette::Text)}, {1, "Net", QColor(0, 128, 0)}, {2, "Tourney", QColor(0, 0, 255)}};
  for (const auto& t : types) {
    EXPECT_EQ(grid->item(t.row, 6)->text(), QString::fromLatin1(t.type));
    EXPECT_EQ(grid->item(t.row, 6)->foreground().color(), t.colour);
  }
  EXPECT_EQ(grid->item(0, 2)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
  EXPECT_EQ(grid->item(0, 3)->textAlignment(), int(Qt::AlignCenter));

  // The choice holds for the next opening in this run.
  TFormHistory again(Context(), &chosen);
  EXPECT_EQ(again.ShownFile(), 1);
  EXPECT_EQ(again.FileList()->currentIndex(), 0);
  // A choice that is no longer listed falls back to the last valid file.
  chosen = 3;
  TFormHistory fallback(Context(), &chosen);
  EXPECT_EQ(fallback.ShownFile(), 2);
}

using EndGameView = ClubWindows;

TEST_F(EndGameView, PlaysItsSoundOnceAndTheAnimationRestsOnItsFrame) {
  const EndGameWindow best = EndGameWindowFor(1, 420, PlayKind::Local, false);
  TFormEndGame w(Context(), best);
  EXPECT_TRUE(sounds.empty());
  w.show();
  EXPECT_EQ(sounds, std::vector<std::string>{"WFiBest"});
  w.hide();
  w.show();
  EXPECT_EQ(sounds.size(), 1u);
  EXPECT_EQ(w.Lines().front(), QStringLiteral("CONGRATULATIONS!!!"));
  EXPECT_EQ(w.Lines().back(), QStringLiteral("You become a Master of the Order!"));
  ASSERT_NE(w.Animation(), nullptr) << "GEndBest is one of the built-in pictures";
  ASSERT_GT(w.Animation()->frameCount(), 25);
  Spin([&] { return w.Animation()->state() == QMovie::Paused; });
  EXPECT_EQ(w.Animation()->currentFrameNumber(), 25);

  // Places 2-10 rest on frame 24; with animations off the picture stands on that frame at once.
  options.GifAnimation = false;
  TFormEndGame good(Context(), EndGameWindowFor(4, 180, PlayKind::Local, false));
  good.show();
  EXPECT_EQ(sounds.back(), "WFiGood");
  ASSERT_NE(good.Animation(), nullptr);
  EXPECT_NE(good.Animation()->state(), QMovie::Running);
  EXPECT_EQ(good.Animation()->currentFrameNumber(), 24);
}

using ModeView = ClubWindows;

TEST_F(ModeView, ChoosesBetweenLocalAndNetworkPlay) {
  TFormMode w(Context());
  EXPECT_EQ(w.Chosen(), GameMode::Local);
  EXPECT_FALSE(w.Choose(GameMode::Account));
  EXPECT_FALSE(w.Choose(GameMode::Tournament));
  EXPECT_TRUE(w.Choose(GameMode::Network));
  w.reject();
  EXPECT_FALSE(options.LanMode);  // Cancel keeps the mode
  w.Accept();
  EXPECT_TRUE(options.LanMode);
  TFormMode back(Context());
  EXPECT_EQ(back.Chosen(), GameMode::Network);
  back.Choose(GameMode::Local);
  back.Accept();
  EXPECT_FALSE(options.LanMode);
}

using HelpView = ClubWindows;

TEST_F(HelpView, DocumentInTheLanguageOrInEnglish) {
  const struct {
    int language;
    const char* heading;
  } cases[] = {{0, "The rules"}, {1, "Правила"}, {2, "The rules"}, {9, "The rules"}};
  for (const auto& c : cases) {
    options.Language = static_cast<std::uint8_t>(c.language);
    TFormHelp w(Context());
    EXPECT_TRUE(w.Browser()->toPlainText().contains(QString::fromUtf8(c.heading))) << c.language;
    EXPECT_GT(w.Browser()->toPlainText().size(), 3000);
  }
}

// Every window once in English and once in Russian, in the plain design and the special one, saved as
// pictures in the build tree; a picture that is one flat colour means nothing was drawn.
TEST_F(ClubWindows, EveryWindowDrawsAndIsSavedAsAPicture) {
  const ClubLines club = ClubWithMembers();
  TCount count{"47", "17", "40", "20", "60", "  1,50", "  1,70"};
  const std::vector<HisStr> history = {{"Anna", 10, 40, 2.333333, kAcLocal},
                                       {"Анна/Иван/Борис/Вера", 3, -10, -1.5, kAcLan},
                                       {"Anna", 4, 20, 2.4, kAcAccount},
                                       {"Anna", 1, 10, 12.346, kAcTournament}};
  ASSERT_EQ(AppendHistory(Dir(), history, {21, 7, "11.12.2026"}).Number, 1);
  const struct {
    int language;
    bool special;
    int windowSize;
    const char* suffix;
  } looks[] = {{0, false, 1, "en"}, {1, false, 1, "ru"}, {0, true, 1, "en-special"}, {1, false, 3, "ru-size3"}};
  for (const auto& look : looks) {
    options.Language = static_cast<std::uint8_t>(look.language);
    options.AuxDesignSpecial = look.special;
    options.WindowSize = look.windowSize;
    ClubState state;
    std::vector<std::pair<std::string, std::unique_ptr<AuxWindow>>> windows;
    windows.emplace_back("login", std::make_unique<TFormLogin>(Context(), club, 1, state));
    windows.emplace_back("new-player", std::make_unique<TFormLogin>(Context(), club, kSlotNewPlayer, state));
    windows.emplace_back("change-name", std::make_unique<TFormChangeName>(Context(), state, ClubKind::Local));
    windows.emplace_back("top-ten", std::make_unique<TFormTopTen>(Context(), club, ClubKind::Local));
    windows.emplace_back("history", std::make_unique<TFormHistory>(Context()));
    windows.emplace_back("general-count", std::make_unique<TFormCount>(Context(), count, QStringLiteral("Anna"), 2));
    windows.emplace_back("end-game-best", std::make_unique<TFormEndGame>(Context(), EndGameWindowFor(1, 420, PlayKind::Local, false)));
    windows.emplace_back("end-game-reward", std::make_unique<TFormEndGame>(Context(), EndGameWindowFor(2, 260, PlayKind::Account, true, 10)));
    windows.emplace_back("end-game-regrets", std::make_unique<TFormEndGame>(Context(), EndGameWindowFor(0, -40, PlayKind::Local, false)));
    windows.emplace_back("mode", std::make_unique<TFormMode>(Context()));
    windows.emplace_back("about", std::make_unique<TFormAbout>(Context()));
    windows.emplace_back("help", std::make_unique<TFormHelp>(Context()));
    for (auto& [name, w] : windows) {
      SCOPED_TRACE(name + "-" + look.suffix);
      w->show();
      EXPECT_FALSE(w->windowTitle().isEmpty());
      QApplication::processEvents();
      const QImage shot = w->grab().toImage();
      EXPECT_EQ(shot.size(), w->size());
      EXPECT_NE(shot.pixel(shot.width() / 2, shot.height() / 3), shot.pixel(4, 4));
      const QString file = ShotDirectory() + "/" + QString::fromStdString(name) + "-" + look.suffix + ".png";
      EXPECT_TRUE(shot.save(file)) << file.toStdString();
      // Escape closes every window without success.
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : w.get(), &escape);
      EXPECT_FALSE(w->isVisible());
      EXPECT_EQ(w->result(), QDialog::Rejected);
    }
  }
}

}  // namespace
}  // namespace tarvel::test
