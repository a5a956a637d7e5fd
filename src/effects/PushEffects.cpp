#include "effects/PushEffects.h"

#include <cstring>
#include <vector>

#include "raster/Blit.h"

using std::int32_t;

// The first copy of each style moves the old picture within Screen, reading its whole source
// before writing, as a copy from a bitmap onto itself does; the second brings in the new
// picture. Screen has no clip region when an effect is called, so the moves work on the rows
// directly: a row moved sideways is one memmove, and rows moved up or down are copied in the
// order that reads each source row before it is overwritten.

namespace {

std::size_t Bytes(int32_t pixels) {
  return sizeof(Pixel) * static_cast<std::size_t>(pixels);
}

// The source cell under the centre of each of n destination cells scaled from m source cells,
// as a stretching copy picks it: (2k + 1) m / 2n.
std::vector<int32_t> NearestCells(int32_t n, int32_t m) {
  std::vector<int32_t> cells(static_cast<std::size_t>(n));
  for (int32_t k = 0; k < n; ++k) {
    cells[static_cast<std::size_t>(k)] =
        static_cast<int32_t>((2 * std::int64_t{k} + 1) * m / (2 * std::int64_t{n}));
  }
  return cells;
}

// Moves every row of Screen sideways by dx (positive: to the right); the uncovered columns keep
// their old pixels.
void MoveColumns(Bitmap& Screen, int32_t W, int32_t H, int32_t dx) {
  const int32_t shift = dx < 0 ? -dx : dx;
  if (shift >= W) return;
  for (int32_t y = 0; y < H; ++y) {
    Pixel* row = Screen.Row(y);
    if (dx > 0) std::memmove(row + dx, row, Bytes(W - dx));
    if (dx < 0) std::memmove(row, row - dx, Bytes(W + dx));
  }
}

// Moves the rows of Screen by dy (positive: down).
void MoveRows(Bitmap& Screen, int32_t W, int32_t H, int32_t dy) {
  if (dy > 0) {
    for (int32_t y = H - 1; y >= dy; --y) std::memcpy(Screen.Row(y), Screen.Row(y - dy), Bytes(W));
  } else if (dy < 0) {
    for (int32_t y = 0; y < H + dy; ++y) std::memcpy(Screen.Row(y), Screen.Row(y - dy), Bytes(W));
  }
}

// Squeezes all W columns of each row into the n columns from `first`. Each destination column
// takes a source column at or left of itself when the squeeze goes right (first > 0), and at or
// right of itself when it stays at the left, so walking the row from that side reads every
// source pixel before it is overwritten.
void SqueezeColumns(Bitmap& Screen, int32_t W, int32_t H, int32_t first, int32_t n) {
  if (n <= 0) return;
  const std::vector<int32_t> cells = NearestCells(n, W);
  for (int32_t y = 0; y < H; ++y) {
    Pixel* row = Screen.Row(y);
    if (first > 0) {
      for (int32_t k = n - 1; k >= 0; --k) row[first + k] = row[cells[static_cast<std::size_t>(k)]];
    } else {
      for (int32_t k = 0; k < n; ++k) row[k] = row[cells[static_cast<std::size_t>(k)]];
    }
  }
}

// Squeezes all H rows into the n rows from `first`, in the same manner.
void SqueezeRows(Bitmap& Screen, int32_t W, int32_t first, int32_t n, int32_t H) {
  if (n <= 0) return;
  const std::vector<int32_t> cells = NearestCells(n, H);
  const auto copy = [&](int32_t k) {
    const int32_t from = cells[static_cast<std::size_t>(k)];
    if (from != first + k) std::memcpy(Screen.Row(first + k), Screen.Row(from), Bytes(W));
  };
  if (first > 0) {
    for (int32_t k = n - 1; k >= 0; --k) copy(k);
  } else {
    for (int32_t k = 0; k < n; ++k) copy(k);
  }
}

}  // namespace

void PushRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X, int32_t,
               int32_t) {
  MoveColumns(Screen, W, H, X);
  BitBlt(Screen, 0, 0, X, H, Picture, W - X, 0);
}

void PushLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X, int32_t,
              int32_t) {
  MoveColumns(Screen, W, H, -X);
  BitBlt(Screen, W - X, 0, X, H, Picture, 0, 0);
}

void PushAndSqueezeRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t, int32_t) {
  SqueezeColumns(Screen, W, H, X, W - X);
  BitBlt(Screen, 0, 0, X, H, Picture, W - X, 0);
}

void PushAndSqueezeLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                        int32_t, int32_t) {
  SqueezeColumns(Screen, W, H, 0, W - X);
  BitBlt(Screen, W - X, 0, X, H, Picture, 0, 0);
}

void PushDown(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t Y,
              int32_t) {
  MoveRows(Screen, W, H, Y);
  BitBlt(Screen, 0, 0, W, Y, Picture, 0, H - Y);
}

void PushUp(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t Y,
            int32_t) {
  MoveRows(Screen, W, H, -Y);
  BitBlt(Screen, 0, H - Y, W, Y, Picture, 0, 0);
}

void PushAndSqueezeDown(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                        int32_t Y, int32_t) {
  SqueezeRows(Screen, W, Y, H - Y, H);
  BitBlt(Screen, 0, 0, W, Y, Picture, 0, H - Y);
}

void PushAndSqueezeUp(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                      int32_t Y, int32_t) {
  SqueezeRows(Screen, W, 0, H - Y, H);
  BitBlt(Screen, 0, H - Y, W, Y, Picture, 0, 0);
}
