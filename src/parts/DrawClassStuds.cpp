#include "base/Error.h"
#include "base/PolygonRegion.h"
#include "parts/DrawClass.h"

#include <algorithm>
#include <optional>

// The common Z of a polygon whose points are all at one height; none for a sloped or empty one.
static std::optional<int32_t> FlatZ(const TPolygon& polygon) {
    if (polygon.Points.empty())
        return std::nullopt;
    int32_t z = polygon.Points[0].Z;
    for (const TPoint3& p : polygon.Points)
        if (p.Z != z)
            return std::nullopt;
    return z;
}

// The flat polygon with the greatest (or smallest) Z, the first found on ties; -1 when none.
static int FlatPolygon(const TDrawClass& d, bool highest) {
    int found = -1;
    int32_t best = 0;
    for (int i = 0; i < d.PolygonCount(); ++i) {
        std::optional<int32_t> z = FlatZ(d.Polygons[size_t(i)]);
        if (z && (found < 0 || (highest ? *z > best : *z < best))) {
            best = *z;
            found = i;
        }
    }
    return found;
}

void TDrawClass::FindTopPolygon() {
    if (int found = FlatPolygon(*this, true); found >= 0)
        TopStudPolygon = found;
    MarkEdited();
}

void TDrawClass::FindBottomPolygon() {
    if (int found = FlatPolygon(*this, false); found >= 0)
        BottomStudPolygon = found;
    MarkEdited();
}

void TDrawClass::ClearTopStuds() {
    TopStuds.clear();
    MarkEdited();
}

namespace {
constexpr int64_t MaxStudPositions = 1000000;

// A polygon's X, Y outline and the range of its X and Y, for the stud tests.
struct TOutline {
    std::vector<TRegionPoint> Points;
    int64_t MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;

    explicit TOutline(const TPolygon& polygon) {
        for (const TPoint3& p : polygon.Points)
            Points.push_back({p.X, p.Y});
        if (Points.empty())
            return;
        MinX = MaxX = Points[0].X;
        MinY = MaxY = Points[0].Y;
        for (const TRegionPoint& p : Points) {
            MinX = std::min<int64_t>(MinX, p.X);
            MaxX = std::max<int64_t>(MaxX, p.X);
            MinY = std::min<int64_t>(MinY, p.Y);
            MaxY = std::max<int64_t>(MaxY, p.Y);
        }
    }

    // The centre and its four neighbours 7 units away all lie inside.
    bool HoldsCross(int64_t cx, int64_t cy) const {
        const int64_t offsets[5][2] = {{0, 0}, {7, 0}, {-7, 0}, {0, 7}, {0, -7}};
        for (const auto& o : offsets) {
            int64_t x = cx + o[0], y = cy + o[1];
            if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX)
                return false;
            if (!PointInPolygonRegion(Points, int32_t(x), int32_t(y)))
                return false;
        }
        return true;
    }

    // The grid indices from first to last whose cross centre 20k + 10 can lie inside [lo, hi];
    // the others fail anyway, so a huge count costs nothing.
    static std::pair<int64_t, int64_t> Span(int64_t first, int64_t last, int64_t lo, int64_t hi) {
        return {std::max(first, (lo - 10) / 20 - 1), std::min(last, (hi - 10) / 20 + 1)};
    }
};

// Centres of grid cells whose test cross lies inside the outline, i outer and j inner.
std::vector<TPoint3> StudsInside(const TOutline& outline, int64_t first, int nx, int ny,
                                 int64_t offset, int32_t z) {
    std::vector<TPoint3> studs;
    if (outline.Points.empty())
        return studs;
    auto [i0, i1] = TOutline::Span(first, int64_t(nx) - 1, outline.MinX, outline.MaxX);
    auto [j0, j1] = TOutline::Span(first, int64_t(ny) - 1, outline.MinY, outline.MaxY);
    // A polygon from a damaged file may span millions of studs; testing them all would hang.
    if (i1 >= i0 && j1 >= j0 && (i1 - i0 + 1) * (j1 - j0 + 1) > MaxStudPositions)
        throw TError("The stud polygon is too large for automatic studs");
    for (int64_t i = i0; i <= i1; ++i)
        for (int64_t j = j0; j <= j1; ++j)
            if (outline.HoldsCross(20 * i + 10, 20 * j + 10))
                studs.push_back({int32_t(20 * i + offset), int32_t(20 * j + offset), z});
    return studs;
}
} // namespace

void TDrawClass::AutoStuds(int nx, int ny) {
    if (TopStudPolygon < 0)
        return;
    // Everything is worked out before anything changes, so that a refusal changes nothing.
    int top = FlatPolygon(*this, true);
    top = top >= 0 ? top : TopStudPolygon;
    std::vector<TPoint3> topStuds = TopStuds;
    if (IsPolygon(top))
        topStuds = StudsInside(TOutline(Polygons[size_t(top)]), 0, nx, ny, 10, FirstPointZ(top));
    int bottom = BottomStudPolygon;
    std::vector<TPoint3> bottomStuds = BottomStuds;
    if (bottom >= 0) {
        int found = FlatPolygon(*this, false);
        bottom = found >= 0 ? found : bottom;
        if (IsPolygon(bottom))
            bottomStuds =
                StudsInside(TOutline(Polygons[size_t(bottom)]), 1, nx, ny, 0, FirstPointZ(bottom));
    }
    TopStudPolygon = top;
    TopStuds = std::move(topStuds);
    BottomStudPolygon = bottom;
    BottomStuds = std::move(bottomStuds);
    MarkEdited();
}
