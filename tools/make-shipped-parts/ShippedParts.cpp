// The geometry of the shipped parts. Draw orders and studs come from the core's own operations,
// never from hand.

#include "ShippedParts.h"

#include "parts/PartFile.h"
#include "raster/Bitmap.h"
#include "raster/PictureFiles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {
struct TPoint2 {
    int32_t A = 0, B = 0;
};

std::array<int64_t, 3> Normal(const std::vector<TPoint3>& points) {
    std::array<int64_t, 3> n{};
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint3& a = points[i];
        const TPoint3& b = points[(i + 1) % points.size()];
        n[0] += int64_t(a.Y - b.Y) * (a.Z + b.Z);
        n[1] += int64_t(a.Z - b.Z) * (a.X + b.X);
        n[2] += int64_t(a.X - b.X) * (a.Y + b.Y);
    }
    return n;
}

// Adds a face wound so that its normal points along outward; returns its index.
int Face(TDrawClass& d, std::vector<TPoint3> points, TPoint3 outward, int32_t edgeFlags = 1) {
    std::array<int64_t, 3> n = Normal(points);
    if (n[0] * outward.X + n[1] * outward.Y + n[2] * outward.Z < 0)
        std::reverse(points.begin(), points.end());
    d.AddPolygon(points);
    d.Polygons.back().EdgeFlags = edgeFlags;
    return d.PolygonCount() - 1;
}

// A solid standing on an outline in the X, Y plane (counter-clockwise from above).
void Prism(TDrawClass& d, const std::vector<TPoint2>& outline, int32_t z0, int32_t z1,
           int32_t sideEdgeFlags = 1) {
    std::vector<TPoint3> top, bottom;
    for (const TPoint2& p : outline) {
        top.push_back({p.A, p.B, z1});
        bottom.push_back({p.A, p.B, z0});
    }
    Face(d, top, {0, 0, 1});
    Face(d, bottom, {0, 0, -1});
    for (size_t i = 0; i < outline.size(); ++i) {
        TPoint2 a = outline[i], b = outline[(i + 1) % outline.size()];
        Face(d, {{a.A, a.B, z0}, {b.A, b.B, z0}, {b.A, b.B, z1}, {a.A, a.B, z1}},
             {b.B - a.B, a.A - b.A, 0}, sideEdgeFlags);
    }
}

// A solid made by sliding a Y, Z profile (counter-clockwise, Y right, Z up) from x0 to x1.
void ExtrudeX(TDrawClass& d, const std::vector<TPoint2>& profile, int32_t x0, int32_t x1,
              const std::vector<bool>& smooth = {}) {
    std::vector<TPoint3> near, far;
    for (const TPoint2& p : profile) {
        near.push_back({x0, p.A, p.B});
        far.push_back({x1, p.A, p.B});
    }
    Face(d, near, {-1, 0, 0});
    Face(d, far, {1, 0, 0});
    for (size_t i = 0; i < profile.size(); ++i) {
        TPoint2 a = profile[i], b = profile[(i + 1) % profile.size()];
        bool soft = i < smooth.size() && smooth[i];
        Face(d, {{x0, a.A, a.B}, {x1, a.A, a.B}, {x1, b.A, b.B}, {x0, b.A, b.B}},
             {0, b.B - a.B, a.A - b.A}, soft ? 0 : 1);
    }
}

std::vector<TPoint2> Circle(double cx, double cy, double radius, int sides) {
    std::vector<TPoint2> points;
    for (int k = 0; k < sides; ++k) {
        double angle = 2 * std::numbers::pi * k / sides;
        points.push_back({int32_t(std::lround(cx + radius * std::cos(angle))),
                          int32_t(std::lround(cy + radius * std::sin(angle)))});
    }
    return points;
}

TDrawClass Named(const std::string& file, const std::string& part, int32_t bbx, int32_t bby,
                 int32_t bbz) {
    TDrawClass d;
    d.FileName = file;
    d.PartName = part;
    d.SetBoundingBox(bbx, bby, bbz);
    return d;
}

// Stud polygons are the flat top and bottom; studs come from AutoStuds where the grid fits.
void Finish(TDrawClass& d, int nx, int ny) {
    d.FindTopPolygon();
    d.FindBottomPolygon();
    d.AutoStuds(nx, ny);
    d.BuildDrawOrders();
}

