#include "lan/move_message.h"

#include <gtest/gtest.h>

#include <memory>

#include "lan/lan_messages.h"
#include "tests/lan/lan_fixtures.h"

namespace tarvel {
namespace {

using testing::Difference;
using testing::RandomChooser;

MoveNote CardNote(NoteKind kind, int seat, int slot) {
  MoveNote n;
  n.kind = kind;
  n.seat = seat;
  n.slot = slot;
  return n;
}
MoveNote PlainNote(NoteKind kind, int seat) { return CardNote(kind, seat, 0); }

std::string Body(const std::string& message) { return message.substr(2, 17); }

// The host (network seat 1) announces a move of its own position 4 to seat 4 (its previous player),
// seat 3 (its next player) and seat 2 (its partner).
TEST(MoveMessage, BodiesForThePreviousNextAndPartner) {
  struct Case {
    MoveNote note;
    ButtonLetters prevLetters, nextLetters, partnerLetters;
    const char *prev, *next, *partner;
  } cases[] = {
      {CardNote(NoteKind::Lead, 4, 3), {}, {'e', 'i'}, {},
       "iigiiii103iiiiiii", "eiiigiiiiiiii103i", "iiigiiiiii103iiii"},
      {CardNote(NoteKind::Add, 4, 12), {}, {'e', 'i'}, {},
       "iiiiiii212iiiiiii", "eiiiiiiiiiiii212i", "iiiiiiiiii212iiii"},
      {CardNote(NoteKind::AddToTaker, 4, 5), {}, {}, {},
       "iiiiiii405iiiiiii", "iiiiiiiiiiiii405i", "iiiiiiiiii405iiii"},
      {CardNote(NoteKind::Cover, 4, 1), {'e', 'i'}, {}, {},
       "eiiiiii301iiiiiii", "iiiiiiiiiiiii301i", "iiiiiiiiii301iiii"},
      {PlainNote(NoteKind::PassPartnerGoes, 4), {}, {}, {'e', 'i'},
       "iiaigidiiiiiiiiii", "iigiaidiiiiiiiiii", "eiiaigdiiiiiiiiii"},
      {PlainNote(NoteKind::PassMayBeBeaten, 4), {}, {'e', '4'}, {},
       "iiaiiiaiiiiiiiiii", "e4iiaiaiiiiiiiiii", "iiiaiiaiiiiiiiiii"},
      {PlainNote(NoteKind::PassNextActs, 4), {}, {'e', 'i'}, {},
       "iiaiiidiiiiiiiiii", "eiiiaidiiiiiiiiii", "iiiaiidiiiiiiiiii"},
      {PlainNote(NoteKind::Take, 4), {'e', 'i'}, {}, {},
       "eitiiitiiiiiiiiii", "iiiititiiiiiiiiii", "iiitiitiiiiiiiiii"},
  };
  for (const Case& c : cases) {
    const std::string prev = MoveMessage(c.note, 1, 4, 6, c.prevLetters);
    ASSERT_EQ(prev.size(), kMoveLength);
    EXPECT_EQ(prev.substr(0, 2), "h1");
    EXPECT_EQ(prev.substr(19), "064");
    EXPECT_EQ(Body(prev), c.prev) << static_cast<int>(c.note.kind);
    EXPECT_EQ(Body(MoveMessage(c.note, 1, 3, 6, c.nextLetters)), c.next) << static_cast<int>(c.note.kind);
    EXPECT_EQ(Body(MoveMessage(c.note, 1, 2, 6, c.partnerLetters)), c.partner) << static_cast<int>(c.note.kind);
  }
  // A receiver never gets its own move: the host does not tell seat 3 about seat 3's card.
  EXPECT_EQ(MoveMessage(CardNote(NoteKind::Cover, 1, 2), 1, 3, 2, {}), "");
  EXPECT_EQ(MoveMessage(CardNote(NoteKind::Lead, 4, 3), 1, 1, 6, {}), "");
}

TEST(MoveMessage, EndOfBoutCodesAsEachReceiverSeesThem) {
  auto close = [](int attacker, int taker, std::initializer_list<int> draws, int next) {
    MoveNote n;
    n.kind = NoteKind::EndOfBout;
    n.seat = attacker;
    n.taker = taker;
    int i = 0;
    for (int d : draws) n.drawOrder[i++] = d;
    n.nextMover = next;
    return n;
  };
  struct Case {
    MoveNote note;  // as the host (seat 1) sees it
    int receiver;
    char code;
  } cases[] = {
      // Host's position 4 defends and takes; seat 3 (host's position 1) sees it at position 3.
      {close(3, 4, {3, 1}, 1), 3, '3'},
      {close(3, 4, {3, 1}, 1), 2, '2'},
      {close(3, 4, {3, 1}, 1), 4, '1'},
      // Host's position 4 defends and beats everything: discard, the defender leads next.
      {close(3, 0, {3, 1, 4}, 4), 3, 'c'},
      {close(3, 0, {3, 1, 4}, 4), 2, 'b'},
      {close(3, 0, {3, 1, 4}, 4), 4, 'a'},
      // Two-seat bouts draw nothing.
      {close(1, 4, {}, 1), 2, '6'},
      {close(1, 0, {}, 4), 3, 'g'},
  };
  for (const Case& c : cases) {
    const std::string m = MoveMessage(c.note, 1, c.receiver, 1, {});
    ASSERT_EQ(m.size(), kMoveLength);
    EXPECT_EQ(m.substr(2, 16), std::string(16, 'i'));
    EXPECT_EQ(m[18], c.code) << c.receiver;
  }
}

// A presenter that keeps the announcements of the steps made on its machine.
class Outbox : public Presenter {
 public:
  std::vector<MoveNote> notes;
  void Announce(const MoveNote& note) override { notes.push_back(note); }
};

struct Machine {
  Outbox out;
  Game g{&out, nullptr};
  int seat = 0;
  std::unique_ptr<RandomChooser> chooser;
};

// Four people, each machine its own engine; every move goes out as a message and every other machine
// replays it. After every step all four hold the same game.
class FourMachines : public ::testing::Test {
 protected:
  void SetUpMachines(std::uint64_t seed) {
    for (int s = 1; s <= 4; ++s) {
      m_[s] = std::make_unique<Machine>();
      m_[s]->seat = s;
      m_[s]->g.kind = GameKind::Network;
      m_[s]->g.ownNumber = s;
      m_[s]->g.dealer = s == 1;
      m_[s]->chooser = std::make_unique<RandomChooser>(seed * 10 + s, 30);
    }
    m_[1]->g.random = DealRandom(seed);
  }

