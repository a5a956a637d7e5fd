#include <cmath>

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
  const auto sn = static_cast<uint32_t>(Fixed(std::sin(-Angle)));
  const auto cs = static_cast<uint32_t>(Fixed(std::cos(-Angle)));
  // Products and sums wrap at 32 bits, as the fixed-point arithmetic is defined.
  for (int32_t r = 0; r < H; ++r) {
    Pixel* out = Dest.Row(r);
    const auto v = static_cast<uint32_t>(H - r - PY);
    for (int32_t c = W - 1; c >= 0; --c) {
      const auto u = static_cast<uint32_t>(c + 1 - PX);
      const int32_t sx = PX + Whole(u * cs - v * sn);
      const int32_t sy = PY + Whole(u * sn + v * cs);
      if (static_cast<uint32_t>(sx) < static_cast<uint32_t>(W) &&
          static_cast<uint32_t>(sy) < static_cast<uint32_t>(H)) {
        out[c] = Source.BlockRow(sy)[sx];
      }
    }
  }
}
