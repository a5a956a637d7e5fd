#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "TaggedPictures.h"

// Every pixel of the frame shows the new picture where shown(x, y) holds and the old picture
// elsewhere, each at its own position.
inline void ExpectRevealed(const Bitmap& frame, const std::function<bool(int, int)>& shown) {
  for (int y = 0; y < frame.Height(); ++y) {
    for (int x = 0; x < frame.Width(); ++x) {
      const Pixel expected = Tag(x, y, shown(x, y) ? kNew : kOld);
      ASSERT_EQ(frame.PixelAt(x, y), expected) << "pixel " << x << "," << y;
    }
  }
}

inline void ExpectRevealed(const Bitmap& frame, const Region& shown) {
  ExpectRevealed(frame, [&](int x, int y) { return shown.Contains(x, y); });
}

inline bool IsNew(const Bitmap& frame, int x, int y) {
  return PictureOf(frame.PixelAt(x, y)) == kNew;
}

inline Bitmap Frame(int style, int w, int h, int progress) {
  return RunEffect(style, Tagged(w, h, kOld), Tagged(w, h, kNew), progress);
}
