#pragma once
// The engine's entry points over one game: the deal, the bout machine, the out-of-cards update, the end
// of a deal, the step loop and the user's moves. A `Game` bundles the single game state with the rule
// switches, the kind of game and the interfaces the engine talks through; the functions below are
// plain procedures over it.
#include <array>
#include <cstdint>
#include <string>

#include "engine/game_state.h"
#include "engine/presenter.h"
#include "engine/random.h"
#include "engine/rules.h"

namespace tarvel {

// The computer player's answer: a hand slot (0 for none) and `Stop` (pass, take or no more cards).
struct MoveAnswer {
  int slot = 0;
  bool stop = false;
};

// The only question the engine asks a computer seat.
class MoveChooser {
 public:
  virtual ~MoveChooser() = default;
  virtual MoveAnswer ChooseMove(const GameState& g, MoveKind kind, int seat, bool partnerFlag) = 0;
};

enum class GameKind { Local, Network, Tournament };
enum class PlayerKind { ClubMember, NewPlayer, OnlineAccount, TournamentClient };

// The playing user's counters as the records layer keeps them.
struct UserCounters {
  std::int32_t deals = 0;
  std::int32_t score = 0;
  double rating = 0;
};

// Loads the counters of the playing user at the first deal of a series.
class CounterSource {
 public:
  virtual ~CounterSource() = default;
  virtual UserCounters LoadCounters(PlayerKind kind) = 0;
};

// A deal received from a network host or the tournament server, already placed by position.
struct DealtCards {
  std::array<TStr2, 37> KolodaI{};
  std::array<Byte, 37> KolodaJ{};
  std::array<std::array<int, 7>, 5> handOrder{};  // handOrder[seat][k]: stock position of the k-th card
};

inline constexpr int kDealsPerCycle = 30;

struct Game {
  GameState st;
  RuleSwitches rules;
  GameKind kind = GameKind::Local;
  PlayerKind player = PlayerKind::NewPlayer;
  bool dealer = true;     // deals itself: a local game or a network host
  int ownNumber = 1;      // own network seat, or the place at the tournament table
  bool ratedOnline = false;
  std::string userName;
  double userRating = 0;
  TableControls controls;

  Presenter* view;
  MoveChooser* chooser;
  CounterSource* counters;
  DealRandom random;

  // Presenter and counter source may be null: a silent presenter and zero counters are used then.
  Game(Presenter* presenter, MoveChooser* moveChooser, CounterSource* counterSource = nullptr);
  Game(Presenter* presenter, MoveChooser* moveChooser, CounterSource* counterSource, std::uint64_t seed);

  Presenter& View() { return *view; }
};

// --- The deal -----------------------------------------------------------------------------------
// Starts a deal; `next` is false for the first deal of a series. `given` carries a network or
// tournament deal (no shuffle); null on a machine that deals.
void NewDeal(Game& g, bool next, const DealtCards* given = nullptr);
// Fills the stock with a fresh uniform permutation.
void Shuffle(GameState& st, DealRandom& random);
// True when one of the four blocks of six holds more than four cards of a non-trump suit.
bool HasFiveOfSuit(const GameState& st);

// --- The bout -----------------------------------------------------------------------------------
// Runs the current phase for the attacker `Hod`. Without a given answer the acting seat is asked
// through ChooseMove; with one, `slot` is a slot of the acting seat's hand, or `done` means pass, take,
// done or close, whichever the phase means. Returns false, changing nothing, when the given answer is
// not a legal one for the phase (a card not held, not beating, or breaking a limit).
bool PlayStep(Game& g, int seat, bool given, int slot, bool done);
void LayCard(Game& g, MoveKind kind, int seat, int slot);
void TakeTable(Game& g, int seat);
void DiscardTable(Game& g);
void Refill(Game& g, int seat);
void CloseBout(Game& g);

// Who answers the current phase: 1..4, or 0 for nobody.
int Actor(const GameState& st);
// The main button's caption for a bout about to start, from the user's role in it.
Caption StartOfBoutCaption(const GameState& st);

// --- Out of cards -------------------------------------------------------------------------------
// The update at the end of every bout: the phase of the lone-player mode, then entering or changing a
// mode. `Hod` holds the seat the close chose and `PrevHod` the attacker of the closed bout.
void UpdateOutPhase(GameState& st);
void EnterOrChangeMode(GameState& st);

// --- End of deal --------------------------------------------------------------------------------
// Sets `DealOver`, counts the team result and picks `LastRes`; returns true when the deal ended.
bool TestDealEnd(Game& g);
// The first tick after the end of a deal: buttons, `GameComplete`, the result line and its sound.
void ShowDealResult(Game& g);
inline std::int32_t SeriesScore(const GameState& st) { return (st.TeamWins[1] - st.TeamWins[0]) * 10; }

// What the records layer receives when the user leaves the table after a deal.
struct SeriesOutcome {
  std::int32_t seriesScore = 0;
  std::int32_t dealsPlayed = 0;
  std::int32_t konAll = 0;
  std::int32_t totalScore = 0;
  bool gameComplete = false;
};
// The exit button after a deal: counts the series and closes the table.
SeriesOutcome LeaveAfterDeal(Game& g);
// Leaving during a deal (menu command or closing the window, after the user said Yes). Returns true
// when the user's row must be deleted from the club file.
bool AbandonSeries(Game& g);

// --- The step loop and the user's moves ---------------------------------------------------------
// The game part of the step timer's tick: shows a finished deal or lets one computer seat answer.
void Tick(Game& g);
// The start button while `StartPhase` is 1.
void StartPlay(Game& g);
// The main button.
void MainButton(Game& g);

struct UserMove {
  bool allowed = false;
  MoveKind kind = MoveKind::Lead;
};
UserMove UserMoveKind(const GameState& st);
struct CardTest {
  bool limitReached = false;
  bool wrongCard = false;
};
CardTest TestUserCard(const GameState& st, TStr2 card, Byte level, MoveKind kind);
// True when no further attack card may be laid in this bout.
bool AttackLimitReached(const GameState& st);

// Updates one of the buttons and tells the presenter.
void SetMainButton(Game& g, Caption caption, bool enabled, bool visible = true);
void EnableMainButton(Game& g, bool enabled);
void SetExitButton(Game& g, Caption caption, bool enabled, bool visible = true);

}  // namespace tarvel
