// The deal: shuffle, the redeal on five of a suit, blocks of six, the trump and the first attacker.
#include "engine/game.h"
#include "engine/sounds.h"

namespace tarvel {

void Shuffle(GameState& st, DealRandom& random) {
  random.BeginShuffle();
  bool given[37] = {};
  for (int p = 1; p <= 36; ++p) {
    int v;
    do v = random.Uniform(1, 36);
    while (given[v]);
    given[v] = true;
    st.KolodaI[p] = CardOfOrder(v);
    st.KolodaJ[p] = static_cast<Byte>((v - 1) / 4 + 1);
  }
}

bool HasFiveOfSuit(const GameState& st) {
  const Byte trump = st.KolodaI[36].Suit();
  for (int block = 0; block < 4; ++block) {
    int count[5] = {};
    for (int p = block * 6 + 1; p <= block * 6 + 6; ++p) ++count[SuitNumber(st.KolodaI[p].Suit())];
    for (int s = 1; s <= 4; ++s)
      if (kSuitChar[s] != trump && count[s] > 4) return true;
  }
  return false;
}

namespace {

// Stock blocks 1-6, 7-12, 13-18, 19-24 go to seats 4, 2, 1, 3.
constexpr int kBlockSeat[4] = {4, 2, 1, 3};

void DealBlocks(GameState& st) {
  for (int block = 0; block < 4; ++block) {
    const int seat = kBlockSeat[block];
    for (int k = 1; k <= 6; ++k) {
      st.CardsI[seat][k] = st.KolodaI[block * 6 + k];
      st.CardsJ[seat][k] = st.KolodaJ[block * 6 + k];
    }
  }
}

void TakeGivenDeal(GameState& st, const DealtCards& given) {
  st.KolodaI = given.KolodaI;
  st.KolodaJ = given.KolodaJ;
  for (int seat = 1; seat <= 4; ++seat) {
    ClearHand(st.CardsI[seat], st.CardsJ[seat]);
    for (int k = 1; k <= 6; ++k) {
      const int p = given.handOrder[seat][k];
      if (p < 1 || p > 36) continue;
      st.CardsI[seat][k] = st.KolodaI[p];
      st.CardsJ[seat][k] = st.KolodaJ[p];
    }
  }
}

void LoadSeriesCounters(Game& g) {
  GameState& st = g.st;
  if (g.player == PlayerKind::NewPlayer) return;
  const UserCounters c = g.counters->LoadCounters(g.player);
  if (g.player == PlayerKind::TournamentClient) {
    st.KonAll = c.deals;
    st.TotalScore = c.score;
    g.userRating = c.rating;
    return;
  }
  // A club member, or an online account that has played this kind of game before.
  if (g.player == PlayerKind::OnlineAccount && c.deals == 0) return;
  st.KonAll = c.deals;
  st.ScoreAtStart = c.score;
  st.KonAtStart = st.KonAll;
  g.userRating = c.rating;
}

// The first deal of a series and the deal after a draw: the holder of the lowest trump leads.
void FirstAttackerByLowestTrump(Game& g) {
  GameState& st = g.st;
  st.FirstHod = 4;
  int level[5];
  for (int s = 1; s <= 4; ++s) {
    const int slot = LowestOfSuit(st.CardsI[s], st.CardsJ[s], st.Koz);
    level[s] = slot ? st.CardsJ[s][slot] : kNoTrumpLevel;
  }
  for (int s = 1; s <= 4; ++s) {
    bool lowest = true;
    for (int o = 1; o <= 4; ++o)
      if (o != s && level[s] >= level[o]) lowest = false;
    if (!lowest) continue;
    st.FirstHod = static_cast<Byte>(s);
    if (s != 4) {
      st.LowTrumpShown = LowestTrumpCode(st.CardsI[s], st.CardsJ[s], st.Koz);
      if (!st.ShowAllHands) g.View().ShowLowTrump(s, st.LowTrumpShown);
    }
    break;
  }
}

// The deal after a decided deal.
void FirstAttackerAfterResult(Game& g) {
  GameState& st = g.st;
  const bool firstTeamWon = st.LastRes == 1 || st.LastRes == 3;
  if (g.kind == GameKind::Local) {
    if (firstTeamWon) {
      st.FirstHod = st.LastRes;
      return;
    }
    switch (g.rules.OptFirstMove) {
      case 1: st.FirstHod = 2; break;
      case 2: st.FirstHod = 4; break;
      case 3: {
        const int picked = g.View().AskFirstMove();
        st.LastRes = static_cast<Byte>(picked == 2 ? 2 : 4);
        st.FirstHod = st.LastRes;
        break;
      }
      default: st.FirstHod = 4; break;
    }
    return;
  }
  // Network and tournament games: every machine names the same seat from its own point of view.
  static constexpr Byte kFirstTeam[5] = {0, 1, 3, 3, 1};
  static constexpr Byte kSecondTeam[5] = {0, 4, 2, 4, 2};
  const int own = (g.ownNumber >= 1 && g.ownNumber <= 4) ? g.ownNumber : 1;
  st.FirstHod = firstTeamWon ? kFirstTeam[own] : kSecondTeam[own];
}

}  // namespace

void NewDeal(Game& g, bool next, const DealtCards* given) {
  GameState& st = g.st;
  Presenter& view = g.View();
  view.ResetTable();

  if (!next) {
    st.TeamWins = {0, 0};
    st.LastRes = 0;
    st.KonAll = 0;
    st.KonAtStart = 0;
    st.ScoreAtStart = 0;
    st.TotalScore = 0;
    st.ShowAllHands = false;
    LoadSeriesCounters(g);
  }
  ++st.KonAll;

  if (g.kind == GameKind::Local) {
    for (int s = 1; s <= 3; ++s) st.SeatName[s] = "PC";
    st.SeatName[4] = g.userName;
  }
  TCards_J1x36 unused;
  ClearHand(st.Bito, unused);
  st.InGameI.fill(kNoCard);
  st.InGameJ.fill(kEmptyLevel);

  if (given == nullptr) {
    for (int s = 1; s <= 4; ++s) ClearHand(st.CardsI[s], st.CardsJ[s]);
    do Shuffle(st, g.random);
    while (g.rules.OptNoFiveOfSuit && HasFiveOfSuit(st));
    DealBlocks(st);
  } else {
    TakeGivenDeal(st, *given);
  }
  for (int s = 1; s <= 4; ++s) st.KolCards[s] = 6;

  st.BoutMax = g.rules.OptFirstDiscardFive ? 5 : 6;
  st.Koz = st.KolodaI[36].Suit();
  // Hands arrive in stock order; keep them in the order every other operation relies on.
  for (int s = 1; s <= 4; ++s) st.KolCards[s] = static_cast<Byte>(SortHand(st.CardsI[s], st.CardsJ[s], st.Koz));
  st.Och = 25;
  st.OchGame = 1;
  st.BitoPos = 1;
  st.KartaHod = kNoCard;
  st.DostHod = kEmptyLevel;
  st.KolCardsStol = st.KolHods = st.KolFree = 0;
  st.StartPhase = 1;
  st.Step = 0;
  st.PairMode = st.OutMode = st.LoneAttack = false;
  st.OutSeat = st.OutPhase = st.PairCode = 0;
  st.DealOver = st.DealShown = st.GameComplete = st.StockEmptyHeard = false;
  st.GameOn = true;

  view.DrawDealPanel(st.KonAll - st.KonAtStart);
  view.DrawTeamPanel(0, st.TeamWins[0]);
  view.DrawTeamPanel(1, st.TeamWins[1]);
  view.SetSeatMarker(0);

  SetMainButton(g, Caption::ToBegin, g.kind == GameKind::Local);
  SetExitButton(g, Caption::ExitToMenu, false);

  view.DrawStock(StockCount(st), st.KolodaI[36]);
  for (int s = 1; s <= 4; ++s) {
    view.DrawHand(s, s == 4 || st.ShowAllHands);
    view.Say(s, Speech::Name);
  }
  view.ShowFirstBoutMarker(st.BoutMax == 5);
  st.LowTrumpShown = kNoCard;

  if (!next || st.LastRes == 0) FirstAttackerByLowestTrump(g);
  view.PlaySound(sound::kShuffle, false);
  if (st.LastRes != 0) FirstAttackerAfterResult(g);

  view.SetSeatMarker(st.FirstHod);
  st.Hod = st.FirstHod;
  st.LastRes = 0;
  view.SetStepInterval(500);
  view.SetDealHints(st.KonAll, g.kind == GameKind::Tournament ? 1 : kDealsPerCycle);
}

}  // namespace tarvel
