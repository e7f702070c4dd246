#include "records/club_login.h"

#include "records/password_code.h"
#include "records/text_fields.h"
#include "settings/cp1251.h"

namespace tarvel {

using namespace records_text;

namespace {

constexpr int kRowIncorrectName = 67;
constexpr int kRowPasswordsDiffer = 68;
constexpr int kRowIncorrectPassword = 69;

// Row 67 or 68 when a name and password pair is refused.
std::optional<int> Refusal(std::string_view name, std::string_view password, std::string_view again) {
  if (ClubName(name).empty()) return kRowIncorrectName;
  if (password != again) return kRowPasswordsDiffer;
  return std::nullopt;
}

}  // namespace

std::string ClubName(std::string_view name) {
  std::string bytes = Utf8ToCp1251(name);
  if (bytes.size() > kMemberNameLength) bytes.resize(kMemberNameLength);
  return Cp1251ToUtf8(TrimRight(bytes));
}

std::optional<int> LogInMember(const ClubLines& club, int slot, std::string_view password, ClubState& state) {
  const auto member = ParseMemberLine(ReadMember(club, slot));
  if (!member || !PasswordMatches(member->PasswordCode, password)) return kRowIncorrectPassword;
  state.Slot = slot;
  state.Name = member->Name;
  state.PasswordCode = member->PasswordCode;
  state.Deals = member->Deals;
  state.Score = member->Score;
  state.Rating = member->Rating;
  return std::nullopt;
}

std::optional<int> StartNewPlayer(std::string_view name, std::string_view password, std::string_view again,
                                  ClubState& state) {
  if (const auto row = Refusal(name, password, again)) return row;
  state.Slot = kSlotNewPlayer;
  state.Name = ClubName(name);
  state.PasswordCode = EncodePassword(password);
  state.Deals = 0;
  state.Score = 0;
  state.Rating = 0;
  return std::nullopt;
}

NameChange ChangeMemberName(const std::filesystem::path& clubPath, bool writable, std::string_view name,
                            std::string_view password, std::string_view again, ClubState& state,
                            const FileWriteHooks& hooks) {
  NameChange change;
  change.Row = Refusal(name, password, again);
  if (change.Row) return change;
  const std::string newName = ClubName(name);
  const std::string newCode = EncodePassword(password);

  // A file that is not writable is never touched: the change then holds for this run only.
  if (writable && state.Slot >= 1 && state.Slot <= kMemberSlots) {
    int newSlot = 0;
    change.Message = UpdateClubFile(clubPath, writable, hooks, [&](ClubLines& club) {
      auto member = ParseMemberLine(ReadMember(club, state.Slot));
      if (!member) return;
      member->Name = newName;
      member->PasswordCode = newCode;
      RemoveMember(club, state.Slot);
      newSlot = InsertMember(club, MemberLine(*member), false).Slot;
    });
    if (change.Message) return change;
    state.Slot = newSlot != 0 ? newSlot : kSlotNewPlayer;
  }
  state.Name = newName;
  state.PasswordCode = newCode;
  change.Changed = true;
  return change;
}

}  // namespace tarvel
