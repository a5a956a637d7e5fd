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
  rgnData_.reset();
  nextRect_ = nullptr;
  capacity_ = 0;
  count_ = 0;
  bounds_ = kResetBounds;
}

void TComplexRegion::Grow() {
  const std::int32_t capacity = capacity_ + kGrowth;
  std::unique_ptr<Rect[]> data;
  try {
    data = std::make_unique<Rect[]>(static_cast<std::size_t>(capacity));
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory("Out of memory");
  }
  std::copy_n(rgnData_.get(), count_, data.get());
  rgnData_ = std::move(data);
  capacity_ = capacity;
  nextRect_ = rgnData_.get() + count_;
}

void TComplexRegion::AddRect(std::int32_t Left, std::int32_t Top, std::int32_t Right,
                             std::int32_t Bottom) {
  if (count_ == capacity_) Grow();
  *nextRect_++ = {Left, Top, Right, Bottom};
  ++count_;
  bounds_.left = std::min(bounds_.left, Left);
  bounds_.top = std::min(bounds_.top, Top);
  bounds_.right = std::max(bounds_.right, Right);
  bounds_.bottom = std::max(bounds_.bottom, Bottom);
}

std::optional<Region> TComplexRegion::CreateRegion() const {
  if (!rgnData_) return std::nullopt;
  return Region::FromRects(Rects());
}