  void Deal(bool next) {
    NewDeal(m_[1]->g, next);
    const std::string deal = DealMessage(m_[1]->g.st, m_[1]->g.rules);
    for (int s = 2; s <= 4; ++s) {
      const auto d = ParseDeal(deal, s);
      ASSERT_TRUE(d);
      NewDeal(m_[s]->g, next, &d->cards);
    }
    ExpectSame("after the deal");
  }

  void ExpectSame(const std::string& when) {
    for (int s = 2; s <= 4; ++s)
      ASSERT_EQ(Difference(m_[1]->g.st, 1, m_[s]->g.st, s), "") << when << ", machine " << s;
  }

  // Sends what machine `from` announced to the three others.
  void Deliver(int from) {
    std::vector<MoveNote> notes = std::move(m_[from]->out.notes);
    m_[from]->out.notes.clear();
    for (const MoveNote& n : notes)
      for (int to = 1; to <= 4; ++to) {
        if (to == from) continue;
        const std::string block = MoveMessage(n, from, to, n.phaseAfter, {});
        ASSERT_EQ(block.size(), kMoveLength);
        ASSERT_TRUE(ApplyMove(m_[to]->g, block, to)) << block;
        m_[to]->out.notes.clear();  // a replayed step is never sent on
      }
  }

  // Plays one deal to its end; returns the number of steps.
  int PlayDeal() {
    int steps = 0;
    for (; steps < 2000; ++steps) {
      GameState& st = m_[1]->g.st;
      if (st.DealOver) break;
      int acting = 0, buttons = 0;
      for (int s = 1; s <= 4; ++s) {
        const GameState& own = m_[s]->g.st;
        const bool closeHere = own.StartPhase == 2 && IsClosePhase(own) && HasNetworkButton(own, true, false);
        if (closeHere) ++buttons;
        if ((own.StartPhase == 1 && own.Hod == 4) || (own.StartPhase == 2 && Actor(own) == 4) || closeHere) {
          EXPECT_EQ(acting, 0) << "two machines may act";
          acting = s;
        }
      }
      if (IsClosePhase(st) && st.StartPhase == 2) {
        EXPECT_EQ(buttons, 1) << "exactly one machine closes a bout";
        const int defenderSeat = SeatAt(1, RolesOf(st).defender);
        EXPECT_EQ(acting, defenderSeat);
        if (IsDiscardClose(st)) (lastPasser_ == RolesOf(st).attacker ? attackerClosed_ : partnerClosed_) = true;
      }
      if (acting == 0) {
        ADD_FAILURE() << "nobody can act, phase " << int(st.Step);
        return steps;
      }
      Machine& m = *m_[acting];
      GameState& own = m.g.st;
      if (own.StartPhase == 1) {
        StartPlay(m.g);  // "To Begin": nothing is sent; the first move tells the others
        continue;
      } else if (IsClosePhase(own)) {
        EXPECT_TRUE(PlayStep(m.g, own.Hod, true, 0, true));
      } else {
        const UserMove um = UserMoveKind(own);
        EXPECT_TRUE(um.allowed);
        const MoveAnswer a = m.chooser->ChooseMove(own, um.kind, 4, false);
        if (um.kind != MoveKind::Lead && (a.stop || a.slot == 0)) {
          EXPECT_TRUE(PlayStep(m.g, own.Hod, true, 0, true));
        } else {
          EXPECT_TRUE(PlayStep(m.g, own.Hod, true, a.slot ? a.slot : 1, false));
        }
        if (!m.out.notes.empty() && m.out.notes.back().kind == NoteKind::PassMayBeBeaten)
          lastPasser_ = SeatAt(acting, m.out.notes.back().seat) == SeatAt(1, RolesOf(st).attacker)
                            ? RolesOf(st).attacker
                            : -1;
      }
      Deliver(acting);
      if (HasFailure()) return steps;
      ExpectSame("after step " + std::to_string(steps));
      if (HasFailure()) return steps;
      reverseSeen_ |= st.OutMode && st.OutPhase == 2;
      pairSeen_ |= st.PairMode;
    }
    return steps;
  }

