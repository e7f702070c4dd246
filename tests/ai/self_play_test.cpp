// Whole games of four computer players: clean, legal, and the same for the same seed.
#include <gtest/gtest.h>

#include "self_play.h"

namespace tarvel {
namespace {

TEST(SelfPlay, DealsRunCleanUnderEveryRuleSet) {
  for (int rules = 0; rules < 4; ++rules) {
    SelfPlayConfig config;
    config.seed = 10 + rules;
    config.deals = 60;
    config.rules.OptNoFiveOfSuit = rules & 1;
    config.rules.OptFirstDiscardFive = rules & 2;
    const SelfPlayReport r = PlaySelf(config);
    EXPECT_EQ(r.violation, "") << "rules " << rules;
    EXPECT_EQ(r.deals, 60);
    EXPECT_EQ(r.winsTeam13 + r.winsTeam24 + r.draws, 60);
    EXPECT_GT(r.endgameDecisions, 0u);
  }
}

TEST(SelfPlay, TheSameSeedGivesTheSameSignature) {
  SelfPlayConfig config;
  config.seed = 77;
  config.deals = 40;
  const SelfPlayReport a = PlaySelf(config), b = PlaySelf(config);
  EXPECT_EQ(a.signature, b.signature);
  EXPECT_EQ(a.bouts, b.bouts);
  config.seed = 78;
  EXPECT_NE(PlaySelf(config).signature, a.signature);
}

}  // namespace
}  // namespace tarvel
