#pragma once

#include <cstdint>

#include "raster/Bitmap.h"

// Draws Source turned counter-clockwise by Angle radians about the pivot (PX, PY) onto Dest,
// which must have Source's size. The pivot's y counts upward from the bottom row. The
// arithmetic is 16.16 fixed point: destination column c and row r (from the top) map to
// u = c + 1 - PX, v = (H - r) - PY, and take the source pixel in column
// PX + int16((u*cs - v*sn) >> 16) and bottom-up row PY + int16((u*sn + v*cs) >> 16), where
// sn and cs are sin(-Angle) and cos(-Angle) times 65536, truncated. Pixels whose source lies
// outside Source keep their value.
void RotateBitmap(Bitmap& Dest, const Bitmap& Source, std::int32_t PX, std::int32_t PY,
                  long double Angle);

// Mixes the rectangle (Left, Top, Width, Height) of Source into the same rectangle of Dest:
// each blue, green and red byte becomes d + floor((s - d) * a / 256) with
// a = MulDiv(256, Percent, 100); the fourth byte is kept. Only the part of the rectangle inside
// both bitmaps is touched.
void BlendRect(Bitmap& Dest, const Bitmap& Source, std::int32_t Percent, std::int32_t Left,
               std::int32_t Top, std::int32_t Width, std::int32_t Height);

// The same mix for n pixels in a row, for a weight 0 <= a <= 256.
void BlendPixels(Pixel* dest, const Pixel* source, std::int32_t n, std::int32_t a);
