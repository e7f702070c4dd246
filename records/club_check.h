#pragma once
// The start-up check of the two club files. The program refuses to start without both; a read-only file
// only draws a warning and is then never written.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "records/club_state.h"
#include "records/records_message.h"

namespace tarvel {

// The distribution label of the maker's own copies: a copy with it sends no start report.
inline constexpr std::string_view kMakerLabel = "KEX";

struct ClubStartup {
  bool ForceRussian = false;      // Tarvel.clb passed the shape check and its line 17 begins with "1"
  std::string DistributionLabel;  // of the last correct file (Tarvel.net when both are)
  bool SendStartReport = false;   // the label is not the maker's own
  bool CanStart = true;           // false after a missing or incorrect file; the program ends
  // In the order they are to be shown; a fatal message is the last one.
  std::vector<RecordsMessage> Messages;
};

// Checks Tarvel.clb, then Tarvel.net, and records the findings in state (the invalid, missing and
// incorrect flags and which files are not writable).
ClubStartup CheckClubFiles(const std::filesystem::path& programDir, ClubState& state);

}  // namespace tarvel
