#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

#include "effects/PixelHelpers.h"
#include "platform/Errors.h"

using std::int32_t;
using std::int64_t;
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

int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int64_t CeilDiv(int64_t a, int64_t b) {
  return -FloorDiv(-a, b);
}

// Narrows [lo, hi) to the columns c with low <= f0 + c * d < high.
void Narrow(int64_t f0, int64_t d, int64_t low, int64_t high, int64_t& lo, int64_t& hi) {
  if (d > 0) {
    lo = std::max(lo, CeilDiv(low - f0, d));
    hi = std::min(hi, CeilDiv(high - f0, d));
  } else if (d < 0) {
    lo = std::max(lo, FloorDiv(high - f0, d) + 1);
    hi = std::min(hi, FloorDiv(low - f0, d) + 1);
  } else if (f0 < low || f0 >= high) {
    hi = lo;
  }
}

// The turn of one picture: the fixed-point sine and cosine, the pivot and the sizes.
struct Turn {
  int32_t W;
  int32_t H;
  int32_t PX;
  int32_t PY;
  uint32_t sn;
  uint32_t cs;

  // The 16.16 source coordinates of destination column 0 of row r; along the row they grow
  // by cs and sn per column. Products and sums wrap at 32 bits.
  uint32_t Fx(int32_t r) const { return Start(r, cs, 0u - sn); }
  uint32_t Fy(int32_t r) const { return Start(r, sn, cs); }
  uint32_t Start(int32_t r, uint32_t alongU, uint32_t alongV) const {
    const auto u = static_cast<uint32_t>(1 - PX);
    const auto v = static_cast<uint32_t>(H - r - PY);
    return u * alongU + v * alongV;
  }

  // Whether no coordinate of any pixel can wrap: |u| + |v| stays below 32768.
  bool NeverWraps() const {
    const int64_t u = std::max(std::abs(int64_t{1} - PX), std::abs(int64_t{W} + 1 - PX));
    const int64_t v = std::max(std::abs(int64_t{H} - PY), std::abs(int64_t{1} - PY));
    return (u + v) * 65536 <= std::numeric_limits<int32_t>::max();
  }
};

// Every pixel of every row, each checked against the source.
void TurnEachPixel(Bitmap& Dest, const Turn& t, const Pixel* const* rows) {
  for (int32_t r = 0; r < t.H; ++r) {
    Pixel* out = Dest.Row(r);
    uint32_t fx = t.Fx(r);
    uint32_t fy = t.Fy(r);
    for (int32_t c = 0; c < t.W; ++c, fx += t.cs, fy += t.sn) {
      const int32_t sx = t.PX + Whole(fx);
      const int32_t sy = t.PY + Whole(fy);
      if (static_cast<uint32_t>(sx) < static_cast<uint32_t>(t.W) &&
          static_cast<uint32_t>(sy) < static_cast<uint32_t>(t.H)) {
        out[c] = rows[sy][sx];
      }
    }
  }
}

// Four columns at a time, each lane one column.
using Lanes = int32_t __attribute__((vector_size(16)));
using Indices = uint32_t __attribute__((vector_size(16)));

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

// Eight columns at a time with the processor's gather loads, from column c while eight are
// left before hi; answers the first column not drawn. fx and fy are the coordinates of column
// c; every index must be a nonnegative 32-bit signed number.
__attribute__((target("avx2"))) int64_t TurnEightAtATime(Pixel* out, int64_t c, int64_t hi,
                                                          uint32_t fx, uint32_t fy, uint32_t cs,
                                                          uint32_t sn, const Pixel* pixels,
                                                          uint32_t origin, uint32_t width) {
  const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  __m256i x = _mm256_add_epi32(_mm256_set1_epi32(static_cast<int>(fx)),
                               _mm256_mullo_epi32(lanes, _mm256_set1_epi32(static_cast<int>(cs))));
  __m256i y = _mm256_add_epi32(_mm256_set1_epi32(static_cast<int>(fy)),
                               _mm256_mullo_epi32(lanes, _mm256_set1_epi32(static_cast<int>(sn))));
  const __m256i dx = _mm256_set1_epi32(static_cast<int>(8 * cs));
  const __m256i dy = _mm256_set1_epi32(static_cast<int>(8 * sn));
  const __m256i base = _mm256_set1_epi32(static_cast<int>(origin));
  const __m256i rowLength = _mm256_set1_epi32(static_cast<int>(width));
  const auto* source = reinterpret_cast<const int*>(pixels);
  for (; c + 8 <= hi; c += 8) {
    const __m256i sx = _mm256_srai_epi32(x, 16);
    const __m256i sy = _mm256_srai_epi32(y, 16);
    const __m256i index =
        _mm256_add_epi32(base, _mm256_sub_epi32(sx, _mm256_mullo_epi32(sy, rowLength)));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + c),
                        _mm256_i32gather_epi32(source, index, 4));
    x = _mm256_add_epi32(x, dx);
    y = _mm256_add_epi32(y, dy);
  }
  return c;
}
#endif

