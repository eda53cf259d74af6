// Copies between bitmaps: nearest-pixel stretching with pixel-format conversion.

#include "render/Bitmap.h"
#include "render/Canvas.h"
#include "render/PixelRows.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Source column or row for destination index i of a run of destLength mapped onto sourceLength
// (pixel centres are matched).
int SourceIndex(int sourceStart, int sourceLength, int destLength, int i) {
    return sourceStart + int((2 * int64_t(i) + 1) * sourceLength / (2 * int64_t(destLength)));
}

void StretchCopy(TBitmap& target, const TRect& dest, const TBitmap& source, const TRect& from) {
    if (dest.Width() <= 0 || dest.Height() <= 0 || from.Width() <= 0 || from.Height() <= 0)
        return;
    const int x0 = std::max(dest.Left, 0), x1 = std::min(dest.Right, target.Width());
    const int y0 = std::max(dest.Top, 0), y1 = std::min(dest.Bottom, target.Height());
    if (x0 >= x1 || y0 >= y1)
        return;
    // Destination columns whose source column lies outside the source are left alone.
    std::vector<int> columns;
    int firstColumn = -1;
    for (int x = x0; x < x1; ++x) {
        const int sx = SourceIndex(from.Left, from.Width(), dest.Width(), x - dest.Left);
        if (sx < 0 || sx >= source.Width())
            continue;
        if (firstColumn < 0)
            firstColumn = x;
        else if (x != firstColumn + int(columns.size()))
            break;
        columns.push_back(sx);
    }
    if (columns.empty())
        return;
    const int count = int(columns.size());
    const bool sameLayout = source.PixelFormat() == target.PixelFormat() &&
                            source.PixelFormat() != TPixelFormat::pf8bit &&
                            from.Width() == dest.Width();
    const int pixelBytes = BytesPerPixel(target.PixelFormat());
    std::vector<TColour> row(static_cast<std::size_t>(count));
    for (int y = y0; y < y1; ++y) {
        const int sy = SourceIndex(from.Top, from.Height(), dest.Height(), y - dest.Top);
        if (sy < 0 || sy >= source.Height())
            continue;
        if (sameLayout) {
            std::memcpy(target.ScanLine(y) + std::size_t(firstColumn) * pixelBytes,
                        source.ScanLine(sy) + std::size_t(columns[0]) * pixelBytes,
                        std::size_t(count) * pixelBytes);
            continue;
        }
        ReadPixels(source, sy, columns.data(), count, row.data());
        WriteRow(target, y, firstColumn, count, row.data());
    }
}

} // namespace

void TCanvas::CopyRect(const TRect& dest, TCanvas& sourceCanvas, const TRect& source) {
    if (&sourceCanvas == this) {
        // The source must not change under the copy.
        TBitmap copy;
        copy.Assign(bitmap);
        StretchCopy(bitmap, dest, copy, source);
        return;
    }
    StretchCopy(bitmap, dest, sourceCanvas.Bitmap(), source);
}

void TCanvas::Draw(int x, int y, const TBitmap& graphic) {
    StretchCopy(bitmap, {x, y, x + graphic.Width(), y + graphic.Height()}, graphic,
                {0, 0, graphic.Width(), graphic.Height()});
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& graphic) {
    if (&graphic == &bitmap) {
        TBitmap copy;
        copy.Assign(bitmap);
        StretchCopy(bitmap, dest, copy, {0, 0, copy.Width(), copy.Height()});
        return;
    }
    StretchCopy(bitmap, dest, graphic, {0, 0, graphic.Width(), graphic.Height()});
}
