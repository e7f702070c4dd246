#include "records/shipped_club.h"

#include <array>
#include <utility>

#include "records/rating_format.h"
#include "records/text_fields.h"
#include "settings/cp1251.h"

namespace tarvel {

using namespace records_text;

namespace {

using TopTen = std::array<std::pair<const char*, int>, kTopTenPlaces>;

// Cycle scores: ten points per net deal won over a cycle of thirty deals.
constexpr TopTen kLocalTopTen = {{{"Алексей", 160},
                                  {"Marina", 140},
                                  {"Дмитрий Орлов", 120},
                                  {"Olga K.", 110},
                                  {"Сергей", 100},
                                  {"Natasha", 80},
                                  {"Иван Петрович", 70},
                                  {"Max", 60},
                                  {"Татьяна", 40},
                                  {"Viktor", 30}}};

constexpr TopTen kLanTopTen = {{{"Кирилл", 150},
                                {"Anna & Co", 130},
                                {"Борис", 120},
                                {"Lena", 100},
                                {"Григорий", 90},
                                {"Pavel", 80},
                                {"Светлана", 60},
                                {"Oleg", 50},
                                {"Юлия", 30},
                                {"Roman", 20}}};

}  // namespace

std::string ShippedClubFile(ClubKind kind, std::string_view label) {
  ClubLines club;
  for (int slot = 1; slot <= kMemberSlots; ++slot) club.Lines[slot] = kEmptyMemberLine;
  const TopTen& top = kind == ClubKind::Local ? kLocalTopTen : kLanTopTen;
  for (int place = 1; place <= kTopTenPlaces; ++place) {
    std::string name = Utf8ToCp1251(top[place - 1].first);
    club.Lines[kMemberSlots + place] =
        PadRight(name, kMemberNameLength) + PadLeft(std::to_string(top[place - 1].second), 6);
  }
  club.Lines[16] = std::string{kGameMark, '}'} + std::string(kMarkLineLength - 2, '#');
  // "0": no forced Russian; the label at 7-9; the checksums at 11-28 are filled in when serialising.
  std::string tag = PadRight(label.substr(0, 3), 3);
  club.Lines[17] = "0#####" + tag + "#" + std::string(18, '0');
  return SerializeClubFile(club);
}

}  // namespace tarvel
