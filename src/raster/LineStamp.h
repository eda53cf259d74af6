#pragma once
// The pixels of one polyline shape, worked out once and written wherever the shape lies wholly
// inside the clip rectangle: a frame draws the same stud outline thousands of times.

#include "base/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TLineStamp {
public:
    // Whether the stamp was recorded from exactly shape[0..high].
    bool Holds(const TPoint* shape, int high) const;
    // Walks every segment as an unclipped line is walked and keeps the byte offset of each
    // pixel from the top left corner of Bounds, for rows pitch bytes apart and pixels pixelSize
    // bytes wide.
    void Record(const TPoint* shape, int high, std::ptrdiff_t pitch, int pixelSize);

    TRect Bounds; // of the shape's points, so of every pixel
    // Every write in drawing order; a pixel two segments share comes twice, as blending
    // darkens it twice.
    std::vector<std::ptrdiff_t> Writes;
    // Each pixel once, in memory order: enough for opaque writes.
    std::vector<std::ptrdiff_t> Pixels;
    // The pixels again, a word per row from the top of Bounds, bit x for column Bounds.Left + x,
    // so that a cover mask takes a row in one or two words; empty for shapes wider than a word.
    std::vector<uint64_t> RowBits;

private:
    std::vector<TPoint> Shape;
};

// The bounding box of points[0..high], high >= 0.
TRect BoundsOf(const TPoint* points, int high);
