#include "players/picture/FitBitmap.h"

#include <algorithm>

#include "players/picture/Resample.h"
#include "raster/Blit.h"

namespace {

Size ClientSize(const Rect& rect) {
  return {static_cast<std::int32_t>(std::max<std::int64_t>(rect.Width(), 0)),
          static_cast<std::int32_t>(std::max<std::int64_t>(rect.Height(), 0))};
}

// The block a proportional fit covers; its size is what FitBitmap scales the picture to.
Rect ProportionalBlock(Size picture, Size client) {
  const double rx = static_cast<double>(client.width) / picture.width;
  const double ry = static_cast<double>(client.height) / picture.height;
  if (rx > ry) {
    return Rect::FromXYWH(static_cast<std::int32_t>((client.width - picture.width * ry) / 2), 0,
                          static_cast<std::int32_t>(picture.width * ry),
                          static_cast<std::int32_t>(picture.height * ry));
  }
  return Rect::FromXYWH(0, static_cast<std::int32_t>((client.height - picture.height * rx) / 2),
                        client.width, static_cast<std::int32_t>(picture.height * rx));
}

bool CentreStretches(Size picture, Size client) {
  return client.width < picture.width || client.height < picture.height;
}

}  // namespace

Pixel PixelFromColor(std::uint32_t color) {
  return MakePixel(static_cast<std::uint8_t>(color), static_cast<std::uint8_t>(color >> 8),
                   static_cast<std::uint8_t>(color >> 16));
}

void FitBitmap(Bitmap& bitmap, const Rect& rect, int mode, std::uint32_t color) {
  const Size client = ClientSize(rect);
  const Size picture = bitmap.GetSize();
  if (mode == 0 && CentreStretches(picture, client)) mode = 1;
  switch (mode) {
    case 0: {
      Bitmap fitted(client.width, client.height, PixelFromColor(color));
      BitBlt(fitted, (client.width - picture.width) / 2, (client.height - picture.height) / 2,
             picture.width, picture.height, bitmap, 0, 0);
      bitmap = std::move(fitted);
      return;
    }
    case 1: {
      Bitmap fitted(client.width, client.height);
      ResampleInto(bitmap, fitted, fitted.Bounds());
      bitmap = std::move(fitted);
      return;
    }
    case 2: {
      Bitmap fitted(client.width, client.height, PixelFromColor(color));
      if (!bitmap.IsEmpty()) ResampleInto(bitmap, fitted, ProportionalBlock(picture, client));
      bitmap = std::move(fitted);
      return;
    }
    default:
      return;
  }
}

double FitReduction(Size picture, const Rect& rect, int mode) {
  const Size client = ClientSize(rect);
  if (picture.width <= 0 || picture.height <= 0) return 1.0;
  if (mode == 0 && CentreStretches(picture, client)) mode = 1;
  double scale = 1.0;
  if (mode == 1) {
    scale = std::max(static_cast<double>(client.width) / picture.width,
                     static_cast<double>(client.height) / picture.height);
  } else if (mode == 2) {
    const Rect block = ProportionalBlock(picture, client);
    scale = std::max(static_cast<double>(block.Width()) / picture.width,
                     static_cast<double>(block.Height()) / picture.height);
  }
  return std::min(scale, 1.0);
}
