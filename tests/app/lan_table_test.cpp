// Network play through the main window: two windows, host and client, joined over 127.0.0.1, play a
// deal through their tables' own clicks and buttons; the moves travel through the windows' presenters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QThread>

#include "tests/lan/wait_for.h"
#include "app/autoplay.h"
#include "app/main_window.h"
#include "tests/app/program_dir_fixture.h"

namespace tarvel {
namespace {

using test::WaitFor;

// The user of a window may act now: a card of seat 4 or the main button.
bool UserMayAct(MainWindow& w) {
  const GameState& st = w.GameOf().st;
  if (st.DealOver) return false;
  if (w.Screen().MainButton()->isEnabled()) return true;
  return st.StartPhase == 2 && Actor(st) == 4;
}

// One action of the user: a legal card when one is wanted, else the main button.
void UserActs(MainWindow& w, DealRandom& random) {
  GameState& st = w.GameOf().st;
  if (st.StartPhase == 2 && Actor(st) == 4) {
    const UserMove m = UserMoveKind(st);
    for (int k = 1; k <= st.KolCards[4]; ++k) {
      const CardTest t = TestUserCard(st, st.CardsI[4][k], st.CardsJ[4][k], m.kind);
      const bool legal = m.kind == MoveKind::Lead || (!t.limitReached && !t.wrongCard);
      if (legal && (m.kind == MoveKind::Lead || random.Uniform(1, 100) <= 70 || !w.Screen().MainButton()->isEnabled())) {
        w.Screen().CardClick(k, Qt::LeftButton);
        return;
      }
    }
  }
  if (w.Screen().MainButton()->isEnabled()) w.Screen().MainButton()->click();
}

TEST(LanTable, HostAndClientWindowsPlayADealOverLoopback) {
  ProgramDirFixture hostDir, clientDir;
  Options hostOptions, clientOptions;
  for (Options* o : {&hostOptions, &clientOptions}) {
    o->SoundOn = false;
    o->MusicOn = false;
    o->FlyCards = false;
    o->LanMode = true;
    o->Rules.OptFirstMove = 3;
  }
  ClubState hostClub, clientClub;
  hostClub.Name = "Host";
  clientClub.Name = "Gast";
  MainWindow host(hostOptions, hostClub, hostDir.path, std::make_unique<DrawnPictures>());
  MainWindow client(clientOptions, clientClub, clientDir.path, std::make_unique<DrawnPictures>());
  for (MainWindow* w : {&host, &client}) {
    w->Presenter().firstMoveAnswer = 4;
    w->dialogs.message = [](const QString& text) { ADD_FAILURE() << text.toStdString(); };
    w->show();
    w->ShowMenu();
  }
  ASSERT_TRUE(host.Lan().StartHost(0, "Host"));
  client.Lan().StartClient(QHostAddress::LocalHost, host.Lan().ListeningPort(), "Gast");
  ASSERT_TRUE(WaitFor([&] { return host.Lan().CanBegin() && client.Lan().Link() == LinkState::SeatAssigned; }));
  ASSERT_TRUE(host.StartNetworkSeries());
  ASSERT_TRUE(client.StartNetworkSeries());
  ASSERT_TRUE(WaitFor([&] { return !client.Lan().WaitingForDeal(); }));
  EXPECT_TRUE(client.Chat().isVisible());

  DealRandom random(3);
  const auto settled = [&] { return !host.Lan().Busy() && !client.Lan().Busy(); };
  for (int step = 0; step < 4000 && !(host.GameOf().st.DealOver && client.GameOf().st.DealOver); ++step) {
    host.StepTimer().stop();
    client.StepTimer().stop();
    MainWindow* acting = UserMayAct(host) ? &host : UserMayAct(client) ? &client : nullptr;
    if (acting) UserActs(*acting, random);
    const GameState& a = host.GameOf().st;
    const GameState& b = client.GameOf().st;
    // The move is on its way until the other machine has read and replayed it.
    WaitFor([&] { return settled() && a.Och == b.Och && a.KolCardsStol == b.KolCardsStol && a.Step == b.Step; }, 10000);
    ASSERT_EQ(a.Och, b.Och) << "step " << step;
    ASSERT_EQ(a.KolCardsStol, b.KolCardsStol) << "step " << step;
    ASSERT_EQ(a.KolCards[1] + a.KolCards[2] + a.KolCards[3] + a.KolCards[4],
              b.KolCards[1] + b.KolCards[2] + b.KolCards[3] + b.KolCards[4])
        << "step " << step;
    ASSERT_EQ(CheckInvariants(a), "");
    ASSERT_EQ(CheckInvariants(b), "");
  }
  EXPECT_TRUE(host.GameOf().st.DealOver);
  EXPECT_TRUE(client.GameOf().st.DealOver);
  EXPECT_EQ(host.Lan().RefusedMoves() + client.Lan().RefusedMoves(), 0);
  EXPECT_GT(host.Lan().AppliedMoves() + client.Lan().AppliedMoves(), 0);
  host.Lan().Leave();
}

TEST(LanTable, AClientWaitingForItsDealGoesBackToTheMenuWhenTheHostCancels) {
  ProgramDirFixture hostDir, clientDir;
  Options hostOptions, clientOptions;
  for (Options* o : {&hostOptions, &clientOptions}) {
    o->SoundOn = false;
    o->MusicOn = false;
    o->LanMode = true;
  }
  ClubState hostClub, clientClub;
  MainWindow host(hostOptions, hostClub, hostDir.path, std::make_unique<DrawnPictures>());
  MainWindow client(clientOptions, clientClub, clientDir.path, std::make_unique<DrawnPictures>());
  std::vector<QString> shown;
  client.dialogs.message = [&](const QString& text) { shown.push_back(text); };
  host.show();
  client.show();
  ASSERT_TRUE(host.Lan().StartHost(0, "Host"));
  client.Lan().StartClient(QHostAddress::LocalHost, host.Lan().ListeningPort(), "Gast");
  ASSERT_TRUE(WaitFor([&] { return client.Lan().Link() == LinkState::SeatAssigned; }));
  ASSERT_TRUE(client.StartNetworkSeries());
  EXPECT_TRUE(client.Lan().WaitingForDeal());
  // The pop-up menu's general count has nothing of an earlier series to show, and leaving counts nothing.
  EXPECT_FALSE(client.GameOf().st.DealShown);
  host.Lan().Cancel();
  ASSERT_TRUE(WaitFor([&] { return client.Menu().MenuShown(); }));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_FALSE(client.Screen().isVisible());
  EXPECT_FALSE(std::filesystem::exists(clientDir.path / "History"));
}

}  // namespace
}  // namespace tarvel
