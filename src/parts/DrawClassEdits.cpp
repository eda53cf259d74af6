#include "parts/DrawClassEdits.h"

#include "base/Error.h"
#include "parts/DrawClass.h"

#include <algorithm>
#include <utility>

namespace {
// Wrapping sums: absurd coordinates from a file give absurd points, not a fault.
int32_t Plus(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) + uint32_t(b));
}

int32_t Minus(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) - uint32_t(b));
}

int32_t& Coordinate(TPoint3& p, int axis) {
    return axis == 0 ? p.X : axis == 1 ? p.Y : p.Z;
}

int32_t& Extent(TDrawClass& d, int axis) {
    return axis == 0 ? d.BBX : axis == 1 ? d.BBY : d.BBZ;
}

// The two axes a coordinate swap about an axis exchanges.
std::pair<int, int> SwappedAxes(TAxis axis) {
    switch (axis) {
    case TAxis::X:
        return {1, 2};
    case TAxis::Y:
        return {0, 2};
    default:
        return {0, 1};
    }
}

TPolygon& CheckedPolygon(TDrawClass& d, int poly) {
    if (!d.IsPolygon(poly))
        throw TError("Illegal polygon index");
    return d.Polygons[size_t(poly)];
}

void Mirror(TDrawClass& d, TAxis axis, TPolygon* only) {
    int k = int(axis);
    bool any = false;
    int32_t largest = 0;
    for (TPolygon& polygon : d.Polygons)
        for (TPoint3& p : polygon.Points) {
            largest = any ? std::max(largest, Coordinate(p, k)) : Coordinate(p, k);
            any = true;
        }
    if (!any)
        return;
    if (axis == TAxis::X)
        largest = int32_t((int64_t(largest) + 19) / 20 * 20);
    for (TPolygon& polygon : d.Polygons)
        if (!only || only == &polygon)
            for (TPoint3& p : polygon.Points)
                Coordinate(p, k) = Minus(largest, Coordinate(p, k));
    d.MarkEdited();
    d.PainterSortAll();
}

void SwapPoint(TPoint3& p, std::pair<int, int> axes) {
    std::swap(Coordinate(p, axes.first), Coordinate(p, axes.second));
}
} // namespace

void MirrorPolygon(TDrawClass& d, TAxis axis, int poly) {
    Mirror(d, axis, &CheckedPolygon(d, poly));
}

void MirrorAll(TDrawClass& d, TAxis axis) {
    Mirror(d, axis, nullptr);
}

void RotatePolygon(TDrawClass& d, TAxis axis, int poly) {
    TPolygon& polygon = CheckedPolygon(d, poly);
    TPoint3 low{32000, 32000, 32000}, high{-32000, -32000, -32000};
    for (const TPoint3& p : polygon.Points) {
        low = {std::min(low.X, p.X), std::min(low.Y, p.Y), std::min(low.Z, p.Z)};
        high = {std::max(high.X, p.X), std::max(high.Y, p.Y), std::max(high.Z, p.Z)};
    }
    auto middle = [](int32_t a, int32_t b) { return int32_t(a + (int64_t(b) - a) / 2); };
    TPoint3 centre{middle(low.X, high.X), middle(low.Y, high.Y), middle(low.Z, high.Z)};
    auto axes = SwappedAxes(axis);
    for (TPoint3& p : polygon.Points) {
        TPoint3 offset{Minus(p.X, centre.X), Minus(p.Y, centre.Y), Minus(p.Z, centre.Z)};
        SwapPoint(offset, axes);
        p = {Plus(offset.X, centre.X), Plus(offset.Y, centre.Y), Plus(offset.Z, centre.Z)};
    }
    d.MarkEdited();
    d.PainterSortAll();
}

void RotateAll(TDrawClass& d, TAxis axis) {
    auto axes = SwappedAxes(axis);
    for (TPolygon& polygon : d.Polygons)
        for (TPoint3& p : polygon.Points)
            SwapPoint(p, axes);
    std::swap(Extent(d, axes.first), Extent(d, axes.second));
    d.MarkEdited();
    d.PainterSortAll();
}

void ScaleShape(TDrawClass& d, TScaleStep step) {
    bool horizontal = step == TScaleStep::XYTimes2 || step == TScaleStep::XYHalf;
    bool doubling = step == TScaleStep::XYTimes2 || step == TScaleStep::ZTimes2;
    auto scale = [doubling](int32_t& v) { v = doubling ? int32_t(uint32_t(v) * 2u) : v / 2; };
    for (TPolygon& polygon : d.Polygons)
        for (TPoint3& p : polygon.Points) {
            if (horizontal) {
                scale(p.X);
                scale(p.Y);
            } else {
                scale(p.Z);
            }
        }
    if (horizontal) {
        scale(d.BBX);
        scale(d.BBY);
    } else {
        scale(d.BBZ);
    }
    d.MarkEdited();
}

