#include "render/Studs.h"

#include "render/DrawContext.h"
#include "render/DrawObject.h"

namespace {

// O1 .. O8 around the centre, then T1 .. T8 raised by StudUp.
struct TStudPoints {
    TPoint O[8], T[8];
};

TStudPoints StudPoints(const TStudMetrics& m, int cx, int cy) {
    int a = m.StudRX, b = m.StudRY, c = m.HalfRX, d = m.HalfRY;
    TStudPoints p;
    p.O[0] = {cx - a, cy + d};
    p.O[1] = {cx - a, cy - d};
    p.O[2] = {cx - c, cy - b};
    p.O[3] = {cx + c, cy - b};
    p.O[4] = {cx + a, cy - d};
    p.O[5] = {cx + a, cy + d};
    p.O[6] = {cx + c, cy + b};
    p.O[7] = {cx - c, cy + b};
    for (int i = 0; i < 8; ++i)
        p.T[i] = {p.O[i].X + m.StudUp.X, p.O[i].Y + m.StudUp.Y};
    return p;
}

void DrawOutlineStud(TDrawObject& target, const TStudPoints& p) {
    const TPoint line[14] = {p.T[0], p.T[1], p.T[2], p.T[3], p.T[4], p.T[5], p.T[6],
                             p.T[7], p.T[0], p.O[0], p.O[7], p.O[6], p.O[5], p.T[5]};
    target.Polyline(line, 13);
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
    switch (context.StudStyle) {
    case StudFull:
        DrawFullStud(target, StudPoints(context.Studs, cx, cy));
        break;
    case StudEllipse:
        DrawEllipseStud(target, context.Studs, cx, cy);
        break;
    default:
        DrawOutlineStud(target, StudPoints(context.Studs, cx, cy));
        break;
    }
}

void DrawTubeRing(TDrawObject& target, const TDrawContext& context, int cx, int cy) {
    TStudPoints p = StudPoints(context.Studs, cx, cy);
    const TPoint ring[9] = {p.O[0], p.O[1], p.O[2], p.O[3], p.O[4], p.O[5], p.O[6], p.O[7], p.O[0]};
    target.Polyline(ring, 8);
}
