// A general block draws the polygons of its part definition in the definition's order for the
// local octant, each lit by its own plane, then the studs or tubes the definition lists.

#include "model/GeneralBlock.h"
#include "raster/DrawObject.h"
#include "render/Decoration.h"
#include "render/DrawContext.h"
#include "render/Shading.h"
#include "render/Studs.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/FaceList.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>

namespace {

constexpr TColour ColourPureRed = 0x0000FF;
constexpr TColour ColourOlive = 0x008080;
// How many polygons ahead of the one drawn to fetch points for; the polygons twice as far.
constexpr size_t FetchDistance = 2;

TPoint3 Turned(const TGeneralBlock& block, const TDrawClass& d, const TPoint3& p) {
    return TurnPartPoint(p, block.Turn, d.BBX, d.BBY);
}

// A turned part point moved to the brick's position, on screen.
TPoint ProjectTurned(const TViewState& view, const TGeneralBlock& block, const TPoint3& t) {
    return ProjectPoint(view, double(block.X) + t.X, double(block.Y) + t.Y, double(block.Z) + t.Z);
}

// |L.n| / (|L| |n|) / 4 + 0.8 for the plane through three points, at most 1; 0 when the normal
// or the light is null, and the polygon keeps its colour.
float PlaneLightFactor(const std::array<int32_t, 3>& light, const TPoint3& a, const TPoint3& b,
                       const TPoint3& c) {
    const double ux = double(b.X) - a.X, uy = double(b.Y) - a.Y, uz = double(b.Z) - a.Z;
    const double vx = double(c.X) - a.X, vy = double(c.Y) - a.Y, vz = double(c.Z) - a.Z;
    const double n[3] = {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
    double dot = 0, lightSquare = 0, normalSquare = 0;
    for (int i = 0; i < 3; ++i) {
        dot += double(light[size_t(i)]) * n[i];
        lightSquare += double(light[size_t(i)]) * light[size_t(i)];
        normalSquare += n[i] * n[i];
    }
    if (lightSquare == 0 || normalSquare == 0)
        return 0;
    return float(std::min(
        std::fabs(dot) / (std::sqrt(lightSquare) * std::sqrt(normalSquare)) / 4 + 0.8, 1.0));
}

// The 0.6 edge of the fill colour; black and blue bricks keep their lighter edge colour.
TColour ShadedEdge(const TCanvas& canvas, TDrawContext& context) {
    int32_t fill = int32_t(canvas.Brush.Colour);
    bool keepsEdge = fill == context.Colours.ColourBlack || fill == context.Colours.ColourBlue;
    return TColour(
        context.ScaledColours.Scale(keepsEdge ? int32_t(canvas.Pen.Colour) : fill, 0.6f));
}

// Brush and pen for polygon i: the highlight, a fixed or see-through colour, or the brick's.
void SetPolygonColours(TCanvas& canvas, const TDrawClass& d, int i, const TPolygon& polygon) {
    if (i == d.HighlightPolygon) {
        canvas.Pen.Colour = ColourPureRed;
        canvas.Brush.Colour = ColourOlive;
        canvas.Brush.Style = TBrushStyle::bsSolid;
        return;
    }
    if (polygon.PolyColour == 0)
        return;
    bool clear = canvas.Brush.Style == TBrushStyle::bsClear;
    // Negated without overflow: the most negative value from a file stays a colour value.
    TColour colour = polygon.PolyColour < 0 ? TColour(0u - uint32_t(polygon.PolyColour))
                                            : TColour(polygon.PolyColour);
    canvas.Brush.Colour = colour;
    if (polygon.PolyColour < 0)
        canvas.Brush.Style = TBrushStyle::bsDiagCross;
    if (clear) {
        canvas.Pen.Colour = colour;
        canvas.Brush.Style = TBrushStyle::bsClear;
    }
}

// Filled, then outlined as the edge flags say: 0 none, 1 all, else edge k unless bit k + 1.
// Nearest first the outlined edges, all in one pen, come before the fill.
void FillAndOutline(TDrawObject& target, const TPoint* screen, int n, int32_t edgeFlags,
                    bool nearestFirst) {
    TCanvas& canvas = target.Canvas();
    if (canvas.Brush.Style == TBrushStyle::bsClear)
        edgeFlags = 1;
    if (edgeFlags == 1) {
        target.Polygon(screen, n - 1);
        return;
    }
    const TColour pen = canvas.Pen.Colour;
    const auto edges = [&] {
        if (edgeFlags == 0)
            return;
        canvas.Pen.Colour = pen;
        for (int k = 0; k < std::min(31, n); ++k)
            if (EdgeIsOutlined(edgeFlags, k)) {
                target.MoveTo(screen[k].X, screen[k].Y);
                const TPoint& next = screen[(k + 1) % n];
                target.LineTo(next.X, next.Y);
            }
    };
    if (nearestFirst)
        edges();
    canvas.Pen.Colour = canvas.Brush.Colour;
    target.Polygon(screen, n - 1);
    if (!nearestFirst)
        edges();
}

// Whether every polygon drawn at the detail level is filled solid and bears no decoration, so
// that the part may be drawn nearest first.
bool DrawnOpaquely(const TDrawClass& d, int detail) {
    for (size_t i = 0; i < d.Polygons.size(); ++i) {
        const bool highlight = int(i) == d.HighlightPolygon;
        if (d.Polygons[i].Detail <= detail && !highlight &&
            (d.Polygons[i].PolyColour < 0 || int(i) == d.BitmapPolygon))
            return false;
    }
    return true;
}

void DrawPartPolygon(const TGeneralBlock& block, const TDrawClass& d, int i, TDrawObject& target,
                     TDrawContext& context, int detail, bool nearestFirst = false) {
    const TPolygon& polygon = d.Polygons[size_t(i)];
    const int n = int(polygon.Points.size());
    if (n == 0 || n > MaxPolygonPoints)
        return;
    // Room for the most points a polygon may have, left unset: setting it all for each of a
    // large part's small polygons would cost as much as turning their points.
    alignas(TPoint) std::byte room[sizeof(TPoint) * MaxPolygonPoints];
    TPoint* const screen = reinterpret_cast<TPoint*>(room);
    TPoint3 plane[3];
    for (int k = 0; k < n; ++k) {
        TPoint3 t = Turned(block, d, polygon.Points[size_t(k)]);
        if (k < 3)
            plane[k] = t;
        std::construct_at(screen + k, ProjectTurned(context.View, block, t));
    }
    // Nearest first, a polygon behind what is drawn already costs no walk over its rows.
    if (nearestFirst && HiddenFace(*target.FastSurface(), screen, n))
        return;
    TCanvas& canvas = target.Canvas();
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    SetPolygonColours(canvas, d, i, polygon);
    if (context.Shaded) {
        if (!block.Selected)
            canvas.Pen.Colour = ShadedEdge(canvas, context);
        if (n > 2) {
            float factor = PlaneLightFactor(context.Light, plane[0], plane[1], plane[2]);
            if (factor > 0)
                canvas.Brush.Colour =
                    TColour(context.ScaledColours.Scale(int32_t(canvas.Brush.Colour), factor));
        }
    }
    FillAndOutline(target, screen, n, polygon.EdgeFlags, nearestFirst);
    canvas.Pen = pen;
    canvas.Brush = brush;
    if (i == d.BitmapPolygon && i != d.HighlightPolygon)
        DrawDecoration(target, detail, d.BitmapFile, screen, n);
}

} // namespace

TGeneralBlockDrawer::TGeneralBlockDrawer(const TGeneralBlock& block)
    : TBlockDrawer(block), Block(block) {}

void TGeneralBlockDrawer::Draw(TDrawObject& target) {
    if (Block.SX == 0 || !Block.Definition)
        return;
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    PrepareBrickStyle(Block, canvas, context);
    const TDrawClass& d = *Block.Definition;
    // Wireframe mode shows no details, however it was switched on.
    const int detail = context.WireFrame ? 0 : context.DetailLevel;
    const std::vector<int32_t>& order =
        d.DrawOrder[size_t(LocalOctant(context.View.Octant, Block.Turn))].Items;
    for (size_t j = 0; j < order.size(); ++j) {
        // A large part's polygons come all over the list in painter's order, their points
        // scattered on the heap: fetching the polygons a little ahead, and then their points,
        // keeps from waiting on memory.
        if (j + 2 * FetchDistance < order.size() && d.IsPolygon(order[j + 2 * FetchDistance]))
            __builtin_prefetch(&d.Polygons[size_t(order[j + 2 * FetchDistance])]);
        if (j + FetchDistance < order.size() && d.IsPolygon(order[j + FetchDistance]))
            __builtin_prefetch(d.Polygons[size_t(order[j + FetchDistance])].Points.data());
        const int32_t poly = order[j];
        if (d.IsPolygon(poly) && d.Polygons[size_t(poly)].Detail <= detail)
            DrawPartPolygon(Block, d, poly, target, context, detail);
    }
    DrawStudsOrUnderside(*this, Block, target, context);
    ResetAfterDraw(canvas, context);
}

bool TGeneralBlockDrawer::DrawNearestFirst(TDrawObject& target) {
    if (!Block.Definition || !PrepareNearestFirst(Block, target))
        return false;
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    // The pen and brush the polygons start from, as Draw prepares them.
    PrepareBrickStyle(Block, canvas, context);
    const TDrawClass& d = *Block.Definition;
    const int detail = context.DetailLevel; // never wireframe here
    if (!DrawnOpaquely(d, detail))
        return false;
    // The studs or tube rings come after the polygons, each of which leaves the paint as it
    // found it and opaque writers.
    target.FastSurface()->SetBlending(false);
    const TBrickPaint start = PaintOf(canvas);
    DrawStudsOrUnderside(*this, Block, target, context);
    canvas.Pen = start.Pen;
    canvas.Brush = start.Brush;
    const std::vector<int32_t>& order =
        d.DrawOrder[size_t(LocalOctant(context.View.Octant, Block.Turn))].Items;
    for (size_t j = order.size(); j-- > 0;) {
        if (j >= 2 * FetchDistance && d.IsPolygon(order[j - 2 * FetchDistance]))
            __builtin_prefetch(&d.Polygons[size_t(order[j - 2 * FetchDistance])]);
        if (j >= FetchDistance && d.IsPolygon(order[j - FetchDistance]))
            __builtin_prefetch(d.Polygons[size_t(order[j - FetchDistance])].Points.data());
        const int32_t poly = order[j];
        if (d.IsPolygon(poly) && d.Polygons[size_t(poly)].Detail <= detail)
            DrawPartPolygon(Block, d, poly, target, context, detail, true);
    }
    ResetAfterDraw(canvas, context);
    return true;
}

void TGeneralBlockDrawer::DrawStuds(TDrawObject& target) {
    if (!Block.Definition)
        return;
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    if (context.Shading && !Block.Selected) {
        canvas.Pen.Colour = ShadedEdge(canvas, context);
        context.FaceColour3 = ScaleColour(int32_t(canvas.Brush.Colour), context.LightFactor[2]);
        canvas.Brush.Colour = TColour(context.FaceColour3);
    }
    for (const TPoint3& stud : Block.Definition->TopStuds) {
        TPoint centre = ProjectTurned(context.View, Block, Turned(Block, *Block.Definition, stud));
        DrawStud(target, context, centre.X, centre.Y);
    }
}

void TGeneralBlockDrawer::DrawUnderside(TDrawObject& target) {
    if (!Block.Definition)
        return;
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    if (context.Shading) {
        canvas.Pen.Colour = ShadedEdge(canvas, context);
        canvas.Brush.Colour =
            TColour(ScaleColour(int32_t(canvas.Brush.Colour), context.LightFactor[2]));
    }
    for (const TPoint3& tube : Block.Definition->BottomStuds) {
        TPoint centre = ProjectTurned(context.View, Block, Turned(Block, *Block.Definition, tube));
        DrawTubeRing(target, context, centre.X, centre.Y);
    }
}
