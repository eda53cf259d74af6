#include "raster/LineStamp.h"

#include "raster/RasterLine.h"

#include <algorithm>
#include <cstring>

namespace {

// Rows the recording walk never dereferences.
struct TNoRows {
    uint8_t* operator[](int64_t) const { return nullptr; }
};

struct TRecorder {
    std::vector<std::ptrdiff_t>* Out;
    std::vector<uint64_t>* RowBits; // null for a shape wider than a word
    std::ptrdiff_t Pitch;
    int PixelSize;
    TPoint Corner;
    void Put(uint8_t*, int y, int x) const {
        Out->push_back(std::ptrdiff_t(y - Corner.Y) * Pitch +
                       std::ptrdiff_t(x - Corner.X) * PixelSize);
        if (RowBits)
            (*RowBits)[std::size_t(y - Corner.Y)] |= uint64_t(1) << (x - Corner.X);
    }
};

} // namespace

TRect BoundsOf(const TPoint* points, int high) {
    TRect bounds{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (int i = 1; i <= high; ++i) {
        bounds.Left = std::min(bounds.Left, points[i].X);
        bounds.Top = std::min(bounds.Top, points[i].Y);
        bounds.Right = std::max(bounds.Right, points[i].X);
        bounds.Bottom = std::max(bounds.Bottom, points[i].Y);
    }
    return bounds;
}

bool TLineStamp::Holds(const TPoint* points, int high) const {
    // Compared as bytes: this runs once per stud, and TPoint has no padding.
    return std::size_t(high) + 1 == Shape.size() &&
           std::memcmp(Shape.data(), points, Shape.size() * sizeof(TPoint)) == 0;
}

void TLineStamp::Record(const TPoint* points, int high, std::ptrdiff_t pitch, int pixelSize) {
    Shape.assign(points, points + high + 1);
    Bounds = BoundsOf(points, high);
    Writes.clear();
    const bool narrow = int64_t(Bounds.Right) - Bounds.Left < 64;
    RowBits.assign(narrow ? std::size_t(Bounds.Bottom - Bounds.Top) + 1 : 0, 0);
    const TRecorder recorder{
        &Writes, narrow ? &RowBits : nullptr, pitch, pixelSize, {Bounds.Left, Bounds.Top}};
    for (int i = 0; i < high; ++i)
        raster::WalkLine<false>(TNoRows{}, Bounds, {points[i].X, points[i].Y},
                                {points[i + 1].X, points[i + 1].Y}, recorder);
    Pixels = Writes;
    std::sort(Pixels.begin(), Pixels.end());
    Pixels.erase(std::unique(Pixels.begin(), Pixels.end()), Pixels.end());
}
