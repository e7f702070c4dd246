#include "lan/move_message.h"

#include <vector>

#include "engine/sounds.h"
#include "lan/seat_table.h"

namespace tarvel {

namespace {

// The close phases of the four-seat bout (12 take, 13 discard) and of the two-seat bout (6, 5).
constexpr Byte kCloseTake4 = 12, kCloseDiscard4 = 13, kCloseDiscard2 = 5, kCloseTake2 = 6;

char Digit(int n) { return static_cast<char>('0' + n); }

char EventCode(const MoveNote& n, int r) {
  const bool drew = n.drawOrder[0] != 0;
  if (n.taker != 0) {
    const int t = RotatePosition(n.taker, r);
    return drew && t <= 3 ? Digit(t) : Digit(4 + t);
  }
  // After a discard the defender moves next.
  const int d = RotatePosition(n.nextMover, r);
  return drew && d <= 3 ? static_cast<char>('a' + d - 1) : static_cast<char>('e' + d - 1);
}

// The body without the button letters (positions 4-18 of the message), seen from a receiver whom the
// note's frame puts at position r; empty when the acting position is the receiver's own.
std::string Fields(const MoveNote& n, int r) {
  std::string f(15, 'i');  // f[0..3] plates, f[4] sound, f[5..13] cards, f[14] event
  if (n.kind == NoteKind::EndOfBout) {
    f[14] = EventCode(n, r);
    return f;
  }
  const int q = RotatePosition(n.seat, r);
  if (q < 1 || q > 3) return {};
  switch (n.kind) {
    case NoteKind::Lead:
    case NoteKind::Add:
    case NoteKind::AddToTaker:
    case NoteKind::Cover: {
      static constexpr char kKind[] = {'1', '2', '4', '3'};
      if (n.slot < 1 || n.slot > 36) return {};
      const int at = 5 + (q - 1) * 3;
      f[at] = kKind[static_cast<int>(n.kind)];
      f[at + 1] = Digit(n.slot / 10);
      f[at + 2] = Digit(n.slot % 10);
      if (n.kind == NoteKind::Lead) f[q - 1] = 'g';
      break;
    }
    case NoteKind::Take:
      f[q - 1] = 't';
      f[4] = 't';
      break;
    case NoteKind::PassPartnerGoes:
      f[q - 1] = 'a';
      f[RotatePosition(PartnerOf(n.seat), r) - 1] = 'g';
      f[4] = 'd';
      break;
    case NoteKind::PassMayBeBeaten:
      f[q - 1] = 'a';
      f[4] = 'a';
      break;
    case NoteKind::PassNextActs:
      f[q - 1] = 'a';
      f[4] = 'd';
      break;
    case NoteKind::EndOfBout:
      break;
  }
  return f;
}

bool ButtonAt(const GameState& st, int pos, bool defenderHuman, bool madeLastMove) {
  if (!st.GameOn || st.DealOver || st.StartPhase != 2) return false;
  const BoutRoles r = RolesOf(st);
  if (IsClosePhase(st)) return r.defender == pos || (!defenderHuman && madeLastMove);
  return Actor(st) == pos && st.Step != 1;
}

// A presenter that keeps the announcements of one step and shows nothing.
class NoteCatcher : public Presenter {
 public:
  std::vector<MoveNote> notes;
  void Announce(const MoveNote& note) override { notes.push_back(note); }
};

struct ParsedBlock {
  int slot = 0;
  bool done = true;
  int position = 0;  // the position whose card is laid
};

std::optional<ParsedBlock> Parse(std::string_view b, int ownSeat) {
  if (b.size() != kMoveLength || b[0] != 'h') return std::nullopt;
  const int sender = b[1] - '0', target = b[21] - '0';
  if (sender < 1 || sender > 4 || sender == ownSeat || target != ownSeat) return std::nullopt;
  ParsedBlock p;
  for (int q = 1; q <= 3; ++q) {
    const std::string_view c = b.substr(9 + (q - 1) * 3, 3);
    if (c == "iii") continue;
    if (!p.done || c[0] < '1' || c[0] > '4' || c[1] < '0' || c[1] > '9' || c[2] < '0' || c[2] > '9')
      return std::nullopt;
    p.slot = (c[1] - '0') * 10 + (c[2] - '0');
    p.position = q;
    p.done = false;
  }
  return p;
}

}  // namespace

bool IsClosePhase(const GameState& st) {
  return RolesOf(st).twoSeat ? st.Step == kCloseDiscard2 || st.Step == kCloseTake2
                             : st.Step == kCloseDiscard4 || st.Step == kCloseTake4;
}

bool IsDiscardClose(const GameState& st) {
  return st.Step == (RolesOf(st).twoSeat ? kCloseDiscard2 : kCloseDiscard4);
}

bool HasNetworkButton(const GameState& st, bool defenderHuman, bool madeLastMove) {
  return ButtonAt(st, 4, defenderHuman, madeLastMove);
}

ButtonLetters LettersFor(const GameState& st, int receiverPosition, bool defenderHuman) {
  if (!ButtonAt(st, receiverPosition, defenderHuman, false)) return {};
  return {'e', IsDiscardClose(st) ? '4' : 'i'};
}

std::string MoveMessage(const MoveNote& note, int senderSeat, int receiverSeat, int phase, ButtonLetters letters) {
  const int r = PositionOf(senderSeat, receiverSeat);
  if (r < 1 || r > 3 || phase < 0 || phase > 99) return {};
  const std::string fields = Fields(note, r);
  if (fields.empty()) return {};
  std::string m = "h";
  m += Digit(senderSeat);
  m += letters.state;
  m += letters.caption;
  m += fields;
  m += Digit(phase / 10);
  m += Digit(phase % 10);
  m += Digit(receiverSeat);
  return m;
}

std::optional<MoveAnswerOf> CheckMove(const Game& g, std::string_view block, int ownSeat) {
  const std::optional<ParsedBlock> p = Parse(block, ownSeat);
  if (!p) return std::nullopt;
  const GameState& st = g.st;
  if (!st.GameOn || st.DealOver || st.StartPhase < 1) return std::nullopt;

  NoteCatcher catcher;
  Game scratch(&catcher, nullptr);
  scratch.st = st;
  scratch.rules = g.rules;
  scratch.kind = g.kind;
  scratch.ownNumber = g.ownNumber;
  scratch.random = g.random;
  if (scratch.st.StartPhase == 1) StartPlay(scratch);
  if (!p->done && Actor(scratch.st) != p->position) return std::nullopt;
  if (!PlayStep(scratch, scratch.st.Hod, true, p->slot, p->done)) return std::nullopt;
  if (catcher.notes.size() != 1) return std::nullopt;

  // Every field but the button letters must be what this machine's own step announces.
  const MoveNote& n = catcher.notes.front();
  const std::string own = Fields(n, 4);
  if (own.empty() || block.substr(4, 15) != own) return std::nullopt;
  const std::string_view phase = block.substr(19, 2);
  if (phase != "ii" && (phase[0] - '0') * 10 + (phase[1] - '0') != n.phaseAfter) return std::nullopt;
  return MoveAnswerOf{p->slot, p->done};
}

bool ApplyMove(Game& g, std::string_view block, int ownSeat) {
  const std::optional<MoveAnswerOf> a = CheckMove(g, block, ownSeat);
  if (!a) return false;
  GameState& st = g.st;
  if (st.StartPhase == 1) StartPlay(g);
  PlayStep(g, st.Hod, true, a->slot, a->done);
  if (st.GameOn && st.Och > 36 && !st.StockEmptyHeard) {
    g.View().DrawTable();
    g.View().PlaySound(sound::kStockEmpty, true);
    st.StockEmptyHeard = true;
  }
  return true;
}

}  // namespace tarvel
