#pragma once
// Two-seat endgame positions taken from seeded self-play, at every kind of decision, for the
// differential tests and the endgame benchmark.
#include <cstdint>
#include <vector>

#include "ai/endgame_search.h"
#include "engine/presenter.h"

namespace tarvel {

struct EndgameCase {
  MoveKind kind = MoveKind::Lead;
  SearchPosition position;
};

// Up to `count` positions with `minCards` to `maxCards` cards (hands plus table), the four kinds
// taken in turn as far as self-play offers them.
std::vector<EndgameCase> CollectEndgamePositions(int count, std::uint64_t seed, int maxCards = 12, int minCards = 0);

}  // namespace tarvel
