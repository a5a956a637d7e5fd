#pragma once

#include <cstdint>

#include "raster/Bitmap.h"

// How a picture is laid out on the screen.
enum class FitMode : std::uint8_t {
  kCenter = 0,        // centred at its own size; stretched instead when larger than the screen
  kStretch = 1,       // stretched to the screen
  kProportional = 2,  // the largest block of its proportions, centred
};

// A show colour: red in the low byte, then green, then blue.
Pixel PixelFromColor(std::uint32_t color);

// Replaces bitmap by the picture laid out by mode on a bitmap of rect's size, filled with color
// where the picture does not cover it. Any mode other than 0, 1 and 2 leaves the bitmap as it
// is. Scaling is smooth: reductions average, enlargements interpolate.
void FitBitmap(Bitmap& bitmap, const Rect& rect, int mode, std::uint32_t color);

// The largest factor by which FitBitmap will reduce a picture of the given size along either
// axis, as a scale in (0, 1]; 1 when it will not reduce it. A decoder may deliver the picture
// reduced by any factor not below this one; the layout then differs by a pixel at most.
double FitReduction(Size picture, const Rect& rect, int mode);
