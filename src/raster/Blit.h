#pragma once

#include <cstdint>

#include "raster/Bitmap.h"

// Copies the w by h block at (sx, sy) of src to (x, y) of dest. Only pixels inside both
// bitmaps and inside dest's clip region are read or written; a zero or negative extent copies
// nothing. src may be dest itself: the copy then behaves as if the whole source block were read
// before anything is written.
void BitBlt(Bitmap& dest, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
            const Bitmap& src, std::int32_t sx, std::int32_t sy);

// Scales the sw by sh block at (sx, sy) of src onto the w by h block at (x, y) of dest, each
// destination pixel taking the source pixel nearest to its centre, never a blend.
//
// A negative w mirrors: the band covers the columns x, x - 1, ..., x - |w| + 1, and the
// source's first column lands on column x. A negative h mirrors rows the same way, from row y
// upwards. A negative sw (sh) runs the source from column sx (row sy) leftwards (upwards).
//
// Destination pixels whose source pixel lies outside src keep their value; nothing outside
// either bitmap is read or written, and dest's clip region is honoured. src may be dest itself,
// with the same read-everything-first behaviour as BitBlt.
void StretchBlt(Bitmap& dest, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                const Bitmap& src, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                std::int32_t sh);
