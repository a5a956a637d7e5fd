#pragma once

#include "raster/Geometry.h"

// The largest rectangle with the proportions of source that fits into bounds, centred in it.
// The result is relative to (0, 0): callers pass bounds that start there. A source or bounds
// without area has no such rectangle and gives the empty rectangle at (0, 0).
Rect FitRect(const Rect& source, const Rect& bounds);
