#pragma once
// A part definition: flat polygons in part-local units with a painter's order per octant,
// studs, tubes, bounding box, turn offsets and an optional decoration picture.

#include "parts/IntegerList.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct TPoint3 {
    int32_t X = 0, Y = 0, Z = 0;
    bool operator==(const TPoint3&) const = default;
};

struct TPolygon {
    std::vector<TPoint3> Points; // at most MaxPolygonPoints
    int32_t EdgeFlags = 1;
    int32_t Detail = 0;
    int32_t PolyColour = 0;
};

constexpr int MaxPolygonPoints = 100; // the size of the drawing buffers

// A number no definition has had before in this process.
uint64_t NewDrawClassStamp();

class TDrawClass {
public:
    TDrawClass() = default;
    // Reads File:Part from the part-definition files; raises their errors.
    TDrawClass(const std::string& file, const std::string& part);
    TDrawClass(const TDrawClass& source) { Assign(source); }
    TDrawClass& operator=(const TDrawClass& source) {
        Assign(source);
        return *this;
    }
    // Copies everything; the tubes take the Z of their polygon's first point.
    void Assign(const TDrawClass& source);

    int32_t BBX = 0, BBY = 0, BBZ = 0;
    std::vector<TPolygon> Polygons;
    std::array<TIntegerList, 8> DrawOrder;
    std::array<std::array<int32_t, 2>, 4> RotOffsets{};
    // 0 after construction, as the files expect ("TS=1,0" means no studs).
    int32_t TopStudPolygon = 0;
    std::vector<TPoint3> TopStuds;
    int32_t BottomStudPolygon = 0;
    std::vector<TPoint3> BottomStuds;
    std::string FileName, PartName;
    int32_t HighlightPolygon = -1;
    int32_t PartVariant = 0;
    std::string BitmapFile;
    int32_t BitmapPolygon = -1;
    bool Modified = false;
    // Renewed by every edit and unlike any other definition's, even one made where a deleted one
    // lay, so that what the drawing works out from a definition can tell when it is stale.
    uint64_t Stamp = NewDrawClassStamp();

    // Marks the definition unsaved and renews its stamp.
    void MarkEdited() {
        Modified = true;
        Stamp = NewDrawClassStamp();
    }

    int PolygonCount() const { return int(Polygons.size()); }
    bool IsPolygon(int poly) const { return poly >= 0 && poly < PolygonCount(); }
    // The Z of the first point of a polygon; 0 when there is no such polygon or point.
    int32_t FirstPointZ(int poly) const;

    // Polygon queries and edits; index errors raise TError and change nothing.
    int GetPointCount(int poly) const;
    TPoint3 GetPoint(int poly, int i) const;
    void SetPoint(int poly, int i, const TPoint3& p);
    void InsertPoint(int poly, int i, const TPoint3& p);
    void DeletePoint(int poly, int i);
    int32_t GetEdgeFlags(int poly) const;
    void SetEdgeFlags(int poly, int32_t value);
    int32_t GetDetail(int poly) const;
    void SetDetail(int poly, int32_t value);
    int32_t GetPolyColour(int poly) const;
    void SetPolyColour(int poly, int32_t value);

    // Draw orders.
    int GetDrawCount(int octant) const;
    void SetDrawCount(int octant, int n);
    int32_t GetDrawOrder(int octant, int i) const;
    void SetDrawOrder(int octant, int i, int32_t poly);

    void AddPolygon(const std::vector<TPoint3>& points);
    void CopyPolygon(int poly);
    void DeletePolygon(int poly);
    void SetBoundingBox(int32_t x, int32_t y, int32_t z);

    // Studs and tubes.
    void FindTopPolygon();
    void FindBottomPolygon();
    void AutoStuds(int nx, int ny);
    void ClearTopStuds();

    // Painter's order of one octant's list (farther polygons first), or of all eight. Each pass
    // moves a farther polygon one place forward; a list already near its order needs few, so
    // the passes may be limited for large meshes.
    void PainterSort(int octant, size_t maxPasses = SIZE_MAX);
    void PainterSortAll();
    // Fills every octant's order with the polygons that face its viewer, then sorts them.
    void BuildDrawOrders();

private:
    TPolygon& CheckedPolygon(int poly);
    const TPolygon& CheckedPolygon(int poly) const;
};

// Longest draw order SetDrawOrder will grow to; a typed position beyond it is refused.
constexpr int MaxDrawOrderLength = 100000;

// In the per-edge outline mode (EdgeFlags neither 0 nor 1): edge k, from point k to the next,
// is drawn when k is below 31 and bit k + 1 of the flags is clear.
inline bool EdgeIsOutlined(int32_t edgeFlags, int k) {
    return k >= 0 && k < 31 && (uint32_t(edgeFlags) & (1u << (k + 1))) == 0;
}

// True when polygon points face the viewer of the octant for some view within it.
bool FacesOctant(const std::vector<TPoint3>& points, int octant);
