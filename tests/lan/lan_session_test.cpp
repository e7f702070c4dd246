#include "tests/lan/wait_for.h"
#include "lan/lan_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

#include "lan/seat_table.h"
#include "tests/lan/lan_fixtures.h"

namespace tarvel {
namespace {

using testing::Difference;
using testing::RandomChooser;

using test::WaitFor;

class Forwarder : public Presenter {
 public:
  LanSession* session = nullptr;
  void Announce(const MoveNote& note) override {
    if (session) session->Announce(note);
  }
};

// One machine: its own engine, its session, and the user's (seeded) way of playing.
struct Machine {
  explicit Machine(std::uint64_t seed) : game(&view, &computer, nullptr, seed), session(game), user(seed + 100, 30), computer(seed + 200, 30) {
    view.session = &session;
    game.rules.OptFirstMove = 3;
    session.gameInterrupted = [this] { ++interrupted; };
    session.dealLaidOut = [this] { ++deals; };
    session.chatLine = [this](int seat, const QString& text) { chat.push_back({seat, text}); };
    session.playEffect = [this](const std::string& name, bool) { effects.push_back(name); };
  }
  Forwarder view;
  Game game;
  LanSession session;
  RandomChooser user;
  RandomChooser computer;
  int interrupted = 0;
  int deals = 0;
  std::vector<std::pair<int, QString>> chat;
  std::vector<std::string> effects;
  int Seat() const { return session.OwnSeat(); }
};

class LanGame : public ::testing::Test {
 protected:
  // A host and `clients` clients joined over 127.0.0.1; the game has not begun.
  void Join(int clients, std::uint64_t seed = 1) {
    host_ = std::make_unique<Machine>(seed);
    ASSERT_TRUE(host_->session.StartHost(0, "Host"));
    port_ = host_->session.ListeningPort();
    for (int i = 0; i < clients; ++i) {
      auto c = std::make_unique<Machine>(seed + 10 * (i + 1));
      bool* assigned = &assigned_[i];
      c->session.seatAssigned = [assigned] { *assigned = true; };
      c->session.StartClient(QHostAddress::LocalHost, port_, "C" + std::to_string(i + 2));
      ASSERT_TRUE(WaitFor([&] { return *assigned; })) << "client " << i;
      ASSERT_EQ(c->Seat(), i + 2);
      clients_.push_back(std::move(c));
    }
    ASSERT_TRUE(WaitFor([&] {
      for (auto& c : clients_)
        if (c->session.ClientCount() != clients) return false;
      return host_->session.ClientCount() == clients;
    }));
  }

  std::vector<Machine*> All() {
    std::vector<Machine*> out{host_.get()};
    for (auto& c : clients_) out.push_back(c.get());
    return out;
  }

  void Begin() {
    ASSERT_TRUE(host_->session.BeginGame());
    for (auto& c : clients_) ASSERT_TRUE(c->session.BeginGame());
    ASSERT_TRUE(WaitFor([&] {
      for (auto& c : clients_)
        if (c->deals < 1) return false;
      return true;
    }));
  }

  // Every move sent has been replayed (or refused) and nothing waits in a queue.
  bool Quiet() {
    int sent = 0, done = 0;
    for (Machine* m : All()) {
      sent += m->session.SentMoves();
      done += m->session.AppliedMoves() + m->session.RefusedMoves();
      if (m->session.Busy()) return false;
    }
    return sent == done;
  }

  void ExpectSame(const std::string& when) {
    ASSERT_TRUE(WaitFor([&] { return Quiet(); })) << when;
    for (auto& c : clients_)
      ASSERT_EQ(Difference(host_->game.st, 1, c->game.st, c->Seat()), "") << when << ", seat " << c->Seat();
  }

  // The machine whose user can act now; fails when none or two can.
  Machine* Acting() {
    Machine* acting = nullptr;
    for (Machine* m : All()) {
      const GameState& st = m->game.st;
      const bool can = (st.StartPhase == 1 && m->game.controls.main.enabled) ||
                       (st.StartPhase == 2 && (Actor(st) == 4 || m->game.controls.main.enabled));
      if (!can) continue;
      EXPECT_EQ(acting, nullptr) << "two machines may act";
      acting = m;
    }
    return acting;
  }

