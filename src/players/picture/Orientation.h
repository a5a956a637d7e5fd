#pragma once

#include <cstddef>
#include <cstdint>

#include "raster/Bitmap.h"

// The EXIF orientation tag: how a camera's stored picture must be turned to stand upright.
// 1 as stored, 2 mirrored left to right, 3 turned half round, 4 mirrored top to bottom,
// 5 mirrored along the main diagonal, 6 turned a quarter clockwise, 7 mirrored along the other
// diagonal, 8 turned a quarter anticlockwise.
//
// Reads the tag from the body of an APP1 "Exif" segment (the bytes after its length field);
// 1 when the segment is not EXIF, has no such tag, or is damaged.
int ExifOrientation(const std::uint8_t* segment, std::size_t size);

// True for the orientations that swap width and height (5 to 8).
constexpr bool SwapsAxes(int orientation) {
  return orientation >= 5 && orientation <= 8;
}

// The bitmap turned upright; orientations outside 2..8 return it unchanged.
Bitmap Orient(Bitmap bitmap, int orientation);
