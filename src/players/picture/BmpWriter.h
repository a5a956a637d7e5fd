#pragma once

#include <string>

#include "raster/Bitmap.h"

// Saves a bitmap as a 24-bit BMP file (rows bottom-up, no compression). Raises EFCreateError
// when the file cannot be created and EWriteError when it cannot be written whole; no partial
// file is left behind then.
void SaveBmp(const Bitmap& bitmap, const std::string& path);
