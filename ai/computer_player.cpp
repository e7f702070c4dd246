#include "ai/computer_player.h"

#include "ai/attack_rules.h"
#include "ai/defence_rules.h"
#include "ai/hand_queries.h"

namespace tarvel {

namespace {

// The bout limits and the legality check every answer goes through.
MoveAnswer Limit(const GameState& g, MoveKind kind, int seat, MoveAnswer a) {
  if (kind != MoveKind::Cover) {
    const int d = RolesOf(g).defender;
    if (g.KolHods == g.BoutMax || g.KolCards[d] == 0 || g.KolCards[d] == g.KolFree) a.stop = true;
  }
  if (a.stop || a.slot < 1 || a.slot > 36) return {0, true};
  const TStr2 card = g.CardsI[seat][a.slot];
  const Byte level = g.CardsJ[seat][a.slot];
  bool legal = true;
  if (kind == MoveKind::Add || kind == MoveKind::AddToTaker) {
    legal = false;
    for (int k = 1; k <= 10; ++k) legal |= level != kEmptyLevel && g.InGameJ[k] == level;
  } else if (kind == MoveKind::Cover) {
    legal = !card.IsEmpty() && Beats(g.KartaHod, g.DostHod, card, level, g.Koz);
  } else {
    legal = !card.IsEmpty();
  }
  return legal ? a : MoveAnswer{0, true};
}

MoveAnswer Decide(const GameState& g, MoveKind kind, int seat, bool partnerFlag, Presenter* view, Solver solver,
                  const std::string& think, ChooseMoveStats* stats) {
  MoveAnswer a;
  if (g.PairMode && InPair(g.PairCode, seat)) {
    StatTarvel2 r = MakeEndgameRecord(g, seat, PairOther(g.PairCode, seat));
    r.Think = think;
    if (view) {
      view->Say(seat, Speech::Blank);
      r.Image = [view, seat](const std::string& text) { view->ThinkingText(seat, text); };
    }
    a = EndgameChoice(kind, r, solver);
    if (view) view->Say(seat, Speech::Name);
    if (stats) ++stats->endgameDecisions;
  } else {
    switch (kind) {
      case MoveKind::Lead: a = LeadRule(g, seat); break;
      case MoveKind::Add: a = AddRule(g, seat, partnerFlag); break;
      case MoveKind::Cover: a = DefendRule(g, seat); break;
      case MoveKind::AddToTaker: a = ThrowInToTakerRule(g, seat); break;
    }
  }
  if (stats) ++stats->decisions;
  return Limit(g, kind, seat, a);
}

}  // namespace

MoveAnswer ComputerPlayer::ChooseMove(const GameState& g, MoveKind kind, int seat, bool partnerFlag) {
  return Decide(g, kind, seat, partnerFlag, view_, solver_, think_, &stats_);
}

MoveAnswer ChooseMove(const GameState& g, MoveKind kind, int seat, bool partnerFlag) {
  return Decide(g, kind, seat, partnerFlag, nullptr, Solver::Fast, "I think... ", nullptr);
}

}  // namespace tarvel
