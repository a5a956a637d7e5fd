#include <array>

#include "effects/ClippedReveal.h"
#include "effects/PatternEffects.h"
#include "platform/MulDiv.h"

using std::int32_t;

namespace {

constexpr int kCorners = 12;

// A band about the line at `centre` whose two edges are the same zigzag: corners every t along
// the band, alternately a above and below the line, the edges m away from it on either side.
// The first edge runs forward, the second back. Points are (along, across).
std::array<Point, 2 * kCorners> ZigzagBand(int32_t centre, int32_t a, int32_t t, int32_t m) {
  std::array<Point, 2 * kCorners> band;
  for (int32_t j = 0; j < kCorners; ++j) {
    band[static_cast<std::size_t>(j)] = {j * t, centre + (j % 2 == 0 ? a : -a) - m};
  }
  for (int32_t j = kCorners - 1; j >= 0; --j) {
    band[static_cast<std::size_t>(2 * kCorners - 1 - j)] = {j * t,
                                                            centre + (j % 2 == 0 ? a : -a) + m};
  }
  return band;
}

}  // namespace

void ZigzagHorizontal(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                      int32_t Y, int32_t Progress) {
  const int32_t a = H / 10;
  const auto band = ZigzagBand(H / 2, a, W / 10, MulDiv(a, Progress, 100) + Y / 2);
  ClippedReveal(Screen, Picture, Region::Polygon(band));
}

void ZigzagVertical(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X, int32_t,
                    int32_t Progress) {
  const int32_t a = W / 10;
  auto band = ZigzagBand(W / 2, a, H / 10, MulDiv(a, Progress, 100) + X / 2);
  for (Point& p : band) p = {p.y, p.x};
  ClippedReveal(Screen, Picture, Region::Polygon(band));
}
