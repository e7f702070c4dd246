#include "records/club_check.h"

#include "settings/atomic_file.h"
#include "settings/file_bytes.h"

namespace tarvel {

ClubStartup CheckClubFiles(const std::filesystem::path& programDir, ClubState& state) {
  ClubStartup result;
  const auto localPath = ClubFilePath(programDir, ClubKind::Local);

  // The shape of the local file alone decides the Russian mark and the invalid flag.
  if (const auto bytes = ReadFileBytes(localPath, kMaxClubFileBytes)) {
    const auto club = ParseClubFile(*bytes);
    if (club)
      result.ForceRussian = ForcesRussian(*club);
    else
      state.FileInvalid = true;
  } else {
    state.FileInvalid = true;
  }

  for (ClubKind kind : {ClubKind::Local, ClubKind::Lan}) {
    const auto path = ClubFilePath(programDir, kind);
    const ClubLoad load = LoadClubFile(path);
    if (!load.Club) {
      if (load.Message->Kind == RecordsMessageKind::FileMissing)
        state.FileMissing = true;
      else
        state.FileIncorrect = true;
      result.Messages.push_back(*load.Message);
      result.CanStart = false;
      return result;
    }
    result.DistributionLabel = DistributionLabel(*load.Club);
    const bool writable = FileWritableByUser(path);
    state.NotWritable[static_cast<int>(kind)] = !writable;
    if (!writable)
      result.Messages.push_back(RecordsMessage{RecordsMessageKind::FileAttributes, path.string()});
  }
  result.SendStartReport = result.DistributionLabel != kMakerLabel;
  return result;
}

}  // namespace tarvel
