#include <cmath>
#include <vector>

#include "effects/RegionBuilders.h"

using std::int32_t;

namespace {

// The nearest integer, halves to even (the default rounding mode).
int32_t RoundEven(long double v) {
  return static_cast<int32_t>(std::nearbyint(v));
}

}  // namespace

Region CreateSectorRegion(int32_t CX, int32_t CY, int32_t Radius, long double StartAngle,
                          long double EndAngle, int32_t N) {
  const long double step = (EndAngle - StartAngle) / N;
  std::vector<Point> vertices;
  vertices.reserve(static_cast<std::size_t>(N > 0 ? N + 2 : 1));
  vertices.push_back({CX, CY});
  long double angle = StartAngle;
  for (int32_t k = 0; k <= N; ++k) {
    vertices.push_back(
        {CX + RoundEven(Radius * std::cos(angle)), CY + RoundEven(Radius * std::sin(angle))});
    angle += step;
  }
  return Region::Polygon(vertices);
}

Region PolygonRegion(std::span<const int32_t> Coords) {
  std::vector<Point> points(Coords.size() / 2);
  for (std::size_t i = 0; i < points.size(); ++i) points[i] = {Coords[2 * i], Coords[2 * i + 1]};
  return Region::Polygon(points);
}

void RotatePoints(std::span<Point> Points, int32_t OrgX, int32_t OrgY, long double Angle) {
  const long double c = std::cos(Angle);
  const long double s = std::sin(Angle);
  for (Point& p : Points) {
    const long double dx = p.x - OrgX;
    const long double dy = p.y - OrgY;
    p = {OrgX + RoundEven(dx * c - dy * s), OrgY + RoundEven(dx * s + dy * c)};
  }
}
