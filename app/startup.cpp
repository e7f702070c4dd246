#include "app/startup.h"

#include "media/background_music.h"
#include "records/club_check.h"
#include "settings/options_file.h"

namespace tarvel {

StartupResult PrepareStart(const std::filesystem::path& executableDir, const std::filesystem::path& dataDir,
                           Options& options, ClubState& club, const StartupMessage& show) {
  StartupResult result;
  result.places = FindProgramPlaces(executableDir, dataDir);
  SeedFreshProgramDirectory(result.places);
  LinkResourceFiles(result.places);
  LoadOptions(result.places.programDir, options);
  const ClubStartup check = CheckClubFiles(result.places.programDir, club);
  if (check.ForceRussian) options.Language = 1;
  for (std::size_t i = 0; i < check.Messages.size(); ++i)
    if (show) show(check.Messages[i], !check.CanStart && i + 1 == check.Messages.size());
  result.canStart = check.CanStart;
  return result;
}

std::optional<std::string> ShutDown(BackgroundMusic& music, const std::filesystem::path& programDir,
                                    const Options& options, const ClubState& club) {
  music.DeleteSongFile();
  if (club.BlocksOptionsSave()) return std::nullopt;
  const OptionsSaveResult saved = SaveOptions(programDir, options);
  if (saved.Saved) return std::nullopt;
  return saved.Message;
}

}  // namespace tarvel
