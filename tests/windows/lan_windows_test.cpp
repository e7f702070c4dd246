// The network section of the welcome window, the waiting window and the chat panel, driven through
// their own handlers; the sessions talk over 127.0.0.1.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QThread>
#include <gtest/gtest.h>

#include "tests/lan/wait_for.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "table/picture_source.h"
#include "windows/lan_chat_panel.h"
#include "windows/lan_waiting_window.h"
#include "windows/lan_welcome_section.h"

namespace tarvel {
namespace {

using test::WaitFor;

class NoPictures : public PictureSource {
 public:
  void Prepare(int, int, int, int) override {}
  QPixmap CardFace(TStr2) override { return {}; }
  QPixmap DeckBack() override { return {}; }
  QPixmap Background() override { return {}; }
  QPixmap Named(const QString&) override { return {}; }
};

class LanWindows : public ::testing::Test {
 protected:
  LanWindows() : texts(options), context{options, texts, pictures, {}, nullptr} {
    options.LanPort = "25666";
    options.LanAddress = "10.1.2.3";
    options.PlayerName = "Anna";
  }
  QString Tr(int row) const { return context.Tr(row); }

  Options options;
  TextTable texts;
  NoPictures pictures;
  WindowContext context;
  Game game{nullptr, nullptr};
  LanSession session{game};
};

TEST_F(LanWindows, TheSectionOpensAsServerAndTheClientTakesTheSavedAddress) {
  LanWelcomeSection s(context, session);
  EXPECT_TRUE(s.IsServer());
  EXPECT_FALSE(s.AddressEnabled());
  EXPECT_EQ(s.Address(), "");
  EXPECT_EQ(s.Port(), "25666");
  s.ChooseClient();
  EXPECT_TRUE(s.AddressEnabled());
  EXPECT_EQ(s.Address(), "10.1.2.3");
  s.ChooseServer();
  EXPECT_EQ(s.Address(), "");
  EXPECT_FALSE(s.AddressEnabled());
}

TEST_F(LanWindows, EntriesKeepTheirLastAcceptedText) {
  LanWelcomeSection s(context, session);
  s.ChooseClient();
  struct Case {
    bool address;
    const char* typed;
    const char* shown;
  } cases[] = {
      {true, "192.168.0.7", "192.168.0.7"}, {true, "192.168.0.7x", "192.168.0.7"}, {true, "", ""},
      {true, "1 2", ""},                    {false, "3000", "3000"},               {false, "3000a", "3000"},
      {false, "30.0", "3000"},              {false, "", ""},
  };
  for (const Case& c : cases) {
    if (c.address) {
      s.AddressEntry()->setText(c.typed);
      s.TypeAddress(c.typed);
      EXPECT_EQ(s.Address(), c.shown) << c.typed;
    } else {
      s.TypePort(c.typed);
      EXPECT_EQ(s.Port(), c.shown) << c.typed;
    }
  }
  EXPECT_EQ(options.LanAddress, "192.168.0.7");  // an emptied entry is not stored
  EXPECT_EQ(options.LanPort, "");
}

TEST_F(LanWindows, ConfirmRefusesBadEntriesWithTheirMessage) {
  struct Case {
    bool client;
    const char* address;
    const char* port;
    const char* name;
    int messageRow;  // 0: passes to the waiting window
  } cases[] = {
      {false, "", "25666", "", 67},
      {true, "192.168.1", "25666", "Al", 77},
      {true, "1.2.3.4.", "25666", "Al", 77},
      {true, "1.2.3.4567", "25666", "Al", 77},
      {true, "999.1.1.1", "25666", "Al", 77},
      {true, "127.0.0.1", "", "Al", 78},
      {false, "", "0", "Al", 78},
      {true, "127.0.0.1", "25666", "Al", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.address) + " / " + c.port);
    LanWelcomeSection s(context, session);
    s.playerName = [&] { return std::string(c.name); };
    bool waited = false;
    s.runWaitingWindow = [&] {
      waited = true;
      return false;  // the player cancels
    };
    if (c.client) s.ChooseClient();
    s.AddressEntry()->setText(c.address);
    s.TypeAddress(c.address);
    s.TypePort(c.port);
    EXPECT_FALSE(s.Confirm());
    EXPECT_EQ(waited, c.messageRow == 0);
    EXPECT_EQ(s.Message(), c.messageRow ? Tr(c.messageRow) : QString());
    EXPECT_EQ(session.Link(), LinkState::Idle);
  }
}

TEST_F(LanWindows, TheHostsWaitingWindowFollowsTheClientsThatJoin) {
  LanWelcomeSection s(context, session);
  s.TypePort("0");  // refused: no such port
  EXPECT_FALSE(s.Confirm());
  ASSERT_TRUE(session.StartHost(0, "Anna"));  // an ephemeral port for the test
  const quint16 port = session.ListeningPort();
  session.Cancel();
  s.TypePort(QString::number(port));

  std::vector<std::unique_ptr<Game>> games;
  std::vector<std::unique_ptr<LanSession>> clients;
  struct Expect {
    bool line[3];
    bool ok, cancel;
  } expected[] = {
      {{true, false, false}, true, false},
      {{true, true, false}, false, true},
      {{true, true, true}, true, false},
  };
  s.runWaitingWindow = [&] {
    LanWaitingWindow w(context, session);
    w.show();
    EXPECT_EQ(w.FirstLine(), Tr(395));
    EXPECT_FALSE(w.OkEnabled());
    EXPECT_TRUE(w.CancelEnabled());
    for (int i = 0; i < 3; ++i) {
      games.push_back(std::make_unique<Game>(nullptr, nullptr));
      clients.push_back(std::make_unique<LanSession>(*games.back()));
      clients.back()->StartClient(QHostAddress::LocalHost, port, "Cl");
      EXPECT_TRUE(WaitFor([&] { return session.ClientCount() == i + 1; }));
      for (int l = 0; l < 3; ++l) EXPECT_EQ(w.LineShown(l), expected[i].line[l]) << i << " " << l;
      EXPECT_EQ(w.OkEnabled(), expected[i].ok) << i;
      EXPECT_EQ(w.CancelEnabled(), expected[i].cancel) << i;
    }
    w.PressOk();
    return w.result() == QDialog::Accepted;
  };
  EXPECT_TRUE(s.Confirm());
  EXPECT_TRUE(session.CanBegin());
  EXPECT_EQ(options.LanPort, std::to_string(port));
}

TEST_F(LanWindows, AClientWaitsUntilItsSeatOrSeesThatNoGameIsOpen) {
  Game hostGame(nullptr, nullptr);
  LanSession host(hostGame);
  ASSERT_TRUE(host.StartHost(0, "Host"));
  session.StartClient(QHostAddress::LocalHost, host.ListeningPort(), "Anna");
  {
    LanWaitingWindow w(context, session);
    EXPECT_EQ(w.FirstLine(), Tr(396));
    EXPECT_TRUE(WaitFor([&] { return w.result() == QDialog::Accepted; }));
  }
  EXPECT_EQ(session.Link(), LinkState::SeatAssigned);
  // A host that is gone: after a second the line says that no game is open; Cancel leaves.
  host.Cancel();
  LanSession lonely(game);
  lonely.StartClient(QHostAddress::LocalHost, 1, "Anna");
  LanWaitingWindow w(context, lonely);
  w.CheckRefused();
  EXPECT_EQ(w.FirstLine(), Tr(400));
  w.PressCancel();
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_EQ(lonely.Link(), LinkState::Idle);
}

TEST_F(LanWindows, TheOwnAddressFieldsEndWithTheLoopBack) {
  LanWelcomeSection s(context, session);
  s.externalAddress = [] { return QStringLiteral("81.2.3.4"); };
  EXPECT_FALSE(s.AddressFieldsShown());
  s.ReceiveAddresses();
  EXPECT_TRUE(s.AddressFieldsShown());
  QStringList shown;
  for (int i = 0; i < 6; ++i)
    if (!s.AddressField(i).isEmpty()) shown << s.AddressField(i);
  ASSERT_GE(shown.size(), 2);
  EXPECT_EQ(shown.back(), "127.0.0.1");
  EXPECT_EQ(shown[shown.size() - 2], "81.2.3.4");
}

TEST_F(LanWindows, ChatPanelKeepsTheLastFourLinesInSeatColours) {
  LanChatPanel panel(pictures);
  panel.SetScale(1.0, false);
  for (int i = 1; i <= 5; ++i) panel.ShowChatLine(i % 4 + 1, QString("line %1").arg(i));
  EXPECT_EQ(panel.RowText(0), "line 2");  // the fifth line pushed the first out
  EXPECT_EQ(panel.RowText(3), "line 5");
  EXPECT_EQ(panel.RowColour(3), QColor(0, 0, 128));  // line 5 came from seat 2: navy
  EXPECT_EQ(LanChatPanel::SeatColour(1), QColor(128, 0, 0));
  EXPECT_EQ(LanChatPanel::SeatColour(3), QColor(0, 128, 0));
  EXPECT_EQ(LanChatPanel::SeatColour(4), QColor(128, 128, 0));
  // A line too wide for its row loses characters from its end (twelve at most) and shows "...".
  panel.ShowChatLine(3, "WWWWWWWWWWWWWWW");
  EXPECT_TRUE(panel.RowText(3).endsWith("..."));
  EXPECT_GE(panel.RowText(3).size(), 3 + 3);
  panel.ShowChatLine(3, "ok");
  EXPECT_EQ(panel.RowText(3), "ok");
  panel.Clear();
  EXPECT_EQ(panel.RowText(0), "");
}

TEST_F(LanWindows, ChatPanelSendsAndHidesTheSwitchInTheButton) {
  LanChatPanel panel(pictures);
  QStringList sent;
  int toggles = 0;
  panel.send = [&](const QString& t) { sent << t; };
  panel.toggleHands = [&] { ++toggles; };
  panel.Entry()->setText("hello");
  panel.Send();
  EXPECT_TRUE(sent.isEmpty());  // off until the deal has arrived
  panel.SetChatEnabled(true);
  panel.Send();
  panel.Send();  // the entry was emptied: nothing more to send
  EXPECT_EQ(sent, QStringList{"hello"});
  EXPECT_EQ(panel.Entry()->text(), "");

  for (QChar c : QString("12") + LanChatPanel::kHandsSwitch) panel.DigitOnButton(c);
  EXPECT_EQ(toggles, 1);
  for (QChar c : QString(LanChatPanel::kHandsSwitch).left(3)) panel.DigitOnButton(c);
  panel.ButtonLostFocus();  // moving the focus away drops the digits
  for (QChar c : QString(LanChatPanel::kHandsSwitch).mid(3)) panel.DigitOnButton(c);
  EXPECT_EQ(toggles, 1);
  for (QChar c : QString(LanChatPanel::kHandsSwitch)) panel.DigitOnButton(c);
  EXPECT_EQ(toggles, 2);
}

}  // namespace
}  // namespace tarvel
