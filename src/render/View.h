#pragma once
// The view state: angles, scale, origin and the parallel projection of model points to pixels.

#include "base/Geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>

using TRow = std::array<float, 3>;

struct TViewState {
    float TiltA = 0, SpinB = 0, AzimuthC = 0; // radians
    float CosA = 1, SinA = 0;
    float ViewScale = 1; // pixels per model unit
    float OriginX = 0, OriginY = 0;
    std::array<TRow, 4> RowX{}, RowY{}; // one pair per quarter turn
    int Octant = 0;
};

// Screen coordinates are held well inside int so that differences and doubled values taken by
// the line and polygon code cannot overflow, whatever a model file holds.
constexpr double ScreenLimit = 1 << 28;

// Rounds to the nearest integer, halves to the even neighbour; values beyond the range the
// raster code can subtract safely are held at its ends.
inline int RoundHalfEven(double value) {
    if (!(value > -ScreenLimit)) // also catches NaN
        return -int(ScreenLimit);
    if (value > ScreenLimit)
        return int(ScreenLimit);
    // Adding and taking away 1.5 * 2^52 leaves no fraction bits, so the sum is rounded by the
    // hardware's default mode, to nearest with halves to even; far cheaper than a library call.
    constexpr double Shifter = 6755399441055744.0;
    return int((value + Shifter) - Shifter);
}

// A scroll position in degrees as an angle in radians, rounded to 32 bits as the view keeps it.
float DegreesToAngle(int degrees);

// CosA, SinA, the four row pairs and Octant from the three angles.
void ComputeViewMatrix(TViewState& view);

// OriginX, OriginY from the view box's client size and the offset bar positions.
void ComputeOrigin(TViewState& view, int clientWidth, int clientHeight, int offsetX, int offsetY);

// The pixel of a model point for quarter turn k (0 for everything but turned bricks). Called
// for every corner and stud, hence inline.
inline TPoint ProjectPoint(const TViewState& view, double x, double y, double z, int k = 0) {
    const TRow& rx = view.RowX[k & 3];
    const TRow& ry = view.RowY[k & 3];
    double px = x * rx[0] + y * rx[1] + z * rx[2];
    double py = x * ry[0] + y * ry[1] + z * ry[2];
    return {RoundHalfEven(px * view.ViewScale + view.OriginX),
            RoundHalfEven(-py * view.ViewScale + view.OriginY)};
}

// ProjectPoint of each of count points stored as x, y, z triples.
void ProjectPoints(const TViewState& view, const int32_t* xyz, size_t count, int k, TPoint* out);

// The octant a tilt and azimuth (both in radians, as kept) are seen from.
int OctantOf(float tiltA, float azimuthC);
