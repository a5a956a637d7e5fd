#include "raster/Blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "raster/ClipSpans.h"
#include "raster/RowGather.h"

namespace {

// Copies area of dest from src, where dest pixel (x, y) takes src pixel (x + ox, y + oy); area
// and its shifted image lie inside the bitmaps.
void CopyArea(Bitmap& dest, const Rect& area, const Bitmap& src, std::int64_t ox, std::int64_t oy) {
  // Whole rows of two bitmaps of one width lie back to back: one copy moves them all, which
  // lets memcpy pick its fastest way for large blocks.
  if (!dest.HasClip() && ox == 0 && area.left == 0 && area.right == dest.Width() &&
      src.Width() == dest.Width()) {
    std::memcpy(dest.Row(area.top), src.Row(static_cast<std::int32_t>(area.top + oy)),
                dest.Stride() * static_cast<std::size_t>(area.bottom - area.top));
    return;
  }
  ForEachClippedSpan(dest, area, [&](std::int32_t y, std::int32_t left, std::int32_t right) {
    const Pixel* from = src.Row(static_cast<std::int32_t>(y + oy)) + (left + ox);
    std::memcpy(dest.Row(y) + left, from, sizeof(Pixel) * static_cast<std::size_t>(right - left));
  });
}

// One axis of a stretching copy: the destination cells [lo, hi) that are drawn, and for each
// the source cell it takes.
struct AxisMap {
  std::int32_t lo = 0;
  std::int32_t hi = 0;
  std::vector<std::int32_t> source;
  bool IsEmpty() const { return lo >= hi; }
  std::int32_t At(std::int32_t cell) const { return source[static_cast<std::size_t>(cell - lo)]; }
};

// Destination extent n from d0 (negative: cells d0, d0 - 1, ...) over source extent m from s0.
// Cell k of the destination band takes cell ((2k + 1) |m|) / (2 |n|) of the source band: the
// source cell under the destination cell's centre.
AxisMap MapAxis(std::int32_t d0, std::int32_t n, std::int32_t destSize, std::int32_t s0,
                std::int32_t m, std::int32_t srcSize) {
  const std::int64_t absN = n < 0 ? -std::int64_t{n} : n;
  const std::int64_t absM = m < 0 ? -std::int64_t{m} : m;
  const std::int64_t first = n > 0 ? d0 : std::int64_t{d0} + n + 1;
  const std::int64_t lo = std::max<std::int64_t>(first, 0);
  const std::int64_t hi = std::min<std::int64_t>(first + absN, destSize);
  AxisMap map;
  if (lo >= hi) return map;
  std::vector<std::int32_t> cells;
  cells.reserve(static_cast<std::size_t>(hi - lo));
  std::int64_t validLo = hi;
  std::int64_t validHi = lo;
  for (std::int64_t c = lo; c < hi; ++c) {
    const std::int64_t k = n > 0 ? c - d0 : d0 - c;
    const std::int64_t j = ((2 * k + 1) * absM) / (2 * absN);
    const std::int64_t s = m > 0 ? s0 + j : s0 - j;
    const bool valid = s >= 0 && s < srcSize;
    if (valid) {
      validLo = std::min(validLo, c);
      validHi = c + 1;
    }
    cells.push_back(valid ? static_cast<std::int32_t>(s) : -1);
  }
  // The mapping is monotonic, so the cells with a source inside src are one run.
  if (validLo >= validHi) return map;
  map.lo = static_cast<std::int32_t>(validLo);
  map.hi = static_cast<std::int32_t>(validHi);
  map.source.assign(cells.begin() + (validLo - lo), cells.begin() + (validHi - lo));
  return map;
}

// A new bitmap holding the block r of src, which lies inside src.
Bitmap CopyBlock(const Bitmap& src, const Rect& r) {
  Bitmap block(r.right - r.left, r.bottom - r.top);
  for (std::int32_t row = r.top; row < r.bottom; ++row) {
    std::memcpy(block.Row(row - r.top), src.Row(row) + r.left, block.Stride());
  }
  return block;
}

}  // namespace

