// The reference endgame search: negamax over every play in slot order, copying both hands and the
// table at every node, cut off only on a found win, stopped after ten seconds.
#include <chrono>

#include "ai/endgame_search.h"

namespace tarvel {

namespace {

bool HasLevel(const SearchCards& t, Byte level) {
  for (int k = 1; k <= t.count; ++k)
    if (t.level[k] == level) return true;
  return false;
}

// Removes slot k, closing the gap so the remaining cards keep their order.
void RemoveAt(SearchCards& h, int k) {
  for (int i = k; i < h.count; ++i) {
    h.code[i] = h.code[i + 1];
    h.level[i] = h.level[i + 1];
  }
  h.code[h.count] = kNoCard;
  h.level[h.count] = kEmptyLevel;
  --h.count;
}

void Append(SearchCards& h, TStr2 code, Byte level) {
  ++h.count;
  h.code[h.count] = code;
  h.level[h.count] = level;
}

struct Reference {
  Byte trump;
  SearchProgress progress;
  SearchClock clock;
  bool timedOut = false;
  int total = 0;
  int rootOption = 0;
  int seconds = 0;
  std::uint64_t nodes = 0;

  void Show(int option) {
    rootOption = option;
    if (progress) progress(option, total, seconds);
  }

  void ReadClock() {
    const int elapsed = clock();
    if (elapsed > 10) timedOut = true;
    if (elapsed >= 1) {
      seconds = elapsed;
      Show(rootOption);
    }
  }

  struct Choice {
    int value;
    int option;
  };
  static Choice Best(const int* values, int options) {
    Choice c{values[1], 1};
    for (int i = 2; i <= options; ++i)
      if (values[i] > c.value) c = {values[i], i};
    return c;
  }

  Choice Attack(const SearchCards& a, const SearchCards& d, const SearchCards& t, int uncovered, int depth,
                int played, bool afterTake) {
    ++nodes;
    if (timedOut) return {0, 0};
    if (depth == 1) total = a.count + (t.count > 0 ? 1 : 0);
    if (depth == 6 || depth == 7 || depth == 10 || depth == 11 || depth == 14 || depth == 15 || depth == 18 ||
        depth == 19)
      ReadClock();
    int values[38];
    for (int& v : values) v = -100;
    bool win = false, anyPlayed = false;
    for (int k = 1; k <= a.count && !win; ++k) {
      if (t.count > 0 && !HasLevel(t, a.level[k])) continue;
      if (played >= 6 || uncovered >= d.count) continue;
      if (depth == 1) Show(k);
      anyPlayed = true;
      SearchCards a2 = a, t2 = t;
      Append(t2, a.code[k], a.level[k]);
      RemoveAt(a2, k);
      if (!afterTake) values[k] = -Defend(d, a2, t2, depth + 1, played + 1).value;
      else values[k] = Attack(a2, d, t2, uncovered + 1, depth + 1, played + 1, true).value;
      win = values[k] == 2;
    }
    const int pass = a.count + 1;
    if (t.count > 0) {
      if (!afterTake && !win) {
        if (d.count == 0) values[pass] = a.count > 0 ? -2 : 0;
        else if (a.count == 0) values[pass] = 2;
        else values[pass] = -Attack(d, a, SearchCards{}, 0, depth + 1, 0, false).value;
      } else if (afterTake) {
        SearchCards d2 = d;
        for (int k = 1; k <= t.count; ++k) Append(d2, t.code[k], t.level[k]);
        values[pass] = a.count == 0 ? 2 : Attack(a, d2, SearchCards{}, 0, depth + 1, 0, false).value;
      }
      if (depth == 1 && !anyPlayed) values[pass] = -3;
    }
    const Choice c = Best(values, pass);
    if (depth == 1 && !win) Show(pass);
    return c;
  }

  Choice Defend(const SearchCards& d, const SearchCards& a, const SearchCards& t, int depth, int played) {
    ++nodes;
    if (timedOut) return {0, 0};
    if (depth == 1) total = d.count + 1;
    const TStr2 last = t.code[t.count];
    const Byte lastLevel = t.level[t.count];
    int values[38];
    for (int& v : values) v = -100;
    bool win = false, anyBeat = false;
    for (int k = 1; k <= d.count && !win; ++k) {
      if (!Beats(last, lastLevel, d.code[k], d.level[k], trump)) continue;
      if (depth == 1) Show(k);
      anyBeat = true;
      SearchCards d2 = d, t2 = t;
      Append(t2, d.code[k], d.level[k]);
      RemoveAt(d2, k);
      if (d2.count == 0 && a.count == 0) values[k] = 0;
      else if (d2.count == 0) values[k] = 2;
      else if (a.count == 0) values[k] = -2;
      else values[k] = -Attack(a, d2, t2, 0, depth + 1, played, false).value;
      if (depth == 1) Show(k + 1);
      win = values[k] == 2;
    }
    const int take = d.count + 1;
    if (!win) values[take] = a.count == 0 ? -2 : -Attack(a, d, t, 1, depth + 1, played, true).value;
    if (depth == 1 && !anyBeat) values[take] = -3;
    return Best(values, take);
  }
};

}  // namespace

SearchResult ReferenceSearch(const SearchPosition& p, const SearchProgress& progress, const SearchClock& clock) {
  Reference r;
  r.trump = p.trump;
  r.progress = progress;
  if (clock) {
    r.clock = clock;
  } else {
    const auto start = std::chrono::steady_clock::now();
    r.clock = [start] {
      return static_cast<int>(
          std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count());
    };
  }
  Reference::Choice c;
  if (p.start == SearchStart::Defend) c = r.Defend(p.mover, p.opponent, p.table, 1, p.played);
  else c = r.Attack(p.mover, p.opponent, p.table, p.uncovered, 1, p.played, p.start == SearchStart::AttackAfterTake);
  SearchResult out;
  out.value = c.value;
  out.option = c.option;
  out.card = (c.option >= 1 && c.option <= p.mover.count) ? p.mover.code[c.option] : kNoCard;
  out.timedOut = r.timedOut;
  out.nodes = r.nodes;
  return out;
}

}  // namespace tarvel
