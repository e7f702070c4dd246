#pragma once
// The texts of the main menu's club list (five member buttons, three top-ten panels) and of the
// "Top Ten" window. Texts are returned in UTF-8; the widths of shown texts are measured through a
// TextMeter that the table provides (in the list font).
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "records/club_file.h"

namespace tarvel {

class TextMeter {
 public:
  virtual ~TextMeter() = default;
  // Width of a UTF-8 text in pixels.
  virtual int Width(std::string_view text) const = 0;
};

inline constexpr int kClubButtonWidthLimit = 361;
inline constexpr int kTopTenPanelWidthLimit = 251;

// The online account that replaces the fifth button while logged in during local play.
struct AccountButton {
  std::string Nick;    // UTF-8
  int CycleDeals = 0;  // deals in the account's current cycle
  int Score = 0;
  int Deals = 0;
  double Rating = 0;
};

struct ClubList {
  int HeaderRow = 7;                   // the text-table row of the header: 6 + ClubListMode
  std::array<std::string, 6> Buttons;  // [1..5]
  std::array<std::string, 4> Panels;   // [1..3]: top-ten places 1-3
  bool Button5Account = false;         // the fifth button shows the account (drawn red, else navy)
};

// clubListMode 1 shows name, games in the cycle and score; 2 shows name, all deals and rating.
ClubList ShowClubList(const ClubLines& club, int clubListMode, const TextMeter& meter,
                      const std::optional<AccountButton>& account = std::nullopt);

// Shortens a Windows-1251 text whose first 20 characters are a name until meter finds it narrower than
// limit: characters come out of the name from column 20 backwards, keeping at least four; when a removed
// character was not a space or "#", the three characters before the cut become "...". Returns UTF-8.
std::string FitClubText(std::string_view text, int limit, const TextMeter& meter);

struct TopTenRow {
  int Place = 0;
  std::string Name;
  std::string Score;
  bool Red = false;  // places 1-3 in red, 4-10 in navy
};

struct TopTenWindow {
  std::string Title;               // "WINDOWS. LOCAL GAMES WITH PC" or "WINDOWS. NET GAMES"
  std::array<TopTenRow, 11> Rows;  // [1..10]
};

TopTenWindow TopTenTable(const ClubLines& club, ClubKind kind);

}  // namespace tarvel
