#pragma once
// One network game as the main window drives it: the host listens on the LAN port and relays, a client
// keeps one connection to the host. The session owns the sockets and the network state (own seat, client
// count, link state, names); the engine (`Game`) stays the main window's, and the session calls into it
// for the deals, the replayed moves and, in a game of two people, the computer seats.
//
// The main window:
//   - starts a host with StartHost or a client with StartClient (the waiting window watches the state);
//   - on the host calls BeginGame when the waiting window's "Ok" is pressed; on a client calls BeginGame
//     once the seat assignment arrived (`seatAssigned`);
//   - forwards every Presenter::Announce of its presenter to Announce;
//   - calls AfterUserAction after every card click and main-button press at the table;
//   - sends chat lines with SendChat and leaves with Leave.
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/game.h"
#include "lan/lan_messages.h"
#include "lan/message_reader.h"

class QTcpServer;
class QTcpSocket;

namespace tarvel {

enum class LinkState : int { Idle = 0, Waiting = 1, SeatAssigned = 2, DealSent = 3 };

// The error box's text when a peer left: rows 112 "One of player", 101 "has interrupted game!" and 102
// "Press OK for exit to the main menu...", looked up by `tr`.
QString InterruptedMessage(const std::function<QString(int row)>& tr);

class LanSession : public QObject {
 public:
  explicit LanSession(Game& game, QObject* parent = nullptr);
  ~LanSession() override;

  // --- Waiting ----------------------------------------------------------------------------------
  // Listens on `port` for up to three clients; false (and idle) when the port cannot be opened.
  // `name` is the player's name in Windows-1251; `gameKind` the number every joiner must send.
  bool StartHost(quint16 port, const std::string& name, int gameKind = kThisGameKind);
  // Connects to a host and sends the join request as soon as the connection is up.
  void StartClient(const QHostAddress& host, quint16 port, const std::string& name, int gameKind = kThisGameKind);
  // Host: the waiting window's "Ok"; no further join request is honoured, so the clients counted for
  // the game stay the clients that play it.
  void CloseLobby() { lobbyClosed_ = true; }
  // The waiting window's "Cancel": stops listening or closes the connection; the link state becomes idle.
  void Cancel();

  int OwnSeat() const { return ownSeat_; }
  int ClientCount() const { return clients_; }
  LinkState Link() const { return link_; }
  // Client: set from the start of connecting until the seat assignment, and by a socket error.
  bool Refused() const { return refused_; }
  // Host: a game can start with one or three clients.
  bool CanBegin() const { return isHost_ && link_ == LinkState::Waiting && (clients_ == 1 || clients_ == 3); }
  quint16 ListeningPort() const;
  // Names of network seats 1..4 as the seat messages carry them ("PC  " for a computer seat).
  const SeatNames& Names() const { return names_; }

  // --- The game ---------------------------------------------------------------------------------
  // Host: the first deal, sent to the clients. Client: the game waits for (or lays out) the host's deal.
  // False when the game cannot start (a host without one or three clients, a client without a seat).
  bool BeginGame();
  // The presenter's announcement of a move of this machine; moves replayed from the network are
  // ignored here (they are never sent back).
  void Announce(const MoveNote& note);
  // After the user's card or button at the table: sends a new deal (host), lets the computer seats of a
  // game of two people answer, and sets the main button.
  void AfterUserAction();
  // Sends a non-empty chat line (at most 15 characters are taken) and shows it at once.
  void SendChat(const QString& text);
  // "Exit to menu" during a game: stops listening or closes the connection; the others see it dropped.
  void Leave();
  bool GameRunning() const { return begun_; }
  // Client: from the start of connecting until the first deal is laid out ("Expectation of the
  // server..." over the host's hand).
  bool WaitingForDeal() const { return waitingForDeal_; }
  // Where this machine's engine puts the host (the hand "Expectation of the server..." is written over).
  int HostPosition() const;
  // Deals laid out in this game (the first one clears the chat panel).
  int DealsLaidOut() const { return dealsLaid_; }
  bool ChatEnabled() const { return chatEnabled_; }
  // True when the position of this machine's engine is played by a person.
  bool HumanAt(int position) const;

