#include "base/PolygonRegion.h"
#include "model/Block.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "render/BoxCorners.h"
#include "render/DrawContext.h"
#include "render/StudWindow.h"
#include "render/Studs.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/DrawBrick.h"

#include <span>

namespace {

// The three visible faces in painter's order, or the silhouette with the visible edges.
void DrawBoxOctant(const TBlock& brick, TDrawObject& target, int octant) {
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    TBoxCorners c = ProjectBoxCorners(context.View, brick, octant);
    if (context.Shaded) {
        // The X side (C, Cy, Cyz, Cz) first in even octants, the Y side (C, Cx, Cxz, Cz) in
        // odd ones, then the top, then the other side.
        const bool odd = (octant & 1) != 0;
        const TPoint faces[3][4] = {{c.C, odd ? c.Cx : c.Cy, odd ? c.Cxz : c.Cyz, c.Cz},
                                    {c.C, c.Cx, c.Cxy, c.Cy},
                                    {c.C, odd ? c.Cy : c.Cx, odd ? c.Cyz : c.Cxz, c.Cz}};
        const TColour colours[3] = {TColour(odd ? context.FaceColour1 : context.FaceColour2),
                                    TColour(context.FaceColour3),
                                    TColour(odd ? context.FaceColour2 : context.FaceColour1)};
        // Cz to C closes both sides; C to Cx opens the Y side and the top.
        const uint32_t redrawn = 1u << 3 | (odd ? 1u << 0 : 1u << 4);
        target.Quads(faces, colours, 3, redrawn);
        canvas.Brush.Colour = TColour(context.FaceColour3); // studs and rings take the top
        return;
    }
    TPoint silhouette[6];
    BoxSilhouette(c, silhouette);
    target.Polygon(silhouette, 5);
    const TPoint nearEdges[3] = {c.Cx, c.C, c.Cy};
    target.Polyline(nearEdges, 2);
    const TPoint verticalEdge[2] = {c.C, c.Cz};
    target.Polyline(verticalEdge, 1);
}

// Projected centres gathered and drawn a batch at a time, in the order added, so that the
// per-stud work of the drawing target is paid once per batch.
class TCentreBatch {
public:
    using TDrawAt = void(TDrawObject&, const TDrawContext&, const TPoint*, int);
    TCentreBatch(TDrawObject& target, const TDrawContext& context, TDrawAt* drawAt)
        : Target(target), Context(context), DrawAt(drawAt) {}
    TCentreBatch(const TCentreBatch&) = delete;
    TCentreBatch& operator=(const TCentreBatch&) = delete;

    void Add(TPoint centre) {
        Centres[Count++] = centre;
        if (Count == Capacity)
            Flush();
    }
    void Flush() {
        if (Count > 0)
            DrawAt(Target, Context, Centres, Count);
        Count = 0;
    }

private:
    static constexpr int Capacity = 64;
    TDrawObject& Target;
    const TDrawContext& Context;
    TDrawAt* DrawAt;
    // Left uninitialised: clearing 64 points for every brick cost more than its few studs.
    union {
        TPoint Centres[Capacity];
    };
    int Count = 0;
};

} // namespace

void TBlockDrawer::DrawOctant(TDrawObject& target, int octant) {
    DrawBoxOctant(Brick, target, octant);
}

void TBlockDrawer::DrawStuds(TDrawObject& target) {
    const TDrawContext& context = DrawContextOf(target);
    int octant = context.View.Octant;
    if (octant >= 4)
        return;
    double baseX = double(Brick.X) + 10, baseY = double(Brick.Y) + 10, z = double(Brick.FarZ());
    TStudWindow window = StudWindowFor(target, context, Brick, baseX, baseY, z, true);
    int iFirst = 0, iLast = Brick.SX / 20 - 1;
    window.Columns(iFirst, iLast);
    // Back to front: i falls in octants 0 and 1, j rises in octants 0 and 3.
    bool iDown = octant <= 1;
    bool jUp = octant == 0 || octant == 3;
    TCentreBatch batch(target, context, DrawStudsAt);
    for (int n = 0; n <= iLast - iFirst; ++n) {
        int i = iDown ? iLast - n : iFirst + n;
        int jFirst = 0, jLast = Brick.SY / 20 - 1;
        window.Rows(i, jFirst, jLast);
        for (int m = 0; m <= jLast - jFirst; ++m) {
            int j = jUp ? jFirst + m : jLast - m;
            batch.Add(ProjectPoint(context.View, baseX + 20.0 * i, baseY + 20.0 * j, z));
        }
    }
    batch.Flush();
}

void TBlockDrawer::DrawUnderside(TDrawObject& target) {
    const TDrawContext& context = DrawContextOf(target);
    TStudWindow window = StudWindowFor(target, context, Brick, Brick.X, Brick.Y, Brick.Z, false);
    int iFirst = 1, iLast = Brick.SX / 20 - 1;
    window.Columns(iFirst, iLast);
    TCentreBatch batch(target, context, DrawTubeRingsAt);
    for (int i = iFirst; i <= iLast; ++i) {
        int jFirst = 1, jLast = Brick.SY / 20 - 1;
        window.Rows(i, jFirst, jLast);
        for (int j = jFirst; j <= jLast; ++j)
            batch.Add(ProjectPoint(context.View, double(Brick.X) + 20.0 * i,
                                   double(Brick.Y) + 20.0 * j, Brick.Z));
    }
    batch.Flush();
}

bool BrickHitTest(const TBlock& brick, const TDrawContext& context, int x, int y) {
    TPoint silhouette[6];
    BoxSilhouette(ProjectBoxCorners(context.View, brick, context.View.Octant), silhouette);
    TRegionPoint region[6];
    for (int i = 0; i < 6; ++i)
        region[i] = {silhouette[i].X, silhouette[i].Y};
    return PointInPolygonRegion(std::span<const TRegionPoint>(region, 6), x, y);
}

bool DrawBoxNearestFirst(const TBlock& brick, TDrawObject& target) {
    if (!PrepareNearestFirst(brick, target))
        return false;
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    TFastDraw* surface = target.FastSurface();
    TBlockDrawer drawer(brick);
    // The studs drawn forwards come after the faces, which leave opaque writers. Each stud
    // outline is one pen colour, so their own order does not matter.
    surface->SetBlending(false);
    DrawStudsOrUnderside(drawer, brick, target, context);
    DrawForOctant(drawer, target, context.View.Octant);
    ResetAfterDraw(canvas, context);
    return true;
}

void TBlockDrawer::Draw(TDrawObject& target) {
    if (Brick.SX == 0)
        return;
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    PrepareBrickPaint(Brick, canvas, context);
    DrawForOctant(*this, target, context.View.Octant);
    DrawStudsOrUnderside(*this, Brick, target, context);
    ResetAfterDraw(canvas, context);
}
