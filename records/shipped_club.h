#pragma once
// The club files that ship with the program: five empty member slots, a top ten of ten plausible players,
// the marks of line 16, the distribution label and correct checksums.
#include <string>
#include <string_view>

#include "records/club_file.h"

namespace tarvel {

// The distribution label of the copies the build makes (any label but the maker's sends start reports).
inline constexpr std::string_view kDefaultDistributionLabel = "TRV";

// The bytes of a shipped Tarvel.clb (Local) or Tarvel.net (Lan); label is cut or padded to three characters.
std::string ShippedClubFile(ClubKind kind, std::string_view label = kDefaultDistributionLabel);

}  // namespace tarvel
