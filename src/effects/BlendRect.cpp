#include <algorithm>
#include <cstring>

#include "effects/PixelHelpers.h"
#include "platform/MulDiv.h"

using std::int32_t;
using std::uint32_t;

namespace {

// Eight pixels, seen as 32-bit pixels or as pairs of 16-bit channels.
using Pixels8 = std::uint32_t __attribute__((vector_size(32)));
using Channels16 = std::uint16_t __attribute__((vector_size(32)));

// (d * (256 - a) + s * a) >> 8 equals d + floor((s - d) * a / 256) and stays within 16 bits
// for 0 <= a <= 256: each channel is computed exactly, without carries between channels.
Pixel BlendPixel(Pixel d, Pixel s, uint32_t a) {
  const uint32_t b = 256 - a;
  const uint32_t redBlue = (((d & 0x00FF00FFu) * b + (s & 0x00FF00FFu) * a) >> 8) & 0x00FF00FFu;
  const uint32_t green = (((d & 0x0000FF00u) * b + (s & 0x0000FF00u) * a) >> 8) & 0x0000FF00u;
  return redBlue | green | (d & 0xFF000000u);
}

}  // namespace

// Compiled twice on x86-64: for processors with AVX2 and for any other.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void BlendPixels(Pixel* dest, const Pixel* source, int32_t n, int32_t a) {
  const auto weight = static_cast<std::uint16_t>(a);
  const auto rest = static_cast<std::uint16_t>(256 - a);
  // Blue and red, then green and the fourth byte, each widened into a 16-bit lane, mixed with
  // the same formula as BlendPixel; the fourth byte is then taken back from the destination.
  constexpr uint32_t kLow = 0x00FF00FFu;
  constexpr uint32_t kColour = 0x00FFFFFFu;
  int32_t i = 0;
  for (; i + 8 <= n; i += 8) {
    Pixels8 d;
    Pixels8 s;
    std::memcpy(&d, dest + i, sizeof d);
    std::memcpy(&s, source + i, sizeof s);
    const Channels16 blueRed = (__builtin_bit_cast(Channels16, d & kLow) * rest +
                                __builtin_bit_cast(Channels16, s & kLow) * weight) >>
                               8;
    const Channels16 greenFourth = (__builtin_bit_cast(Channels16, (d >> 8) & kLow) * rest +
                                    __builtin_bit_cast(Channels16, (s >> 8) & kLow) * weight) >>
                                   8;
    const Pixels8 mixed =
        __builtin_bit_cast(Pixels8, blueRed) | __builtin_bit_cast(Pixels8, greenFourth) << 8;
    const Pixels8 out = (mixed & kColour) | (d & ~kColour);
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
