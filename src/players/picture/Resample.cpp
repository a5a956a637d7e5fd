#include "players/picture/Resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/Errors.h"

namespace {

// Weights are fixed-point numbers whose sum over one destination pixel is kOne.
constexpr int kWeightBits = 12;
constexpr std::uint32_t kOne = 1u << kWeightBits;

// The source pixels and weights of every destination pixel along one axis, flattened:
// destination i reads count[i] taps starting at first[i] in index/weight.
struct Taps {
  std::vector<std::int32_t> first;
  std::vector<std::int32_t> count;
  std::vector<std::int32_t> index;
  std::vector<std::uint32_t> weight;
};

// Rounds the real weights of one destination pixel to fixed point so that they add up to kOne
// exactly, giving the remainder to the largest.
void AddTaps(Taps& taps, std::int32_t start, const std::vector<double>& w) {
  taps.first.push_back(static_cast<std::int32_t>(taps.index.size()));
  double total = 0;
  for (double v : w) total += v;
  std::uint32_t sum = 0;
  std::size_t largest = taps.index.size();
  double largestWeight = -1;
  for (std::size_t k = 0; k < w.size(); ++k) {
    const auto q = static_cast<std::uint32_t>(std::lround(w[k] / total * kOne));
    if (w[k] > largestWeight) {
      largestWeight = w[k];
      largest = taps.index.size();
    }
    taps.index.push_back(start + static_cast<std::int32_t>(k));
    taps.weight.push_back(q);
    sum += q;
  }
  taps.weight[largest] += kOne - sum;
  taps.count.push_back(static_cast<std::int32_t>(w.size()));
}

Taps MakeTaps(std::int32_t srcLength, std::int32_t destLength) {
  Taps taps;
  const double scale = static_cast<double>(srcLength) / destLength;
  std::vector<double> w;
  for (std::int32_t i = 0; i < destLength; ++i) {
    w.clear();
    if (scale > 1.0) {
      // Reduction: the destination pixel covers the source span [i * scale, (i + 1) * scale).
      const double lo = i * scale;
      const double hi = std::min<double>((i + 1) * scale, srcLength);
      const auto start = static_cast<std::int32_t>(lo);
      for (auto s = start; s < hi && s < srcLength; ++s) {
        w.push_back(std::min<double>(s + 1, hi) - std::max<double>(s, lo));
      }
      if (w.empty()) w.push_back(1.0);
      AddTaps(taps, std::min(start, srcLength - 1), w);
    } else {
      // Enlargement or same size: linear between the two source centres around this centre.
      const double x = std::clamp((i + 0.5) * scale - 0.5, 0.0, srcLength - 1.0);
      const auto x0 = static_cast<std::int32_t>(x);
      const double f = x - x0;
      if (f <= 0 || x0 + 1 >= srcLength) {
        w.push_back(1.0);
      } else {
        w.push_back(1.0 - f);
        w.push_back(f);
      }
      AddTaps(taps, x0, w);
    }
  }
  return taps;
}

// One channel sum per byte of the pixel, three channels used.
struct Sum {
  std::uint32_t b = 0, g = 0, r = 0;
};

}  // namespace

void ResampleInto(const Bitmap& src, Bitmap& dest, const Rect& block) {
  if (block.IsEmpty() || src.IsEmpty()) return;
  if (!(dest.Bounds().Intersected(block) == block)) {
    throw EInvalidOperation("Resampling outside the destination bitmap");
  }
  const auto dw = static_cast<std::int32_t>(block.Width());
  const auto dh = static_cast<std::int32_t>(block.Height());
  const Taps xs = MakeTaps(src.Width(), dw);
  const Taps ys = MakeTaps(src.Height(), dh);

  // Horizontal pass into rows of dw pixels with 8 extra bits per channel, computed only for
  // the source rows the vertical pass reads.
  std::vector<std::uint16_t> mid(static_cast<std::size_t>(dw) * 3 *
                                 static_cast<std::size_t>(src.Height()));
  std::vector<bool> needed(static_cast<std::size_t>(src.Height()), false);
  for (std::int32_t s : ys.index) needed[static_cast<std::size_t>(s)] = true;
  for (std::int32_t y = 0; y < src.Height(); ++y) {
    if (!needed[static_cast<std::size_t>(y)]) continue;
    const Pixel* row = src.Row(y);
    std::uint16_t* out = mid.data() + static_cast<std::size_t>(y) * 3 * static_cast<std::size_t>(dw);
    for (std::int32_t i = 0; i < dw; ++i) {
      Sum sum;
      const auto first = static_cast<std::size_t>(xs.first[static_cast<std::size_t>(i)]);
      const auto n = static_cast<std::size_t>(xs.count[static_cast<std::size_t>(i)]);
      for (std::size_t k = first; k < first + n; ++k) {
        const Pixel p = row[xs.index[k]];
        const std::uint32_t w = xs.weight[k];
        sum.b += (p & 0xFF) * w;
        sum.g += ((p >> 8) & 0xFF) * w;
        sum.r += ((p >> 16) & 0xFF) * w;
      }
      constexpr int kShift = kWeightBits - 8;
      constexpr std::uint32_t kHalf = 1u << (kShift - 1);
      out[3 * i] = static_cast<std::uint16_t>((sum.b + kHalf) >> kShift);
      out[3 * i + 1] = static_cast<std::uint16_t>((sum.g + kHalf) >> kShift);
      out[3 * i + 2] = static_cast<std::uint16_t>((sum.r + kHalf) >> kShift);
    }
  }

  // Vertical pass straight into the destination block.
  std::vector<Sum> acc(static_cast<std::size_t>(dw));
  for (std::int32_t j = 0; j < dh; ++j) {
    std::fill(acc.begin(), acc.end(), Sum{});
    const auto first = static_cast<std::size_t>(ys.first[static_cast<std::size_t>(j)]);
    const auto n = static_cast<std::size_t>(ys.count[static_cast<std::size_t>(j)]);
    for (std::size_t k = first; k < first + n; ++k) {
      const std::uint16_t* in =
          mid.data() + static_cast<std::size_t>(ys.index[k]) * 3 * static_cast<std::size_t>(dw);
      const std::uint32_t w = ys.weight[k];
      for (std::int32_t i = 0; i < dw; ++i) {
        Sum& s = acc[static_cast<std::size_t>(i)];
        s.b += in[3 * i] * w;
        s.g += in[3 * i + 1] * w;
        s.r += in[3 * i + 2] * w;
      }
    }
    Pixel* out = dest.Row(block.top + j) + block.left;
    constexpr int kShift = kWeightBits + 8;
    constexpr std::uint32_t kHalf = 1u << (kShift - 1);
    for (std::int32_t i = 0; i < dw; ++i) {
      const Sum& s = acc[static_cast<std::size_t>(i)];
      out[i] = MakePixel(static_cast<std::uint8_t>((s.r + kHalf) >> kShift),
                         static_cast<std::uint8_t>((s.g + kHalf) >> kShift),
                         static_cast<std::uint8_t>((s.b + kHalf) >> kShift));
    }
  }
}
