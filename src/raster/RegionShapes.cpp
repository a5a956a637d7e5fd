// The ways of making a region other than from one rectangle: a rectangle list, a rounded
// rectangle, an ellipse and a polygon.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "raster/Region.h"
#include "raster/RegionBuilder.h"

namespace {

std::int32_t PixelEdge(double x) {
  // The first pixel whose centre lies at or right of x.
  const double edge = std::ceil(x - 0.5);
  return static_cast<std::int32_t>(std::clamp(edge, double{INT32_MIN}, double{INT32_MAX}));
}

Rect Normalized(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

// Adds the row y of a rectangle whose sides are pulled in by inset.
void AddInsetRow(RegionBuilder& builder, const Rect& r, std::int32_t y, double inset) {
  const Region::Span span{PixelEdge(r.left + inset), PixelEdge(r.right - inset)};
  if (span.left < span.right) builder.AddBand(y, y + 1, std::span(&span, 1));
}

}  // namespace

Region Region::FromRects(std::span<const Rect> rects) {
  std::vector<Rect> sorted;
  sorted.reserve(rects.size());
  std::vector<std::int32_t> edges;
  edges.reserve(2 * rects.size());
  for (const Rect& r : rects) {
    if (r.IsEmpty()) continue;
    sorted.push_back(r);
    edges.insert(edges.end(), {r.top, r.bottom});
  }
  std::sort(sorted.begin(), sorted.end(),
            [](const Rect& a, const Rect& b) { return a.top < b.top; });
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  const auto byLeft = [](const Rect& a, const Rect& b) { return a.left < b.left; };
  RegionBuilder builder;
  std::vector<Rect> active;  // the rectangles crossing the current band, sorted by left
  std::vector<Span> spans;
  std::size_t next = 0;
  for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
    const std::int32_t top = edges[e];
    std::erase_if(active, [top](const Rect& r) { return r.bottom <= top; });
    const std::size_t old = active.size();
    while (next < sorted.size() && sorted[next].top <= top) active.push_back(sorted[next++]);
    std::sort(active.begin() + static_cast<std::ptrdiff_t>(old), active.end(), byLeft);
    std::inplace_merge(active.begin(), active.begin() + static_cast<std::ptrdiff_t>(old),
                       active.end(), byLeft);
    spans.clear();
    for (const Rect& r : active) {
      if (!spans.empty() && r.left <= spans.back().right) {
        spans.back().right = std::max(spans.back().right, r.right);
      } else {
        spans.push_back({r.left, r.right});
      }
    }
    builder.AddBand(top, edges[e + 1], spans);
  }
  return builder.Finish();
}

Region Region::RoundRect(const Rect& rect, std::int32_t ellipseWidth, std::int32_t ellipseHeight) {
  const Rect r = Normalized(rect);
  if (r.IsEmpty()) return Region();
  const double rx =
      static_cast<double>(std::min<std::int64_t>(std::llabs(ellipseWidth), r.Width())) / 2;
  const double ry =
      static_cast<double>(std::min<std::int64_t>(std::llabs(ellipseHeight), r.Height())) / 2;
  if (rx <= 0 || ry <= 0) return Region(r);

  // Rows whose centre lies within ry of the top or bottom edge are curved; the rest is one band.
  const auto insetAt = [&](double dy) {
    return rx - rx * std::sqrt(std::max(0.0, 1 - (dy / ry) * (dy / ry)));
  };
  RegionBuilder builder;
  std::int64_t y = r.top;
  for (; y < r.bottom && y + 0.5 < r.top + ry; ++y) {
    AddInsetRow(builder, r, static_cast<std::int32_t>(y), insetAt(r.top + ry - (y + 0.5)));
  }
  // The straight part ends before the first row whose centre lies below bottom - ry.
  const auto firstLowerCurved = static_cast<std::int64_t>(std::floor(r.bottom - ry - 0.5)) + 1;
  const std::int64_t straightEnd = std::clamp<std::int64_t>(firstLowerCurved, y, r.bottom);
  if (straightEnd > y) {
    const Span span{r.left, r.right};
    builder.AddBand(static_cast<std::int32_t>(y), static_cast<std::int32_t>(straightEnd),
                    std::span(&span, 1));
  }
  for (y = straightEnd; y < r.bottom; ++y) {
    AddInsetRow(builder, r, static_cast<std::int32_t>(y), insetAt((y + 0.5) - (r.bottom - ry)));
  }
  return builder.Finish();
}

Region Region::Ellipse(const Rect& rect) {
  const Rect r = Normalized(rect);
  return RoundRect(r, Rect::Saturate(r.Width()), Rect::Saturate(r.Height()));
}

Region Region::Polygon(std::span<const Point> points) {
  struct Edge {
    double yTop, yBottom, xAtTop, slope;
    int winding;
  };
  std::vector<Edge> edges;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point a = points[i];
    const Point b = points[(i + 1) % points.size()];
    if (a.y == b.y) continue;
    const bool down = a.y < b.y;
    const Point top = down ? a : b;
    const Point bottom = down ? b : a;
    edges.push_back(
        {double(top.y), double(bottom.y), double(top.x),
         double(std::int64_t{bottom.x} - top.x) / double(std::int64_t{bottom.y} - top.y),
         down ? 1 : -1});
  }
  if (edges.empty()) return Region();
  std::sort(edges.begin(), edges.end(),
            [](const Edge& a, const Edge& b) { return a.yTop < b.yTop; });
  double yMax = edges.front().yBottom;
  for (const Edge& e : edges) yMax = std::max(yMax, e.yBottom);

  struct Crossing {
    double x;
    int winding;
  };
  RegionBuilder builder;
  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  std::vector<Span> spans;
  std::size_t next = 0;
  // A row belongs to the polygon where it winds around the row's pixel centres.
  for (auto y = static_cast<std::int64_t>(std::floor(edges.front().yTop)); y + 0.5 < yMax; ++y) {
    const double yc = static_cast<double>(y) + 0.5;
    std::erase_if(active, [yc](const Edge* e) { return e->yBottom <= yc; });
    while (next < edges.size() && edges[next].yTop <= yc) {
      if (edges[next].yBottom > yc) active.push_back(&edges[next]);
      ++next;
    }
    crossings.clear();
    for (const Edge* e : active)
      crossings.push_back({e->xAtTop + (yc - e->yTop) * e->slope, e->winding});
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    spans.clear();
    int winding = 0;
    double start = 0;
    for (const Crossing& c : crossings) {
      const int before = winding;
      winding += c.winding;
      if (before == 0 && winding != 0) start = c.x;
      if (before != 0 && winding == 0) {
        const Span span{PixelEdge(start), PixelEdge(c.x)};
        if (span.left < span.right) spans.push_back(span);
      }
    }
    NormalizeSpans(spans);
    builder.AddBand(static_cast<std::int32_t>(y), static_cast<std::int32_t>(y + 1), spans);
  }
  return builder.Finish();
}