  // --- What the main window is told ---------------------------------------------------------------
  std::function<void(int clients)> peersChanged;  // host: accepted clients; client: clients known
  std::function<void()> seatAssigned;             // client: the waiting window closes with success
  std::function<void()> dealLaidOut;              // a deal was sent or received and laid out
  std::function<void()> moveApplied;              // a peer's move was replayed: redraw the table
  std::function<void(int seat, const QString& text)> chatLine;
  std::function<void(bool enabled)> chatEnabledChanged;
  // The game ended because a peer left during a deal (or the host sent "abort"): "WWrongs" has played,
  // the sockets are closed; the main window shows InterruptedMessage in an error box and returns to the
  // menu.
  std::function<void()> gameInterrupted;
  std::function<void(const std::string& name, bool wait)> playEffect;

  // Test and diagnosis figures.
  int SentMoves() const { return sentMoves_; }
  // Moves that arrived with other moves for this machine in one read, each followed by the pause.
  int PausedMoves() const { return pausedMoves_; }
  // The pause after each of several moves that arrive in one read (100 ms), so each can be seen.
  void SetMovePause(int ms) { movePauseMs_ = ms; }
  int RefusedMoves() const { return refusedMoves_; }
  int AppliedMoves() const { return appliedMoves_; }
  bool Busy() const { return !incoming_.empty() || pauseTimer_.isActive(); }

 private:
  struct Peer;

  void OnNewConnection();
  void OnReadable(Peer* peer);
  void OnDropped(Peer* peer);
  void HandleOnHost(Peer* peer, const LanMessage& m);
  void HandleOnClient(const LanMessage& m);
  void Accept(Peer* peer, const std::string& name);
  // On the host writes to that seat's connection; on a client to the host whatever the seat.
  void SendToSeat(int seat, const std::string& bytes);
  // The move message for one receiving seat, built from the note as that seat sees it.
  void SendMove(const MoveNote& note, int target);
  void SendToPeer(Peer* peer, const std::string& bytes);
  void BroadcastToClients(const std::string& bytes, int exceptSeat);
  void TakeNames(const SeatNames& names);
  void SetupGame();
  void SendDeal();
  void LayOutDeal(const std::string& bytes);
  void ProcessIncoming();
  void FollowUp();
  void DriveComputers();
  void UpdateButton();
  void StartOfDealButton();
  void Interrupt();
  void CloseAll();
  void SetChat(bool enabled);
  void RetirePeer(Peer* peer);
  void SweepRetired();
  void ResetLobby();
  void Play(const std::string& name, bool wait);
  bool DefenderHuman() const;
  Peer* PeerOfSeat(int seat) const;

  Game& game_;
  bool isHost_ = false;
  int ownSeat_ = 0;
  int clients_ = 0;
  int gameKind_ = kThisGameKind;
  LinkState link_ = LinkState::Idle;
  bool refused_ = false;
  bool begun_ = false;
  bool waitingForDeal_ = false;
  bool chatEnabled_ = false;
  bool applying_ = false;
  bool lobbyClosed_ = false;
  bool localTurn_ = false;  // the last step was made on this machine
  bool followUpQueued_ = false;
  bool playSeen_ = false;   // the current deal's "To Begin" stage is over on this machine
  int dealsSent_ = 0;
  int dealsLaid_ = 0;
  std::string ownName_;
  SeatNames names_;
  std::string pendingDeal_;

  QTcpServer* server_ = nullptr;
  std::vector<std::unique_ptr<Peer>> peers_;    // host: every client connection; client: the host
  std::vector<std::unique_ptr<Peer>> retired_;  // closed connections, freed when the next link starts
  struct Incoming {
    LanMessageKind kind;
    std::string bytes;
    bool pauseAfter;
  };
  std::deque<Incoming> incoming_;
  QTimer pauseTimer_;
  int sentMoves_ = 0;
  int pausedMoves_ = 0;
  int movePauseMs_ = 100;
  int refusedMoves_ = 0;
  int appliedMoves_ = 0;
};

}  // namespace tarvel
