// The step timer's game part, the start of play and the main button.
#include "engine/game.h"
#include "engine/sounds.h"

namespace tarvel {

void Tick(Game& g) {
  GameState& st = g.st;
  if (!st.GameOn) return;
  if (st.DealOver) {
    if (!st.DealShown) ShowDealResult(g);
    return;
  }
  // Only a local game's computer seats are driven by the tick; a network host drives its own.
  if (g.kind != GameKind::Local) return;
  const int actor = Actor(st);
  if (actor >= 1 && actor <= 3) PlayStep(g, st.Hod, false, 0, false);
}

void StartPlay(Game& g) {
  GameState& st = g.st;
  if (st.StartPhase != 1) return;
  st.StartPhase = 2;
  st.Step = 1;
  SetMainButton(g, StartOfBoutCaption(st), false);
  if (st.Hod == 4) g.View().Say(4, Speech::IGo);
  g.View().SetStepTimer(true);
}

void MainButton(Game& g) {
  GameState& st = g.st;
  if (!g.controls.main.enabled || !st.GameOn) return;
  if (st.StartPhase == 1) {
    StartPlay(g);
    return;
  }
  if (st.DealOver) {
    if (!st.DealShown || st.GameComplete) return;
    g.View().SetStepTimer(false);
    NewDeal(g, true);
    return;
  }
  PlayStep(g, st.Hod, true, 0, true);
  if (st.Och > 36 && !st.StockEmptyHeard) {
    g.View().DrawTable();
    g.View().PlaySound(sound::kStockEmpty, true);
    st.StockEmptyHeard = true;
  }
}

}  // namespace tarvel
