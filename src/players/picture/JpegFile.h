#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "raster/Bitmap.h"

// Given the upright size of a picture, the smallest scale (0, 1] at which it may be delivered.
using ReductionFor = std::function<double(Size upright)>;

// Decodes a JPEG file held in memory into an upright bitmap: the EXIF orientation is applied,
// and the picture is reduced while decoding (by n/8, n = 1..8) as far as reduction allows.
// Grey, colour and CMYK pictures are read; a damaged or truncated one raises EJPEG.
Bitmap DecodeJpeg(const std::uint8_t* data, std::size_t size, const ReductionFor& reduction);
