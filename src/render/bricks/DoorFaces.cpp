// The faces in which a door differs from the window: plain side walls, two leaves with their
// notch behind the frame, and the front with a threshold instead of a sill.

#include "model/BlockKinds.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/WindowPaint.h"

namespace {

using enum TFaceClass;

// A side wall over the full depth at px; its top at z + sz, or z + sz - 2 inside.
void SideWall(TDrawObject& target, double px, bool inner) {
    const TTurnFrame& f = WindowPaint().Frame;
    double y = double(f.Y), z = double(f.Z), front = double(f.Y + f.SY);
    double top = double(f.Z + f.SZ) - (inner ? 2 : 0);
    FramePolygon(target, Class1, {{px, y, z}, {px, front, z}, {px, front, top}, {px, y, top}});
}

// Both leaves at depth y, the left one first; the notch lies between z + sz - 28 and
// z + sz - 8 and cuts 12 units into each leaf at the middle.
void Leaves(TDrawObject& target, double y, TFaceClass colourClass) {
    const TTurnFrame& f = WindowPaint().Frame;
    double x = double(f.X), z = double(f.Z), top = double(f.Z + f.SZ);
    double middle = x + double(f.SX / 2);
    for (double side : {1.0, -1.0}) {
        double edge = side > 0 ? x + 2 : double(f.X + f.SX) - 2;
        FramePolygon(target, colourClass,
                     {{edge, y, z},
                      {edge, y, top - 2},
                      {middle, y, top - 2},
                      {middle, y, top - 8},
                      {middle - side * 12, y, top - 18},
                      {middle, y, top - 28},
                      {middle, y, z}});
    }
}

} // namespace

void TDoorDrawer::WindowLeftOuter(TDrawObject& target) {
    SideWall(target, double(WindowPaint().Frame.X), false);
}

void TDoorDrawer::WindowLeftInner(TDrawObject& target) {
    SideWall(target, double(WindowPaint().Frame.X) + 2, true);
}

void TDoorDrawer::WindowRightOuter(TDrawObject& target) {
    const TTurnFrame& f = WindowPaint().Frame;
    SideWall(target, double(f.X + f.SX), false);
}

void TDoorDrawer::WindowRightInner(TDrawObject& target) {
    const TTurnFrame& f = WindowPaint().Frame;
    SideWall(target, double(f.X + f.SX) - 2, true);
}

void TDoorDrawer::WindowInset(TDrawObject& target) {
    const TTurnFrame& f = WindowPaint().Frame;
    Leaves(target, double(f.Y + f.SY) - 3, Class3);
}

void TDoorDrawer::WindowFront(TDrawObject& target) {
    const TTurnFrame& f = WindowPaint().Frame;
    double x = double(f.X), z = double(f.Z), right = double(f.X + f.SX);
    double front = double(f.Y + f.SY), top = double(f.Z + f.SZ);
    FramePolygon(target, Class2,
                 {{x, front, z},
                  {x, front, top},
                  {right, front, top},
                  {right, front, z},
                  {right - 2, front, z},
                  {right - 2, front, top - 2},
                  {x + 2, front, top - 2},
                  {x + 2, front, z}});
    FramePolygon(target, Class2,
                 {{x + 2, front, z},
                  {x + 2, front, z + 2},
                  {right - 2, front, z + 2},
                  {right - 2, front, z}});
    Leaves(target, front - 1, Class2);
}