  // Plays the deal to its end, or `maxSteps` steps of it.
  void PlayDeal(int maxSteps = 3000) {
    for (int step = 0; step < maxSteps && !host_->game.st.DealOver; ++step) {
      Machine* m = Acting();
      ASSERT_NE(m, nullptr) << "nobody can act at step " << step << ", phase " << int(host_->game.st.Step);
      const bool toBegin = m->game.st.StartPhase == 1;
      const int sent = m->session.SentMoves();
      ASSERT_TRUE(testing::UserActs(m->game, m->user));
      m->session.AfterUserAction();
      // "To Begin" sends nothing: the others learn of it from the first move.
      if (toBegin && m->session.SentMoves() == sent) continue;
      ExpectSame("step " + std::to_string(step));
      if (HasFatalFailure()) return;
    }
    if (maxSteps < 3000 && !host_->game.st.DealOver) return;
    ASSERT_TRUE(host_->game.st.DealOver);
    for (Machine* m : All()) {
      ASSERT_TRUE(m->game.st.DealOver);
      Tick(m->game);  // shows the result and sets the end-of-deal buttons
    }
  }

  void NextDeal() {
    ASSERT_TRUE(host_->game.controls.main.enabled);
    for (auto& c : clients_) EXPECT_FALSE(c->game.controls.main.enabled);
    std::vector<int> before;
    for (auto& c : clients_) before.push_back(c->deals);
    MainButton(host_->game);  // "We play still!"
    host_->session.AfterUserAction();
    ASSERT_TRUE(WaitFor([&] {
      for (std::size_t i = 0; i < clients_.size(); ++i)
        if (clients_[i]->deals == before[i]) return false;
      return true;
    }));
    ExpectSame("next deal");
  }

  void PlayBlockOfThree() {
    for (int deal = 1; deal <= 3; ++deal) {
      ExpectSame("deal " + std::to_string(deal));
      PlayDeal();
      if (HasFatalFailure()) return;
      if (deal < 3) NextDeal();
      if (HasFatalFailure()) return;
    }
    // After the third deal only "Exit to menu" goes on, on every machine.
    for (Machine* m : All()) {
      EXPECT_FALSE(m->game.controls.main.enabled);
      EXPECT_EQ(m->game.controls.main.caption, Caption::WePlayStill);
      EXPECT_TRUE(m->game.controls.exit.enabled);
      EXPECT_EQ(m->session.RefusedMoves(), 0);
    }
  }

