#include <algorithm>
#include <cstring>

#include "effects/PixelHelpers.h"
#include "platform/MulDiv.h"

using std::int32_t;
using std::uint32_t;

namespace {

// Four pixels as bytes, and the same bytes widened to 16 bits.
using Bytes16 = std::uint8_t __attribute__((vector_size(16)));
using Words16 = std::uint16_t __attribute__((vector_size(32)));

// (d * (256 - a) + s * a) >> 8 equals d + floor((s - d) * a / 256) and stays within 16 bits
// for 0 <= a <= 256: each channel is computed exactly, without carries between channels.
Pixel BlendPixel(Pixel d, Pixel s, uint32_t a) {
  const uint32_t b = 256 - a;
  const uint32_t redBlue = (((d & 0x00FF00FFu) * b + (s & 0x00FF00FFu) * a) >> 8) & 0x00FF00FFu;
  const uint32_t green = (((d & 0x0000FF00u) * b + (s & 0x0000FF00u) * a) >> 8) & 0x0000FF00u;
  return redBlue | green | (d & 0xFF000000u);
}

}  // namespace

void BlendPixels(Pixel* dest, const Pixel* source, int32_t n, int32_t a) {
  const auto weight = static_cast<std::uint16_t>(a);
  const auto rest = static_cast<std::uint16_t>(256 - a);
  // Every fourth byte comes back from the destination unchanged.
  const Bytes16 fourth = {0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF};
  int32_t i = 0;
  for (; i + 4 <= n; i += 4) {
    Bytes16 d;
    Bytes16 s;
    std::memcpy(&d, dest + i, sizeof d);
    std::memcpy(&s, source + i, sizeof s);
    const Words16 mixed = (__builtin_convertvector(d, Words16) * rest +
                           __builtin_convertvector(s, Words16) * weight) >>
                          8;
    const Bytes16 out = (__builtin_convertvector(mixed, Bytes16) & ~fourth) | (d & fourth);
    std::memcpy(dest + i, &out, sizeof out);
  }
  for (; i < n; ++i) dest[i] = BlendPixel(dest[i], source[i], static_cast<uint32_t>(a));
}

void BlendRect(Bitmap& Dest, const Bitmap& Source, int32_t Percent, int32_t Left, int32_t Top,
               int32_t Width, int32_t Height) {
  const int32_t a = MulDiv(256, std::clamp(Percent, 0, 100), 100);
  const Rect area = Rect::FromXYWH(Left, Top, Width, Height)
                        .Intersected(Dest.Bounds())
                        .Intersected(Source.Bounds());
  if (area.IsEmpty()) return;
  const auto n = static_cast<int32_t>(area.Width());
  for (int32_t y = area.bottom - 1; y >= area.top; --y) {
    BlendPixels(Dest.Row(y) + area.left, Source.Row(y) + area.left, n, a);
  }
}
