#pragma once

#include <string>

#include "players/picture/JpegFile.h"
#include "raster/Bitmap.h"

// Loads a picture file as a bitmap of the picture's own size, choosing the format by the
// file's extension without regard to case: bmp, ico (its largest image), wmf, emf, jpg, jpeg
// or gif (its first frame). Transparent parts come out black. A JPEG may be delivered reduced,
// as reduction allows.
//
// A missing file raises EFOpenError; an unknown extension, an empty or damaged file
// EInvalidGraphic (EJPEG for JPEG files).
Bitmap LoadPicture(const std::string& path, const ReductionFor& reduction = {});

// The lower-case extension of path without its dot; empty when it has none.
std::string PictureExtension(const std::string& path);
