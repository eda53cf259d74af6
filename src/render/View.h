#pragma once
// The view state: angles, scale, origin and the parallel projection of model points to pixels.

#include "render/Point.h"

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

// Rounds to the nearest integer, halves to the even neighbour; values beyond the range the
// raster code can subtract safely are held at its ends.
int RoundHalfEven(double value);

// A scroll position in degrees as an angle in radians, rounded to 32 bits as the view keeps it.
float DegreesToAngle(int degrees);

// CosA, SinA, the four row pairs and Octant from the three angles.
void ComputeViewMatrix(TViewState& view);

// OriginX, OriginY from the view box's client size and the offset bar positions.
void ComputeOrigin(TViewState& view, int clientWidth, int clientHeight, int offsetX, int offsetY);

// The pixel of a model point for quarter turn k (0 for everything but turned bricks).
TPoint ProjectPoint(const TViewState& view, double x, double y, double z, int k = 0);

// ProjectPoint of each of count points stored as x, y, z triples.
void ProjectPoints(const TViewState& view, const int32_t* xyz, size_t count, int k, TPoint* out);

// The octant a tilt and azimuth (both in radians, as kept) are seen from.
int OctantOf(float tiltA, float azimuthC);
