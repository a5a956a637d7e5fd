#include "effects/ComplexRegion.h"

#include <algorithm>
#include <limits>
#include <new>

#include "platform/Errors.h"

namespace {
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr Rect kResetBounds{kMax, kMax, -kMax, -kMax};
}  // namespace

void TComplexRegion::Clear() {
  rgnData_ = {};
  capacity_ = 0;
  count_ = 0;
  bounds_ = kResetBounds;
}

void TComplexRegion::Grow() {
  try {
    rgnData_.resize(static_cast<std::size_t>(capacity_ + kGrowth));
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory("Out of memory");
  }
  capacity_ += kGrowth;
}

void TComplexRegion::AddRect(std::int32_t Left, std::int32_t Top, std::int32_t Right,
                             std::int32_t Bottom) {
  if (count_ == capacity_) Grow();
  rgnData_[static_cast<std::size_t>(count_)] = {Left, Top, Right, Bottom};
  ++count_;
  bounds_.left = std::min(bounds_.left, Left);
  bounds_.top = std::min(bounds_.top, Top);
  bounds_.right = std::max(bounds_.right, Right);
  bounds_.bottom = std::max(bounds_.bottom, Bottom);
}

std::optional<Region> TComplexRegion::CreateRegion() const {
  if (capacity_ == 0) return std::nullopt;
  return Region::FromRects(Rects());
}
