#include "exchange/ldraw/shapes/LDrawShape.h"

#include "base/Error.h"
#include "exchange/ldraw/shapes/LDrawColourBook.h"
#include "exchange/ldraw/shapes/LDrawFlatten.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {
using TWhole = std::array<int32_t, 3>;

// Whole units from the corner; never below it, where a point half a unit off would round.
TWhole Rounded(const std::array<double, 3>& p, const std::array<double, 3>& corner) {
    TWhole r;
    for (size_t k = 0; k < 3; ++k)
        r[k] = std::max(int32_t(0), int32_t(std::lround(p[k] - corner[k])));
    return r;
}

TPoint3 PointOf(const TWhole& w) {
    return {w[0], w[1], w[2]};
}

// The box's corner: the whole unit nearest the lowest point along each axis, so that a part
// turned by any angle keeps a box symmetric about its centre.
std::array<double, 3> CornerOf(const TLDrawMesh& mesh) {
    std::array<double, 3> low{}, high{};
    bool any = false;
    auto take = [&](const TLDrawPoint& ldraw) {
        std::array<double, 3> p = ModelAxesOf(ldraw);
        for (size_t k = 0; k < 3; ++k) {
            low[k] = any ? std::min(low[k], p[k]) : p[k];
            high[k] = any ? std::max(high[k], p[k]) : p[k];
        }
        any = true;
    };
    for (const TLDrawFace& face : mesh.Faces)
        for (const TLDrawPoint& p : face.Points)
            take(p);
    for (const TLDrawPoint& p : mesh.TopStuds)
        take(p);
    for (const TLDrawPoint& p : mesh.Tubes)
        take(p);
    if (!any)
        throw TError("has nothing to draw");
    for (size_t k = 0; k < 3; ++k) {
        if (!(std::fabs(low[k]) < 1e6 && std::fabs(high[k]) < 1e6))
            throw TError("lies too far from its origin");
        low[k] = std::round(low[k]);
    }
    return low;
}

// An edge between two points, the same whichever way it runs.
std::array<int32_t, 6> EdgeKey(const TWhole& a, const TWhole& b) {
    const TWhole& first = std::min(a, b);
    const TWhole& second = std::max(a, b);
    return {first[0], first[1], first[2], second[0], second[1], second[2]};
}

// Edge flags: outlined edges are those an edge line lies on.
int32_t EdgeFlagsOf(const std::vector<TWhole>& points,
                    const std::set<std::array<int32_t, 6>>& edges) {
    int32_t hidden = 0;
    bool anyShown = false;
    for (size_t k = 0; k < points.size(); ++k) {
        bool shown = edges.count(EdgeKey(points[k], points[(k + 1) % points.size()])) != 0;
        anyShown = anyShown || shown;
        if (!shown && k < 31)
            hidden |= int32_t(1u << (k + 1));
    }
    if (!anyShown)
        return -2;
    return hidden == 0 ? 1 : hidden;
}

// Passes of the painter's sort after the depth order: enough for the local corrections that
// order leaves, and linear in the polygons of the large meshes of real parts.
constexpr size_t PainterPasses = 48;

// The farthest polygons first for each octant, so the painter's sort has little left to do.
void OrderByDepth(TDrawClass& d, int octant) {
    int q = octant % 4;
    const double side[3] = {q <= 1 ? -1.0 : 1.0, (q == 0 || q == 3) ? 1.0 : -1.0,
                            octant < 4 ? 1.0 : -1.0};
    std::vector<double> depth(d.Polygons.size());
    for (size_t i = 0; i < d.Polygons.size(); ++i) {
        double sum = 0;
        for (const TPoint3& p : d.Polygons[i].Points)
            sum += side[0] * p.X + side[1] * p.Y + side[2] * p.Z;
        depth[i] = sum / double(d.Polygons[i].Points.size());
    }
    std::vector<int32_t>& order = d.DrawOrder[size_t(octant)].Items;
    std::stable_sort(order.begin(), order.end(),
                     [&](int32_t a, int32_t b) { return depth[size_t(a)] < depth[size_t(b)]; });
}

// Studs the part's own stud drawing puts at these points.
std::vector<TPoint3> StudPoints(const std::vector<TLDrawPoint>& points,
                                const std::array<double, 3>& corner) {
    std::vector<TPoint3> studs;
    for (const TLDrawPoint& p : points)
        studs.push_back(PointOf(Rounded(ModelAxesOf(p), corner)));
    return studs;
}

