#pragma once

#include <cstdint>
#include <vector>

#include "raster/Bitmap.h"

// The brightness profiles that give a curled band its rounded look. Both add a signed offset to
// the blue, green and red bytes of every pixel of the band (each clamped to 0..255; the fourth
// byte stays), darkest at the band's edges, and do nothing when n < 2 or amount is 0. Columns or
// rows outside the bitmap are skipped.

// The n columns x0 .. x0 + n - 1. The offset starts at -amount and, when amount exceeds half
// the band, climbs by amount / half for the columns up to the middle (inclusive) and falls
// after it; otherwise it moves by 1 every half / amount columns.
void ShadeColumns(Bitmap& bitmap, std::int32_t amount, std::int32_t x0, std::int32_t n);

// The n rows y0 .. y0 + n - 1, processed from the bottom row y0 + n - 1 upwards, with its own
// step rule: the offset rises only before the middle (exclusive).
void ShadeRows(Bitmap& bitmap, std::int32_t amount, std::int32_t y0, std::int32_t n);

// The offsets each helper adds, in the order it applies them (columns from the left, rows from
// the band's bottom). Empty when the helper does nothing.
std::vector<std::int32_t> ColumnShadeProfile(std::int32_t amount, std::int32_t n);
std::vector<std::int32_t> RowShadeProfile(std::int32_t amount, std::int32_t n);
