#pragma once
// Reading files of outside origin whole, never without a bound, and only when they are regular files (a
// directory, a device or a named pipe of the same name is not read: a pipe would block the program).
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace tarvel {

// At most `limit` bytes from the start of the file; nothing when it cannot be opened or read, or is not a
// regular file.
std::optional<std::string> ReadFileStart(const std::filesystem::path& path, std::size_t limit);

// The whole file, or nothing when it cannot be opened or read, is not a regular file or is longer than
// `maxBytes`.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace tarvel
