// The faces of the window frame, in the brick frame of its turn (front on the +Y side).

#include "model/BlockKinds.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/WindowPaint.h"

namespace {

using enum TFaceClass;

// Frame corner and extents as reals, for the polygon tables.
struct TBox {
    double X, Y, Z, SX, SY, SZ;
};

TBox FrameBox() {
    const TTurnFrame& f = WindowPaint().Frame;
    return {double(f.X), double(f.Y), double(f.Z), double(f.SX), double(f.SY), double(f.SZ)};
}

// A side wall at px, notched under the sill; its top at z + sz, or z + sz - 2 inside.
void SideProfile(TDrawObject& target, double px, bool inner) {
    TBox b = FrameBox();
    double top = b.Z + b.SZ - (inner ? 2 : 0), front = b.Y + b.SY;
    FramePolygon(target, Class1,
                 {{px, b.Y, b.Z},
                  {px, front, b.Z},
                  {px, front, b.Z + 2},
                  {px, front - 2, b.Z + 4},
                  {px, front - 2, b.Z + 6},
                  {px, front, b.Z + 6},
                  {px, front, top},
                  {px, b.Y, top}});
}

} // namespace

void TWindowDrawer::WindowBack(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.X + b.SX, top = b.Z + b.SZ;
    FramePolygon(target, Class2,
                 {{b.X, b.Y, b.Z},
                  {b.X + 2, b.Y, b.Z},
                  {b.X + 2, b.Y, top - 2},
                  {right - 2, b.Y, top - 2},
                  {right - 2, b.Y, b.Z},
                  {right, b.Y, b.Z},
                  {right, b.Y, top},
                  {b.X, b.Y, top}});
}

void TWindowDrawer::WindowLeftOuter(TDrawObject& target) {
    SideProfile(target, FrameBox().X, false);
}

void TWindowDrawer::WindowLeftInner(TDrawObject& target) {
    SideProfile(target, FrameBox().X + 2, true);
}

void TWindowDrawer::WindowRightOuter(TDrawObject& target) {
    TBox b = FrameBox();
    SideProfile(target, b.X + b.SX, false);
}

void TWindowDrawer::WindowRightInner(TDrawObject& target) {
    TBox b = FrameBox();
    SideProfile(target, b.X + b.SX - 2, true);
}

void TWindowDrawer::WindowBottom(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.X + b.SX, front = b.Y + b.SY;
    FramePolygon(target, Class3,
                 {{b.X, b.Y, b.Z},
                  {b.X, front, b.Z},
                  {right, front, b.Z},
                  {right, b.Y, b.Z},
                  {right - 2, b.Y, b.Z},
                  {right - 2, front - 3, b.Z},
                  {b.X + 2, front - 3, b.Z},
                  {b.X + 2, b.Y, b.Z}});
}

void TWindowDrawer::WindowSillSlope(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.X + b.SX, front = b.Y + b.SY;
    FramePolygon(target, Class5,
                 {{b.X, front, b.Z + 2},
                  {right, front, b.Z + 2},
                  {right, front - 2, b.Z + 4},
                  {b.X, front - 2, b.Z + 4}});
}

void TWindowDrawer::WindowExtra1(TDrawObject&) {}

void TWindowDrawer::WindowSillTop(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.X + b.SX, front = b.Y + b.SY;
    FramePolygon(target, Class3,
                 {{b.X + 2, front - 3, b.Z + 8},
                  {right - 2, front - 3, b.Z + 8},
                  {right - 2, front, b.Z + 8},
                  {b.X + 2, front, b.Z + 8}});
}

void TWindowDrawer::WindowSillStep(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.X + b.SX, front = b.Y + b.SY;
    FramePolygon(target, Class3,
                 {{b.X, front - 3, b.Z + 6},
                  {right, front - 3, b.Z + 6},
                  {right, front, b.Z + 6},
                  {b.X, front, b.Z + 6}});
}

void TWindowDrawer::WindowSillBack(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.X + b.SX, front = b.Y + b.SY;
    FramePolygon(target, Class2,
                 {{b.X + 2, front - 3, b.Z + 8},
                  {right - 2, front - 3, b.Z + 8},
                  {right - 2, front - 3, b.Z},
                  {b.X + 2, front - 3, b.Z}});
}

void TWindowDrawer::WindowTop(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.X + b.SX, front = b.Y + b.SY, top = b.Z + b.SZ;
    FramePolygon(target, Class3,
                 {{b.X, b.Y, top}, {right, b.Y, top}, {right, front, top}, {b.X, front, top}});
}

void TWindowDrawer::WindowLintel(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.X + b.SX, front = b.Y + b.SY, under = b.Z + b.SZ - 2;
    FramePolygon(target, Class3,
                 {{b.X + 2, b.Y, under},
                  {right - 2, b.Y, under},
                  {right - 2, front, under},
                  {b.X + 2, front, under}});
}

void TWindowDrawer::WindowInset(TDrawObject&) {}

void TWindowDrawer::WindowSillRiser(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.X + b.SX, riser = b.Y + b.SY - 2;
    FramePolygon(target, Class2,
                 {{b.X, riser, b.Z + 4},
                  {right, riser, b.Z + 4},
                  {right, riser, b.Z + 6},
                  {b.X, riser, b.Z + 6}});
}

void TWindowDrawer::WindowFront(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.X + b.SX, front = b.Y + b.SY, top = b.Z + b.SZ;
    FramePolygon(target, Class2,
                 {{b.X, front, b.Z + 6},
                  {b.X + 2, front, b.Z + 6},
                  {b.X + 2, front, top - 2},
                  {right - 2, front, top - 2},
                  {right - 2, front, b.Z + 6},
                  {right, front, b.Z + 6},
                  {right, front, top},
                  {b.X, front, top}});
    FramePolygon(
        target, Class2,
        {{b.X, front, b.Z}, {b.X, front, b.Z + 2}, {right, front, b.Z + 2}, {right, front, b.Z}});
    FramePolygon(target, Class2,
                 {{b.X + 2, front, b.Z + 8},
                  {right - 2, front, b.Z + 8},
                  {right - 2, front, b.Z + 6},
                  {b.X + 2, front, b.Z + 6}});
}

// The pane is glass whatever the brick is: blended in the glass colour even on an opaque brick
// and in wireframe mode.
void TWindowDrawer::WindowGlass(TDrawObject& target) {
    const TWindowPaint& paint = WindowPaint();
    TBox b = FrameBox();
    double right = b.X + b.SX, pane = b.Y + b.SY - 2, top = b.Z + b.SZ - 2;
    TPoint screen[MaxFramePoints];
    int n = ProjectFramePoints(DrawContextOf(target).View, paint.Frame,
                               {{b.X + 2, pane, b.Z + 8},
                                {right - 2, pane, b.Z + 8},
                                {right - 2, pane, top},
                                {b.X + 2, pane, top}},
                               screen);
    TCanvas& canvas = target.Canvas();
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    canvas.Pen.Colour = paint.Glass;
    canvas.Brush.Colour = paint.Glass;
    canvas.Brush.Style = TBrushStyle::bsDiagCross;
    target.Polygon(screen, n - 1);
    canvas.Pen = pen;
    canvas.Brush = brush;
}
