#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "raster/Geometry.h"

// An area of pixels kept as horizontal bands. Each band covers the rows top <= y < bottom and
// holds the same sorted, non-touching spans left <= x < right on every one of its rows; bands
// are sorted by top, never overlap, and two adjacent bands never hold equal spans (they would
// have been merged). The representation is canonical, so equal areas compare equal.
//
// Regions are plain values: copy, move and destroy them as any other value.
class Region {
 public:
  struct Span {
    std::int32_t left;
    std::int32_t right;
    friend bool operator==(const Span&, const Span&) = default;
  };
  struct Band {
    std::int32_t top;
    std::int32_t bottom;
    std::uint32_t firstSpan;  // index into the span list
    std::uint32_t spanCount;
  };
  enum class Op { Or, And, Xor, Diff };

  Region() = default;
  explicit Region(const Rect& rect);

  // The union of the rectangles; empty and inverted ones add nothing. Built in one sweep,
  // without repeated unions, so thousands of rectangles per call are cheap.
  static Region FromRects(std::span<const Rect> rects);
  // The rectangle with its corners rounded by quarters of an ellipse ellipseWidth by
  // ellipseHeight; an ellipse larger than the rectangle is limited to it.
  static Region RoundRect(const Rect& rect, std::int32_t ellipseWidth, std::int32_t ellipseHeight);
  // The ellipse inscribed in the rectangle.
  static Region Ellipse(const Rect& rect);
  // The polygon through the points, closed back to the first, filled by the winding rule: a
  // pixel belongs to it when the polygon winds around the pixel's centre a non-zero number of
  // times.
  static Region Polygon(std::span<const Point> points);
  static Region Combine(const Region& a, const Region& b, Op op);

  bool IsEmpty() const { return bands_.empty(); }
  // The smallest rectangle holding every pixel; all zero when empty.
  Rect Bounds() const { return bounds_; }
  bool Contains(std::int32_t x, std::int32_t y) const;
  // The part of the region inside the rectangle.
  Region Clipped(const Rect& rect) const;
  void Offset(std::int32_t dx, std::int32_t dy);
  // The region as rectangles, band by band from the top, left to right within a band.
  std::vector<Rect> Rects() const;

  std::span<const Band> Bands() const { return bands_; }
  std::span<const Span> SpansOf(const Band& band) const {
    return std::span<const Span>(spans_).subspan(band.firstSpan, band.spanCount);
  }

  friend bool operator==(const Region& a, const Region& b);

 private:
  friend class RegionBuilder;
  std::vector<Band> bands_;
  std::vector<Span> spans_;
  Rect bounds_;
};