int ExtendPolygon(TDrawClass& d, int poly, int32_t distance) {
    std::vector<TPoint3> points = CheckedPolygon(d, poly).Points;
    if (points.empty())
        return 0;
    for (int axis = 0; axis < 3; ++axis) {
        bool flat = std::all_of(points.begin(), points.end(), [&](TPoint3 p) {
            return Coordinate(p, axis) == Coordinate(points[0], axis);
        });
        if (!flat)
            continue;
        for (size_t k = 0; k < points.size(); ++k) {
            TPoint3 a = points[k], b = points[(k + 1) % points.size()];
            TPoint3 farA = a, farB = b;
            Coordinate(farA, axis) = Plus(Coordinate(farA, axis), distance);
            Coordinate(farB, axis) = Plus(Coordinate(farB, axis), distance);
            d.AddPolygon({a, b, farB, farA});
        }
        return int(points.size());
    }
    return 0;
}

void StretchShape(TDrawClass& d, const TSizes& oldSize, const TSizes& newSize) {
    for (TPolygon& polygon : d.Polygons)
        for (TPoint3& p : polygon.Points)
            for (int axis = 0; axis < 3; ++axis) {
                int32_t& v = Coordinate(p, axis);
                if (v > oldSize[size_t(axis)] / 2)
                    v = Plus(v, Minus(newSize[size_t(axis)], oldSize[size_t(axis)]));
            }
    d.SetBoundingBox(newSize[0], newSize[1], newSize[2]);
    d.MarkEdited();
}

int32_t ToggleEdgeMark(int32_t edgeFlags, int k) {
    if (k < 0 || k > 30)
        return edgeFlags;
    uint32_t flags = (uint32_t(edgeFlags) & ~1u) ^ (1u << (k + 1));
    return flags <= 1 ? 1 : int32_t(flags);
}

bool EdgeMarkTicked(int32_t edgeFlags, int k) {
    bool perEdge = (edgeFlags & 1) == 0;
    bool hidden = k >= 0 && k < 31 && (uint32_t(edgeFlags) & (1u << (k + 1))) != 0;
    return !(perEdge && hidden);
}

int32_t ToggleBorder(int32_t edgeFlags) {
    return (edgeFlags & 1) != 0 ? -2 : 1;
}

int32_t ToggleTransparency(int32_t polyColour) {
    constexpr int32_t White = 0xFFFFFF;
    if (polyColour == 0)
        return -White;
    // Negated without overflow: the most negative value stays as it is.
    int32_t toggled = int32_t(0u - uint32_t(polyColour));
    return toggled == White ? 0 : toggled;
}

int32_t PolygonListNumber(const TDrawClass& d, int poly) {
    return (d.GetEdgeFlags(poly) & 1) != 0 ? poly + 1 : -(poly + 1);
}

bool InsertIntoDrawOrder(TDrawClass& d, int octant, int position, int poly) {
    if (octant < 0 || octant > 7 || !d.IsPolygon(poly))
        throw TError("Illegal octant or polygon for the draw order");
    std::vector<int32_t>& order = d.DrawOrder[size_t(octant)].Items;
    if (std::find(order.begin(), order.end(), poly) != order.end())
        return false;
    position = std::clamp(position, 0, int(order.size()));
    order.insert(order.begin() + position, poly);
    d.MarkEdited();
    return true;
}

void MoveInDrawOrder(TDrawClass& d, int octant, int from, int to) {
    if (octant < 0 || octant > 7)
        throw TError("Illegal octant for the draw order");
    std::vector<int32_t>& order = d.DrawOrder[size_t(octant)].Items;
    if (from < 0 || from >= int(order.size()))
        return;
    int32_t poly = order[size_t(from)];
    order.erase(order.begin() + from);
    to = std::clamp(to, 0, int(order.size()));
    order.insert(order.begin() + to, poly);
    d.MarkEdited();
}

void RemoveFromDrawOrder(TDrawClass& d, int octant, int position) {
    if (octant < 0 || octant > 7)
        throw TError("Illegal octant for the draw order");
    std::vector<int32_t>& order = d.DrawOrder[size_t(octant)].Items;
    if (position < 0 || position >= int(order.size()))
        return;
    order.erase(order.begin() + position);
    d.MarkEdited();
}
