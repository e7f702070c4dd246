// The fast endgame search: hands and table as bit sets over the 36 cards, alpha-beta over the three
// values with a transposition table keyed by the exact position. The root still values its options in
// slot order and takes the lowest-numbered one of the best value, so it chooses as the reference does.
#include <bit>
#include <cstring>
#include <memory>
#include <vector>

#include "ai/endgame_search.h"

namespace tarvel {

namespace {

using Mask = std::uint64_t;

int IndexOf(TStr2 c) { return OrderNumber(c) - 1; }  // 0..35, -1 for no card
int LevelOfIndex(int i) { return i / 4 + 1; }
std::uint16_t LevelBit(int i) { return static_cast<std::uint16_t>(1u << LevelOfIndex(i)); }

struct Entry {
  Mask k1 = 0, k2 = 0;
  std::uint32_t generation = 0;
  std::int8_t lower = -2, upper = 2;
  std::int8_t move = -1;  // the option that decided the node last time: a card 0..35, kNoCardMove
};

constexpr int kNoCardMove = 36;  // pass, take or done

// Persistent per thread, invalidated by a generation counter instead of clearing.
class Table {
 public:
  static constexpr int kBits = 18;
  Table() : entries_(std::make_unique<Entry[]>(std::size_t{1} << kBits)) {}
  void NewSearch() {
    if (++generation_ == 0) {
      for (std::size_t i = 0; i < (std::size_t{1} << kBits); ++i) entries_[i] = Entry{};
      generation_ = 1;
    }
  }
  Entry* Find(Mask k1, Mask k2, bool& hit) {
    Mask h = (k1 * 0x9E3779B97F4A7C15ull) ^ (k2 * 0xC2B2AE3D27D4EB4Full);
    h ^= h >> 29;
    Entry* e = &entries_[h & ((std::size_t{1} << kBits) - 1)];
    hit = e->generation == generation_ && e->k1 == k1 && e->k2 == k2;
    return e;
  }
  void Store(Entry* e, Mask k1, Mask k2, int lower, int upper, int move) {
    e->k1 = k1;
    e->k2 = k2;
    e->generation = generation_;
    e->lower = static_cast<std::int8_t>(lower);
    e->upper = static_cast<std::int8_t>(upper);
    e->move = static_cast<std::int8_t>(move);
  }

 private:
  std::unique_ptr<Entry[]> entries_;
  std::uint32_t generation_ = 0;
};

enum NodeType : Mask { kAttack = 0, kAttackAfterTake = 1, kDefend = 2 };

// Which cards beat which, for each trump suit (0: no trump), and every card of a set of levels.
struct CardTables {
  Mask beats[5][36] = {};
  Mask levelCards[1024] = {};
  CardTables() {
    for (int trumpSuit = 0; trumpSuit <= 4; ++trumpSuit)
      for (int a = 0; a < 36; ++a)
        for (int c = 0; c < 36; ++c) {
          const bool sameSuit = a % 4 == c % 4;
          if ((sameSuit && c > a) || (!sameSuit && c % 4 + 1 == trumpSuit && a % 4 + 1 != trumpSuit))
            beats[trumpSuit][a] |= Mask{1} << c;
        }
    for (int set = 0; set < 1024; ++set)
      for (int level = 1; level <= 9; ++level)
        if (set >> level & 1) levelCards[set] |= Mask{0xF} << (4 * (level - 1));
  }
};
const CardTables& Tables() {
  static const CardTables tables;
  return tables;
}

// Values lie in -2..2: a window of (-2, 2) gives exact values, and a found 2 always cuts off.
constexpr int kLow = -2, kHigh = 2;

struct Fast {
  const Mask* beats;
  const Mask* levelCards;
  Table& table;
  std::uint64_t nodes = 0;

  Fast(Byte trump, Table& t) : beats(Tables().beats[SuitNumber(trump)]), levelCards(Tables().levelCards), table(t) {}

  static void Key(Mask a, Mask d, Mask t, int last, int unc, int played, NodeType type, Mask& k1, Mask& k2) {
    k1 = a | (d << 36);
    k2 = (d >> 28) | (t << 8) | (Mask(last + 1) << 44) | (Mask(unc) << 50) | (Mask(played) << 54) |
         (Mask(type) << 58);
  }

