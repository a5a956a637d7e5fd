#pragma once

#include <cstdint>
#include <span>

#include "raster/Geometry.h"
#include "raster/Region.h"

// The regions the pattern effects reveal the new picture through, one frame at a time. LenX
// and LenY are how far the pattern has advanced horizontally and vertically, in pixels;
// HorzKind chooses the pattern of horizontal strips (rows), VertKind that of vertical strips
// (columns), 0 meaning none. Rows are built first, then columns.

// Interleaved bars, Min(W, H) div 50 + 1 thick. While the length is within the side the even
// bars grow; past it they are complete and the odd bars grow with the excess. Kinds: 1 from the
// right (bottom), 2 from the left (top), 3 even bars from the right (bottom) and odd bars from
// the left (top) at once, 4 left (top) first then the other side, 5 the reverse.
Region CreateBarRegion(std::int32_t LenX, std::int32_t LenY, std::int32_t W, std::int32_t H,
                       std::int32_t HorzKind, std::int32_t VertKind);

// Strips Min(W, H) div 200 + 1 thick, each of a random length within a tenth of the side of the
// advance, drawn from the process-wide generator: one number per row from the top, then one
// per column from the left. Kinds: 1 from the right (bottom), 2 from the left (top), 3 out from
// the centre line, any other in from both edges.
Region CreateShredRegion(std::int32_t LenX, std::int32_t LenY, std::int32_t W, std::int32_t H,
                         std::int32_t HorzKind, std::int32_t VertKind);

// A solid part of the advance's length and beyond its edge a fringe, a tenth of the side deep,
// of loose squares that thins out with distance, drawn from the process-wide generator. Kinds:
// 1 from the right (bottom), any other from the left (top).
Region CreateSpeckleRegion(std::int32_t LenX, std::int32_t LenY, std::int32_t W, std::int32_t H,
                           std::int32_t HorzKind, std::int32_t VertKind);

// A pie slice about (CX, CY) from StartAngle to EndAngle (radians, y downward, so a growing
// angle turns clockwise), approximated by a polygon of the centre and N + 1 arc points.
Region CreateSectorRegion(std::int32_t CX, std::int32_t CY, std::int32_t Radius,
                          long double StartAngle, long double EndAngle, std::int32_t N);

// The polygon through the points x1, y1, x2, y2, ..., filled by the winding rule; a trailing
// odd coordinate is ignored.
Region PolygonRegion(std::span<const std::int32_t> Coords);

// Turns the points in place about (OrgX, OrgY) by Angle radians, clockwise on the screen for a
// positive angle; coordinates are rounded to the nearest integer, halves to even.
void RotatePoints(std::span<Point> Points, std::int32_t OrgX, std::int32_t OrgY, long double Angle);
