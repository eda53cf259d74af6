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
    double x, y, z, sx, sy, sz;
};

TBox FrameBox() {
    const TTurnFrame& f = WindowPaint().Frame;
    return {double(f.X), double(f.Y), double(f.Z), double(f.SX), double(f.SY), double(f.SZ)};
}

// A side wall at px, notched under the sill; its top at z + sz, or z + sz - 2 inside.
void SideProfile(TDrawObject& target, double px, bool inner) {
    TBox b = FrameBox();
    double top = b.z + b.sz - (inner ? 2 : 0), front = b.y + b.sy;
    FramePolygon(target, Class1,
                 {{px, b.y, b.z},
                  {px, front, b.z},
                  {px, front, b.z + 2},
                  {px, front - 2, b.z + 4},
                  {px, front - 2, b.z + 6},
                  {px, front, b.z + 6},
                  {px, front, top},
                  {px, b.y, top}});
}

} // namespace

void TWindowDrawer::WindowBack(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.x + b.sx, top = b.z + b.sz;
    FramePolygon(target, Class2,
                 {{b.x, b.y, b.z},
                  {b.x + 2, b.y, b.z},
                  {b.x + 2, b.y, top - 2},
                  {right - 2, b.y, top - 2},
                  {right - 2, b.y, b.z},
                  {right, b.y, b.z},
                  {right, b.y, top},
                  {b.x, b.y, top}});
}

void TWindowDrawer::WindowLeftOuter(TDrawObject& target) {
    SideProfile(target, FrameBox().x, false);
}

void TWindowDrawer::WindowLeftInner(TDrawObject& target) {
    SideProfile(target, FrameBox().x + 2, true);
}

void TWindowDrawer::WindowRightOuter(TDrawObject& target) {
    TBox b = FrameBox();
    SideProfile(target, b.x + b.sx, false);
}

void TWindowDrawer::WindowRightInner(TDrawObject& target) {
    TBox b = FrameBox();
    SideProfile(target, b.x + b.sx - 2, true);
}

void TWindowDrawer::WindowBottom(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.x + b.sx, front = b.y + b.sy;
    FramePolygon(target, Class3,
                 {{b.x, b.y, b.z},
                  {b.x, front, b.z},
                  {right, front, b.z},
                  {right, b.y, b.z},
                  {right - 2, b.y, b.z},
                  {right - 2, front - 3, b.z},
                  {b.x + 2, front - 3, b.z},
                  {b.x + 2, b.y, b.z}});
}

void TWindowDrawer::WindowSillSlope(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.x + b.sx, front = b.y + b.sy;
    FramePolygon(target, Class5,
                 {{b.x, front, b.z + 2},
                  {right, front, b.z + 2},
                  {right, front - 2, b.z + 4},
                  {b.x, front - 2, b.z + 4}});
}

void TWindowDrawer::WindowExtra1(TDrawObject&) {}

void TWindowDrawer::WindowSillTop(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.x + b.sx, front = b.y + b.sy;
    FramePolygon(target, Class3,
                 {{b.x + 2, front - 3, b.z + 8},
                  {right - 2, front - 3, b.z + 8},
                  {right - 2, front, b.z + 8},
                  {b.x + 2, front, b.z + 8}});
}

void TWindowDrawer::WindowSillStep(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.x + b.sx, front = b.y + b.sy;
    FramePolygon(target, Class3,
                 {{b.x, front - 3, b.z + 6},
                  {right, front - 3, b.z + 6},
                  {right, front, b.z + 6},
                  {b.x, front, b.z + 6}});
}

void TWindowDrawer::WindowSillBack(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.x + b.sx, front = b.y + b.sy;
    FramePolygon(target, Class2,
                 {{b.x + 2, front - 3, b.z + 8},
                  {right - 2, front - 3, b.z + 8},
                  {right - 2, front - 3, b.z},
                  {b.x + 2, front - 3, b.z}});
}

void TWindowDrawer::WindowTop(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.x + b.sx, front = b.y + b.sy, top = b.z + b.sz;
    FramePolygon(target, Class3,
                 {{b.x, b.y, top}, {right, b.y, top}, {right, front, top}, {b.x, front, top}});
}

void TWindowDrawer::WindowLintel(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.x + b.sx, front = b.y + b.sy, under = b.z + b.sz - 2;
    FramePolygon(target, Class3,
                 {{b.x + 2, b.y, under},
                  {right - 2, b.y, under},
                  {right - 2, front, under},
                  {b.x + 2, front, under}});
}

void TWindowDrawer::WindowInset(TDrawObject&) {}

void TWindowDrawer::WindowSillRiser(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.x + b.sx, riser = b.y + b.sy - 2;
    FramePolygon(target, Class2,
                 {{b.x, riser, b.z + 4},
                  {right, riser, b.z + 4},
                  {right, riser, b.z + 6},
                  {b.x, riser, b.z + 6}});
}

void TWindowDrawer::WindowFront(TDrawObject& target) {
    TBox b = FrameBox();
    double right = b.x + b.sx, front = b.y + b.sy, top = b.z + b.sz;
    FramePolygon(target, Class2,
                 {{b.x, front, b.z + 6},
                  {b.x + 2, front, b.z + 6},
                  {b.x + 2, front, top - 2},
                  {right - 2, front, top - 2},
                  {right - 2, front, b.z + 6},
                  {right, front, b.z + 6},
                  {right, front, top},
                  {b.x, front, top}});
    FramePolygon(
        target, Class2,
        {{b.x, front, b.z}, {b.x, front, b.z + 2}, {right, front, b.z + 2}, {right, front, b.z}});
    FramePolygon(target, Class2,
                 {{b.x + 2, front, b.z + 8},
                  {right - 2, front, b.z + 8},
                  {right - 2, front, b.z + 6},
                  {b.x + 2, front, b.z + 6}});
}

// The pane is glass whatever the brick is: blended in the glass colour even on an opaque brick
// and in wireframe mode.
void TWindowDrawer::WindowGlass(TDrawObject& target) {
    const TWindowPaint& paint = WindowPaint();
    TBox b = FrameBox();
    double right = b.x + b.sx, pane = b.y + b.sy - 2, top = b.z + b.sz - 2;
    TPoint screen[MaxFramePoints];
    int n = ProjectFramePoints(DrawContextOf(target).View, paint.Frame,
                               {{b.x + 2, pane, b.z + 8},
                                {right - 2, pane, b.z + 8},
                                {right - 2, pane, top},
                                {b.x + 2, pane, top}},
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
