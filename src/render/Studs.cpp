#include "render/Studs.h"

#include "raster/DrawObject.h"
#include "render/DrawContext.h"

namespace {

// O1 .. O8 around the centre, then T1 .. T8 raised by StudUp.
struct TStudPoints {
    TPoint O[8], T[8];
};

void FillStudPoints(const TStudMetrics& m, int cx, int cy, TStudPoints& p) {
    int a = m.StudRX, b = m.StudRY, c = m.HalfRX, d = m.HalfRY;
    int ux = m.StudUp.X, uy = m.StudUp.Y;
    const int dx[8] = {-a, -a, -c, c, a, a, c, -c};
    const int dy[8] = {d, -d, -b, -b, -d, d, b, b};
    for (int i = 0; i < 8; ++i) {
        p.O[i].X = cx + dx[i];
        p.O[i].Y = cy + dy[i];
        p.T[i].X = p.O[i].X + ux;
        p.T[i].Y = p.O[i].Y + uy;
    }
}

// Drawn as one shape around the centres: every stud of a frame has the same outline, so a
// raster surface works its pixels out once.
void DrawOutlineStuds(TDrawObject& target, const TStudMetrics& m, const TPoint* centres,
                      int count) {
    TStudPoints p;
    FillStudPoints(m, 0, 0, p);
    const TPoint line[14] = {p.T[0], p.T[1], p.T[2], p.T[3], p.T[4], p.T[5], p.T[6],
                             p.T[7], p.T[0], p.O[0], p.O[7], p.O[6], p.O[5], p.T[5]};
    target.PolylineAtEach(line, 13, centres, count);
}

void RingShape(const TStudMetrics& m, TPoint ring[9]) {
    TStudPoints p;
    FillStudPoints(m, 0, 0, p);
    for (int i = 0; i < 8; ++i)
        ring[i] = p.O[i];
    ring[8] = p.O[0];
}

void DrawFullStud(TDrawObject& target, const TStudPoints& p) {
    const TPoint side[12] = {p.O[0], p.O[1], p.O[2], p.O[3], p.O[4], p.T[4],
                             p.O[4], p.O[5], p.O[6], p.O[7], p.O[0], p.T[0]};
    target.Polyline(side, 11);
    const TPoint top[9] = {p.T[0], p.T[1], p.T[2], p.T[3], p.T[4], p.T[5], p.T[6], p.T[7], p.T[0]};
    target.Polygon(top, 8);
}

void DrawEllipseStud(TDrawObject& target, const TStudMetrics& m, int cx, int cy) {
    int a = m.StudRX, b = m.StudRY, ux = m.StudUp.X, uy = m.StudUp.Y;
    TCanvas& canvas = target.Canvas();
    target.Ellipse(cx - a, cy - b, cx + a + 1, cy + b);
    TColour pen = canvas.Pen.Colour;
    canvas.Pen.Colour = canvas.Brush.Colour;
    target.Rectangle(cx - a + ux + 1, cy + uy, cx + a - 1, cy);
    canvas.Pen.Colour = pen;
    target.Ellipse(cx - a + ux, cy - b + uy, cx + a + ux + 1, cy + b + uy);
    target.Line(cx - a + ux, cy + uy, cx - a + ux, cy);
    target.Line(cx + a, cy + uy, cx + a, cy);
}

} // namespace

void DrawStud(TDrawObject& target, const TDrawContext& context, int cx, int cy) {
    if (context.StudStyle == StudEllipse) {
        DrawEllipseStud(target, context.Studs, cx, cy);
        return;
    }
    if (context.StudStyle != StudFull) {
        const TPoint centre{cx, cy};
        DrawOutlineStuds(target, context.Studs, &centre, 1);
        return;
    }
    TStudPoints p;
    FillStudPoints(context.Studs, cx, cy, p);
    DrawFullStud(target, p);
}

void DrawStudsAt(TDrawObject& target, const TDrawContext& context, const TPoint* centres,
                 int count) {
    if (context.StudStyle != StudFull && context.StudStyle != StudEllipse) {
        DrawOutlineStuds(target, context.Studs, centres, count);
        return;
    }
    for (int k = 0; k < count; ++k)
        DrawStud(target, context, centres[k].X, centres[k].Y);
}

void DrawTubeRing(TDrawObject& target, const TDrawContext& context, int cx, int cy) {
    const TPoint centre{cx, cy};
    DrawTubeRingsAt(target, context, &centre, 1);
}

void DrawTubeRingsAt(TDrawObject& target, const TDrawContext& context, const TPoint* centres,
                     int count) {
    TPoint ring[9];
    RingShape(context.Studs, ring);
    target.PolylineAtEach(ring, 8, centres, count);
}
