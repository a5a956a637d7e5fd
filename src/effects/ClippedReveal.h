#pragma once

#include "raster/Bitmap.h"
#include "raster/Region.h"

// Copies the whole picture onto the screen through the region: the region is selected as the
// screen's clip region for the copy and no clip region is selected afterwards, also when the
// copy fails. The new picture shows exactly where the region lies.
void ClippedReveal(Bitmap& screen, const Bitmap& picture, const Region& region);