void BitBlt(Bitmap& dest, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
            const Bitmap& src, std::int32_t sx, std::int32_t sy) {
  if (w <= 0 || h <= 0) return;
  const std::int64_t ox = std::int64_t{sx} - x;
  const std::int64_t oy = std::int64_t{sy} - y;
  const std::int64_t left = std::max<std::int64_t>({x, 0, -ox});
  const std::int64_t top = std::max<std::int64_t>({y, 0, -oy});
  const std::int64_t right =
      std::min<std::int64_t>({std::int64_t{x} + w, dest.Width(), src.Width() - ox});
  const std::int64_t bottom =
      std::min<std::int64_t>({std::int64_t{y} + h, dest.Height(), src.Height() - oy});
  if (left >= right || top >= bottom) return;
  const Rect area{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                  static_cast<std::int32_t>(right), static_cast<std::int32_t>(bottom)};
  const Rect source = {static_cast<std::int32_t>(left + ox), static_cast<std::int32_t>(top + oy),
                       static_cast<std::int32_t>(right + ox),
                       static_cast<std::int32_t>(bottom + oy)};
  if (&src != &dest || area.Intersected(source).IsEmpty()) {
    CopyArea(dest, area, src, ox, oy);
    return;
  }
  // Overlapping copy within one bitmap: take the source block aside first.
  const Bitmap block = CopyBlock(src, source);
  CopyArea(dest, area, block, -std::int64_t{left}, -std::int64_t{top});
}

void StretchBlt(Bitmap& dest, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                const Bitmap& src, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                std::int32_t sh) {
  if (w == 0 || h == 0 || sw == 0 || sh == 0) return;
  AxisMap cols = MapAxis(x, w, dest.Width(), sx, sw, src.Width());
  if (cols.IsEmpty()) return;
  AxisMap rows = MapAxis(y, h, dest.Height(), sy, sh, src.Height());
  if (rows.IsEmpty()) return;

  const Rect area{cols.lo, rows.lo, cols.hi, rows.hi};
  Bitmap block;
  if (&src == &dest) {
    // Within one bitmap: take aside the source pixels the copy reads before writing any.
    const auto [left, right] = std::minmax_element(cols.source.begin(), cols.source.end());
    const auto [top, bottom] = std::minmax_element(rows.source.begin(), rows.source.end());
    const Rect needed{*left, *top, *right + 1, *bottom + 1};
    block = CopyBlock(src, needed);
    for (std::int32_t& c : cols.source) c -= needed.left;
    for (std::int32_t& r : rows.source) r -= needed.top;
  }
  const Bitmap& from = &src == &dest ? block : src;
  const RowGather gather(cols.lo, std::move(cols.source), from.Width());

  if (dest.HasClip()) {
    ForEachClippedSpan(dest, area, [&](std::int32_t row, std::int32_t left, std::int32_t right) {
      gather.CopyRow(dest.Row(row), from.Row(rows.At(row)), left, right);
    });
    return;
  }
  // Without clipping every row is the whole span, so a row that repeats the source row of the
  // row above it is a plain copy of that row.
  const std::size_t bytes = sizeof(Pixel) * static_cast<std::size_t>(area.right - area.left);
  for (std::int32_t row = area.top; row < area.bottom; ++row) {
    if (row > area.top && rows.At(row) == rows.At(row - 1)) {
      std::memcpy(dest.Row(row) + area.left, dest.Row(row - 1) + area.left, bytes);
    } else {
      const Pixel* next = row + 1 < area.bottom ? from.Row(rows.At(row + 1)) : nullptr;
      gather.CopyRow(dest.Row(row), from.Row(rows.At(row)), area.left, area.right, next);
    }
  }
}
