#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "effects/PixelHelpers.h"
#include "platform/Errors.h"

using std::int32_t;
using std::uint32_t;

namespace {

// 65536 x, truncated toward zero.
int32_t Fixed(long double x) {
  return static_cast<int32_t>(std::trunc(65536 * x));
}

// A 16.16 value shifted down arithmetically and taken as a 16-bit signed number.
int32_t Whole(uint32_t fixed) {
  return static_cast<std::int16_t>(static_cast<int32_t>(fixed) >> 16);
}

}  // namespace

void RotateBitmap(Bitmap& Dest, const Bitmap& Source, int32_t PX, int32_t PY, long double Angle) {
  const int32_t W = Source.Width();
  const int32_t H = Source.Height();
  if (Dest.Width() != W || Dest.Height() != H) {
    throw EInvalidOperation("RotateBitmap needs two bitmaps of the same size");
  }
  if (&Dest == &Source) throw EInvalidOperation("RotateBitmap cannot draw a bitmap onto itself");
  const auto sn = static_cast<uint32_t>(Fixed(std::sin(-Angle)));
  const auto cs = static_cast<uint32_t>(Fixed(std::cos(-Angle)));
  // The start of each source row, counted from the bottom.
  std::vector<const Pixel*> rows(static_cast<std::size_t>(H));
  for (int32_t sy = 0; sy < H; ++sy) rows[static_cast<std::size_t>(sy)] = Source.BlockRow(sy);
  // Products and sums wrap at 32 bits, as the fixed-point arithmetic is defined; along a row
  // they change by cs and sn per column. Every destination pixel is computed on its own, so
  // the rows are walked left to right, the order the memory is laid out in.
  for (int32_t r = 0; r < H; ++r) {
    Pixel* out = Dest.Row(r);
    const auto v = static_cast<uint32_t>(H - r - PY);
    const auto u = static_cast<uint32_t>(1 - PX);  // column 0, plus one
    uint32_t fx = u * cs - v * sn;
    uint32_t fy = u * sn + v * cs;
    for (int32_t c = 0; c < W; ++c, fx += cs, fy += sn) {
      const int32_t sx = PX + Whole(fx);
      const int32_t sy = PY + Whole(fy);
      if (static_cast<uint32_t>(sx) < static_cast<uint32_t>(W) &&
          static_cast<uint32_t>(sy) < static_cast<uint32_t>(H)) {
        out[c] = rows[static_cast<std::size_t>(sy)][sx];
      }
    }
  }
}
