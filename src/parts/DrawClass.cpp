#include "parts/DrawClass.h"

#include "base/Error.h"

#include <algorithm>
#include <atomic>

uint64_t NewDrawClassStamp() {
    // Atomic: parts may be read on any thread.
    static std::atomic<uint64_t> last{0};
    return ++last;
}

static void CheckOctant(int octant, const char* operation) {
    if (octant < 0 || octant > 7)
        throw TError(std::string("Illegal octant for ") + operation);
}

static void CheckPointCount(size_t count) {
    if (count > size_t(MaxPolygonPoints))
        throw TError("A polygon can have at most " + std::to_string(MaxPolygonPoints) + " points");
}

void TDrawClass::Assign(const TDrawClass& source) {
    if (this == &source)
        return;
    BBX = source.BBX;
    BBY = source.BBY;
    BBZ = source.BBZ;
    Polygons = source.Polygons;
    DrawOrder = source.DrawOrder;
    RotOffsets = source.RotOffsets;
    TopStudPolygon = source.TopStudPolygon;
    TopStuds = source.TopStuds;
    BottomStudPolygon = source.BottomStudPolygon;
    BottomStuds = source.BottomStuds;
    // Tubes sit on their polygon; without a usable polygon they keep their own Z.
    if (IsPolygon(BottomStudPolygon) && !Polygons[size_t(BottomStudPolygon)].Points.empty())
        for (TPoint3& tube : BottomStuds)
            tube.Z = FirstPointZ(BottomStudPolygon);
    FileName = source.FileName;
    PartName = source.PartName;
    HighlightPolygon = source.HighlightPolygon;
    PartVariant = source.PartVariant;
    BitmapFile = source.BitmapFile;
    BitmapPolygon = source.BitmapPolygon;
    Modified = source.Modified;
    Stamp = NewDrawClassStamp();
}

int32_t TDrawClass::FirstPointZ(int poly) const {
    if (!IsPolygon(poly) || Polygons[size_t(poly)].Points.empty())
        return 0;
    return Polygons[size_t(poly)].Points[0].Z;
}

TPolygon& TDrawClass::CheckedPolygon(int poly) {
    if (!IsPolygon(poly))
        throw TError("Illegal polygon index");
    return Polygons[size_t(poly)];
}

const TPolygon& TDrawClass::CheckedPolygon(int poly) const {
    if (!IsPolygon(poly))
        throw TError("Illegal polygon index");
    return Polygons[size_t(poly)];
}

static void CheckPointIndex(const TPolygon& polygon, int i) {
    if (i < 0 || i >= int(polygon.Points.size()))
        throw TError("Illegal point index");
}

int TDrawClass::GetPointCount(int poly) const {
    return int(CheckedPolygon(poly).Points.size());
}

TPoint3 TDrawClass::GetPoint(int poly, int i) const {
    const TPolygon& polygon = CheckedPolygon(poly);
    CheckPointIndex(polygon, i);
    return polygon.Points[size_t(i)];
}

void TDrawClass::SetPoint(int poly, int i, const TPoint3& p) {
    TPolygon& polygon = CheckedPolygon(poly);
    CheckPointIndex(polygon, i);
    polygon.Points[size_t(i)] = p;
    MarkEdited();
}

void TDrawClass::InsertPoint(int poly, int i, const TPoint3& p) {
    TPolygon& polygon = CheckedPolygon(poly);
    CheckPointIndex(polygon, i);
    CheckPointCount(polygon.Points.size() + 1);
    polygon.Points.insert(polygon.Points.begin() + i, p);
    MarkEdited();
}

void TDrawClass::DeletePoint(int poly, int i) {
    TPolygon& polygon = CheckedPolygon(poly);
    CheckPointIndex(polygon, i);
    polygon.Points.erase(polygon.Points.begin() + i);
    MarkEdited();
}

int32_t TDrawClass::GetEdgeFlags(int poly) const {
    return CheckedPolygon(poly).EdgeFlags;
}

void TDrawClass::SetEdgeFlags(int poly, int32_t value) {
    CheckedPolygon(poly).EdgeFlags = value;
    MarkEdited();
}

int32_t TDrawClass::GetDetail(int poly) const {
    return CheckedPolygon(poly).Detail;
}

void TDrawClass::SetDetail(int poly, int32_t value) {
    CheckedPolygon(poly).Detail = value;
    MarkEdited();
}

int32_t TDrawClass::GetPolyColour(int poly) const {
    return CheckedPolygon(poly).PolyColour;
}

void TDrawClass::SetPolyColour(int poly, int32_t value) {
    CheckedPolygon(poly).PolyColour = value;
    MarkEdited();
}

int TDrawClass::GetDrawCount(int octant) const {
    CheckOctant(octant, "GetDrawCount");
    return DrawOrder[size_t(octant)].Count();
}

void TDrawClass::SetDrawCount(int octant, int n) {
    CheckOctant(octant, "SetDrawCount");
    std::vector<int32_t>& items = DrawOrder[size_t(octant)].Items;
    if (int(items.size()) > n)
        items.resize(size_t(std::max(n, 0)));
    MarkEdited();
}

int32_t TDrawClass::GetDrawOrder(int octant, int i) const {
    CheckOctant(octant, "GetDrawOrder");
    const TIntegerList& order = DrawOrder[size_t(octant)];
    if (i < 0 || i >= order.Count())
        throw TError("Illegal face index for GetDrawOrder");
    return order.Get(i);
}

void TDrawClass::SetDrawOrder(int octant, int i, int32_t poly) {
    CheckOctant(octant, "SetDrawOrder");
    if (i < 0 || i >= MaxDrawOrderLength)
        throw TError("Illegal face index for SetDrawOrder");
    DrawOrder[size_t(octant)].SetItem(i, poly);
    MarkEdited();
}

void TDrawClass::AddPolygon(const std::vector<TPoint3>& points) {
    CheckPointCount(points.size());
    TPolygon polygon;
    polygon.Points = points;
    Polygons.push_back(std::move(polygon));
    for (TIntegerList& order : DrawOrder)
        order.Add(PolygonCount() - 1);
    MarkEdited();
}

void TDrawClass::CopyPolygon(int poly) {
    TPolygon copy = CheckedPolygon(poly);
    Polygons.push_back(std::move(copy));
    for (TIntegerList& order : DrawOrder)
        order.Add(PolygonCount() - 1);
    MarkEdited();
}

void TDrawClass::DeletePolygon(int poly) {
    CheckedPolygon(poly);
    // Every entry of the polygon goes: a second one left behind would name its successor.
    for (TIntegerList& order : DrawOrder) {
        std::erase(order.Items, poly);
        for (int32_t& entry : order.Items)
            if (entry > poly)
                --entry;
    }
    if (poly == TopStudPolygon) {
        TopStudPolygon = -1;
        TopStuds.clear();
    } else if (poly == BottomStudPolygon) {
        BottomStudPolygon = -1;
        BottomStuds.clear();
    }
    if (TopStudPolygon > poly)
        --TopStudPolygon;
    if (BottomStudPolygon > poly)
        --BottomStudPolygon;
    // The picture stays on its own polygon rather than moving to the next one.
    if (BitmapPolygon == poly)
        BitmapPolygon = -1;
    else if (BitmapPolygon > poly)
        --BitmapPolygon;
    Polygons.erase(Polygons.begin() + poly);
    MarkEdited();
}

void TDrawClass::SetBoundingBox(int32_t x, int32_t y, int32_t z) {
    BBX = x;
    BBY = y;
    BBZ = z;
    MarkEdited();
}
