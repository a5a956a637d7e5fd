#pragma once

#include <cstdint>

#include "effects/EffectTable.h"
#include "effects/FrameComposer.h"
#include "raster/Bitmap.h"

// Pictures whose every pixel tells where it came from: its column, its row and which picture.
constexpr int kOld = 1;
constexpr int kNew = 2;

inline Pixel Tag(int x, int y, int picture) {
  return static_cast<Pixel>(x & 0xFFF) | static_cast<Pixel>(y & 0xFFF) << 12 |
         static_cast<Pixel>(picture) << 24;
}

inline Bitmap Tagged(int w, int h, int picture) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, Tag(x, y, picture));
  }
  return b;
}

inline int PictureOf(Pixel p) {
  return static_cast<int>(p >> 24);
}
inline int ColumnOf(Pixel p) {
  return static_cast<int>(p & 0xFFF);
}
inline int RowOf(Pixel p) {
  return static_cast<int>((p >> 12) & 0xFFF);
}

// Runs the procedure of a style directly, as the frame composer would: on a screen holding the
// old picture, with the progress in pixels.
inline Bitmap RunEffect(int style, const Bitmap& oldPicture, const Bitmap& picture, int progress) {
  Bitmap screen = oldPicture.Clone();
  const ProgressPixels p = ProgressToPixels(picture.Width(), picture.Height(), progress);
  FindEffect(style)->Proc(screen, picture, picture.Width(), picture.Height(), p.x, p.y, progress);
  return screen;
}
