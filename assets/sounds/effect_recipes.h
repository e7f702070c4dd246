#pragma once
// The recipe of every sound effect, by resource name.
#include <optional>
#include <string_view>

#include "assets/sounds/synth.h"

namespace tarvel::assets {

// The finished samples of the named effect; nothing for a name without a recipe.
std::optional<Signal> MakeEffect(std::string_view name);

}  // namespace tarvel::assets
