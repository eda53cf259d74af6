#include "render/Decoration.h"

#include "base/FileNames.h"
#include "parts/PartFile.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "raster/PictureFiles.h"
#include "raster/PixelFormat.h"
#include "raster/PixelRows.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// Pictures by their name in the part file, for the AppDir they were read from. A picture that
// could not be read is remembered as missing, so a frame does not try the disk again per brick.
struct TPictureCache {
    std::mutex Lock; // bands of a frame look pictures up side by side
    std::string AppDir;
    std::map<std::string, std::unique_ptr<TBitmap>, std::less<>> Pictures;
};

TPictureCache& Cache() {
    static TPictureCache cache;
    return cache;
}

const TBitmap* CachedPicture(const std::string& name) {
    TPictureCache& cache = Cache();
    const std::lock_guard<std::mutex> hold(cache.Lock);
    if (cache.AppDir != AppDir()) {
        cache.Pictures.clear();
        cache.AppDir = AppDir();
    }
    auto found = cache.Pictures.find(name);
    if (found == cache.Pictures.end()) {
        auto picture = std::make_unique<TBitmap>();
        try {
            ReadPictureFile(PartFolderPath(name), *picture);
        } catch (const std::exception&) {
            picture.reset(); // drawn as the diagonals: a frame never fails on a decoration
        }
        found = cache.Pictures.emplace(name, std::move(picture)).first;
    }
    return found->second.get();
}

TColour PicturePixel(const TBitmap& picture, int x, int y) {
    return FromPixel32(reinterpret_cast<const uint32_t*>(picture.ScanLine(y))[x]);
}

TColour Mix(TColour a, TColour b, double f) {
    auto channel = [f](int x, int y) { return int((1 - f) * x + f * y + 0.5); };
    return RGB(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)),
               channel(BlueOf(a), BlueOf(b)));
}

// Bilinear between the four picture pixels around (u, v); neighbours in the transparent colour
// give way to the nearest pixel, so no fringe of that colour shows at the edges.
TColour Smoothed(const TBitmap& picture, double u, double v, TColour nearest, TColour key) {
    int iu = int(std::floor(u)), iv = int(std::floor(v));
    double fu = u - iu, fv = v - iv;
    auto at = [&](int x, int y) {
        TColour c = PicturePixel(picture, x, y);
        return c == key ? nearest : c;
    };
    TColour top = Mix(at(iu, iv), at(iu + 1, iv), fu);
    TColour bottom = Mix(at(iu, iv + 1), at(iu + 1, iv + 1), fu);
    return Mix(top, bottom, fv);
}

} // namespace

void MapPicture(TBitmap& bitmap, const TRect& area, const TBitmap& picture, TPoint p0, TPoint p1,
                TPoint p3, int firstRow) {
    const int width = picture.Width(), height = picture.Height();
    if (width < 3 || height < 3 || picture.PixelFormat() != TPixelFormat::pf32bit)
        return;
    const double ax = double(p3.X) - p0.X, ay = double(p3.Y) - p0.Y;
    const double bx = double(p1.X) - p0.X, by = double(p1.Y) - p0.Y;
    const double det = ax * by - ay * bx;
    if (det == 0)
        return;
    // The parallelogram's bounding box inside the area.
    const int64_t cornersX[4] = {p0.X, p1.X, p3.X, int64_t(p1.X) + p3.X - p0.X};
    const int64_t cornersY[4] = {p0.Y, p1.Y, p3.Y, int64_t(p1.Y) + p3.Y - p0.Y};
    const int x0 = int(std::max<int64_t>(area.Left, *std::min_element(cornersX, cornersX + 4)));
    const int x1 =
        int(std::min<int64_t>(area.Right, *std::max_element(cornersX, cornersX + 4) + 1));
    const int y0 = int(std::max<int64_t>(area.Top, *std::min_element(cornersY, cornersY + 4)));
    const int y1 =
        int(std::min<int64_t>(area.Bottom, *std::max_element(cornersY, cornersY + 4) + 1));
    if (x0 >= x1 || y0 >= y1)
        return;
    const TColour key = PicturePixel(picture, 0, 0);
    // Picture position per screen pixel: the inverse of P0 + (u / width) A + (v / height) B.
    const double uPerX = by / det * width, uPerY = -bx / det * width;
    const double vPerX = -ay / det * height, vPerY = ax / det * height;
    static thread_local std::vector<TColour> row;
    row.resize(size_t(x1 - x0));
    for (int y = y0; y < y1; ++y) {
        ReadRow(bitmap, y - firstRow, x0, x1 - x0, row.data());
        const double dy = double(y) - p0.Y, dx0 = double(x0) - p0.X;
        double u = dx0 * uPerX + dy * uPerY, v = dx0 * vPerX + dy * vPerY;
        for (int x = x0; x < x1; ++x, u += uPerX, v += vPerX) {
            const double ru = std::floor(u + 0.5), rv = std::floor(v + 0.5);
            if (ru < 1 || ru >= width - 1 || rv < 1 || rv >= height - 1)
                continue;
            const TColour nearest = PicturePixel(picture, int(ru), int(rv));
            if (nearest != key)
                row[size_t(x - x0)] = Smoothed(picture, u, v, nearest, key);
        }
        WriteRow(bitmap, y - firstRow, x0, x1 - x0, row.data());
    }
}

namespace {

// The picture over the polygon's bounding rectangle, within the drawing and the band.
void MapDecoration(TDrawObject& target, const void* data, const TPoint* points, int count) {
    TRect bounds{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (int i = 1; i < count; ++i) {
        bounds.Left = std::min(bounds.Left, points[i].X);
        bounds.Top = std::min(bounds.Top, points[i].Y);
        bounds.Right = std::max(bounds.Right, points[i].X);
        bounds.Bottom = std::max(bounds.Bottom, points[i].Y);
    }
    if (bounds.Right < 0 || bounds.Bottom < 0 || bounds.Width() <= 0 || bounds.Height() <= 0)
        return;
    // Only the part that lies in the drawing and the band is read and written back.
    const TCanvas& canvas = target.Canvas();
    const TRect clip = WithinBand(canvas.ClipRect(), canvas.Band);
    TRect area{std::max(bounds.Left, clip.Left), std::max(bounds.Top, clip.Top),
               int(std::min<int64_t>(bounds.Right, int64_t(clip.Right) + 1)),
               int(std::min<int64_t>(bounds.Bottom, int64_t(clip.Bottom) + 1))};
    if (area.Width() > 0 && area.Height() > 0)
        MapPicture(target.Canvas().Bitmap(), area, *static_cast<const TBitmap*>(data), points[0],
                   points[1], points[3], canvas.FirstRow);
}

} // namespace

void DrawDecoration(TDrawObject& target, int detailLevel, const std::string& pictureFile,
                    const TPoint* points, int count) {
    if (count < 4)
        return;
    if (detailLevel >= 2) {
        if (const TBitmap* picture = CachedPicture(pictureFile)) {
            target.DrawWith(MapDecoration, picture, points, count);
            return;
        }
    }
    target.MoveTo(points[0].X, points[0].Y);
    target.LineTo(points[2].X, points[2].Y);
    target.MoveTo(points[1].X, points[1].Y);
    target.LineTo(points[3].X, points[3].Y);
}

void ClearDecorationPictures() {
    const std::lock_guard<std::mutex> hold(Cache().Lock);
    Cache().Pictures.clear();
}
