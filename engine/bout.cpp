// The bout machine: one phase per call, four-seat and two-seat forms, and the closing operations.
#include "engine/game.h"
#include "engine/sounds.h"

namespace tarvel {

namespace {

// The phases of the four-seat bout and of the two-seat bout.
enum Phase4 : Byte { kLead4 = 1, kAThrow = 2, kATakes = 3, kAThrowAgain = 4, kAToTakerLast = 5,
                     kDCover = 6, kPThrowAgain = 7, kPToTakerFirst = 8, kPThrow = 9, kPToTaker = 10,
                     kCloseTake4 = 12, kCloseDiscard4 = 13, kDCoverAgain = 14 };
enum Phase2 : Byte { kLead2 = 1, kThrow2 = 2, kCover2 = 3, kToTaker2 = 4, kCloseDiscard2 = 5, kCloseTake2 = 6 };

bool Reverse(const GameState& st) { return st.OutMode && st.OutPhase == 2; }

void Note(Game& g, NoteKind kind, int seat, int slot = 0, TStr2 card = kNoCard) {
  MoveNote n;
  n.kind = kind;
  n.seat = seat;
  n.slot = slot;
  n.card = card;
  n.reverse = Reverse(g.st);
  n.phaseAfter = g.st.Step;
  n.twoSeat = RolesOf(g.st).twoSeat;
  g.View().Announce(n);
}

// Lays a card and announces it with the phase that follows.
void Lay(Game& g, MoveKind kind, int seat, int slot, Byte nextStep) {
  const TStr2 card = g.st.CardsI[seat][slot];
  LayCard(g, kind, seat, slot);
  g.st.Step = nextStep;
  static constexpr NoteKind kNoteOf[5] = {NoteKind::Lead, NoteKind::Lead, NoteKind::Add, NoteKind::Cover,
                                          NoteKind::AddToTaker};
  Note(g, kNoteOf[static_cast<int>(kind)], seat, slot, card);
}

// A pass or done: the passing seat says so; `nextSeat` (0 for none) goes on and says "I Go...".
void Pass(Game& g, int seat, Byte nextStep, NoteKind note, int nextSeat) {
  g.st.Step = nextStep;
  g.View().Say(seat, Speech::ThatsAll);
  if (nextSeat) g.View().Say(nextSeat, Speech::IGo);
  const bool toDiscard = note == NoteKind::PassMayBeBeaten;
  g.View().PlaySound(toDiscard ? sound::kBeaten : sound::kPass, true);
  Note(g, note, seat);
}

void Take(Game& g, int defender, Byte nextStep) {
  g.st.Step = nextStep;
  g.View().Say(defender, Speech::ITake);
  g.View().PlaySound(sound::kTake, true);
  Note(g, NoteKind::Take, defender);
}

bool SlotHoldsCard(const GameState& st, int seat, int slot) {
  return slot >= 1 && slot <= st.KolCards[seat] && IsRealCard(st.CardsI[seat][slot]);
}

// A given card for an attack (kinds 2 and 4) or a cover (kind 3): legal in this phase?
bool GivenCardLegal(const GameState& st, int seat, int slot, MoveKind kind) {
  if (!SlotHoldsCard(st, seat, slot)) return false;
  if (kind == MoveKind::Lead) return true;
  const CardTest t = TestUserCard(st, st.CardsI[seat][slot], st.CardsJ[seat][slot], kind);
  return !t.limitReached && !t.wrongCard;
}

// One answer for the acting seat: from the caller, or from the computer player.
struct Answer {
  bool valid = true;
  bool card = false;  // false: no card (pass, take, done)
  int slot = 0;
};
Answer Ask(Game& g, MoveKind kind, int seat, bool partnerFlag, bool given, int slot, bool done) {
  if (given) {
    if (done) return {true, false, 0};
    return {GivenCardLegal(g.st, seat, slot, kind), true, slot};
  }
  const MoveAnswer a = g.chooser ? g.chooser->ChooseMove(g.st, kind, seat, partnerFlag) : MoveAnswer{0, true};
  if (kind == MoveKind::Lead) {
    // A lead is obligatory: an answer that names no card of the hand leads the first card.
    return {true, true, SlotHoldsCard(g.st, seat, a.slot) ? a.slot : 1};
  }
  if (a.stop || !GivenCardLegal(g.st, seat, a.slot, kind)) return {true, false, 0};
  return {true, true, a.slot};
}

// Throw-ins to a taker: a computer seat lays card after card in one call until it stops.
bool ToTaker(Game& g, int seat, bool partnerFlag, bool given, int slot, bool done, Byte nextStep,
             NoteKind passNote, int nextSeat) {
  if (given) {
    const Answer a = Ask(g, MoveKind::AddToTaker, seat, partnerFlag, true, slot, done);
    if (!a.valid) return false;
    if (a.card) Lay(g, MoveKind::AddToTaker, seat, a.slot, g.st.Step);
    else Pass(g, seat, nextStep, passNote, nextSeat);
    return true;
  }
  for (;;) {
    const Answer a = Ask(g, MoveKind::AddToTaker, seat, partnerFlag, false, 0, false);
    if (!a.card) break;
    Lay(g, MoveKind::AddToTaker, seat, a.slot, g.st.Step);
  }
  Pass(g, seat, nextStep, passNote, nextSeat);
  return true;
}

// Closes the bout with a take or a discard: the table goes to the defender or the discard pile, the
// seats that played refill (four-seat bouts only), the next attacker is chosen and the close is
// announced before the end-of-bout bookkeeping.
void CloseWith(Game& g, bool take, bool twoSeat) {
  GameState& st = g.st;
  const BoutRoles r = RolesOf(st);
  st.PrevHod = st.Hod;
  st.Step = 1;
  MoveNote n;
  n.kind = NoteKind::EndOfBout;
  n.seat = r.attacker;
  n.taker = take ? r.defender : 0;
  n.reverse = Reverse(st);
  n.twoSeat = twoSeat;
  if (take) TakeTable(g, r.defender);
  else DiscardTable(g);
  if (!twoSeat) {
    // The taker draws nothing; after a discard the defender draws last.
    const int drawing[3] = {r.attacker, r.partner, take ? 0 : r.defender};
    for (int i = 0; i < 3 && drawing[i]; ++i) {
      Refill(g, drawing[i]);
      n.drawOrder[i] = drawing[i];
    }
  }
  // After a take the seat after the taker attacks (in a two-seat bout the same attacker again);
  // after a discard the defender does.
  if (!take) st.Hod = static_cast<Byte>(r.defender);
  else if (!twoSeat) st.Hod = static_cast<Byte>(r.partner);
  n.nextMover = st.Hod;
  n.phaseAfter = st.Step;
  g.View().Announce(n);
  CloseBout(g);
}

bool FourSeatStep(Game& g, bool given, int slot, bool done) {
  GameState& st = g.st;
  const BoutRoles r = RolesOf(st);
  const int A = r.attacker, D = r.defender, P = r.partner;
  Answer a;
  switch (st.Step) {
    case kLead4:
      a = Ask(g, MoveKind::Lead, A, false, given, slot, done);
      if (!a.valid || !a.card) return false;
      Lay(g, MoveKind::Lead, A, a.slot, kDCover);
      return true;
    case kDCover:
    case kDCoverAgain:
      a = Ask(g, MoveKind::Cover, D, false, given, slot, done);
      if (!a.valid) return false;
      if (a.card) Lay(g, MoveKind::Cover, D, a.slot, st.Step == kDCover ? kAThrow : kPThrowAgain);
      else Take(g, D, st.Step == kDCover ? kATakes : kPToTakerFirst);
      return true;
    case kAThrow:
    case kAThrowAgain:
      a = Ask(g, MoveKind::Add, A, false, given, slot, done);
      if (!a.valid) return false;
      if (a.card) Lay(g, MoveKind::Add, A, a.slot, kDCover);
      else if (st.Step == kAThrow) Pass(g, A, kPThrow, NoteKind::PassPartnerGoes, P);
      else Pass(g, A, kCloseDiscard4, NoteKind::PassMayBeBeaten, 0);
      return true;
    case kPThrow:
    case kPThrowAgain:
      a = Ask(g, MoveKind::Add, P, true, given, slot, done);
      if (!a.valid) return false;
      if (a.card) Lay(g, MoveKind::Add, P, a.slot, kDCoverAgain);
      else if (st.Step == kPThrow) Pass(g, P, kCloseDiscard4, NoteKind::PassMayBeBeaten, 0);
      else Pass(g, P, kAThrowAgain, NoteKind::PassPartnerGoes, A);
      return true;
    case kATakes:
      return ToTaker(g, A, false, given, slot, done, kPToTaker, NoteKind::PassPartnerGoes, P);
    case kPToTaker:
      return ToTaker(g, P, true, given, slot, done, kCloseTake4, NoteKind::PassNextActs, 0);
    case kPToTakerFirst:
      return ToTaker(g, P, true, given, slot, done, kAToTakerLast, NoteKind::PassPartnerGoes, A);
    case kAToTakerLast:
      return ToTaker(g, A, false, given, slot, done, kCloseTake4, NoteKind::PassNextActs, 0);
    case kCloseTake4:
      if (!given) return false;
      CloseWith(g, true, false);
      return true;
    case kCloseDiscard4:
      if (!given) return false;
      CloseWith(g, false, false);
      return true;
    default:
      return false;
  }
}

bool TwoSeatStep(Game& g, bool given, int slot, bool done) {
  GameState& st = g.st;
  const BoutRoles r = RolesOf(st);
  const int A = r.attacker, D = r.defender;
  Answer a;
  switch (st.Step) {
    case kLead2:
      a = Ask(g, MoveKind::Lead, A, false, given, slot, done);
      if (!a.valid || !a.card) return false;
      Lay(g, MoveKind::Lead, A, a.slot, kCover2);
      return true;
    case kCover2:
      a = Ask(g, MoveKind::Cover, D, false, given, slot, done);
      if (!a.valid) return false;
      if (a.card) Lay(g, MoveKind::Cover, D, a.slot, kThrow2);
      else Take(g, D, kToTaker2);
      return true;
    case kThrow2:
      a = Ask(g, MoveKind::Add, A, false, given, slot, done);
      if (!a.valid) return false;
      if (a.card) Lay(g, MoveKind::Add, A, a.slot, kCover2);
      else Pass(g, A, kCloseDiscard2, NoteKind::PassMayBeBeaten, 0);
      return true;
    case kToTaker2:
      return ToTaker(g, A, false, given, slot, done, kCloseTake2, NoteKind::PassNextActs, 0);
    case kCloseDiscard2:
      if (!given) return false;
      CloseWith(g, false, true);
      return true;
    case kCloseTake2:
      if (!given) return false;
      CloseWith(g, true, true);
      return true;
    default:
      return false;
  }
}

// After a step in a game that is not a network game: the main button comes back whenever the user
// may answer the next phase without a card, or the next phase closes the bout.
void UpdateMainButtonAfterStep(Game& g) {
  const GameState& st = g.st;
  if (g.kind != GameKind::Local || st.DealOver) return;
  const BoutRoles r = RolesOf(st);
  bool closeDiscard, closeTake, userNoCard = false;
  if (r.twoSeat) {
    closeDiscard = st.Step == kCloseDiscard2;
    closeTake = st.Step == kCloseTake2;
    userNoCard = (st.Step == kCover2 && r.defender == 4) ||
                 ((st.Step == kThrow2 || st.Step == kToTaker2) && r.attacker == 4);
  } else {
    closeDiscard = st.Step == kCloseDiscard4;
    closeTake = st.Step == kCloseTake4;
    switch (st.Step) {
      case kDCover: case kDCoverAgain: userNoCard = r.defender == 4; break;
      case kAThrow: case kATakes: case kAThrowAgain: case kAToTakerLast: userNoCard = r.attacker == 4; break;
      case kPThrowAgain: case kPToTakerFirst: case kPThrow: case kPToTaker: userNoCard = r.partner == 4; break;
      default: break;
    }
  }
  if (closeDiscard) SetMainButton(g, Caption::Beaten, true);
  else if (closeTake || userNoCard) EnableMainButton(g, true);
}

}  // namespace

int Actor(const GameState& st) {
  const BoutRoles r = RolesOf(st);
  if (r.twoSeat) {
    switch (st.Step) {
      case kLead2: case kThrow2: case kToTaker2: return r.attacker;
      case kCover2: return r.defender;
      default: return 0;
    }
  }
  switch (st.Step) {
    case 1: case 2: case 3: case 4: case 5: return r.attacker;
    case kDCover: case kDCoverAgain: return r.defender;
    case 7: case 8: case 9: case 10: return r.partner;
    default: return 0;
  }
}

Caption StartOfBoutCaption(const GameState& st) {
  const BoutRoles r = RolesOf(st);
  if (r.defender == 4) return Caption::ITake;
  if (r.attacker == 4 || r.partner == 4) return Caption::ThatsAll;
  return Caption::Ok;
}

bool PlayStep(Game& g, int /*seat: always `Hod`*/, bool given, int slot, bool done) {
  GameState& st = g.st;
  if (!st.GameOn || st.DealOver || st.StartPhase != 2) return false;
  EnableMainButton(g, false);
  const bool applied = RolesOf(st).twoSeat ? TwoSeatStep(g, given, slot, done) : FourSeatStep(g, given, slot, done);
  UpdateMainButtonAfterStep(g);
  return applied;
}

void LayCard(Game& g, MoveKind kind, int seat, int slot) {
  GameState& st = g.st;
  st.LowTrumpShown = kNoCard;
  if (kind == MoveKind::Lead || kind == MoveKind::Add) st.KolFree = 1;
  else if (kind == MoveKind::Cover) st.KolFree = 0;
  else ++st.KolFree;

  const TStr2 card = st.CardsI[seat][slot];
  const Byte level = st.CardsJ[seat][slot];
  st.CardsI[seat][slot] = kNoCard;
  st.CardsJ[seat][slot] = kEmptyLevel;
  --st.KolCards[seat];
  if (kind != MoveKind::Cover) {
    st.KartaHod = card;
    st.DostHod = level;
  }
  st.InGameI[st.OchGame] = card;
  st.InGameJ[st.OchGame] = level;
  ++st.OchGame;
  ++st.KolCardsStol;
  if (kind != MoveKind::Cover) ++st.KolHods;

  st.KolCards[seat] = static_cast<Byte>(SortHand(st.CardsI[seat], st.CardsJ[seat], st.Koz));
  Presenter& view = g.View();
  view.DrawHand(seat, seat == 4 || st.ShowAllHands);
  view.FlyToTable(seat, card, kind, st.KolHods);
  view.DrawTable();
  view.PlaySound(sound::kCardLaid, true);
}

void TakeTable(Game& g, int seat) {
  GameState& st = g.st;
  const int taken = st.KolCardsStol;
  int n = st.KolCards[seat];
  for (int k = 1; k <= taken && n < 36; ++k) {
    ++n;
    st.CardsI[seat][n] = st.InGameI[k];
    st.CardsJ[seat][n] = st.InGameJ[k];
  }
  st.KolCards[seat] = static_cast<Byte>(SortHand(st.CardsI[seat], st.CardsJ[seat], st.Koz));
  g.View().FlyTableToHand(seat, taken);
  g.View().DrawHand(seat, seat == 4 || st.ShowAllHands);
}

void DiscardTable(Game& g) {
  GameState& st = g.st;
  const int n = st.KolCardsStol;
  for (int k = 1; k <= n && st.BitoPos <= 36; ++k) st.Bito[st.BitoPos++] = st.InGameI[k];
  st.BoutMax = 6;
  g.View().ShowFirstBoutMarker(false);
  g.View().FlyTableToDiscard(n);
}

void Refill(Game& g, int seat) {
  GameState& st = g.st;
  bool drew = false;
  while (st.KolCards[seat] < 6 && st.Och <= 36) {
    const int slot = ++st.KolCards[seat];
    st.CardsI[seat][slot] = st.KolodaI[st.Och];
    st.CardsJ[seat][slot] = st.KolodaJ[st.Och];
    g.View().FlyStockToHand(seat, st.KolodaI[st.Och]);
    ++st.Och;
    drew = true;
  }
  if (!drew) return;
  st.KolCards[seat] = static_cast<Byte>(SortHand(st.CardsI[seat], st.CardsJ[seat], st.Koz));
  g.View().DrawHand(seat, seat == 4 || st.ShowAllHands);
  g.View().DrawStock(StockCount(st), st.KolodaI[36]);
}

void CloseBout(Game& g) {
  GameState& st = g.st;
  Presenter& view = g.View();
  for (int s = 1; s <= 4; ++s) view.Say(s, Speech::Name);

  st.KolCardsStol = st.KolHods = st.KolFree = 0;
  st.InGameI.fill(kNoCard);
  st.InGameJ.fill(kEmptyLevel);
  st.OchGame = 1;
  st.KartaHod = kNoCard;
  st.DostHod = kEmptyLevel;
  view.DrawTable();

  UpdateOutPhase(st);
  EnterOrChangeMode(st);
  const bool over = TestDealEnd(g);

  view.SetSeatMarker(0);
  if (!over) {
    view.SetSeatMarker(st.Hod);
    view.Say(st.Hod, Speech::IGo);
  } else {
    for (int s = 1; s <= 4; ++s) view.DrawHand(s, true);
  }
  st.LoneAttack = st.OutMode && st.Hod == PartnerOf(st.OutSeat);
  // The caption follows the roles of the bout about to start, so it is set once the modes are final.
  if (!over) SetMainButton(g, StartOfBoutCaption(st), false);
}

}  // namespace tarvel
