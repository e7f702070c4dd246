#pragma once
// The start-up before the main window: the program directory (seeded on a fresh installation), the
// options file, then the check of both club files. A missing or incorrect club file ends the program
// after its message; a read-only one only warns. A club file may force the Russian language.
#include <filesystem>
#include <functional>

#include "app/program_places.h"
#include "records/club_state.h"
#include "records/records_message.h"
#include "settings/options.h"

namespace tarvel {

struct StartupResult {
  ProgramPlaces places;
  bool canStart = false;
};

// Shows one start-up message; `fatal` marks the one after which the program ends.
using StartupMessage = std::function<void(const RecordsMessage& message, bool fatal)>;

StartupResult PrepareStart(const std::filesystem::path& executableDir, const std::filesystem::path& dataDir,
                           Options& options, ClubState& club, const StartupMessage& show);

}  // namespace tarvel
