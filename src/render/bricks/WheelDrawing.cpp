// The wheel: two disks of hub and tyre segments with a tread between them, drawn in the brick
// frame of its turn.

#include "model/BlockKinds.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/WindowPaint.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int Segments = 12;
constexpr TColour TyreColour = RGB(128, 128, 128);
constexpr TColour TreadColour = RGB(96, 96, 96);

// Cosines and sines of the segment boundaries, 30 degrees apart.
struct TUnitCircle {
    double Cos[Segments + 1], Sin[Segments + 1];
    TUnitCircle() {
        for (int k = 0; k <= Segments; ++k) {
            double angle = k * std::numbers::pi / 6;
            Cos[k] = std::cos(angle);
            Sin[k] = std::sin(angle);
        }
    }
};
const TUnitCircle UnitCircle;

// Centre and radii in the frame; points on a circle are rounded to whole units.
struct TWheelShape {
    double CX, CZ, Rim, Hub;

    explicit TWheelShape(const TTurnFrame& f)
        : CX(double(f.X + f.SX / 2)), CZ(double(f.Z + 28)), Rim(double((3 * f.SX) / 4) / 2),
          Hub(0.65 * Rim) {}
    TWindowPoint At(int k, double radius, double y) const {
        return {std::nearbyint(CX + radius * UnitCircle.Cos[k]), y,
                std::nearbyint(CZ + radius * UnitCircle.Sin[k])};
    }
};

void SetColours(TCanvas& canvas, TColour colour) {
    canvas.Pen.Colour = colour;
    canvas.Brush.Colour = colour;
}

TPoint Project(const TViewState& view, const TTurnFrame& frame, const TWindowPoint& p) {
    return ProjectPoint(view, p.X, p.Y, p.Z, frame.Turn);
}

// The points of a circle at every segment boundary, each projected once though two segments
// share it.
void ProjectCircle(const TViewState& view, const TTurnFrame& frame, const TWheelShape& wheel,
                   double radius, double y, TPoint* out) {
    for (int k = 0; k <= Segments; ++k)
        out[k] = Project(view, frame, wheel.At(k, radius, y));
}

// Segment by segment: the hub triangle in the brick's colours, then its piece of tyre.
void DrawDisk(TDrawObject& target, const TWheelShape& wheel, double y) {
    const TViewState& view = DrawContextOf(target).View;
    const TTurnFrame& frame = WindowPaint().Frame;
    TCanvas& canvas = target.Canvas();
    const TColour pen = canvas.Pen.Colour, brush = canvas.Brush.Colour;
    const TPoint centre = Project(view, frame, {wheel.CX, y, wheel.CZ});
    TPoint hub[Segments + 1], rim[Segments + 1];
    ProjectCircle(view, frame, wheel, wheel.Hub, y, hub);
    ProjectCircle(view, frame, wheel, wheel.Rim, y, rim);
    for (int k = 1; k <= Segments; ++k) {
        const TPoint triangle[] = {centre, hub[k], hub[k - 1]};
        FacePolygon(target, triangle, 3);
        const TPoint tyre[] = {hub[k], rim[k], rim[k - 1], hub[k - 1]};
        SetColours(canvas, TyreColour);
        FacePolygon(target, tyre, 4);
        canvas.Pen.Colour = pen;
        canvas.Brush.Colour = brush;
    }
}

void DrawTread(TDrawObject& target, const TWheelShape& wheel) {
    const TViewState& view = DrawContextOf(target).View;
    const TTurnFrame& frame = WindowPaint().Frame;
    TCanvas& canvas = target.Canvas();
    const TColour pen = canvas.Pen.Colour, brush = canvas.Brush.Colour;
    SetColours(canvas, TreadColour);
    double nearY = double(frame.Y) + 1, farY = double(frame.Y + frame.SY) - 1;
    TPoint nearRim[Segments + 1], farRim[Segments + 1];
    ProjectCircle(view, frame, wheel, wheel.Rim, nearY, nearRim);
    ProjectCircle(view, frame, wheel, wheel.Rim, farY, farRim);
    for (int k = 1; k <= Segments; ++k) {
        const TPoint band[] = {nearRim[k], nearRim[k - 1], farRim[k - 1], farRim[k]};
        FacePolygon(target, band, 4);
    }
    canvas.Pen.Colour = pen;
    canvas.Brush.Colour = brush;
}

// The disk nearer the viewer last: the one at the back (low y) first when the viewer is on
// the front side.
void DrawWheel(TDrawObject& target, bool backFirst) {
    const TTurnFrame& frame = WindowPaint().Frame;
    TWheelShape wheel(frame);
    double back = double(frame.Y) + 2, front = double(frame.Y + frame.SY) - 2;
    DrawDisk(target, wheel, backFirst ? back : front);
    DrawTread(target, wheel);
    DrawDisk(target, wheel, backFirst ? front : back);
}

} // namespace

// The far disk first: the back one in octants 0, 3, 4 and 7.
void TWheelDrawer::DrawOctant(TDrawObject& target, int octant) {
    DrawWheel(target, octant == 0 || octant == 3 || octant == 4 || octant == 7);
}
