#include "raster/RegionBuilder.h"

#include <algorithm>

void RegionBuilder::AddBand(std::int32_t top, std::int32_t bottom,
                            std::span<const Region::Span> spans) {
  if (spans.empty() || bottom <= top) return;
  auto& bands = region_.bands_;
  auto& all = region_.spans_;
  if (!bands.empty()) {
    Region::Band& last = bands.back();
    if (last.bottom == top && last.spanCount == spans.size() &&
        std::equal(spans.begin(), spans.end(), all.begin() + last.firstSpan)) {
      last.bottom = bottom;
      return;
    }
  }
  bands.push_back({top, bottom, static_cast<std::uint32_t>(all.size()),
                   static_cast<std::uint32_t>(spans.size())});
  all.insert(all.end(), spans.begin(), spans.end());
}

Region RegionBuilder::Finish() {
  Region result = std::move(region_);
  region_ = Region();
  if (result.bands_.empty()) return result;
  std::int32_t left = INT32_MAX;
  std::int32_t right = INT32_MIN;
  for (const Region::Band& band : result.bands_) {
    left = std::min(left, result.spans_[band.firstSpan].left);
    right = std::max(right, result.spans_[band.firstSpan + band.spanCount - 1].right);
  }
  result.bounds_ = {left, result.bands_.front().top, right, result.bands_.back().bottom};
  return result;
}

void NormalizeSpans(std::vector<Region::Span>& spans) {
  std::sort(spans.begin(), spans.end(),
            [](const Region::Span& a, const Region::Span& b) { return a.left < b.left; });
  std::size_t out = 0;
  for (const Region::Span& span : spans) {
    if (out > 0 && span.left <= spans[out - 1].right) {
      spans[out - 1].right = std::max(spans[out - 1].right, span.right);
    } else {
      spans[out++] = span;
    }
  }
  spans.resize(out);
}
