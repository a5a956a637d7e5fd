#include "raster/RowGather.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define SHOWSAVER_HAVE_AVX2_PATH 1
#endif

namespace {

#if defined(SHOWSAVER_HAVE_AVX2_PATH)
bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

// Each block: load the eight source pixels from its base and put each where it belongs.
__attribute__((target("avx2"))) void CopyBlocksAvx2(Pixel* to, const Pixel* from,
                                                    const std::int32_t* blocks, std::size_t count,
                                                    std::size_t stride) {
  for (std::size_t b = 0; b < count; ++b, blocks += stride, to += 8) {
    const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + blocks[0]));
    const __m256i order = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(blocks + 1));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(to), _mm256_permutevar8x32_epi32(pixels, order));
  }
}
#endif

}  // namespace

RowGather::RowGather(std::int32_t lo, std::vector<std::int32_t> source, std::int32_t sourceWidth)
    : lo_(lo), source_(std::move(source)), kind_(Kind::Local) {
  const auto count = static_cast<std::int64_t>(source_.size());
  if (std::int64_t{source_.back()} - source_.front() == count - 1) {
    kind_ = Kind::Forward;
    return;
  }
  for (std::size_t k = 1; k < source_.size(); ++k) {
    if (std::abs(source_[k] - source_[k - 1]) > 1) {
      kind_ = Kind::Sparse;
      return;
    }
  }
#if defined(SHOWSAVER_HAVE_AVX2_PATH)
  if (!HasAvx2() || sourceWidth < 8) return;
  for (std::size_t k = 0; k + 8 <= source_.size(); k += 8) {
    // Steps of at most one column keep eight neighbours within eight source columns; near the
    // right edge the base moves left so that the load stays inside the row.
    const std::int32_t base = std::min({source_[k], source_[k + 7], sourceWidth - 8});
    blocks_.push_back(base);
    for (std::size_t j = 0; j < 8; ++j) blocks_.push_back(source_[k + j] - base);
  }
#else
  (void)sourceWidth;
#endif
}

void RowGather::CopyRow(Pixel* to, const Pixel* from, std::int32_t left, std::int32_t right,
                        const Pixel* next) const {
  if (kind_ == Kind::Forward) {
    std::memcpy(to + left, from + source_[static_cast<std::size_t>(left - lo_)],
                sizeof(Pixel) * static_cast<std::size_t>(right - left));
    return;
  }
#if defined(SHOWSAVER_HAVE_AVX2_PATH)
  if (!blocks_.empty()) {
    // Whole blocks inside left..right go eight at a time, the columns around them one by one.
    const std::int32_t firstBlock = (left - lo_ + 7) / 8;
    const std::int32_t endBlock = std::min<std::int32_t>(
        (right - lo_) / 8, static_cast<std::int32_t>(blocks_.size() / kBlockInts));
    if (firstBlock < endBlock) {
      const std::int32_t blockStart = lo_ + 8 * firstBlock;
      const std::int32_t blockEnd = lo_ + 8 * endBlock;
      Gather(to, from, left, blockStart, nullptr);
      CopyBlocksAvx2(to + blockStart, from,
                     blocks_.data() + kBlockInts * static_cast<std::size_t>(firstBlock),
                     static_cast<std::size_t>(endBlock - firstBlock), kBlockInts);
      Gather(to, from, blockEnd, right, nullptr);
      return;
    }
  }
#endif
  Gather(to, from, left, right, next);
}

void RowGather::Gather(Pixel* to, const Pixel* from, std::int32_t left, std::int32_t right,
                       const Pixel* next) const {
  const std::int32_t* map = source_.data() + (left - lo_);
  Pixel* out = to + left;
  const std::int32_t count = right - left;
  if (kind_ == Kind::Sparse && next != nullptr) {
    // A shrinking copy reads each source row in a short run with gaps, which the hardware picks
    // up late: ask for the next row's pixels while this one is copied.
    for (std::int32_t i = 0; i < count; ++i) {
      __builtin_prefetch(next + map[i]);
      out[i] = from[map[i]];
    }
    return;
  }
  for (std::int32_t i = 0; i < count; ++i) out[i] = from[map[i]];
}
