// The end of a deal: the losing team, the result line and its sound, and leaving the table.
#include "engine/game.h"
#include "engine/sounds.h"

namespace tarvel {

bool TestDealEnd(Game& g) {
  GameState& st = g.st;
  const auto& k = st.KolCards;
  if (k[2] == 0 && k[4] == 0 && (k[1] != 0 || k[3] != 0)) {
    st.DealOver = true;
    ++st.TeamWins[1];
    st.LastRes = 4;
    g.View().DrawTeamPanel(1, st.TeamWins[1]);
  } else if (k[1] == 0 && k[3] == 0 && (k[2] != 0 || k[4] != 0)) {
    st.DealOver = true;
    ++st.TeamWins[0];
    st.LastRes = static_cast<Byte>(g.random.Uniform(0, 1) ? 3 : 1);  // the seat that leads next
    g.View().DrawTeamPanel(0, st.TeamWins[0]);
  } else if (k[1] == 0 && k[2] == 0 && k[3] == 0 && k[4] == 0) {
    st.DealOver = true;
    st.LastRes = 0;
  }
  return st.DealOver;
}

void ShowDealResult(Game& g) {
  GameState& st = g.st;
  const bool cycleDone = st.KonAll % kDealsPerCycle == 0;
  const bool third = st.KonAll % 3 == 0;
  switch (g.kind) {
    case GameKind::Local:
      SetMainButton(g, Caption::WePlayStill, true);
      if (cycleDone) {
        EnableMainButton(g, false);
        st.GameComplete = true;
      }
      SetExitButton(g, Caption::ExitToMenu, true);
      if (g.ratedOnline) {
        // A rated series can only be left after a multiple of three deals and cannot go past it.
        EnableMainButton(g, !third);
        SetExitButton(g, Caption::ExitToMenu, third);
      }
      break;
    case GameKind::Network:
      SetMainButton(g, Caption::WePlayStill, g.ownNumber == 1 && !third);
      SetExitButton(g, Caption::ExitToMenu, third);
      if (cycleDone) st.GameComplete = true;
      break;
    case GameKind::Tournament:
      SetMainButton(g, Caption::WePlayStill, false);
      SetExitButton(g, Caption::ExitToMenu, g.ownNumber == 1);
      break;
  }
  st.DealShown = true;

  DealResultView r;
  r.lastRes = st.LastRes;
  if (st.LastRes == 1 || st.LastRes == 3) {
    r = {st.LastRes, 449, 0, 255, 255, "GKonBads", 24, 20};
  } else if (st.LastRes == 2 || st.LastRes == 4) {
    r = {st.LastRes, 450, 128, 0, 129, "GKonGood", 9, 9};
  } else {
    r = {0, 451, 255, 255, 0, "GKonNich", -1, 0};
  }
  g.View().ShowResult(r);
  g.View().PlaySound(r.textRow == 449 ? sound::kDealLost : sound::kDealWon, false);
}

SeriesOutcome LeaveAfterDeal(Game& g) {
  GameState& st = g.st;
  g.View().HideTableForMenu();
  st.TotalScore = st.ScoreAtStart + SeriesScore(st);
  SeriesOutcome out;
  out.seriesScore = SeriesScore(st);
  out.dealsPlayed = st.KonAll - st.KonAtStart;
  out.konAll = st.KonAll;
  out.totalScore = st.TotalScore;
  out.gameComplete = st.GameComplete;
  st.GameOn = false;
  SetMainButton(g, Caption::Ok, false, false);
  SetExitButton(g, Caption::ExitToMenu, false, false);
  return out;
}

bool AbandonSeries(Game& g) {
  g.View().HideTableForMenu();
  g.st.GameOn = false;
  g.ratedOnline = false;
  SetMainButton(g, Caption::Ok, false, false);
  SetExitButton(g, Caption::ExitToMenu, false, false);
  return g.player == PlayerKind::ClubMember;
}

}  // namespace tarvel
