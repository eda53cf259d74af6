#pragma once
// Small helpers for exact-pixel tests: pictures written as rows of characters, bitmaps compared
// byte for byte and filled with noise.

#include "raster/Bitmap.h"

#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

// Every stored byte, padding included: two ways of drawing must not differ even there.
inline bool SameBytes(const TBitmap& a, const TBitmap& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && a.Pitch() == b.Pitch() &&
           std::memcmp(a.ScanLine(0), b.ScanLine(0), std::size_t(a.Pitch()) * a.Height()) == 0;
}

// Random bytes, so that blending shows every write.
inline void Scramble(TBitmap& bitmap, std::mt19937& random) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int i = 0; i < bitmap.Pitch(); ++i)
            bitmap.ScanLine(y)[i] = uint8_t(random());
}

// Every pixel of the bitmap as one character per pixel, looked up in legend by colour; colours
// missing from the legend show as '?'.
inline std::vector<std::string> Picture(const TBitmap& bitmap,
                                        const std::map<TColour, char>& legend) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            const auto found = legend.find(bitmap.Pixel(x, y));
            row += found == legend.end() ? '?' : found->second;
        }
        rows.push_back(row);
    }
    return rows;
}
