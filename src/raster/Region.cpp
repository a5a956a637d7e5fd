#include "raster/Region.h"

#include <algorithm>
#include <limits>

#include "raster/RegionBuilder.h"

namespace {

bool Inside(Region::Op op, bool a, bool b) {
  switch (op) {
    case Region::Op::Or:
      return a || b;
    case Region::Op::And:
      return a && b;
    case Region::Op::Xor:
      return a != b;
    case Region::Op::Diff:
      return a && !b;
  }
  return false;
}

// Combines two sorted span lists by sweeping over their edges from left to right.
void CombineSpans(std::span<const Region::Span> a, std::span<const Region::Span> b, Region::Op op,
                  std::vector<Region::Span>& out) {
  out.clear();
  constexpr std::int64_t kEnd = std::numeric_limits<std::int64_t>::max();
  std::size_t i = 0;
  std::size_t j = 0;
  bool inA = false;
  bool inB = false;
  std::int32_t start = 0;
  while (i < a.size() || j < b.size()) {
    const std::int64_t xa = i < a.size() ? (inA ? a[i].right : a[i].left) : kEnd;
    const std::int64_t xb = j < b.size() ? (inB ? b[j].right : b[j].left) : kEnd;
    const auto x = static_cast<std::int32_t>(std::min(xa, xb));
    const bool before = Inside(op, inA, inB);
    if (xa == x) {
      inA = !inA;
      if (!inA) ++i;
    }
    if (xb == x) {
      inB = !inB;
      if (!inB) ++j;
    }
    const bool after = Inside(op, inA, inB);
    if (!before && after) start = x;
    if (before && !after) out.push_back({start, x});
  }
}

}  // namespace

Region::Region(const Rect& rect) {
  if (rect.IsEmpty()) return;
  bands_.push_back({rect.top, rect.bottom, 0, 1});
  spans_.push_back({rect.left, rect.right});
  bounds_ = rect;
}

bool Region::Contains(std::int32_t x, std::int32_t y) const {
  auto band = std::upper_bound(bands_.begin(), bands_.end(), y,
                               [](std::int32_t v, const Band& b) { return v < b.bottom; });
  if (band == bands_.end() || y < band->top) return false;
  for (const Span& span : SpansOf(*band)) {
    if (x < span.left) return false;
    if (x < span.right) return true;
  }
  return false;
}

Region Region::Clipped(const Rect& rect) const {
  if (rect.IsEmpty() || IsEmpty()) return Region();
  if (rect.left <= bounds_.left && rect.top <= bounds_.top && rect.right >= bounds_.right &&
      rect.bottom >= bounds_.bottom) {
    return *this;
  }
  RegionBuilder builder;
  std::vector<Span> spans;
  for (const Band& band : bands_) {
    if (band.bottom <= rect.top) continue;
    if (band.top >= rect.bottom) break;
    spans.clear();
    for (const Span& span : SpansOf(band)) {
      const Span cut{std::max(span.left, rect.left), std::min(span.right, rect.right)};
      if (cut.left < cut.right) spans.push_back(cut);
    }
    builder.AddBand(std::max(band.top, rect.top), std::min(band.bottom, rect.bottom), spans);
  }
  return builder.Finish();
}

void Region::Offset(std::int32_t dx, std::int32_t dy) {
  if (IsEmpty()) return;
  // Coordinates saturate at the 32-bit limits; a band or span squeezed to nothing is dropped.
  std::vector<Rect> moved = Rects();
  for (Rect& r : moved) r = r.Translated(dx, dy);
  *this = FromRects(moved);
}

std::vector<Rect> Region::Rects() const {
  std::vector<Rect> rects;
  rects.reserve(spans_.size());
  for (const Band& band : bands_) {
    for (const Span& span : SpansOf(band)) {
      rects.push_back({span.left, band.top, span.right, band.bottom});
    }
  }
  return rects;
}

bool operator==(const Region& a, const Region& b) {
  if (a.bands_.size() != b.bands_.size() || a.spans_ != b.spans_) return false;
  for (std::size_t i = 0; i < a.bands_.size(); ++i) {
    if (a.bands_[i].top != b.bands_[i].top || a.bands_[i].bottom != b.bands_[i].bottom ||
        a.bands_[i].spanCount != b.bands_[i].spanCount) {
      return false;
    }
  }
  return true;
}

Region Region::Combine(const Region& a, const Region& b, Op op) {
  if (b.IsEmpty()) return op == Op::And ? Region() : a;
  if (a.IsEmpty()) return (op == Op::Or || op == Op::Xor) ? b : Region();

  std::vector<std::int32_t> edges;
  edges.reserve(2 * (a.bands_.size() + b.bands_.size()));
  for (const Band& band : a.bands_) edges.insert(edges.end(), {band.top, band.bottom});
  for (const Band& band : b.bands_) edges.insert(edges.end(), {band.top, band.bottom});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  RegionBuilder builder;
  std::vector<Span> spans;
  std::size_t ia = 0;
  std::size_t ib = 0;
  for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
    const std::int32_t top = edges[e];
    while (ia < a.bands_.size() && a.bands_[ia].bottom <= top) ++ia;
    while (ib < b.bands_.size() && b.bands_[ib].bottom <= top) ++ib;
    const bool hasA = ia < a.bands_.size() && a.bands_[ia].top <= top;
    const bool hasB = ib < b.bands_.size() && b.bands_[ib].top <= top;
    if (!hasA && !hasB) continue;
    CombineSpans(hasA ? a.SpansOf(a.bands_[ia]) : std::span<const Span>(),
                 hasB ? b.SpansOf(b.bands_[ib]) : std::span<const Span>(), op, spans);
    builder.AddBand(top, edges[e + 1], spans);
  }
  return builder.Finish();
}
