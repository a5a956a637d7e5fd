#include "players/picture/Orientation.h"

#include <cstring>

namespace {

// A bounds-checked reader of the TIFF structure inside the EXIF segment.
class TiffReader {
 public:
  TiffReader(const std::uint8_t* data, std::size_t size, bool bigEndian)
      : data_(data), size_(size), bigEndian_(bigEndian) {}

  bool Has(std::size_t at, std::size_t n) const { return at <= size_ && n <= size_ - at; }
  std::uint16_t U16(std::size_t at) const {
    return bigEndian_ ? static_cast<std::uint16_t>(data_[at] << 8 | data_[at + 1])
                      : static_cast<std::uint16_t>(data_[at + 1] << 8 | data_[at]);
  }
  std::uint32_t U32(std::size_t at) const {
    return bigEndian_ ? (std::uint32_t{U16(at)} << 16 | U16(at + 2))
                      : (std::uint32_t{U16(at + 2)} << 16 | U16(at));
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  bool bigEndian_;
};

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

}  // namespace

int ExifOrientation(const std::uint8_t* segment, std::size_t size) {
  if (size < 6 + 8 || std::memcmp(segment, "Exif\0\0", 6) != 0) return 1;
  const std::uint8_t* tiff = segment + 6;
  const std::size_t tiffSize = size - 6;
  bool bigEndian;
  if (std::memcmp(tiff, "MM\0*", 4) == 0) {
    bigEndian = true;
  } else if (std::memcmp(tiff, "II*\0", 4) == 0) {
    bigEndian = false;
  } else {
    return 1;
  }
  const TiffReader r(tiff, tiffSize, bigEndian);
  const std::size_t ifd = r.U32(4);
  if (!r.Has(ifd, 2)) return 1;
  const std::size_t count = r.U16(ifd);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = ifd + 2 + 12 * i;
    if (!r.Has(entry, 12)) return 1;
    if (r.U16(entry) != kOrientationTag) continue;
    if (r.U16(entry + 2) != kShortType) return 1;
    const int value = r.U16(entry + 8);
    return value >= 1 && value <= 8 ? value : 1;
  }
  return 1;
}

Bitmap Orient(Bitmap bitmap, int orientation) {
  if (orientation < 2 || orientation > 8) return bitmap;
  const std::int32_t w = bitmap.Width();
  const std::int32_t h = bitmap.Height();
  const bool swap = SwapsAxes(orientation);
  Bitmap out(swap ? h : w, swap ? w : h);
  // For each source pixel (x, y), its place (u, v) in the upright picture.
  for (std::int32_t y = 0; y < h; ++y) {
    const Pixel* row = bitmap.Row(y);
    for (std::int32_t x = 0; x < w; ++x) {
      std::int32_t u = x, v = y;
      switch (orientation) {
        case 2:
          u = w - 1 - x;
          break;
        case 3:
          u = w - 1 - x;
          v = h - 1 - y;
          break;
        case 4:
          v = h - 1 - y;
          break;
        case 5:
          u = y;
          v = x;
          break;
        case 6:
          u = h - 1 - y;
          v = x;
          break;
        case 7:
          u = h - 1 - y;
          v = w - 1 - x;
          break;
        case 8:
          u = y;
          v = w - 1 - x;
          break;
      }
      out.Row(v)[u] = row[x];
    }
  }
  return out;
}
