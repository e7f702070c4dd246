#include "records/club_list.h"

#include "records/rating_format.h"
#include "records/text_fields.h"
#include "settings/cp1251.h"

namespace tarvel {

using namespace records_text;

namespace {

constexpr std::size_t kKeptNameColumns = 4;

std::string Spaces(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

// The Windows-1251 text of one member button.
std::string MemberText(std::string_view stored, int mode) {
  const std::string line = PadRight(stored, kMemberLineLength);
  const bool empty = MemberSlotEmpty(line);
  const std::string name(line.substr(0, kMemberNameLength));
  const std::string dealField(line.substr(30, 7));
  const std::string score(line.substr(38, 6));
  if (mode == 2) {
    const std::string rating =
        empty ? "######" : FormatRating2(ParseRating(line.substr(20, 10)).value_or(0), 6);
    return name + Spaces(2) + dealField + Spaces(2) + rating;
  }
  const std::string games =
      empty ? "###" : PadLeft(std::to_string(ParseDecimal(dealField).value_or(0) % 30), 3);
  return name + Spaces(4) + games + Spaces(4) + score;
}

std::string AccountText(const AccountButton& account, int mode) {
  std::string nick = Utf8ToCp1251(account.Nick);
  if (nick.size() > kMemberNameLength) nick.resize(kMemberNameLength);
  nick = PadRight(nick, kMemberNameLength);
  if (mode == 2) {
    const long long rating = RoundToInteger(account.Rating);
    return nick + Spaces(2) + PadLeft(std::to_string(account.Deals), 7) + Spaces(2) +
           PadLeft(std::to_string(rating), 6);
  }
  return nick + Spaces(4) + PadLeft(std::to_string(account.CycleDeals), 3) + Spaces(4) +
         PadLeft(std::to_string(account.Score), 6);
}

}  // namespace

std::string FitClubText(std::string_view text, int limit, const TextMeter& meter) {
  std::string candidate = Cp1251ToUtf8(text);
  if (text.size() < kMemberNameLength || meter.Width(candidate) < limit) return candidate;
  const std::string rest(text.substr(kMemberNameLength));
  bool removedSign = false;
  for (std::size_t keep = kMemberNameLength - 1; keep >= kKeptNameColumns; --keep) {
    const char removed = text[keep];
    if (removed != ' ' && removed != '#') removedSign = true;
    std::string name(text.substr(0, keep));
    if (removedSign) name.replace(keep - 3, 3, "...");
    candidate = Cp1251ToUtf8(name + rest);
    if (meter.Width(candidate) < limit) break;
  }
  return candidate;
}

ClubList ShowClubList(const ClubLines& club, int clubListMode, const TextMeter& meter,
                      const std::optional<AccountButton>& account) {
  const int mode = clubListMode == 2 ? 2 : 1;
  ClubList list;
  list.HeaderRow = 6 + mode;
  for (int slot = 1; slot <= kMemberSlots; ++slot) {
    std::string text = MemberText(ReadMember(club, slot), mode);
    if (slot == kMemberSlots && account) {
      text = AccountText(*account, mode);
      list.Button5Account = true;
    }
    list.Buttons[slot] = FitClubText(text, kClubButtonWidthLimit, meter);
  }
  for (int place = 1; place <= 3; ++place) {
    const std::string line = PadRight(club.Lines[kMemberSlots + place], kTopTenLineLength);
    const std::string text = line.substr(0, kMemberNameLength) + Spaces(2) + line.substr(20, 6);
    list.Panels[place] = FitClubText(text, kTopTenPanelWidthLimit, meter);
  }
  return list;
}

TopTenWindow TopTenTable(const ClubLines& club, ClubKind kind) {
  TopTenWindow window;
  window.Title = kind == ClubKind::Local ? "WINDOWS. LOCAL GAMES WITH PC" : "WINDOWS. NET GAMES";
  for (int place = 1; place <= kTopTenPlaces; ++place) {
    const TopTenEntry entry = ReadTopTen(club, place);
    window.Rows[place] = TopTenRow{place, entry.Name, entry.ScoreText, place <= 3};
  }
  return window;
}

}  // namespace tarvel
