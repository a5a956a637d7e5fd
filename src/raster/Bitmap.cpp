#include "raster/Bitmap.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/Errors.h"

Bitmap::Bitmap(std::int32_t width, std::int32_t height, Pixel fill) {
  if (width < 0 || height < 0) {
    throw EInvalidOperation("Invalid bitmap size " + std::to_string(width) + " x " +
                            std::to_string(height));
  }
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  try {
    pixels_.assign(count, fill);
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory("Out of memory for a " + std::to_string(width) + " x " +
                       std::to_string(height) + " bitmap");
  } catch (const std::length_error&) {
    throw EOutOfMemory("Out of memory for a " + std::to_string(width) + " x " +
                       std::to_string(height) + " bitmap");
  }
  width_ = width;
  height_ = height;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)),
      clip_(std::move(other.clip_)) {
  other.pixels_.clear();
  other.clip_.reset();
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this != &other) {
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    clip_ = std::move(other.clip_);
    other.pixels_.clear();
    other.clip_.reset();
  }
  return *this;
}

Bitmap Bitmap::Clone() const {
  Bitmap copy;
  copy.width_ = width_;
  copy.height_ = height_;
  copy.pixels_ = pixels_;
  return copy;
}

Pixel Bitmap::PixelAt(std::int32_t x, std::int32_t y) const {
  if (!Bounds().Contains(x, y)) {
    throw EInvalidOperation("Pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                            ") lies outside the bitmap");
  }
  return pixels_[Index(x, y)];
}

void Bitmap::SetPixel(std::int32_t x, std::int32_t y, Pixel value) {
  if (!Bounds().Contains(x, y)) {
    throw EInvalidOperation("Pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                            ") lies outside the bitmap");
  }
  pixels_[Index(x, y)] = value;
}

void Bitmap::Fill(Pixel value) {
  std::fill(pixels_.begin(), pixels_.end(), value);
}

void Bitmap::SelectClipRegion(const Region& region) {
  clip_ = region.Clipped(Bounds());
}

void Bitmap::ExcludeClipRect(const Rect& rect) {
  const Region base = clip_ ? std::move(*clip_) : Region(Bounds());
  clip_ = Region::Combine(base, Region(rect), Region::Op::Diff);
}
