#pragma once
// The start-up before the main window: the program directory (seeded on a fresh installation), the
// options file, then the check of both club files. A missing or incorrect club file ends the program
// after its message; a read-only one only warns. A club file may force the Russian language.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

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

class BackgroundMusic;

// At exit: the temporary song file goes, and the options are written unless the start-up found a club
// file invalid. Returns the message of a failed save.
std::optional<std::string> ShutDown(BackgroundMusic& music, const std::filesystem::path& programDir,
                                    const Options& options, const ClubState& club);

}  // namespace tarvel
