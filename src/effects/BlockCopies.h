#pragma once

#include <cstdint>

#include "raster/Blit.h"

// The copies the rectangle and strip effects are made of. A Block is (x, y, w, h): the block
// with top-left corner (x, y), w wide and h high.
struct Block {
  std::int32_t x;
  std::int32_t y;
  std::int32_t w;
  std::int32_t h;
};

// Copies the picture's block at s's corner, unscaled, to the screen block d.
inline void Copy(Bitmap& screen, const Bitmap& picture, Block d, Point s) {
  BitBlt(screen, d.x, d.y, d.w, d.h, picture, s.x, s.y);
}

// Copies the picture's block at d's own position to d.
inline void Reveal(Bitmap& screen, const Bitmap& picture, Block d) {
  BitBlt(screen, d.x, d.y, d.w, d.h, picture, d.x, d.y);
}

// Scales the picture's block s onto the screen block d (nearest pixel; negative extents of d
// mirror, see StretchBlt).
inline void Scale(Bitmap& screen, const Bitmap& picture, Block d, Block s) {
  StretchBlt(screen, d.x, d.y, d.w, d.h, picture, s.x, s.y, s.w, s.h);
}