  std::unique_ptr<Machine> host_;
  std::vector<std::unique_ptr<Machine>> clients_;
  bool assigned_[4] = {};
  quint16 port_ = 0;
};

TEST_F(LanGame, TwoPeoplePlayABlockOfThreeDeals) {
  for (std::uint64_t seed : {3u, 4u}) {
    clients_.clear();
    assigned_[0] = false;
    Join(1, seed);
    if (HasFatalFailure()) return;
    Begin();
    if (HasFatalFailure()) return;
    for (Machine* m : All()) m->session.SetMovePause(2);
    // The host names the computer seats "PC  ", the client knows the host by name.
    EXPECT_EQ(clients_[0]->game.st.SeatName[PositionOf(2, 1)], "Host");
    EXPECT_EQ(host_->game.st.SeatName[PositionOf(1, 3)], "PC  ");
    PlayBlockOfThree();
    if (HasFatalFailure()) return;
    EXPECT_GT(host_->session.SentMoves() + clients_[0]->session.SentMoves(), 0);
  }
}

TEST_F(LanGame, MovesArrivingTogetherAreReplayedOneByOne) {
  // At the real pace the computer seats' moves reach the other machine in bursts, and each replayed
  // move of a burst is followed by its 100 ms pause.
  Join(1, 3);
  if (HasFatalFailure()) return;
  Begin();
  if (HasFatalFailure()) return;
  QElapsedTimer t;
  t.start();
  PlayDeal(25);
  if (HasFatalFailure()) return;
  const int paused = std::max(host_->session.PausedMoves(), clients_[0]->session.PausedMoves());
  EXPECT_GT(paused, 0);
  EXPECT_GE(t.elapsed(), paused * 100);
}

TEST_F(LanGame, TheHostPlaysTheFirstCardOfAComputerThatHoldsTheLowestTrump) {
  // Look for a deal in which seat 3 (a computer in a game of two) holds the lowest trump.
  std::uint64_t seed = 1;
  for (; seed < 200; ++seed) {
    Game probe(nullptr, nullptr, nullptr, seed);
    NewDeal(probe, false);
    if (SeatAt(1, probe.st.FirstHod) == 3) break;
  }
  ASSERT_LT(seed, 200u);
  Join(1, seed);
  if (HasFatalFailure()) return;
  Begin();
  if (HasFatalFailure()) return;
  Machine& host = *host_;
  Machine& client = *clients_[0];
  ASSERT_EQ(SeatAt(1, host.game.st.Hod), 3);
  EXPECT_EQ(host.game.controls.main.caption, Caption::ToBegin);
  EXPECT_TRUE(host.game.controls.main.enabled);
  EXPECT_EQ(client.game.controls.main.caption, Caption::ITake);  // seat 3 is the client's position 3
  EXPECT_FALSE(client.game.controls.main.enabled);
  MainButton(host.game);
  host.session.AfterUserAction();
  ASSERT_TRUE(WaitFor([&] { return client.session.AppliedMoves() == 1 && Quiet(); }));
  EXPECT_EQ(host.session.SentMoves(), 1);
  EXPECT_EQ(client.game.st.KolCardsStol, 1);
  ExpectSame("after the computer's lead");
  // Seat 3 attacks seat 2: the client defends and may take.
  EXPECT_TRUE(client.game.controls.main.enabled);
  EXPECT_FALSE(host.game.controls.main.enabled);
}

TEST_F(LanGame, AForgedMoveOfAnAcceptedClientChangesNothing) {
  host_ = std::make_unique<Machine>(1);
  ASSERT_TRUE(host_->session.StartHost(0, "Host"));
  QTcpSocket forger;
  forger.connectToHost(QHostAddress::LocalHost, host_->session.ListeningPort());
  ASSERT_TRUE(WaitFor([&] { return forger.state() == QAbstractSocket::ConnectedState; }));
  const std::string join = JoinRequest(kThisGameKind, "Fake");
  forger.write(join.data(), static_cast<qint64>(join.size()));
  ASSERT_TRUE(WaitFor([&] { return host_->session.ClientCount() == 1; }));
  ASSERT_TRUE(host_->session.BeginGame());
  const GameState before = host_->game.st;
  // Well-formed blocks that no legal step of the host's game announces: a card of a slot not held,
  // a pass out of turn, a move in another seat's name.
  auto block = [](const char* sender, const std::string& body) {
    EXPECT_EQ(body.size(), 17u);
    return std::string(sender) + body + "011";
  };
  const std::string forged = block("h2", "iiiiiii199" + std::string(7, 'i')) +
                             block("h2", "iiiaiid" + std::string(10, 'i')) +
                             block("h3", "iiiiiii101" + std::string(7, 'i'));
  forger.write(forged.data(), static_cast<qint64>(forged.size()));
  ASSERT_TRUE(WaitFor([&] { return host_->session.RefusedMoves() == 2 && !host_->session.Busy(); }));
  EXPECT_EQ(Difference(host_->game.st, 1, before, 1), "");
  EXPECT_EQ(host_->session.AppliedMoves(), 0);
  EXPECT_TRUE(host_->session.GameRunning());
}

TEST_F(LanGame, FourPeoplePlayABlockOfThreeDeals) {
  Join(3, 7);
  if (HasFatalFailure()) return;
  Begin();
  if (HasFatalFailure()) return;
  for (Machine* m : All()) m->session.SetMovePause(2);
  for (Machine* m : All())
    for (int seat = 1; seat <= 4; ++seat) EXPECT_NE(m->game.st.SeatName[PositionOf(m->Seat(), seat)], "PC  ");
  PlayBlockOfThree();
}

TEST_F(LanGame, AChatLineOfSeatThreeReachesEveryMachine) {
  Join(3);
  if (HasFatalFailure()) return;
  Begin();
  if (HasFatalFailure()) return;
  clients_[1]->session.SendChat(QString::fromUtf8("Привет всем, друзья!"));
  ASSERT_TRUE(WaitFor([&] {
    for (Machine* m : All())
      if (m->chat.size() != 1) return false;
    return true;
  }));
  for (Machine* m : All()) {
    EXPECT_EQ(m->chat[0].first, 3);
    EXPECT_EQ(m->chat[0].second, QString::fromUtf8("Привет всем, др"));  // the entry holds 15 characters
  }
  EXPECT_EQ(host_->effects.back(), "WToMenK");
}

TEST_F(LanGame, TheHostStartsWithOneOrThreeClientsAndRefusesAFourth) {
  host_ = std::make_unique<Machine>(1);
  ASSERT_TRUE(host_->session.StartHost(0, "Host"));
  port_ = host_->session.ListeningPort();
  EXPECT_FALSE(host_->session.CanBegin());
  std::vector<bool> expected = {true, false, true};
  for (int i = 0; i < 3; ++i) {
    auto c = std::make_unique<Machine>(20 + i);
    c->session.StartClient(QHostAddress::LocalHost, port_, "Cl");
    clients_.push_back(std::move(c));
    ASSERT_TRUE(WaitFor([&] { return host_->session.ClientCount() == i + 1; }));
    EXPECT_EQ(host_->session.CanBegin(), expected[i]) << i + 1 << " clients";
  }
  // A fourth joiner with a well-formed request gets no reply, and the game still starts.
  QTcpSocket fourth;
  fourth.connectToHost(QHostAddress::LocalHost, port_);
  ASSERT_TRUE(WaitFor([&] { return fourth.state() == QAbstractSocket::ConnectedState; }));
  const std::string join = JoinRequest(kThisGameKind, "Late");
  fourth.write(join.data(), static_cast<qint64>(join.size()));
  // A chat line of seat 2 passes through the host after the request was written; then the host has
  // read the request too.
  Begin();
  clients_[0]->session.SendChat("x");
  ASSERT_TRUE(WaitFor([&] { return clients_[1]->chat.size() == 1 && fourth.bytesToWrite() == 0; }));
  QCoreApplication::processEvents();
  EXPECT_EQ(host_->session.ClientCount(), 3);
  EXPECT_EQ(fourth.bytesAvailable(), 0);
}

TEST_F(LanGame, AClientLeavingDuringADealOfFourSendsEveryoneBackToTheMenu) {
  Join(3);
  if (HasFatalFailure()) return;
  Begin();
  if (HasFatalFailure()) return;
  clients_[1]->session.Leave();
  ASSERT_TRUE(WaitFor([&] {
    return host_->interrupted == 1 && clients_[0]->interrupted == 1 && clients_[2]->interrupted == 1;
  }));
  EXPECT_EQ(clients_[1]->interrupted, 0);
  EXPECT_EQ(host_->effects.back(), "WWrongs");
  for (Machine* m : All()) {
    EXPECT_FALSE(m->session.GameRunning());
    EXPECT_FALSE(m->session.ChatEnabled());
  }
  EXPECT_EQ(host_->session.ListeningPort(), 0);
}

TEST_F(LanGame, TheHostLeavingDuringADealOfTwoEndsTheClientsGame) {
  Join(1);
  if (HasFatalFailure()) return;
  Begin();
  if (HasFatalFailure()) return;
  host_->session.Leave();
  ASSERT_TRUE(WaitFor([&] { return clients_[0]->interrupted == 1; }));
  EXPECT_EQ(clients_[0]->effects.back(), "WWrongs");
}

TEST_F(LanGame, BetweenDealsALeavingPeerOnlyTurnsTheChatOff) {
  Join(1, 5);
  if (HasFatalFailure()) return;
  Begin();
  if (HasFatalFailure()) return;
  for (Machine* m : All()) m->session.SetMovePause(2);
  PlayDeal();
  if (HasFatalFailure()) return;
  clients_[0]->session.Leave();
  ASSERT_TRUE(WaitFor([&] { return !host_->session.ChatEnabled(); }));
  EXPECT_EQ(host_->interrupted, 0);
  EXPECT_TRUE(host_->session.GameRunning());
  // "We play still!" finds the client gone: the game ends instead of dealing to nobody.
  MainButton(host_->game);
  host_->session.AfterUserAction();
  EXPECT_EQ(host_->interrupted, 1);
}

TEST_F(LanGame, HostileBytesNeverDisturbTheHost) {
  host_ = std::make_unique<Machine>(1);
  ASSERT_TRUE(host_->session.StartHost(0, "Host"));
  port_ = host_->session.ListeningPort();
  QTcpSocket bad;
  bad.connectToHost(QHostAddress::LocalHost, port_);
  ASSERT_TRUE(WaitFor([&] { return bad.state() == QAbstractSocket::ConnectedState; }));
  std::string junk = "h1eiiiiiiiiiiiiiiii112" + JoinRequest(17, "Bad") + "kex16" + std::string(1 << 20, 'b');
  for (std::size_t i = 0; i < junk.size(); i += 7) junk[i] = static_cast<char>(i * 31);
  bad.write(junk.data(), static_cast<qint64>(junk.size()));
  ASSERT_TRUE(WaitFor([&] { return bad.bytesToWrite() == 0; }));
  // Connections that never join cannot keep a real client out.
  std::vector<std::unique_ptr<QTcpSocket>> idle;
  int connected = 0, evicted = 0;
  for (int i = 0; i < 12; ++i) {
    idle.push_back(std::make_unique<QTcpSocket>());
    QObject::connect(idle.back().get(), &QTcpSocket::connected, [&] { ++connected; });
    QObject::connect(idle.back().get(), &QTcpSocket::disconnected, [&] { ++evicted; });
    idle.back()->connectToHost(QHostAddress::LocalHost, port_);
  }
  // Eight connections are kept; each newer one takes the place of the oldest that never joined.
  ASSERT_TRUE(WaitFor([&] { return connected == 12 && evicted >= 4; }));
  // A real client still joins as seat 2 and the game starts.
  auto c = std::make_unique<Machine>(30);
  c->session.StartClient(QHostAddress::LocalHost, port_, "Ok");
  clients_.push_back(std::move(c));
  ASSERT_TRUE(WaitFor([&] { return host_->session.ClientCount() == 1; }));
  EXPECT_EQ(clients_[0]->Seat(), 2);
  Begin();
}

TEST_F(LanGame, AFakeHostCannotPutABrokenDealOnAClient) {
  QTcpServer fake;
  ASSERT_TRUE(fake.listen(QHostAddress::LocalHost, 0));
  auto c = std::make_unique<Machine>(40);
  bool assigned = false;
  c->session.seatAssigned = [&] { assigned = true; };
  c->session.StartClient(QHostAddress::LocalHost, fake.serverPort(), "Me");
  EXPECT_TRUE(c->session.Refused());
  ASSERT_TRUE(WaitFor([&] { return fake.hasPendingConnections(); }));
  QTcpSocket* s = fake.nextPendingConnection();
  ASSERT_TRUE(WaitFor([&] { return s->bytesAvailable() >= 19; }));
  EXPECT_EQ(s->readAll().toStdString(), JoinRequest(kThisGameKind, "Me"));
  SeatNames names;
  for (int i = 1; i <= 4; ++i) names[i] = "N" + std::to_string(i);
  std::string bytes = SeatAssignment(2, names);
  bytes += std::string(300, '\x01') + "b" + std::string(110, '6') + "h9xx" + std::string(5000, 's');
  s->write(bytes.data(), static_cast<qint64>(bytes.size()));
  ASSERT_TRUE(WaitFor([&] { return assigned; }));
  ASSERT_TRUE(c->session.BeginGame());
  // A real deal after the garbage is laid out; the broken one was not.
  Game dealer(nullptr, nullptr, nullptr, 3);
  NewDeal(dealer, false);
  const std::string deal = DealMessage(dealer.st, dealer.rules);
  s->write(deal.data(), static_cast<qint64>(deal.size()));
  ASSERT_TRUE(WaitFor([&] { return c->deals == 1; }));
  EXPECT_EQ(Difference(dealer.st, 1, c->game.st, 2), "");
  EXPECT_TRUE(c->session.GameRunning());
  s->abort();
}

TEST_F(LanGame, AClientWithNoHostSeesThatNoGameIsOpen) {
  QTcpServer probe;
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
  const quint16 unused = probe.serverPort();
  probe.close();
  Machine c(50);
  c.session.StartClient(QHostAddress::LocalHost, unused, "Me");
  ASSERT_TRUE(WaitFor([&] { return c.session.Link() == LinkState::Waiting && c.session.Refused() && c.session.Busy() == false; }));
  EXPECT_FALSE(c.session.BeginGame());
  c.session.Cancel();
  EXPECT_EQ(c.session.Link(), LinkState::Idle);
}

}  // namespace
}  // namespace tarvel
