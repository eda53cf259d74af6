#pragma once
// Whole-pixel membership in a polygon region with alternate (even-odd) filling, shared by the
// screen hit test and the part editor's automatic studs.

#include <cstdint>
#include <span>

struct TRegionPoint {
    int32_t X = 0, Y = 0;
};

// True when pixel (x, y) belongs to the region: its top-left sample point lies inside by the
// even-odd rule, left and top edges included, right and bottom edges excluded.
bool PointInPolygonRegion(std::span<const TRegionPoint> points, int32_t x, int32_t y);