// The same when nothing wraps: the source coordinates then grow linearly along a row, so the
// columns whose source lies inside the picture are one run, found by division; only those are
// visited, without a check per pixel, and the source positions of four columns (eight with
// gather loads) are computed at once. A position is an index into the pixels from the top row:
// column sx of the row sy rows above the bottom one is (H - 1 - sy) * W + sx, computed modulo
// 2^32.
void TurnRuns(Bitmap& Dest, const Turn& t, const Pixel* pixels) {
  const auto width = static_cast<uint32_t>(t.W);
  const auto origin = static_cast<uint32_t>((int64_t{t.H} - 1 - t.PY) * t.W + t.PX);
  const auto at = [&](uint32_t fx, uint32_t fy) {
    return pixels[origin + static_cast<uint32_t>(Whole(fx)) -
                  static_cast<uint32_t>(Whole(fy)) * width];
  };
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
  const bool gather = HasAvx2() && int64_t{t.W} * t.H <= std::numeric_limits<int32_t>::max();
#endif
  const Indices step = {0, 1, 2, 3};
  const int64_t cs = static_cast<int32_t>(t.cs);
  const int64_t sn = static_cast<int32_t>(t.sn);
  for (int32_t r = 0; r < t.H; ++r) {
    const int64_t fx0 = static_cast<int32_t>(t.Fx(r));
    const int64_t fy0 = static_cast<int32_t>(t.Fy(r));
    int64_t lo = 0;
    int64_t hi = t.W;
    Narrow(fx0, cs, -int64_t{t.PX} * 65536, (int64_t{t.W} - t.PX) * 65536, lo, hi);
    Narrow(fy0, sn, -int64_t{t.PY} * 65536, (int64_t{t.H} - t.PY) * 65536, lo, hi);
    Pixel* out = Dest.Row(r);
    int64_t c = lo;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (gather && lo < hi) {
      c = TurnEightAtATime(out, lo, hi, static_cast<uint32_t>(fx0 + lo * cs),
                           static_cast<uint32_t>(fy0 + lo * sn), t.cs, t.sn, pixels, origin,
                           width);
    }
#endif
    Indices fx = static_cast<uint32_t>(fx0 + c * cs) + step * t.cs;
    Indices fy = static_cast<uint32_t>(fy0 + c * sn) + step * t.sn;
    for (; c + 4 <= hi; c += 4, fx += 4 * t.cs, fy += 4 * t.sn) {
      const Indices sx = __builtin_convertvector(__builtin_bit_cast(Lanes, fx) >> 16, Indices);
      const Indices sy = __builtin_convertvector(__builtin_bit_cast(Lanes, fy) >> 16, Indices);
      const Indices index = origin + sx - sy * width;
      for (int j = 0; j < 4; ++j) out[c + j] = pixels[index[j]];
    }
    for (uint32_t x = fx[0], y = fy[0]; c < hi; ++c, x += t.cs, y += t.sn) out[c] = at(x, y);
  }
}

}  // namespace

void RotateBitmap(Bitmap& Dest, const Bitmap& Source, int32_t PX, int32_t PY, long double Angle) {
  const int32_t W = Source.Width();
  const int32_t H = Source.Height();
  if (Dest.Width() != W || Dest.Height() != H) {
    throw EInvalidOperation("RotateBitmap needs two bitmaps of the same size");
  }
  if (&Dest == &Source) throw EInvalidOperation("RotateBitmap cannot draw a bitmap onto itself");
  const Turn turn{W,
                  H,
                  PX,
                  PY,
                  static_cast<uint32_t>(Fixed(std::sin(-Angle))),
                  static_cast<uint32_t>(Fixed(std::cos(-Angle)))};
  // Every destination pixel is computed on its own, so the rows are walked in the order the
  // memory is laid out in.
  if (turn.NeverWraps()) {
    TurnRuns(Dest, turn, Source.Row(0));
    return;
  }
  // The start of each source row, counted from the bottom.
  std::vector<const Pixel*> rows(static_cast<std::size_t>(H));
  for (int32_t sy = 0; sy < H; ++sy) rows[static_cast<std::size_t>(sy)] = Source.BlockRow(sy);
  TurnEachPixel(Dest, turn, rows.data());
}