TDrawClass Brick(const std::string& file, const std::string& part, int nx, int ny, int32_t h) {
    TDrawClass d = Named(file, part, 20 * nx, 20 * ny, h);
    Prism(d, {{0, 0}, {20 * nx, 0}, {20 * nx, 20 * ny}, {0, 20 * ny}}, 0, h);
    Finish(d, nx, ny);
    return d;
}

TDrawClass Corner() {
    TDrawClass d = Named("parts.dat", "corner2x2", 40, 40, 24);
    Prism(d, {{0, 0}, {40, 0}, {40, 20}, {20, 20}, {20, 40}, {0, 40}}, 0, 24);
    Finish(d, 2, 2);
    return d;
}

// A tile without studs whose top has three grooves across it.
TDrawClass GrilleTile() {
    TDrawClass d = Named("parts.dat", "grille1x2", 20, 40, 8);
    ExtrudeX(d,
             {{0, 0},
              {40, 0},
              {40, 8},
              {32, 8},
              {32, 6},
              {28, 6},
              {28, 8},
              {22, 8},
              {22, 6},
              {18, 6},
              {18, 8},
              {12, 8},
              {12, 6},
              {8, 6},
              {8, 8},
              {0, 8}},
             0, 20);
    Finish(d, 1, 2);
    return d;
}

// One brick high, legs one stud long, an elliptic opening between them.
TDrawClass Arch() {
    TDrawClass d = Named("parts.dat", "arch1x4", 20, 80, 24);
    std::vector<TPoint2> profile = {{0, 0}, {20, 0}};
    std::vector<bool> smooth = {false};
    for (int k = 1; k < 8; ++k) {
        double angle = std::numbers::pi * (1 - k / 8.0);
        profile.push_back({int32_t(std::lround(40 + 20 * std::cos(angle))),
                           int32_t(std::lround(16 * std::sin(angle)))});
        smooth.push_back(true);
    }
    smooth.push_back(true);
    profile.insert(profile.end(), {{60, 0}, {80, 0}, {80, 24}, {0, 24}});
    ExtrudeX(d, profile, 0, 20, smooth);
    d.RotOffsets = {{{-1, 1}, {1, -1}, {-1, 1}, {1, -1}}};
    Finish(d, 1, 4);
    return d;
}

// Facetted sides drawn without outlines so that the part looks round.
TDrawClass Cone() {
    TDrawClass d = Named("parts.dat", "cone1x1", 20, 20, 24);
    std::vector<TPoint2> bottom = Circle(10, 10, 10, 12), top = Circle(10, 10, 6, 12);
    std::vector<TPoint3> topFace, bottomFace;
    for (size_t k = 0; k < top.size(); ++k) {
        topFace.push_back({top[k].A, top[k].B, 24});
        bottomFace.push_back({bottom[k].A, bottom[k].B, 0});
    }
    Face(d, topFace, {0, 0, 1});
    Face(d, bottomFace, {0, 0, -1});
    for (size_t k = 0; k < top.size(); ++k) {
        size_t n = (k + 1) % top.size();
        TPoint2 mid = Circle(10, 10, 10, 24)[2 * k + 1];
        Face(d,
             {{bottom[k].A, bottom[k].B, 0},
              {bottom[n].A, bottom[n].B, 0},
              {top[n].A, top[n].B, 24},
              {top[k].A, top[k].B, 24}},
             {mid.A - 10, mid.B - 10, 0}, 0);
    }
    d.FindTopPolygon();
    d.FindBottomPolygon();
    d.TopStuds = {{10, 10, 24}};
    d.BuildDrawOrders();
    return d;
}

