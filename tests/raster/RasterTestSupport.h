#pragma once
// Small helpers for exact-pixel tests: pictures written as rows of characters.

#include "raster/Bitmap.h"

#include <map>
#include <string>
#include <vector>

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
