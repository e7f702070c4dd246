#pragma once
// The optional resource files the program can fetch from the download server, and where it looks for
// them: the program directory first, then its parent directory (fetched files are written there).
#include <QString>
#include <array>
#include <filesystem>
#include <string_view>

namespace tarvel {

inline constexpr std::array<std::string_view, 9> kResourceFiles = {
    "KexCards06A.dll", "KexCards06B.dll", "KexCards06C.dll", "KexBackG03.dll", "KexCalendar01.dll",
    "KexRadio.rad",    "KexRadio02.dll",  "KexCVoice3.dll",  "KexCGraph1.dll"};

// True when `file` is a regular file in `programDir` or in its parent directory.
bool ResourceFileExists(const std::filesystem::path& programDir, std::string_view file);

// The directory fetched resource files are written to: the parent of the program directory.
std::filesystem::path ResourceDownloadDir(const std::filesystem::path& programDir);

}  // namespace tarvel
