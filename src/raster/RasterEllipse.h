#pragma once
// A filled and outlined ellipse inside a bounding box, row by row.

#include "base/Geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace raster {

// Columns first..last of an ellipse row; the covered pixels are those whose centres lie inside.
struct TEllipseRow {
    int First;
    int Last;
};

inline TEllipseRow EllipseRowAt(const TRect& box, int y) {
    const double halfW = box.Width() / 2.0, halfH = box.Height() / 2.0;
    const double centreX = box.Left + halfW - 0.5;
    const double t = (y + 0.5 - (box.Top + halfH)) / halfH;
    const double half = halfW * std::sqrt(std::max(0.0, 1.0 - t * t));
    TEllipseRow row{int(std::ceil(centreX - half)), int(std::floor(centreX + half))};
    if (row.First > row.Last)
        row = {int(std::floor(centreX)), int(std::ceil(centreX))};
    return row;
}

// box excludes its right and bottom edges and has positive size. The outline joins each row's
// ends to the neighbouring rows; fill covers what lies between. Each pixel is written once.
template <class Rows, class FillW, class PenW>
void DrawEllipse(const Rows& rows, const TRect& clip, const TRect& box, const FillW& fill,
                 const PenW& pen) {
    const int top = std::max(box.Top, clip.Top), bottom = std::min(box.Bottom - 1, clip.Bottom);
    for (int y = top; y <= bottom; ++y) {
        const TEllipseRow row = EllipseRowAt(box, y);
        const bool edgeRow = y == box.Top || y == box.Bottom - 1;
        int leftEnd = row.Last, rightStart = row.Last + 1;
        if (!edgeRow) {
            const TEllipseRow above = EllipseRowAt(box, y - 1), below = EllipseRowAt(box, y + 1);
            leftEnd =
                std::min(row.Last, std::max(row.First, std::max(above.First, below.First) - 1));
            rightStart =
                std::max(leftEnd + 1, std::min(row.Last, std::min(above.Last, below.Last) + 1));
        }
        const auto write = [&](const auto& writer, int x0, int x1) {
            x0 = std::max(x0, clip.Left);
            x1 = std::min(x1, clip.Right);
            if (x0 <= x1)
                writer.Span(rows[y], y, x0, x1);
        };
        write(pen, row.First, leftEnd);
        write(fill, leftEnd + 1, rightStart - 1);
        write(pen, rightStart, row.Last);
    }
}

} // namespace raster