TDrawClass RoundPlate() {
    TDrawClass d = Named("parts.dat", "round2x2", 40, 40, 8);
    Prism(d, Circle(20, 20, 20, 16), 0, 8, 0);
    d.FindTopPolygon();
    d.FindBottomPolygon();
    d.TopStuds = {{10, 10, 8}, {10, 30, 8}, {30, 10, 8}, {30, 30, 8}};
    d.BottomStuds = {{20, 20, 0}};
    d.BuildDrawOrders();
    return d;
}
// A 2 x 2 tile without studs whose top carries the picture face.bmp. The picture's X axis runs
// from the first point of the top to its last, so the picture is stored transposed.
TDrawClass DecoratedTile() {
    TDrawClass d = Named("parts.dat", "facetile2x2", 40, 40, 8);
    Prism(d, {{0, 0}, {40, 0}, {40, 40}, {0, 40}}, 0, 8);
    Finish(d, 2, 2);
    d.TopStuds.clear();
    d.BitmapPolygon = d.TopStudPolygon;
    d.BitmapFile = "face.bmp";
    return d;
}

// A lantern: a base in the brick's colour, a yellow see-through pane and a dark grey cap.
TDrawClass Lantern() {
    TDrawClass d = Named("parts.dat", "lantern1x1", 20, 20, 24);
    Prism(d, {{0, 0}, {20, 0}, {20, 20}, {0, 20}}, 0, 8);
    size_t pane = d.Polygons.size();
    Prism(d, Circle(10, 10, 8, 8), 8, 20);
    size_t cap = d.Polygons.size();
    Prism(d, {{0, 0}, {20, 0}, {20, 20}, {0, 20}}, 20, 24);
    for (size_t i = pane; i < cap; ++i)
        d.Polygons[i].PolyColour = -0x80FFFF; // RGB(255, 255, 128), see-through
    for (size_t i = cap; i < d.Polygons.size(); ++i)
        d.Polygons[i].PolyColour = 0x404040;
    Finish(d, 1, 1);
    return d;
}

// Two studs long with a curved top: the facets of the curve outline only their ends, so the
// curve looks smooth from the side and keeps its outline at both ends.
TDrawClass CurvedTop() {
    TDrawClass d = Named("parts.dat", "curve2x1", 40, 20, 24);
    std::vector<TPoint2> profile = {{0, 0}, {20, 0}, {20, 12}};
    for (int k = 1; k < 6; ++k) {
        double angle = std::numbers::pi * k / 6;
        profile.push_back({int32_t(std::lround(10 + 10 * std::cos(angle))),
                           int32_t(std::lround(12 + 12 * std::sin(angle)))});
    }
    profile.push_back({0, 12});
    ExtrudeX(d, profile, 0, 40);
    // Side faces follow the two end faces in profile order; the curve starts at edge 2.
    constexpr int32_t EndsOnly = 1 << 1 | 1 << 3; // hides edges 0 and 2, the lengthwise ones
    for (size_t edge = 2; edge + 1 < profile.size(); ++edge)
        d.Polygons[2 + edge].EdgeFlags = EndsOnly;
    d.FindTopPolygon();
    d.FindBottomPolygon();
    d.BuildDrawOrders();
    return d;
}
} // namespace

// The decoration picture of facetile2x2: a yellow face on the transparent magenta, transposed.
std::unique_ptr<TBitmap> ShippedFacePicture() {
    constexpr int Size = 32;
    auto picture = std::make_unique<TBitmap>(Size, Size);
    for (int v = 0; v < Size; ++v)
        for (int u = 0; u < Size; ++u) {
            // (x, y) as the picture is seen: x to the right, y down.
            double x = v - 15.5, y = u - 15.5, r = std::hypot(x, y);
            bool eye = std::hypot(std::fabs(x) - 5, y + 4) < 2.2;
            bool mouth = r > 7 && r < 9.5 && y > 3;
            TColour colour = 0xFF00FF;
            if (r < 13.5)
                colour = eye || mouth ? 0x1B2A34 : 0x2FCDF5;
            else if (r < 15)
                colour = 0x1B2A34;
            picture->SetPixel(u, v, colour);
        }
    return picture;
}

std::vector<TDrawClass> ShippedParts() {
    std::vector<TDrawClass> parts;
    parts.push_back(Brick("parts.dat", "stdblock", 2, 2, 24));
    parts.push_back(GrilleTile());
    parts.push_back(Corner());
    parts.push_back(Arch());
    parts.push_back(Cone());
    parts.push_back(RoundPlate());
    parts.push_back(DecoratedTile());
    parts.push_back(Lantern());
    parts.push_back(CurvedTop());
    parts.push_back(Brick("template.dat", "template", 1, 2, 24));
    return parts;
}
