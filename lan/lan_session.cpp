#include "lan/lan_session.h"

#include <QTcpServer>
#include <algorithm>
#include <QTcpSocket>

#include "engine/sounds.h"
#include "lan/move_message.h"
#include "lan/seat_table.h"
#include "settings/cp1251.h"

namespace tarvel {

namespace {
// Connections that have not joined (yet); more are closed at once, so a flood cannot exhaust the host.
constexpr std::size_t kMaxConnections = 8;
// Bytes taken from a socket per read event; the rest waits for the next event.
constexpr qint64 kReadChunk = 4096;
constexpr int kMaxComputerSteps = 200;
constexpr char kChatSound[] = "WToMenK";

QString FromCp1251(const std::string& bytes) { return QString::fromStdString(Cp1251ToUtf8(bytes)); }
}  // namespace

QString InterruptedMessage(const std::function<QString(int row)>& tr) {
  return tr(112) + " " + tr(101) + "\n\r" + tr(102);
}

struct LanSession::Peer {
  QTcpSocket* socket = nullptr;
  MessageReader reader;
  int seat = 0;  // host: 0 until the join request is accepted
  bool gone = false;
};

LanSession::LanSession(Game& game, QObject* parent) : QObject(parent), game_(game) {
  pauseTimer_.setSingleShot(true);
  connect(&pauseTimer_, &QTimer::timeout, this, [this] { ProcessIncoming(); });
  for (int s = 1; s <= 4; ++s) names_[s] = std::string(kComputerName);
}

LanSession::~LanSession() {
  for (auto& p : peers_) if (p->socket) p->socket->disconnect(this);
}

quint16 LanSession::ListeningPort() const { return server_ ? server_->serverPort() : 0; }

bool LanSession::HumanAt(int position) const {
  const int seat = SeatAt(ownSeat_, position);
  return seat >= 1 && seat <= clients_ + 1;
}

int LanSession::HostPosition() const { return PositionOf(ownSeat_ >= 1 ? ownSeat_ : 1, 1); }

bool LanSession::DefenderHuman() const { return HumanAt(RolesOf(game_.st).defender); }

void LanSession::Play(const std::string& name, bool wait) {
  if (playEffect) playEffect(name, wait);
}

void LanSession::SetChat(bool enabled) {
  if (chatEnabled_ == enabled) return;
  chatEnabled_ = enabled;
  if (chatEnabledChanged) chatEnabledChanged(enabled);
}

// --- Links ------------------------------------------------------------------------------------------

void LanSession::CloseAll() {
  if (server_) {
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
  }
  for (auto& p : peers_) RetirePeer(p.get());
  for (auto& p : peers_) retired_.push_back(std::move(p));
  peers_.clear();
  incoming_.clear();
  pauseTimer_.stop();
}

// Closed connections leave the list; the objects live on until the next link starts, since the handler
// that noticed the drop may still hold one.
void LanSession::SweepRetired() {
  for (auto& p : peers_)
    if (p->gone) retired_.push_back(std::move(p));
  std::erase(peers_, nullptr);
}

void LanSession::RetirePeer(Peer* peer) {
  peer->gone = true;
  QTcpSocket* s = peer->socket;
  if (!s) return;
  peer->socket = nullptr;
  s->disconnect(this);
  // What was written (an "abort") still goes out before the connection closes.
  s->flush();
  if (s->state() == QAbstractSocket::UnconnectedState) {
    s->deleteLater();
  } else {
    connect(s, &QAbstractSocket::disconnected, s, &QObject::deleteLater);
    s->disconnectFromHost();
  }
}

bool LanSession::StartHost(quint16 port, const std::string& name, int gameKind) {
  CloseAll();
  retired_.clear();
  isHost_ = true;
  ownSeat_ = 1;
  clients_ = 0;
  gameKind_ = gameKind;
  begun_ = waitingForDeal_ = refused_ = lobbyClosed_ = false;
  ownName_ = Name4(name);
  for (int s = 1; s <= 4; ++s) names_[s] = std::string(kComputerName);
  names_[1] = ownName_;
  server_ = new QTcpServer(this);
  connect(server_, &QTcpServer::newConnection, this, [this] { OnNewConnection(); });
  if (!server_->listen(QHostAddress::Any, port)) {
    server_->deleteLater();
    server_ = nullptr;
    link_ = LinkState::Idle;
    return false;
  }
  link_ = LinkState::Waiting;
  return true;
}

void LanSession::StartClient(const QHostAddress& host, quint16 port, const std::string& name, int gameKind) {
  CloseAll();
  retired_.clear();
  isHost_ = false;
  ownSeat_ = 2;
  clients_ = 0;
  gameKind_ = gameKind;
  begun_ = false;
  waitingForDeal_ = refused_ = true;
  ownName_ = Name4(name);
  link_ = LinkState::Waiting;
  auto peer = std::make_unique<Peer>();
  peer->socket = new QTcpSocket(this);
  peer->seat = 1;
  Peer* p = peer.get();
  peers_.push_back(std::move(peer));
  connect(p->socket, &QTcpSocket::connected, this, [this, p] {
    p->socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (link_ == LinkState::Waiting && !p->gone) SendToPeer(p, JoinRequest(gameKind_, ownName_));
  });
  connect(p->socket, &QTcpSocket::readyRead, this, [this, p] { OnReadable(p); });
  connect(p->socket, &QTcpSocket::disconnected, this, [this, p] { OnDropped(p); });
  connect(p->socket, &QTcpSocket::errorOccurred, this, [this, p](QAbstractSocket::SocketError) { OnDropped(p); });
  p->socket->connectToHost(host, port);
}

void LanSession::Cancel() {
  // Clients already seated wait for a deal that will not come: they are told, as when a client leaves.
  if (isHost_ && clients_ > 0) BroadcastToClients(std::string(kAbort), 0);
  CloseAll();
  link_ = LinkState::Idle;
  begun_ = false;
}

void LanSession::Leave() {
  CloseAll();
  link_ = LinkState::Idle;
  begun_ = false;
  SetChat(false);
}

void LanSession::OnNewConnection() {
  while (server_ && server_->hasPendingConnections()) {
    QTcpSocket* s = server_->nextPendingConnection();
    // The session owns its connections: closing the server must not take a connection that is still
    // sending its last bytes ("abort") with it.
    s->setParent(this);
    if (peers_.size() >= kMaxConnections) {
      // Room for the newcomer goes at the cost of the oldest connection that never joined.
      auto idle = std::find_if(peers_.begin(), peers_.end(), [](const auto& p) { return p->seat == 0; });
      if (idle == peers_.end()) {
        s->abort();
        s->deleteLater();
        continue;
      }
      RetirePeer(idle->get());
      retired_.push_back(std::move(*idle));
      peers_.erase(idle);
    }
    // Moves are a few bytes each: send them at once instead of waiting to fill a segment.
    s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    auto peer = std::make_unique<Peer>();
    peer->socket = s;
    Peer* p = peer.get();
    peers_.push_back(std::move(peer));
    connect(s, &QTcpSocket::readyRead, this, [this, p] { OnReadable(p); });
    connect(s, &QTcpSocket::disconnected, this, [this, p] { OnDropped(p); });
    connect(s, &QTcpSocket::errorOccurred, this, [this, p](QAbstractSocket::SocketError) { OnDropped(p); });
  }
}

LanSession::Peer* LanSession::PeerOfSeat(int seat) const {
  for (const auto& p : peers_)
    if (p->seat == seat && !p->gone) return p.get();
  return nullptr;
}

void LanSession::SendToPeer(Peer* peer, const std::string& bytes) {
  if (!peer || peer->gone || !peer->socket || bytes.empty()) return;
  peer->socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void LanSession::SendToSeat(int seat, const std::string& bytes) {
  if (isHost_) SendToPeer(PeerOfSeat(seat), bytes);
  else if (!peers_.empty()) SendToPeer(peers_.front().get(), bytes);
}

void LanSession::BroadcastToClients(const std::string& bytes, int exceptSeat) {
  for (int seat = 2; seat <= clients_ + 1; ++seat)
    if (seat != exceptSeat) SendToSeat(seat, bytes);
}

void LanSession::OnReadable(Peer* peer) {
  // The pause belongs to the moves this machine replays: several of them in one read are shown one by
  // one; blocks the host only relays never wait.
  const std::size_t queued = incoming_.size();
  while (!peer->gone && peer->socket && peer->socket->bytesAvailable() > 0) {
    const QByteArray data = peer->socket->read(kReadChunk);
    if (data.isEmpty()) break;
    for (const LanMessage& m : peer->reader.Feed(std::string_view(data.constData(), static_cast<std::size_t>(data.size())))) {
      if (peer->gone) return;
      if (isHost_) HandleOnHost(peer, m);
      else HandleOnClient(m);
    }
  }
  std::size_t moves = 0;
  for (std::size_t i = queued; i < incoming_.size(); ++i) moves += incoming_[i].kind == LanMessageKind::Move;
  for (std::size_t i = queued; i < incoming_.size(); ++i)
    incoming_[i].pauseAfter = moves > 1 && incoming_[i].kind == LanMessageKind::Move;
  ProcessIncoming();
}

void LanSession::OnDropped(Peer* peer) {
  if (peer->gone) return;
  const int seat = peer->seat;
  RetirePeer(peer);
  SweepRetired();
  if (isHost_ && seat == 0) return;
  if (isHost_ && link_ == LinkState::Waiting) {
    ResetLobby();
    return;
  }
  if (!begun_) {
    // A client whose host is gone before the game began: no game is open.
    refused_ = true;
    return;
  }
  if ((game_.st.GameOn && !game_.st.DealOver) || waitingForDeal_) {
    // During a deal, and on a client still waiting for its first deal: the game is over.
    Interrupt();
    return;
  }
  // Between deals the others stay at the end-of-deal screen; the chat is off.
  SetChat(false);
}

// An accepted client left while the host waited: the seats are numbered by acceptance, so the waiting
// starts over; the other clients are told and see that no game is open.
void LanSession::ResetLobby() {
  BroadcastToClients(std::string(kAbort), 0);
  for (auto& p : peers_)
    if (p->seat != 0) RetirePeer(p.get());
  SweepRetired();
  clients_ = 0;
  for (int s = 2; s <= 4; ++s) names_[s] = std::string(kComputerName);
  if (peersChanged) peersChanged(0);
}

void LanSession::Interrupt() {
  Play(std::string(sound::kWrong), true);
  if (isHost_ && clients_ > 1) BroadcastToClients(std::string(kAbort), 0);
  CloseAll();
  begun_ = false;
  link_ = LinkState::Idle;
  SetChat(false);
  if (gameInterrupted) gameInterrupted();
}

// --- Messages ---------------------------------------------------------------------------------------

void LanSession::HandleOnHost(Peer* peer, const LanMessage& m) {
  switch (m.kind) {
    case LanMessageKind::Chat: {
      const std::optional<ChatLine> line = ParseChat(m.bytes);
      if (peer->seat == 0 || !line || line->seat != peer->seat) return;
      BroadcastToClients(m.bytes, peer->seat);
      Play(kChatSound, false);
      if (chatLine) chatLine(line->seat, FromCp1251(line->text));
      return;
    }
    case LanMessageKind::Join: {
      if (peer->seat != 0 || link_ != LinkState::Waiting || lobbyClosed_ || clients_ >= 3) return;
      const std::optional<std::string> name = ParseJoinRequest(m.bytes, gameKind_);
      if (name) Accept(peer, *name);
      return;
    }
    case LanMessageKind::Move: {
      if (peer->seat == 0 || !begun_ || m.bytes[1] - '0' != peer->seat) return;
      const int target = m.bytes[21] - '0';
      if (target == 1) incoming_.push_back({m.kind, m.bytes, m.pauseAfter});
      else if (target >= 2 && target <= clients_ + 1 && target != peer->seat) SendToSeat(target, m.bytes);
      return;
    }
    default:
      return;  // nothing else comes from a client
  }
}

void LanSession::Accept(Peer* peer, const std::string& name) {
  ++clients_;
  peer->seat = clients_ + 1;
  names_[peer->seat] = Name4(name);
  SendToPeer(peer, SeatAssignment(peer->seat, names_));
  if (clients_ >= 2) {
    const std::string joined = PlayerJoined(clients_, names_);
    for (int seat = 2; seat < peer->seat; ++seat) SendToSeat(seat, joined);
  }
  if (peersChanged) peersChanged(clients_);
}

void LanSession::HandleOnClient(const LanMessage& m) {
  switch (m.kind) {
    case LanMessageKind::Chat: {
      const std::optional<ChatLine> line = ParseChat(m.bytes);
      if (!line || line->seat == ownSeat_) return;
      Play(kChatSound, false);
      if (chatLine) chatLine(line->seat, FromCp1251(line->text));
      return;
    }
    case LanMessageKind::Abort:
      if (begun_) {
        Interrupt();
      } else {
        CloseAll();
        refused_ = true;
      }
      return;
    case LanMessageKind::SeatAssignment:
    case LanMessageKind::PlayerJoined: {
      const std::optional<SeatMessage> s = ParseSeatMessage(m.bytes);
      if (!s || begun_) return;
      if (s->assignment) {
        if (link_ != LinkState::Waiting) return;
        link_ = LinkState::SeatAssigned;
        ownSeat_ = s->seat;
        clients_ = ownSeat_ - 1;
        refused_ = false;
        names_ = s->names;
        if (seatAssigned) seatAssigned();
        return;
      }
      if (link_ != LinkState::SeatAssigned) return;
      // Seat 2 hears of the third and fourth player, seat 3 of the fourth.
      if (s->clients <= clients_ || s->clients < ownSeat_) return;
      clients_ = s->clients;
      names_ = s->names;
      if (peersChanged) peersChanged(clients_);
      return;
    }
    case LanMessageKind::Deal:
      if (link_ == LinkState::SeatAssigned) incoming_.push_back({m.kind, m.bytes, false});
      return;
    case LanMessageKind::Move:
      if (begun_) incoming_.push_back({m.kind, m.bytes, m.pauseAfter});
      return;
    default:
      return;
  }
}

void LanSession::ProcessIncoming() {
  while (!incoming_.empty() && !pauseTimer_.isActive()) {
    const Incoming in = std::move(incoming_.front());
    incoming_.pop_front();
    if (in.kind == LanMessageKind::Deal) {
      if (begun_) LayOutDeal(in.bytes);
      else pendingDeal_ = in.bytes;
      continue;
    }
    if (!begun_) continue;
    const bool wasStarted = game_.st.StartPhase == 2;
    applying_ = true;
    const bool ok = ApplyMove(game_, in.bytes, ownSeat_);
    applying_ = false;
    if (!ok) {
      ++refusedMoves_;
      continue;
    }
    ++appliedMoves_;
    if (!wasStarted) playSeen_ = true;
    localTurn_ = false;
    UpdateButton();
    if (moveApplied) moveApplied();
    if (!begun_) return;
    if (in.pauseAfter) {
      ++pausedMoves_;
      pauseTimer_.start(movePauseMs_);
    }
  }
}

// --- The game ---------------------------------------------------------------------------------------

void LanSession::TakeNames(const SeatNames& names) {
  for (int seat = 1; seat <= 4; ++seat) {
    const int position = PositionOf(ownSeat_, seat);
    game_.st.SeatName[position] = Cp1251ToUtf8(Name4(names[seat]));
  }
}

void LanSession::SetupGame() {
  game_.kind = GameKind::Network;
  game_.ownNumber = ownSeat_;
  game_.dealer = isHost_;
  TakeNames(names_);
  begun_ = true;
  localTurn_ = false;
  playSeen_ = false;
  dealsSent_ = dealsLaid_ = 0;
  incoming_.clear();
}

bool LanSession::BeginGame() {
  if (isHost_) {
    if (!CanBegin()) return false;
    SetupGame();
    NewDeal(game_, false);
    SendDeal();
    return true;
  }
  if (link_ != LinkState::SeatAssigned) return false;
  SetupGame();
  if (!pendingDeal_.empty()) {
    const std::string deal = std::move(pendingDeal_);
    pendingDeal_.clear();
    LayOutDeal(deal);
  }
  ProcessIncoming();
  return true;
}

void LanSession::SendDeal() {
  const std::string deal = DealMessage(game_.st, game_.rules);
  SendToSeat(2, deal);
  if (clients_ == 3) {
    SendToSeat(3, deal);
    SendToSeat(4, deal);
  }
  link_ = LinkState::DealSent;
  dealsSent_ = game_.st.KonAll;
  ++dealsLaid_;
  playSeen_ = false;
  localTurn_ = false;
  SetChat(true);
  StartOfDealButton();
  if (dealLaidOut) dealLaidOut();
}

void LanSession::LayOutDeal(const std::string& bytes) {
  // A deal comes at the start of the game and after a finished deal, never during one.
  if (dealsLaid_ > 0 && !(game_.st.GameOn && game_.st.DealOver)) return;
  const std::optional<ReceivedDeal> d = ParseDeal(bytes, ownSeat_);
  if (!d) return;
  game_.rules.OptFirstMove = d->firstMove;
  game_.rules.OptFirstDiscardFive = d->firstDiscardFive;
  NewDeal(game_, dealsLaid_ > 0, &d->cards);
  ++dealsLaid_;
  waitingForDeal_ = false;
  playSeen_ = false;
  localTurn_ = false;
  SetChat(true);
  StartOfDealButton();
  if (dealLaidOut) dealLaidOut();
}

void LanSession::StartOfDealButton() {
  const bool twoPeopleHost = isHost_ && clients_ == 1;
  switch (game_.st.Hod) {
    case 4: SetMainButton(game_, Caption::ToBegin, true); break;
    case 2: SetMainButton(game_, Caption::ThatsAll, false); break;
    case 1: twoPeopleHost ? SetMainButton(game_, Caption::ToBegin, true) : SetMainButton(game_, Caption::Ok, false); break;
    default: twoPeopleHost ? SetMainButton(game_, Caption::ToBegin, true) : SetMainButton(game_, Caption::ITake, false); break;
  }
}

void LanSession::Announce(const MoveNote& note) {
  if (applying_ || !begun_) return;
  // Every other person hears of the move; computer seats are nobody's machine.
  for (int seat = 1; seat <= clients_ + 1; ++seat)
    if (seat != ownSeat_) SendMove(note, seat);
  localTurn_ = true;
  if (!followUpQueued_) {
    followUpQueued_ = true;
    QTimer::singleShot(0, this, [this] { FollowUp(); });
  }
}

void LanSession::SendMove(const MoveNote& note, int target) {
  const ButtonLetters letters = LettersFor(game_.st, PositionOf(ownSeat_, target), DefenderHuman());
  const std::string block = MoveMessage(note, ownSeat_, target, note.phaseAfter, letters);
  if (block.empty()) return;
  SendToSeat(target, block);
  ++sentMoves_;
}

void LanSession::AfterUserAction() {
  // Pressing "To Begin" ends the deal's first stage here: this machine moves first.
  if (begun_ && game_.st.StartPhase == 2 && !playSeen_) {
    playSeen_ = true;
    localTurn_ = true;
  }
  FollowUp();
}

void LanSession::FollowUp() {
  followUpQueued_ = false;
  if (!begun_) return;
  GameState& st = game_.st;
  if (isHost_ && st.GameOn && st.StartPhase == 1 && st.KonAll != dealsSent_) {
    // "We play still!" started the next deal; every client must still be there to play it.
    for (int seat = 2; seat <= clients_ + 1; ++seat)
      if (!PeerOfSeat(seat)) {
        Interrupt();
        return;
      }
    SendDeal();
    return;
  }
  if (localTurn_) DriveComputers();
  UpdateButton();
}

void LanSession::DriveComputers() {
  if (clients_ != 1) return;
  GameState& st = game_.st;
  for (int i = 0; i < kMaxComputerSteps; ++i) {
    if (!begun_ || !st.GameOn || st.DealOver || st.StartPhase != 2) break;
    const int actor = Actor(st);
    if (actor < 1 || actor > 3 || HumanAt(actor)) break;
    if (!PlayStep(game_, st.Hod, false, 0, false)) break;
    if (st.Och > 36 && !st.StockEmptyHeard) {
      game_.View().DrawTable();
      Play(std::string(sound::kStockEmpty), true);
      st.StockEmptyHeard = true;
    }
  }
}

void LanSession::UpdateButton() {
  const GameState& st = game_.st;
  if (!begun_ || !st.GameOn || st.DealOver) return;
  if (st.StartPhase == 1) {
    StartOfDealButton();
    return;
  }
  const bool mine = HasNetworkButton(st, DefenderHuman(), localTurn_);
  if (mine && IsDiscardClose(st)) SetMainButton(game_, Caption::Beaten, true);
  else EnableMainButton(game_, mine);
}

void LanSession::SendChat(const QString& text) {
  const QString line = text.left(15);
  if (line.isEmpty() || !begun_ || !chatEnabled_) return;
  const std::string message = ChatMessage(ownSeat_, Utf8ToCp1251(line.toStdString()));
  if (isHost_) BroadcastToClients(message, 0);
  else SendToSeat(1, message);
  if (chatLine) chatLine(ownSeat_, line);
}

}  // namespace tarvel
