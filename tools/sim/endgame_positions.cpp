#include "endgame_positions.h"

#include <array>

#include "ai/endgame.h"
#include "self_play.h"

namespace tarvel {

std::vector<EndgameCase> CollectEndgamePositions(int count, std::uint64_t seed, int maxCards, int minCards) {
  std::array<std::vector<EndgameCase>, 5> byKind;
  const int perKind = (count + 3) / 4;
  auto full = [&] {
    for (int k = 1; k <= 4; ++k)
      if (static_cast<int>(byKind[k].size()) < perKind) return false;
    return true;
  };
  // Deals are played in rounds until every kind has its share or enough rounds have passed.
  for (int round = 0; round < 200 && !full(); ++round) {
    SelfPlayConfig config;
    config.seed = seed * 1000 + round;
    config.deals = 50;
    config.onDecision = [&](const GameState& g, MoveKind kind, int seat, bool) {
      if (!g.PairMode || !InPair(g.PairCode, seat)) return;
      const int cards = g.KolCards[1] + g.KolCards[2] + g.KolCards[3] + g.KolCards[4] + g.KolCardsStol;
      if (cards > maxCards || cards < minCards) return;
      auto& list = byKind[static_cast<int>(kind)];
      if (static_cast<int>(list.size()) >= perKind) return;
      const StatTarvel2 r = MakeEndgameRecord(g, seat, PairOther(g.PairCode, seat));
      list.push_back({kind, EndgamePosition(kind, r)});
    };
    PlaySelf(config);
  }
  std::vector<EndgameCase> out;
  for (std::size_t i = 0; static_cast<int>(out.size()) < count; ++i) {
    bool any = false;
    for (int k = 1; k <= 4 && static_cast<int>(out.size()) < count; ++k)
      if (i < byKind[k].size()) {
        out.push_back(byKind[k][i]);
        any = true;
      }
    if (!any) break;
  }
  return out;
}

}  // namespace tarvel
