#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "raster/Geometry.h"
#include "raster/Region.h"

// One pixel: bytes blue, green, red and a fourth byte, in that order in memory, read as one
// little-endian 32-bit number 0xXXRRGGBB.
using Pixel = std::uint32_t;

constexpr Pixel MakePixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                          std::uint8_t fourth = 0) {
  return Pixel{blue} | Pixel{green} << 8 | Pixel{red} << 16 | Pixel{fourth} << 24;
}

// A 32-bit bitmap with a single owner (move it, or Clone() it explicitly).
//
// Storage: rows are contiguous, 4 x Width() bytes each, stored top-down: Bits() is the top
// row's first byte. The block matches QImage::Format_RGB32 byte for byte, so a view can wrap it
// without copying.
//
// Bottom-up addressing: procedures that walk "the pixel block" in a stated order (its start is
// the bottom row, y = Height() - 1) use BlockRow(k), the k-th row of that walk; pixel (x, y) is
// element x of BlockRow(Height() - 1 - y). They see exactly the order of a bottom-up bitmap.
//
// The bitmap also carries the clipping of drawing onto it: BitBlt and StretchBlt write only
// pixels inside the clip region when one is selected, and anywhere inside the bitmap when none
// is.
class Bitmap {
 public:
  Bitmap() = default;
  // A width by height bitmap filled with fill. Throws EInvalidOperation for a negative size and
  // EOutOfMemory when the pixels cannot be allocated.
  Bitmap(std::int32_t width, std::int32_t height, Pixel fill = 0);
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  ~Bitmap() = default;

  // A new bitmap with the same pixels and no clipping.
  Bitmap Clone() const;

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }

  std::uint8_t* Bits() { return reinterpret_cast<std::uint8_t*>(pixels_.data()); }
  const std::uint8_t* Bits() const { return reinterpret_cast<const std::uint8_t*>(pixels_.data()); }
  std::size_t Stride() const { return std::size_t{4} * static_cast<std::size_t>(width_); }

  // Row y from the top, 0 <= y < Height(); not checked.
  Pixel* Row(std::int32_t y) { return pixels_.data() + Index(0, y); }
  const Pixel* Row(std::int32_t y) const { return pixels_.data() + Index(0, y); }
  // Row k of the bottom-up walk of the pixel block, 0 <= k < Height(); not checked.
  Pixel* BlockRow(std::int32_t k) { return Row(height_ - 1 - k); }
  const Pixel* BlockRow(std::int32_t k) const { return Row(height_ - 1 - k); }

  // Checked access: throws EInvalidOperation outside the bitmap.
  Pixel PixelAt(std::int32_t x, std::int32_t y) const;
  void SetPixel(std::int32_t x, std::int32_t y, Pixel value);
  void Fill(Pixel value);

  // Clipping. SelectClipRegion keeps its own copy of the region (cut to the bitmap);
  // ExcludeClipRect removes a rectangle from the clip region, or, when none is selected, from
  // the whole bitmap; RemoveClip selects no region, so that drawing reaches the whole bitmap.
  void SelectClipRegion(const Region& region);
  void ExcludeClipRect(const Rect& rect);
  void RemoveClip() { clip_.reset(); }
  bool HasClip() const { return clip_.has_value(); }
  // The selected clip region, or nullptr when none is selected.
  const Region* ClipRegion() const { return clip_ ? &*clip_ : nullptr; }

 private:
  std::size_t Index(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<Pixel> pixels_;
  std::optional<Region> clip_;
};

// Removes the clipping of a bitmap when the guard goes, also when drawing fails; the second
// form selects a clip region first.
class ScopedClip {
 public:
  explicit ScopedClip(Bitmap& bitmap) : bitmap_(bitmap) {}
  ScopedClip(Bitmap& bitmap, const Region& region) : bitmap_(bitmap) {
    bitmap_.SelectClipRegion(region);
  }
  ~ScopedClip() { bitmap_.RemoveClip(); }
  ScopedClip(const ScopedClip&) = delete;
  ScopedClip& operator=(const ScopedClip&) = delete;

 private:
  Bitmap& bitmap_;
};
