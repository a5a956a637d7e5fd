#include <numbers>
#include <vector>

#include "effects/ClippedReveal.h"
#include "effects/PatternEffects.h"
#include "effects/RegionBuilders.h"

using std::int32_t;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// Turns the points about the origin by Progress x pi / 50 (one clockwise turn over the whole
// transition) and reveals the new picture through the polygon they make.
void RevealTurned(Bitmap& Screen, const Bitmap& Picture, std::vector<Point> points, Point origin,
                  int32_t Progress) {
  RotatePoints(points, origin.x, origin.y, Progress * kPi / 50);
  ClippedReveal(Screen, Picture, Region::Polygon(points));
}

// The rectangle X by Y about the centre.
std::vector<Point> CentreRectangle(int32_t W, int32_t H, int32_t X, int32_t Y) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  const int32_t h = X / 2;
  const int32_t v = Y / 2;
  return {{cx - h, cy - v}, {cx + h, cy - v}, {cx + h, cy + v}, {cx - h, cy + v}};
}

}  // namespace

void RotationalRectangle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t Y, int32_t Progress) {
  RevealTurned(Screen, Picture, CentreRectangle(W, H, X, Y), {W / 2, H / 2}, Progress);
}

void RotationalStar(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                    int32_t Y, int32_t Progress) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  const int32_t h = X / 2;
  const int32_t v = Y / 2;
  RevealTurned(Screen, Picture,
               {{cx - 2 * X, cy},
                {cx - h, cy - v},
                {cx, cy - 2 * Y},
                {cx + h, cy - v},
                {cx + 2 * X, cy},
                {cx + h, cy + v},
                {cx, cy + 2 * Y},
                {cx - h, cy + v}},
               {cx, cy}, Progress);
}

void SpiralRectangle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                     int32_t Y, int32_t Progress) {
  RevealTurned(Screen, Picture, CentreRectangle(W, H, X, Y), {X, Y}, Progress);
}