  // Negamax over the options of one node: `options` holds the legal cards, `noCard` whether passing
  // (or taking) is an option; `value(move, alpha, beta)` values one of them. The move that decided the
  // node before is tried first.
  template <typename Value>
  int Search(Mask k1, Mask k2, Mask options, bool noCard, int alpha, int beta, Value value) {
    ++nodes;
    bool hit;
    Entry* e = table.Find(k1, k2, hit);
    int lower = -100, upper = 100, first = -1;
    if (hit) {
      lower = e->lower;
      upper = e->upper;
      if (lower >= beta || lower == upper) return lower;
      if (upper <= alpha) return upper;
      if (lower > alpha) alpha = lower;
      if (upper < beta) beta = upper;
      first = e->move;
    }
    const int alphaIn = alpha;
    int best = -100, bestMove = -1;
    auto tryMove = [&](int move) {
      const int v = value(move, alpha, beta);
      if (v > best) {
        best = v;
        bestMove = move;
      }
      if (best > alpha) alpha = best;
      return alpha >= beta || best == kHigh;
    };
    bool cut = false;
    if (first == kNoCardMove && noCard) cut = tryMove(kNoCardMove);
    else if (first >= 0 && first < 36 && (options >> first & 1)) cut = tryMove(first);
    for (Mask m = options; m && !cut; m &= m - 1) {
      const int c = std::countr_zero(m);
      if (c != first) cut = tryMove(c);
    }
    if (!cut && noCard && first != kNoCardMove) tryMove(kNoCardMove);
    int newLower = lower < -2 ? -2 : lower, newUpper = upper > 2 ? 2 : upper;
    if (best <= alphaIn) newUpper = best;
    else if (best >= beta) newLower = best;
    else newLower = newUpper = best;
    e = table.Find(k1, k2, hit);  // deeper nodes may have taken the slot
    table.Store(e, k1, k2, newLower, newUpper, bestMove);
    return best;
  }

  int Attack(Mask a, Mask d, Mask t, std::uint16_t levels, int unc, int played, bool after, int alpha, int beta) {
    Mask k1, k2;
    Key(a, d, t, -1, unc, played, after ? kAttackAfterTake : kAttack, k1, k2);
    Mask legal = t == 0 ? a : (a & levelCards[levels]);
    if (played >= 6 || unc >= std::popcount(d)) legal = 0;
    return Search(k1, k2, legal, t != 0, alpha, beta, [&](int move, int al, int be) {
      if (move == kNoCardMove) {
        if (after) return a == 0 ? 2 : Attack(a, d | t, 0, 0, 0, 0, false, al, be);
        if (d == 0) return a ? -2 : 0;
        if (a == 0) return 2;
        return -Attack(d, a, 0, 0, 0, 0, false, -be, -al);
      }
      const Mask bit = Mask{1} << move;
      const std::uint16_t lv = static_cast<std::uint16_t>(levels | LevelBit(move));
      return after ? Attack(a ^ bit, d, t | bit, lv, unc + 1, played + 1, true, al, be)
                   : -Defend(d, a ^ bit, t | bit, lv, move, played + 1, -be, -al);
    });
  }

