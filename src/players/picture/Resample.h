#pragma once

#include "raster/Bitmap.h"

// Smooth scaling of a whole bitmap onto a block of another: each axis is reduced by averaging
// the source pixels each destination pixel covers (weighted by how much of it they cover) and
// enlarged by linear interpolation between the nearest source pixels. The destination block
// must lie inside dest; the fourth byte of every written pixel is 0.
void ResampleInto(const Bitmap& src, Bitmap& dest, const Rect& block);
