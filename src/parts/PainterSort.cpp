#include "base/Error.h"
#include "parts/DrawClass.h"

#include <algorithm>
#include <array>

namespace {
// Where the viewer of an octant stands along X, Y and Z: -1 or +1.
std::array<int, 3> ViewerSide(int octant) {
    int q = octant % 4;
    return {q <= 1 ? -1 : 1, (q == 0 || q == 3) ? 1 : -1, octant < 4 ? 1 : -1};
}

struct TBox {
    std::array<int32_t, 3> Min{}, Max{};
};

TBox BoxOf(const TPolygon& polygon) {
    TBox box;
    if (polygon.Points.empty())
        return box;
    const TPoint3& first = polygon.Points[0];
    box.Min = box.Max = {first.X, first.Y, first.Z};
    for (const TPoint3& p : polygon.Points) {
        std::array<int32_t, 3> v = {p.X, p.Y, p.Z};
        for (size_t k = 0; k < 3; ++k) {
            box.Min[k] = std::min(box.Min[k], v[k]);
            box.Max[k] = std::max(box.Max[k], v[k]);
        }
    }
    return box;
}

// A lies wholly on the viewer's side of B along at least one axis (touching counts).
bool NearerThan(const TBox& a, const TBox& b, const std::array<int, 3>& side) {
    for (size_t k = 0; k < 3; ++k) {
        if (side[k] < 0 ? a.Max[k] <= b.Min[k] : a.Min[k] >= b.Max[k])
            return true;
    }
    return false;
}
} // namespace

void TDrawClass::PainterSort(int octant, size_t maxPasses) {
    if (octant < 0 || octant > 7)
        throw TError("Illegal octant for PainterSort");
    std::array<int, 3> side = ViewerSide(octant);
    std::vector<int32_t>& order = DrawOrder[size_t(octant)].Items;
    std::vector<TBox> boxes;
    for (int32_t poly : order)
        boxes.push_back(IsPolygon(poly) ? BoxOf(Polygons[size_t(poly)]) : TBox());
    size_t n = order.size();
    for (size_t pass = 1; pass < n && pass <= maxPasses; ++pass) {
        bool swapped = false;
        for (size_t j = 0; j + 1 < n; ++j) {
            if (NearerThan(boxes[j], boxes[j + 1], side)) {
                std::swap(order[j], order[j + 1]);
                std::swap(boxes[j], boxes[j + 1]);
                swapped = true;
            }
        }
        // A pass without a swap leaves every later pass nothing to do.
        if (!swapped)
            break;
    }
    MarkEdited();
}

void TDrawClass::PainterSortAll() {
    for (int octant = 0; octant < 8; ++octant)
        PainterSort(octant);
}

bool FacesOctant(const std::vector<TPoint3>& points, int octant) {
    // Newell's normal: points in counter-clockwise order seen from outside give an outward one.
    using Wide = __int128; // exact for any 32-bit coordinates
    std::array<Wide, 3> n{};
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint3& a = points[i];
        const TPoint3& b = points[(i + 1) % points.size()];
        n[0] += (Wide(a.Y) - b.Y) * (Wide(a.Z) + b.Z);
        n[1] += (Wide(a.Z) - b.Z) * (Wide(a.X) + b.X);
        n[2] += (Wide(a.X) - b.X) * (Wide(a.Y) + b.Y);
    }
    // A view anywhere inside the octant sees the face when one axis points it toward the viewer.
    std::array<int, 3> side = ViewerSide(octant);
    for (size_t k = 0; k < 3; ++k)
        if (n[k] * side[k] > 0)
            return true;
    return false;
}

void TDrawClass::BuildDrawOrders() {
    for (int octant = 0; octant < 8; ++octant) {
        TIntegerList& order = DrawOrder[size_t(octant)];
        order.Clear();
        for (int i = 0; i < PolygonCount(); ++i)
            if (FacesOctant(Polygons[size_t(i)].Points, octant))
                order.Add(i);
    }
    PainterSortAll();
}
