// Copies between bitmaps: nearest-pixel stretching with pixel-format conversion.

#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/PixelRows.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Source column or row for destination index i of a run of destLength mapped onto sourceLength
// (pixel centres are matched).
int64_t SourceIndex(int64_t sourceStart, int64_t sourceLength, int64_t destLength, int64_t i) {
    return sourceStart + int64_t((2 * __int128(i) + 1) * sourceLength / (2 * destLength));
}

int64_t WidthOf(const TRect& r) {
    return int64_t(r.Right) - r.Left;
}
int64_t HeightOf(const TRect& r) {
    return int64_t(r.Bottom) - r.Top;
}
void StretchCopy(TBitmap& target, const TRect& dest, const TBitmap& source, const TRect& from) {
    if (&source == &target) {
        // The source must not change under the copy.
        TBitmap copy;
        copy.Assign(source);
        StretchCopy(target, dest, copy, from);
        return;
    }
    if (WidthOf(dest) <= 0 || HeightOf(dest) <= 0 || WidthOf(from) <= 0 || HeightOf(from) <= 0)
        return;
    const int x0 = std::max(dest.Left, 0), x1 = std::min(dest.Right, target.Width());
    const int y0 = std::max(dest.Top, 0), y1 = std::min(dest.Bottom, target.Height());
    if (x0 >= x1 || y0 >= y1)
        return;
    // Destination columns whose source column lies outside the source are left alone.
    std::vector<int> columns;
    int firstColumn = -1;
    for (int x = x0; x < x1; ++x) {
        const int64_t sx =
            SourceIndex(from.Left, WidthOf(from), WidthOf(dest), int64_t(x) - dest.Left);
        if (sx < 0 || sx >= source.Width())
            continue;
        if (firstColumn < 0)
            firstColumn = x;
        else if (x != firstColumn + int(columns.size()))
            break;
        columns.push_back(int(sx));
    }
    if (columns.empty())
        return;
    const int count = int(columns.size());
    const bool sameLayout = source.PixelFormat() == target.PixelFormat() &&
                            source.PixelFormat() != TPixelFormat::pf8bit &&
                            WidthOf(from) == WidthOf(dest);
    const int pixelBytes = BytesPerPixel(target.PixelFormat());
    std::vector<TColour> row(static_cast<std::size_t>(count));
    for (int y = y0; y < y1; ++y) {
        const int64_t sy =
            SourceIndex(from.Top, HeightOf(from), HeightOf(dest), int64_t(y) - dest.Top);
        if (sy < 0 || sy >= source.Height())
            continue;
        if (sameLayout) {
            std::memcpy(target.ScanLine(y) + std::size_t(firstColumn) * pixelBytes,
                        source.ScanLine(int(sy)) + std::size_t(columns[0]) * pixelBytes,
                        std::size_t(count) * pixelBytes);
            continue;
        }
        ReadPixels(source, int(sy), columns.data(), count, row.data());
        WriteRow(target, y, firstColumn, count, row.data());
    }
}

} // namespace

void TCanvas::CopyRect(const TRect& dest, TCanvas& sourceCanvas, const TRect& source) {
    StretchCopy(Target, dest, sourceCanvas.Bitmap(), source);
}

void TCanvas::Draw(int x, int y, const TBitmap& graphic) {
    // Pictures placed beyond the coordinate range are cut off there.
    const auto end = [](int start, int length) {
        return int(std::min<int64_t>(int64_t(start) + length, INT32_MAX));
    };
    StretchCopy(Target, {x, y, end(x, graphic.Width()), end(y, graphic.Height())}, graphic,
                {0, 0, graphic.Width(), graphic.Height()});
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& graphic) {
    StretchCopy(Target, dest, graphic, {0, 0, graphic.Width(), graphic.Height()});
}
