#pragma once
// Row colours of the round button's middle pieces "R29_2", "R44_2" and "R59_2", one RGB value a row from
// the top. The picture tool paints the pieces from these rows and the button draws its middle as lines in
// them, so both give the same picture. Standard library only: the build-time picture tool includes it.
#include <array>
#include <cstdint>
#include <span>

namespace tarvel {

namespace button_rows_detail {

// Rounds a non-negative value to the nearest integer, an exact half going to the even neighbour.
constexpr int RoundEven(double v) {
  const int whole = static_cast<int>(v);
  const double frac = v - whole;
  if (frac > 0.5) return whole + 1;
  if (frac < 0.5) return whole;
  return whole % 2 == 0 ? whole : whole + 1;
}

// Channel-wise linear blend from `from` (step 0) to `to` (step count - 1).
constexpr std::uint32_t Blend(std::uint32_t from, std::uint32_t to, int step, int count) {
  std::uint32_t out = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    const int a = static_cast<int>((from >> shift) & 0xFF);
    const int b = static_cast<int>((to >> shift) & 0xFF);
    const double t = count > 1 ? static_cast<double>(step) / (count - 1) : 0.0;
    out |= static_cast<std::uint32_t>(RoundEven(a + (b - a) * t)) << shift;
  }
  return out;
}

// The five bands of the 44- and 59-row pieces: maroon top, near-black, greyish, a light band fading
// downwards, a dark row, a red band brightening downwards, maroon bottom.
template <int Rows>
constexpr std::array<std::uint32_t, Rows> Bands(std::uint32_t nearBlack, std::uint32_t greyish, std::uint32_t lightFrom,
                                                std::uint32_t lightTo, int lightRows, std::uint32_t dark,
                                                std::uint32_t redFrom, std::uint32_t redTo, int redRows) {
  std::array<std::uint32_t, Rows> rows{};
  int y = 0;
  rows[y++] = 0x800000;
  rows[y++] = nearBlack;
  rows[y++] = greyish;
  for (int i = 0; i < lightRows; ++i) rows[y++] = Blend(lightFrom, lightTo, i, lightRows);
  rows[y++] = dark;
  for (int i = 0; i < redRows; ++i) rows[y++] = Blend(redFrom, redTo, i, redRows);
  rows[y++] = 0x800000;
  return rows;
}

}  // namespace button_rows_detail

inline constexpr std::array<std::uint32_t, 29> kButtonRows30 = {
    0x800000, 0x110000, 0x875B5B, 0xE8ADAD, 0xDFA3A3, 0xD79999, 0xCF9191, 0xC88888, 0xC27F7F, 0xBC7575,
    0xB86C6C, 0xB46363, 0xB25959, 0xB05050, 0x982424, 0x880000, 0x900000, 0x990000, 0xA10000, 0xAA0000,
    0xB20000, 0xBB0000, 0xC30000, 0xCC0000, 0xD40000, 0xDD0000, 0xE50000, 0xEE0000, 0x800000};

inline constexpr std::array<std::uint32_t, 44> kButtonRows45 = button_rows_detail::Bands<44>(
    0x0B0000, 0x845D5D, 0xEFB4B4, 0xAF4A4A, 19, 0x992222, 0x880000, 0xF40000, 20);

inline constexpr std::array<std::uint32_t, 59> kButtonRows60 = button_rows_detail::Bands<59>(
    0x090000, 0x835E5E, 0xF3B7B7, 0xAC4747, 26, 0x962121, 0x840000, 0xF60000, 28);

// The rows of the piece set for native height 30, 45 or 60; an empty span for any other height.
constexpr std::span<const std::uint32_t> ButtonRows(int nativeHeight) {
  switch (nativeHeight) {
    case 30: return kButtonRows30;
    case 45: return kButtonRows45;
    case 60: return kButtonRows60;
    default: return {};
  }
}

}  // namespace tarvel
