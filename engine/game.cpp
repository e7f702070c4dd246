#include "engine/game.h"

namespace tarvel {

namespace {
Presenter& SilentPresenter() {
  static Presenter silent;
  return silent;
}
class ZeroCounters : public CounterSource {
 public:
  UserCounters LoadCounters(PlayerKind) override { return {}; }
};
CounterSource& NoCounters() {
  static ZeroCounters zero;
  return zero;
}
}  // namespace

Game::Game(Presenter* presenter, MoveChooser* moveChooser, CounterSource* counterSource)
    : view(presenter ? presenter : &SilentPresenter()),
      chooser(moveChooser),
      counters(counterSource ? counterSource : &NoCounters()) {}

Game::Game(Presenter* presenter, MoveChooser* moveChooser, CounterSource* counterSource, std::uint64_t seed)
    : Game(presenter, moveChooser, counterSource) {
  random = DealRandom(seed);
}

void SetMainButton(Game& g, Caption caption, bool enabled, bool visible) {
  g.controls.main = {caption, enabled, visible};
  g.View().ControlsChanged(g.controls);
}

void EnableMainButton(Game& g, bool enabled) {
  if (g.controls.main.enabled == enabled) return;
  g.controls.main.enabled = enabled;
  g.View().ControlsChanged(g.controls);
}

void SetExitButton(Game& g, Caption caption, bool enabled, bool visible) {
  g.controls.exit = {caption, enabled, visible};
  g.View().ControlsChanged(g.controls);
}

}  // namespace tarvel
