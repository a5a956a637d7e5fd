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

// The horizontal pass for one source row: dw pixels of four 16-bit channels with 8 extra bits.
// All four bytes of a pixel are summed alike, which lets the compiler use vector instructions;
// the fourth is dropped at the end.
void ResampleRow(const Pixel* source, const Taps& xs, std::uint16_t* out, std::int32_t dw) {
  constexpr int kShift = kWeightBits - 8;
  constexpr std::uint32_t kHalf = 1u << (kShift - 1);
  const auto* row = reinterpret_cast<const std::uint8_t*>(source);
  for (std::int32_t i = 0; i < dw; ++i, out += 4) {
    std::uint32_t acc[4] = {kHalf, kHalf, kHalf, kHalf};
    const auto first = static_cast<std::size_t>(xs.first[static_cast<std::size_t>(i)]);
    const auto last = first + static_cast<std::size_t>(xs.count[static_cast<std::size_t>(i)]);
    for (std::size_t k = first; k < last; ++k) {
      const std::uint8_t* p = row + 4 * static_cast<std::size_t>(xs.index[k]);
      const std::uint32_t w = xs.weight[k];
      for (int c = 0; c < 4; ++c) acc[c] += p[c] * w;
    }
    for (int c = 0; c < 4; ++c) out[c] = static_cast<std::uint16_t>(acc[c] >> kShift);
  }
}

// Horizontally scaled source rows, kept only while the vertical pass may still read them: the
// rows each destination row reads move only forward, so a ring as deep as the widest set of
// taps holds them all.
class RowRing {
 public:
  RowRing(const Bitmap& src, const Taps& xs, const Taps& ys, std::int32_t dw)
      : src_(src), xs_(xs), dw_(dw), lanes_(4 * static_cast<std::size_t>(dw)) {
    for (std::int32_t c : ys.count) depth_ = std::max(depth_, static_cast<std::size_t>(c));
    rows_.resize(depth_ * lanes_);
  }
  const std::uint16_t* Row(std::int32_t y) {
    std::uint16_t* slot = rows_.data() + static_cast<std::size_t>(y) % depth_ * lanes_;
    if (y >= next_) {
      next_ = y + 1;
      ResampleRow(src_.Row(y), xs_, slot, dw_);
    }
    return slot;
  }
  std::size_t Lanes() const { return lanes_; }

 private:
  const Bitmap& src_;
  const Taps& xs_;
  std::int32_t dw_;
  std::size_t lanes_;
  std::size_t depth_ = 1;
  std::int32_t next_ = 0;  // rows below this one have been scaled
  std::vector<std::uint16_t> rows_;
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
  RowRing ring(src, xs, ys, dw);
  constexpr int kShift = kWeightBits + 8;
  constexpr std::uint32_t kHalf = 1u << (kShift - 1);
  const std::size_t lanes = ring.Lanes();
  std::vector<std::uint32_t> acc(lanes);
  for (std::int32_t j = 0; j < dh; ++j) {
    std::fill(acc.begin(), acc.end(), kHalf);
    const auto first = static_cast<std::size_t>(ys.first[static_cast<std::size_t>(j)]);
    const auto last = first + static_cast<std::size_t>(ys.count[static_cast<std::size_t>(j)]);
    for (std::size_t k = first; k < last; ++k) {
      const std::uint16_t* in = ring.Row(ys.index[k]);
      const std::uint32_t w = ys.weight[k];
      for (std::size_t i = 0; i < lanes; ++i) acc[i] += in[i] * w;
    }
    auto* out = reinterpret_cast<std::uint8_t*>(dest.Row(block.top + j) + block.left);
    for (std::size_t i = 0; i < lanes; ++i) out[i] = static_cast<std::uint8_t>(acc[i] >> kShift);
    for (std::int32_t i = 0; i < dw; ++i) out[4 * i + 3] = 0;
  }
}
