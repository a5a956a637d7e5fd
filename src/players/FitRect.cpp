#include "players/FitRect.h"

#include <cmath>

Rect FitRect(const Rect& source, const Rect& bounds) {
  const double sw = static_cast<double>(source.Width());
  const double sh = static_cast<double>(source.Height());
  const double bw = static_cast<double>(bounds.Width());
  const double bh = static_cast<double>(bounds.Height());
  if (sw <= 0 || sh <= 0 || bw <= 0 || bh <= 0) return {};
  const double xs = sw / bw;
  const double ys = sh / bh;
  // The side that limits keeps the full extent; t, the other, is below the bounds' extent.
  if (xs > ys) {
    const double t = sh / xs;
    const auto top = static_cast<std::int32_t>(std::trunc((bh - t) / 2));
    return {0, top, static_cast<std::int32_t>(bw), top + static_cast<std::int32_t>(std::trunc(t))};
  }
  const double t = sw / ys;
  const auto left = static_cast<std::int32_t>(std::trunc((bw - t) / 2));
  return {left, 0, left + static_cast<std::int32_t>(std::trunc(t)), static_cast<std::int32_t>(bh)};
}
