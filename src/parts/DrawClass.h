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

class TDrawClass {
public:
    TDrawClass();
    TDrawClass(const TDrawClass& source) { Assign(source); }
    TDrawClass& operator=(const TDrawClass& source) {
        Assign(source);
        return *this;
    }
    void Assign(const TDrawClass& source);

    int32_t BBX = 0, BBY = 0, BBZ = 0;
    std::vector<TPolygon> Polygons;
    std::array<TIntegerList, 8> DrawOrder;
    std::array<std::array<int32_t, 2>, 4> RotOffsets{};
    int32_t TopStudPolygon = -1;
    std::vector<TPoint3> TopStuds;
    int32_t BottomStudPolygon = -1;
    std::vector<TPoint3> BottomStuds;
    std::string FileName, PartName;
    int32_t HighlightPolygon = -1;
    int32_t PartVariant = 0;
    std::string BitmapFile;
    int32_t BitmapPolygon = -1;
    bool Modified = false;

    int PolygonCount() const { return int(Polygons.size()); }
};
