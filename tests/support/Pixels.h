#pragma once
// Counting pixels: where two pictures of one size differ, and how many show one colour.

#include "base/Geometry.h"
#include "raster/Bitmap.h"

#include <algorithm>

// Pixels that differ inside the rectangle [left, right) x [top, bottom), clipped to a.
inline int DifferingPixels(const TBitmap& a, const TBitmap& b, int left, int top, int right,
                           int bottom) {
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, a.Height()); ++y)
        for (int x = std::max(left, 0); x < std::min(right, a.Width()); ++x)
            count += a.Pixel(x, y) != b.Pixel(x, y);
    return count;
}

inline int DifferingPixels(const TBitmap& a, const TBitmap& b) {
    return DifferingPixels(a, b, 0, 0, a.Width(), a.Height());
}

// Pixels that differ inside the square of half-width r around p.
inline int DifferingPixelsNear(const TBitmap& a, const TBitmap& b, TPoint p, int r) {
    return DifferingPixels(a, b, p.X - r, p.Y - r, p.X + r + 1, p.Y + r + 1);
}

inline int PixelsOfColour(const TBitmap& picture, TColour colour) {
    int count = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            count += picture.Pixel(x, y) == colour;
    return count;
}
