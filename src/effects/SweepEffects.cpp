#include "effects/SweepEffects.h"

#include <cmath>
#include <numbers>

#include "effects/ClippedReveal.h"
#include "effects/RegionBuilders.h"

using std::int32_t;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The slice from straight up through Progress x 3.6 degrees, clockwise for direction 1 and
// anticlockwise for -1, with a radius that reaches the corners.
void RevealSlice(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t Progress,
                 int32_t direction) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  const long double corner =
      std::sqrt(static_cast<long double>(cx) * cx + static_cast<long double>(cy) * cy);
  const auto radius = static_cast<int32_t>(std::ceil(corner));
  const long double start = -kPi / 2;
  const long double end = direction * Progress * kPi / 50 - kPi / 2;
  ClippedReveal(Screen, Picture, CreateSectorRegion(cx, cy, radius, start, end, Progress));
}

}  // namespace

void SweepClockwise(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
                    int32_t Progress) {
  RevealSlice(Screen, Picture, W, H, Progress, 1);
}

void SweepAnticlockwise(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                        int32_t, int32_t Progress) {
  RevealSlice(Screen, Picture, W, H, Progress, -1);
}
