#pragma once
// The process-wide club state: who is playing and what the start-up found about the club files. One
// instance for the whole run, passed by reference to the functions that use it.
#include <array>
#include <string>

#include "records/club_file.h"

namespace tarvel {

// The current player's slot: 1-5 a club member, or one of these.
inline constexpr int kSlotNewPlayer = 6;
inline constexpr int kSlotAccount = 7;
inline constexpr int kSlotTournament = 8;

struct ClubState {
  int Slot = kSlotNewPlayer;
  // As read at log-in (or typed by a new player): UTF-8 name, the 15-digit code, deals and cycle score.
  std::string Name;
  std::string PasswordCode;
  int Deals = 0;
  int Score = 0;
  double Rating = 0;

  bool FileInvalid = false;           // Tarvel.clb failed the shape check
  bool FileMissing = false;           // a club file was not found
  bool FileIncorrect = false;         // a club file failed its checksums, marks or shape
  std::array<bool, 2> NotWritable{};  // by ClubKind: read-only files are never written

  bool Writable(ClubKind kind) const { return !NotWritable[static_cast<int>(kind)]; }
  // Any of the three start-up findings keeps the options file from being written in this run.
  bool BlocksOptionsSave() const { return FileInvalid || FileMissing || FileIncorrect; }
};

}  // namespace tarvel
