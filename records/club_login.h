#pragma once
// Logging in to the club, registering a new player and changing a member's name and password. Names have
// at most 20 characters and passwords at most 5 (Windows-1251 characters; texts arrive in UTF-8).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "records/club_file.h"
#include "records/club_state.h"
#include "records/records_message.h"
#include "settings/atomic_file.h"

namespace tarvel {

// A member of slot 1-5 logs in with the typed password. On success the state holds the member's slot,
// name, code and counters and nothing is returned; otherwise the text-table row to show: 69 "The
// incorrect password!" (also for an empty slot).
std::optional<int> LogInMember(const ClubLines& club, int slot, std::string_view password, ClubState& state);

// A new player gives a name and the password twice. On success the state is slot 6 with zero counters;
// otherwise row 67 "Incorrect name!" (an empty name) or 68 "The passwords do not coincide!".
std::optional<int> StartNewPlayer(std::string_view name, std::string_view password, std::string_view again,
                                  ClubState& state);

// The name as the club file will hold it: trailing spaces dropped, cut to 20 Windows-1251 characters.
std::string ClubName(std::string_view name);

struct NameChange {
  std::optional<int> Row;                 // 67 or 68 when the new name or password is refused
  std::optional<RecordsMessage> Message;  // a club file that could not be read or saved
  // Row 76 "Your name and/or the password were successfully changed!\n\rNew name: " + the name, to be
  // shown on success.
  bool Changed = false;
};

// Changes the current player's name and password. A member's line is taken out of the club file and put
// in again with the new name and code in one save (its place follows the insertion rule); the state's
// slot follows it. A new player's name, and any name while the club file is not writable, changes in the
// state only.
NameChange ChangeMemberName(const std::filesystem::path& clubPath, bool writable, std::string_view name,
                            std::string_view password, std::string_view again, ClubState& state,
                            const FileWriteHooks& hooks = {});

}  // namespace tarvel
