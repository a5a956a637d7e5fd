#pragma once

#include <string>

#include "raster/Bitmap.h"

// Reads a picture file (BMP, PNG and whatever else Qt's readers know, 24 or 32 bits) into a
// 32-bit bitmap. Throws EFOpenError when the file is missing and EInvalidGraphic when it cannot
// be decoded.
Bitmap LoadPicture(const std::string& path);

// Writes a bitmap as a 32-bit BMP or a PNG, chosen by the extension (.bmp or .png, any case).
// Throws EFCreateError when the file cannot be written and EConvertError for any other
// extension.
void SavePicture(const Bitmap& bitmap, const std::string& path);