// Turning keeps the box's centre where it was, to the nearest stud.
void SetRotOffsets(TDrawClass& d) {
    long half = std::lround(double(d.BBX - d.BBY) / 40.0);
    for (size_t turn = 0; turn < 4; ++turn) {
        long dx = turn % 2 == 0 ? half : -half;
        d.RotOffsets[turn] = {int32_t(dx), int32_t(-dx)};
    }
}
} // namespace

std::array<double, 3> ModelAxesOf(const std::array<double, 3>& ldraw) {
    return {ldraw[0], -ldraw[2], -ldraw[1]};
}

int32_t PolygonColourOf(const TLDrawColourCode& code, const TLDrawColourBook* book) {
    if (code.Number == 16 && !code.Direct)
        return 0;
    TLDrawColourValue value = ResolveLDrawColour(code, book);
    // 0 would read as the brick's colour and -1 as a colour number in the part file.
    int32_t colour = std::max(value.Colour, int32_t(1));
    if (!value.Transparent)
        return colour;
    return colour == 1 ? -2 : -colour;
}

TLDrawShape MakeLDrawShape(const TLDrawMesh& mesh, const TLDrawColourBook* book,
                           const std::string& partName) {
    TLDrawShape shape;
    TDrawClass& d = *shape.Definition;
    std::array<double, 3> corner;
    try {
        corner = CornerOf(mesh);
    } catch (const TError& e) {
        throw TError("The LDraw part " + partName + " " + e.what());
    }
    std::set<std::array<int32_t, 6>> edges;
    for (const auto& edge : mesh.Edges)
        edges.insert(
            EdgeKey(Rounded(ModelAxesOf(edge[0]), corner), Rounded(ModelAxesOf(edge[1]), corner)));
    std::vector<bool> cullable;
    for (const TLDrawFace& face : mesh.Faces) {
        if (face.Points.size() > size_t(MaxPolygonPoints))
            throw TError("The LDraw part " + partName + " has a polygon of " +
                         std::to_string(face.Points.size()) + " points (at most " +
                         std::to_string(MaxPolygonPoints) + ")");
        std::vector<TWhole> points;
        // Model axes mirror LDraw's, so the winding turns over with them.
        for (auto p = face.Points.rbegin(); p != face.Points.rend(); ++p) {
            TWhole w = Rounded(ModelAxesOf(*p), corner);
            if (points.empty() || points.back() != w)
                points.push_back(w);
        }
        while (points.size() > 1 && points.front() == points.back())
            points.pop_back();
        if (points.size() < 3)
            continue; // rounded away to a line or a point
        TPolygon polygon;
        for (const TWhole& w : points)
            polygon.Points.push_back(PointOf(w));
        polygon.EdgeFlags = EdgeFlagsOf(points, edges);
        polygon.PolyColour = PolygonColourOf(face.Colour, book);
        d.Polygons.push_back(std::move(polygon));
        cullable.push_back(face.Cullable);
    }
    for (const TPolygon& polygon : d.Polygons)
        for (const TPoint3& p : polygon.Points) {
            d.BBX = std::max(d.BBX, p.X);
            d.BBY = std::max(d.BBY, p.Y);
            d.BBZ = std::max(d.BBZ, p.Z);
        }
    d.TopStuds = StudPoints(mesh.TopStuds, corner);
    d.BottomStuds = StudPoints(mesh.Tubes, corner);
    for (const std::vector<TPoint3>* studs : {&d.TopStuds, &d.BottomStuds})
        for (const TPoint3& p : *studs) {
            d.BBX = std::max(d.BBX, p.X);
            d.BBY = std::max(d.BBY, p.Y);
            d.BBZ = std::max(d.BBZ, p.Z);
        }
    if (d.Polygons.empty() && d.TopStuds.empty())
        throw TError("The LDraw part " + partName + " has nothing to draw at this angle");
    // A flat part still needs a box a brick can have.
    d.BBX = std::max(d.BBX, 1), d.BBY = std::max(d.BBY, 1), d.BBZ = std::max(d.BBZ, 1);
    d.TopStudPolygon = d.BottomStudPolygon = -1;
    d.FindTopPolygon();
    d.FindBottomPolygon();
    for (int octant = 0; octant < 8; ++octant) {
        TIntegerList& order = d.DrawOrder[size_t(octant)];
        for (int i = 0; i < d.PolygonCount(); ++i)
            if (!cullable[size_t(i)] || FacesOctant(d.Polygons[size_t(i)].Points, octant))
                order.Add(i);
        OrderByDepth(d, octant);
        d.PainterSort(octant, PainterPasses);
    }
    SetRotOffsets(d);
    for (size_t k = 0; k < 3; ++k)
        shape.Origin[k] = int32_t(-corner[k]);
    d.Modified = false;
    return shape;
}