  int Defend(Mask d, Mask a, Mask t, std::uint16_t levels, int last, int played, int alpha, int beta) {
    Mask k1, k2;
    Key(d, a, t, last, 1, played, kDefend, k1, k2);
    return Search(k1, k2, d & beats[last], true, alpha, beta, [&](int move, int al, int be) {
      if (move == kNoCardMove) return a == 0 ? -2 : -Attack(a, d, t, levels, 1, played, true, -be, -al);
      const Mask bit = Mask{1} << move;
      const Mask d2 = d ^ bit;
      if (d2 == 0 && a == 0) return 0;
      if (d2 == 0) return 2;
      if (a == 0) return -2;
      return -Attack(a, d2, t | bit, static_cast<std::uint16_t>(levels | LevelBit(move)), 0, played, false, -be, -al);
    });
  }
};

Mask MaskOf(const SearchCards& s) {
  Mask m = 0;
  for (int k = 1; k <= s.count; ++k)
    if (IndexOf(s.code[k]) >= 0) m |= Mask{1} << IndexOf(s.code[k]);
  return m;
}

std::uint16_t LevelsOf(const SearchCards& s) {
  std::uint16_t l = 0;
  for (int k = 1; k <= s.count; ++k)
    if (IndexOf(s.code[k]) >= 0) l = static_cast<std::uint16_t>(l | LevelBit(IndexOf(s.code[k])));
  return l;
}

}  // namespace

SearchResult FastSearch(const SearchPosition& p, const SearchProgress& progress) {
  thread_local Table table;
  table.NewSearch();
  Fast f(p.trump, table);
  const Mask me = MaskOf(p.mover), him = MaskOf(p.opponent), t = MaskOf(p.table);
  const std::uint16_t levels = LevelsOf(p.table);
  const int n = p.mover.count;
  const bool defend = p.start == SearchStart::Defend, after = p.start == SearchStart::AttackAfterTake;
  const int last = defend && p.table.count > 0 ? IndexOf(p.table.code[p.table.count]) : -1;

  // The root options in slot order: the cards that may be played, then "##" (pass or take).
  std::vector<int> options;  // 1-based slots; n + 1 for "##"
  for (int k = 1; k <= n; ++k) {
    const int c = IndexOf(p.mover.code[k]);
    if (c < 0) continue;
    if (defend) {
      if (last >= 0 && (f.beats[last] >> c & 1)) options.push_back(k);
    } else if ((t == 0 || (levels & LevelBit(c))) && p.played < 6 && p.uncovered < std::popcount(him)) {
      options.push_back(k);
    }
  }
  const bool anyCard = !options.empty();
  const bool noCardOption = defend || t != 0;
  if (noCardOption) options.push_back(n + 1);

  // The value of one root option for the mover, searched within (alpha, beta).
  auto valueOf = [&](int k, int alpha, int beta) {
    if (k == n + 1) {
      if (!anyCard) return -3;
      if (defend) return him == 0 ? -2 : -f.Attack(him, me, t, levels, 1, p.played, true, -beta, -alpha);
      if (after) return me == 0 ? 2 : f.Attack(me, him | t, 0, 0, 0, 0, false, alpha, beta);
      if (him == 0) return me ? -2 : 0;
      if (me == 0) return 2;
      return -f.Attack(him, me, 0, 0, 0, 0, false, -beta, -alpha);
    }
    const int c = IndexOf(p.mover.code[k]);
    const Mask bit = Mask{1} << c;
    const std::uint16_t lv = static_cast<std::uint16_t>(levels | LevelBit(c));
    if (defend) {
      const Mask d2 = me ^ bit;
      if (d2 == 0 && him == 0) return 0;
      if (d2 == 0) return 2;
      if (him == 0) return -2;
      return -f.Attack(him, d2, t | bit, lv, 0, p.played, false, -beta, -alpha);
    }
    if (after) return f.Attack(me ^ bit, him, t | bit, lv, p.uncovered + 1, p.played + 1, true, alpha, beta);
    return -f.Defend(him, me ^ bit, t | bit, lv, c, p.played + 1, -beta, -alpha);
  };
  const int total = defend ? n + 1 : n + (t != 0 ? 1 : 0);
  auto show = [&](int option) {
    if (progress) progress(option, total, 0);
  };

  // The lowest-numbered option of the best value: first the options that win, then those that draw,
  // each found with a zero-window test; otherwise every option loses and the first one is taken.
  SearchResult out;
  out.option = 1;
  out.value = -100;
  bool decided = false;
  for (int k : options) {
    show(k);
    if (valueOf(k, 0, 2) > 0) {
      out = {2, kNoCard, k, false, 0};
      decided = true;
      break;
    }
  }
  if (!decided) show(n + 1);
  for (std::size_t i = 0; i < options.size() && !decided; ++i)
    if (valueOf(options[i], -2, 0) > -2) {
      out = {0, kNoCard, options[i], false, 0};
      decided = true;
    }
  if (!decided && !options.empty()) {
    out.option = options.front();
    out.value = valueOf(options.front(), -2, 2);
  }
  out.card = out.option <= n ? p.mover.code[out.option] : kNoCard;
  out.nodes = f.nodes;
  return out;
}

}  // namespace tarvel
