// Drawing a window, door or wheel: the brick frame of its turn, the face colours of the turn,
// and the faces of the local octant, then studs or tube rings as a plain brick has them.

#include "model/BlockKinds.h"
#include "model/GeneralBlock.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Shading.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/FaceList.h"
#include "render/bricks/WindowPaint.h"

#include <algorithm>

TWindowPaint& WindowPaint() {
    static thread_local TWindowPaint paint;
    return paint;
}

int ProjectFramePoints(const TViewState& view, const TTurnFrame& frame,
                       std::initializer_list<TWindowPoint> points, TPoint* out) {
    int n = 0;
    for (const TWindowPoint& p : points) {
        if (n == MaxFramePoints)
            break;
        out[n++] = ProjectPoint(view, p.X, p.Y, p.Z, frame.Turn);
    }
    return n;
}

void FacePolygon(TDrawObject& target, const TPoint* points, int count) {
    TFaceList* faces = WindowPaint().Faces;
    if (!faces) {
        target.Polygon(points, count - 1);
        return;
    }
    std::copy_n(points, count, faces->Next());
    const TCanvas& canvas = target.Canvas();
    faces->Keep(count, canvas.Pen.Colour, canvas.Brush.Colour);
}

void FramePolygon(TDrawObject& target, TFaceClass colourClass,
                  std::initializer_list<TWindowPoint> points) {
    const TWindowPaint& paint = WindowPaint();
    TPoint screen[MaxFramePoints];
    int n = ProjectFramePoints(DrawContextOf(target).View, paint.Frame, points, screen);
    TColour colour = paint.Class3;
    switch (colourClass) {
    case TFaceClass::Class1:
        colour = paint.Class1;
        break;
    case TFaceClass::Class2:
        colour = paint.Class2;
        break;
    case TFaceClass::Class5:
        colour = paint.Class5;
        break;
    case TFaceClass::Class3:
        break;
    }
    target.Canvas().Brush.Colour = colour;
    FacePolygon(target, screen, n);
}

namespace {

// Shaded, the faces keep their world directions whatever the turn: a frame face across X
// faces world Y after an odd turn.
void SetWindowColours(TWindowPaint& paint, TColour brush, TDrawContext& context) {
    if (!context.Shaded) {
        paint.Class1 = paint.Class2 = paint.Class3 = paint.Class5 = brush;
        paint.Glass = 0xFFFFFF;
        return;
    }
    const auto& factor = context.LightFactor; // classes 1 to 7 at 0 to 6
    bool odd = (paint.Frame.Turn & 1) != 0;
    float acrossX = odd ? factor[0] : factor[1];
    float acrossY = odd ? factor[1] : factor[0];
    int32_t colour = int32_t(brush);
    TScaleMemo& scaled = context.ScaledColours;
    paint.Class1 = TColour(scaled.Scale(colour, acrossX));
    paint.Class2 = TColour(scaled.Scale(colour, acrossY));
    paint.Class3 = TColour(scaled.Scale(colour, factor[2]));
    paint.Class5 = TColour(scaled.Scale(colour, odd ? factor[4] : factor[3]));
    paint.Glass = TColour(scaled.Scale(0xFFFFFF, acrossX));
}

// The frame of the brick's turn and the colours of its faces, once its paint is prepared.
TWindowPaint& SetFrameAndColours(const TBlock& brick, TColour brush, TDrawContext& context) {
    TWindowPaint& paint = WindowPaint();
    paint.Frame = FrameOfTurn(brick);
    SetWindowColours(paint, brush, context);
    context.FaceColour1 = int32_t(paint.Class1);
    context.FaceColour2 = int32_t(paint.Class2);
    context.FaceColour3 = int32_t(paint.Class3);
    return paint;
}

} // namespace

void TWindowDrawer::Draw(TDrawObject& target) {
    if (Brick.SX == 0)
        return;
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    PrepareBrickPaint(Brick, canvas, context);
    SetFrameAndColours(Brick, canvas.Brush.Colour, context);
    DrawForOctant(*this, target, LocalOctant(context.View.Octant, Brick.Turn));
    DrawStudsOrUnderside(*this, Brick, target, context);
    ResetAfterDraw(canvas, context);
}

bool TWindowDrawer::DrawNearestFirst(TDrawObject& target) {
    // A window's glass blends.
    if (Brick.ClassKind() == 'W' || !PrepareNearestFirst(Brick, target))
        return false;
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    TWindowPaint& paint = SetFrameAndColours(Brick, canvas.Brush.Colour, context);
    TFaceList faces;
    paint.Faces = &faces;
    DrawForOctant(*this, target, LocalOctant(context.View.Octant, Brick.Turn));
    paint.Faces = nullptr;
    // The studs or tube rings come after the faces, which leave opaque writers.
    target.FastSurface()->SetBlending(false);
    DrawStudsOrUnderside(*this, Brick, target, context);
    faces.DrawBackwards(target, 0, faces.Count);
    ResetAfterDraw(canvas, context);
    return true;
}
