#include "effects/Shading.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// An offset as two byte masks for the blue, green and red bytes: what to subtract and what to
// add, each with saturation, so that the sum is clamped to 0..255. The fourth byte gets 0.
struct ColourStep {
  Pixel lower = 0;
  Pixel raise = 0;
};

ColourStep StepFor(std::int32_t offset) {
  const auto bytes = [](std::int32_t v) {
    return static_cast<Pixel>(std::min(v, 255)) * 0x010101u;
  };
  return offset < 0 ? ColourStep{bytes(-offset), 0} : ColourStep{0, bytes(offset)};
}

Pixel Apply(Pixel p, ColourStep step) {
  Pixel out = p & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::int32_t v = static_cast<std::int32_t>((p >> shift) & 0xFF) -
                           static_cast<std::int32_t>((step.lower >> shift) & 0xFF) +
                           static_cast<std::int32_t>((step.raise >> shift) & 0xFF);
    out |= static_cast<Pixel>(std::clamp(v, 0, 255)) << shift;
  }
  return out;
}

// pixels[k] gets steps[k], for count pixels.
void ApplySteps(Pixel* pixels, const ColourStep* steps, std::int32_t count) {
  std::int32_t k = 0;
#if defined(__SSE2__)
  for (; k + 4 <= count; k += 4) {
    const __m128i lower =
        _mm_set_epi32(static_cast<int>(steps[k + 3].lower), static_cast<int>(steps[k + 2].lower),
                      static_cast<int>(steps[k + 1].lower), static_cast<int>(steps[k].lower));
    const __m128i raise =
        _mm_set_epi32(static_cast<int>(steps[k + 3].raise), static_cast<int>(steps[k + 2].raise),
                      static_cast<int>(steps[k + 1].raise), static_cast<int>(steps[k].raise));
    auto* at = reinterpret_cast<__m128i*>(pixels + k);
    _mm_storeu_si128(at, _mm_adds_epu8(_mm_subs_epu8(_mm_loadu_si128(at), lower), raise));
  }
#endif
  for (; k < count; ++k) pixels[k] = Apply(pixels[k], steps[k]);
}

// Every pixel of the row gets the same step.
void ApplyStep(Pixel* pixels, ColourStep step, std::int32_t count) {
  std::int32_t k = 0;
#if defined(__SSE2__)
  const __m128i lower = _mm_set1_epi32(static_cast<int>(step.lower));
  const __m128i raise = _mm_set1_epi32(static_cast<int>(step.raise));
  for (; k + 4 <= count; k += 4) {
    auto* at = reinterpret_cast<__m128i*>(pixels + k);
    _mm_storeu_si128(at, _mm_adds_epu8(_mm_subs_epu8(_mm_loadu_si128(at), lower), raise));
  }
#endif
  for (; k < count; ++k) pixels[k] = Apply(pixels[k], step);
}

}  // namespace

std::vector<std::int32_t> ColumnShadeProfile(std::int32_t amount, std::int32_t n) {
  std::vector<std::int32_t> profile;
  if (n < 2 || amount == 0) return profile;
  const std::int32_t half = n / 2;
  std::int32_t v = -amount;
  if (amount > half) {
    std::int32_t inc = amount / half;
    for (std::int32_t i = 1; i <= n; ++i) {
      profile.push_back(v);
      v += inc;
      if (i == half) inc = -inc;
    }
  } else {
    const std::int32_t run = half / amount;
    std::int32_t next = run;
    for (std::int32_t i = 1; i <= n; ++i) {
      profile.push_back(v);
      if (i == next) {
        next += run;
        v += i < half ? 1 : -1;
      }
    }
  }
  return profile;
}

std::vector<std::int32_t> RowShadeProfile(std::int32_t amount, std::int32_t n) {
  std::vector<std::int32_t> profile;
  if (n < 2 || amount == 0) return profile;
  const std::int32_t half = n / 2;
  const std::int32_t every = half < amount ? 1 : half / amount;
  const std::int32_t step = half < amount ? amount / half : 1;
  std::int32_t f = -amount;
  std::int32_t next = every;
  for (std::int32_t i = 1; i <= n; ++i) {
    profile.push_back(f);
    if (i == next) {
      next += every;
      f += i < half ? step : -step;
    }
  }
  return profile;
}

void ShadeColumns(Bitmap& bitmap, std::int32_t amount, std::int32_t x0, std::int32_t n) {
  const std::vector<std::int32_t> profile = ColumnShadeProfile(amount, n);
  // The columns of the band that lie inside the bitmap, and their steps.
  const std::int64_t first = std::max<std::int64_t>(x0, 0);
  const std::int64_t last = std::min<std::int64_t>(
      std::int64_t{x0} + static_cast<std::int64_t>(profile.size()), bitmap.Width());
  if (first >= last) return;
  std::vector<ColourStep> steps;
  for (std::int64_t x = first; x < last; ++x)
    steps.push_back(StepFor(profile[static_cast<std::size_t>(x - x0)]));
  const auto count = static_cast<std::int32_t>(last - first);
  for (std::int32_t y = 0; y < bitmap.Height(); ++y)
    ApplySteps(bitmap.Row(y) + first, steps.data(), count);
}

void ShadeRows(Bitmap& bitmap, std::int32_t amount, std::int32_t y0, std::int32_t n) {
  const std::vector<std::int32_t> profile = RowShadeProfile(amount, n);
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(profile.size()); ++i) {
    const std::int64_t y = std::int64_t{y0} + n - 1 - i;
    if (y < 0 || y >= bitmap.Height()) continue;
    ApplyStep(bitmap.Row(static_cast<std::int32_t>(y)),
              StepFor(profile[static_cast<std::size_t>(i)]), bitmap.Width());
  }
}
