#pragma once

#include <algorithm>
#include <cstdint>

#include "raster/Bitmap.h"

// Calls visit(y, left, right) for every run of pixels of row y, left <= x < right, that lies
// inside area and inside the bitmap's clip region (the whole area when none is selected).
// area must lie inside the bitmap. Rows come from the top down.
template <class Visit>
void ForEachClippedSpan(const Bitmap& bitmap, const Rect& area, Visit&& visit) {
  if (area.IsEmpty()) return;
  const Region* clip = bitmap.ClipRegion();
  if (clip == nullptr) {
    for (std::int32_t y = area.top; y < area.bottom; ++y) visit(y, area.left, area.right);
    return;
  }
  for (const Region::Band& band : clip->Bands()) {
    if (band.bottom <= area.top) continue;
    if (band.top >= area.bottom) break;
    const std::int32_t top = std::max(band.top, area.top);
    const std::int32_t bottom = std::min(band.bottom, area.bottom);
    const auto spans = clip->SpansOf(band);
    for (std::int32_t y = top; y < bottom; ++y) {
      for (const Region::Span& span : spans) {
        const std::int32_t left = std::max(span.left, area.left);
        const std::int32_t right = std::min(span.right, area.right);
        if (left < right) visit(y, left, right);
      }
    }
  }
}
