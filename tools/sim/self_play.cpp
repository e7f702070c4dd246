#include "self_play.h"

#include <chrono>

#include "ai/computer_player.h"
#include "engine/invariants.h"

namespace tarvel {

namespace {

using Clock = std::chrono::steady_clock;

void Mix(std::uint64_t& h, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) {
    h ^= (v >> (8 * i)) & 0xFF;
    h *= 0x100000001B3ull;
  }
}

// Answers through the computer player and checks each answer before the engine sees it.
class CheckedChooser : public MoveChooser {
 public:
  CheckedChooser(const SelfPlayConfig& config, SelfPlayReport& report)
      : config_(config), report_(report), player_(nullptr, config.solver) {}

  MoveAnswer ChooseMove(const GameState& g, MoveKind kind, int seat, bool partnerFlag) override {
    if (config_.onDecision) config_.onDecision(g, kind, seat, partnerFlag);
    const std::uint64_t endgameBefore = player_.Stats().endgameDecisions;
    const auto start = Clock::now();
    const MoveAnswer a = player_.ChooseMove(g, kind, seat, partnerFlag);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    ++report_.decisions;
    report_.endgameDecisions += player_.Stats().endgameDecisions - endgameBefore;
    report_.totalDecisionMs += ms;
    if (ms > report_.maxDecisionMs) report_.maxDecisionMs = ms;
    Mix(report_.signature, (static_cast<std::uint64_t>(seat) << 16) | (static_cast<std::uint64_t>(kind) << 8) |
                               (a.stop ? 0xFF : static_cast<std::uint64_t>(OrderNumber(g.CardsI[seat][a.slot]))));
    Check(g, kind, seat, a);
    return a;
  }

 private:
  void Check(const GameState& g, MoveKind kind, int seat, const MoveAnswer& a) {
    if (!report_.violation.empty()) return;
    if (kind == MoveKind::Lead && a.stop) {
      report_.violation = "no lead";
      return;
    }
    if (a.stop) return;
    if (a.slot < 1 || a.slot > g.KolCards[seat]) {
      report_.violation = "answer names no card of the hand";
      return;
    }
    const CardTest t = TestUserCard(g, g.CardsI[seat][a.slot], g.CardsJ[seat][a.slot], kind);
    if (t.limitReached || t.wrongCard)
      report_.violation = "illegal " + AsciiName(g.CardsI[seat][a.slot]) + " of seat " + std::to_string(seat) +
                          " (kind " + std::to_string(static_cast<int>(kind)) + ")";
  }

  const SelfPlayConfig& config_;
  SelfPlayReport& report_;
  ComputerPlayer player_;
};

// Counts the closed bouts.
class BoutCounter : public Presenter {
 public:
  explicit BoutCounter(SelfPlayReport& r) : report_(r) {}
  void Announce(const MoveNote& note) override {
    if (note.kind == NoteKind::EndOfBout) ++report_.bouts;
  }

 private:
  SelfPlayReport& report_;
};

}  // namespace

SelfPlayReport PlaySelf(const SelfPlayConfig& config) {
  SelfPlayReport report;
  report.signature = 0xCBF29CE484222325ull;
  CheckedChooser chooser(config, report);
  BoutCounter view(report);
  Game g(&view, &chooser, nullptr, config.seed);
  g.rules = config.rules;
  g.userName = "Sim";
  const auto start = Clock::now();
  bool first = true;
  while (report.deals < config.deals && report.violation.empty()) {
    NewDeal(g, !first);
    first = false;
    for (int p = 1; p <= 36; ++p) Mix(report.signature, OrderNumber(g.st.KolodaI[p]));
    StartPlay(g);
    for (int guard = 0; !g.st.DealOver && report.violation.empty(); ++guard) {
      if (guard > 5000) {
        report.violation = "deal did not end";
        break;
      }
      const int actor = Actor(g.st);
      if (actor >= 1 && actor <= 3) Tick(g);
      else if (actor == 4) PlayStep(g, g.st.Hod, false, 0, false);  // seat 4 is a computer player too
      else PlayStep(g, g.st.Hod, true, 0, true);  // the closing phases: the main button
      const std::string fault = CheckInvariants(g.st);
      if (!fault.empty()) report.violation = fault;
    }
    if (!report.violation.empty()) break;
    Tick(g);  // shows the result
    ++report.deals;
    if (g.st.LastRes == 0) ++report.draws;
    else if (g.st.LastRes == 1 || g.st.LastRes == 3) ++report.winsTeam13;
    else ++report.winsTeam24;
    if (g.st.GameComplete) first = true;  // a complete series: the next deal starts a new one
  }
  report.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return report;
}

}  // namespace tarvel