  std::unique_ptr<Machine> m_[5];
  int lastPasser_ = 0;
  bool attackerClosed_ = false, partnerClosed_ = false;
  bool reverseSeen_ = false, pairSeen_ = false;
};

TEST_F(FourMachines, WholeDealsStayInStepOnEveryMachine) {
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    SetUpMachines(seed);
    for (int deal = 0; deal < 3; ++deal) {
      Deal(deal > 0);
      if (HasFailure()) return;
      PlayDeal();
      if (HasFailure()) return;
      for (int s = 1; s <= 4; ++s) EXPECT_TRUE(m_[s]->g.st.DealOver);
    }
  }
  // Both ways into the discard close occurred, and the defender closed each time.
  EXPECT_TRUE(attackerClosed_);
  EXPECT_TRUE(partnerClosed_);
  // The deals reached play against the seat order and the two-seat mode too.
  EXPECT_TRUE(reverseSeen_);
  EXPECT_TRUE(pairSeen_);
}

TEST_F(FourMachines, ABrokenOrHostileBlockChangesNothing) {
  SetUpMachines(9);
  Deal(false);
  // Play until seat 2 is to receive a card move from another machine.
  Machine* sender = nullptr;
  for (int s = 1; s <= 4; ++s)
    if (m_[s]->g.st.Hod == 4 && s != 2) sender = m_[s].get();
  if (!sender) {
    // Seat 2 leads: let it lead, then its defender's cover is the block under test.
    StartPlay(m_[2]->g);
    PlayStep(m_[2]->g, m_[2]->g.st.Hod, true, 1, false);
    Deliver(2);
    for (int s = 1; s <= 4; ++s)
      if (s != 2 && Actor(m_[s]->g.st) == 4) sender = m_[s].get();
  } else {
    StartPlay(sender->g);
  }
  ASSERT_NE(sender, nullptr);
  GameState& st = sender->g.st;
  const int slot = testing::LegalSlots(st, 4, UserMoveKind(st).kind).empty()
                       ? 1
                       : testing::LegalSlots(st, 4, UserMoveKind(st).kind).front();
  const GameState before = st;
  Game probe = sender->g;
  Outbox probeOut;
  probe.view = &probeOut;
  ASSERT_TRUE(PlayStep(probe, probe.st.Hod, true, slot, false));
  ASSERT_EQ(probeOut.notes.size(), 1u);
  const MoveNote note = probeOut.notes[0];
  const std::string good = MoveMessage(note, sender->seat, 2, note.phaseAfter, {});
  ASSERT_TRUE(CheckMove(m_[2]->g, good, 2)) << good;

  auto changed = [](std::string s, std::size_t at, char c) {
    s[at] = c;
    return s;
  };
  const std::size_t cardAt = good.find_first_of("1234", 9);
  const std::string bad[] = {
      changed(changed(good, cardAt + 1, '4'), cardAt + 2, '0'),                                          // no such slot
      changed(good, cardAt, good[cardAt] == '3' ? '2' : '3'),                                             // kind
      changed(good, 20, good[20] == '9' ? '8' : static_cast<char>(good[20] + 1)),                         // phase
      changed(good, 21, '3'),                                                                            // target
      changed(good, 1, '2'),                                                                             // own seat
      changed(good, 18, 'a'),                                                                            // event
      changed(good, 8, 't'),                                                                             // sound
      changed(good, 0, 'x'),
      good.substr(0, 21),
      good + "i",
      "h" + std::string(21, '\xFF'),
  };
  const GameState receiverBefore = m_[2]->g.st;
  for (const std::string& b : bad) {
    EXPECT_FALSE(CheckMove(m_[2]->g, b, 2)) << b;
    EXPECT_FALSE(ApplyMove(m_[2]->g, b, 2)) << b;
    EXPECT_EQ(Difference(m_[2]->g.st, 2, receiverBefore, 2), "") << b;
  }
  EXPECT_EQ(Difference(st, sender->seat, before, sender->seat), "");
}

}  // namespace
}  // namespace tarvel
