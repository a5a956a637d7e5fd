#pragma once

#include <QImage>

#include "raster/Bitmap.h"

// A QImage over a bitmap's own pixels, without copying: the two layouts match byte for byte.
// The image is valid while the bitmap lives and keeps its size. Bitmaps shown through it are
// made with an opaque fourth byte (kOpaqueBlack), as Format_RGB32 expects.
inline QImage WrapBitmap(Bitmap& bitmap) {
  return QImage(bitmap.Bits(), bitmap.Width(), bitmap.Height(),
                static_cast<qsizetype>(bitmap.Stride()), QImage::Format_RGB32);
}

inline QImage WrapBitmap(const Bitmap& bitmap) {
  return QImage(bitmap.Bits(), bitmap.Width(), bitmap.Height(),
                static_cast<qsizetype>(bitmap.Stride()), QImage::Format_RGB32);
}

inline constexpr Pixel kOpaqueBlack = MakePixel(0, 0, 0, 0xFF);
