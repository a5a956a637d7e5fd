#pragma once

#include <cstddef>
#include <cstdint>

#include "raster/Bitmap.h"

// Draws a metafile on white, at its own size in pixels at 96 pixels per inch: the records that
// pictures use (pens, brushes, fonts, lines, rectangles, ellipses, polygons, Bézier curves,
// paths, text and embedded bitmaps, with the window and viewport mapping) are played; others
// are skipped. A file that is not a metafile, or whose records run past its end, raises
// EInvalidGraphic.

// A Windows metafile, with or without its placeable header.
Bitmap RenderWindowsMetafile(const std::uint8_t* data, std::size_t size);
// An enhanced metafile.
Bitmap RenderEnhancedMetafile(const std::uint8_t* data, std::size_t size);
