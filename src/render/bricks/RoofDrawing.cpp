// The plain sloped brick, and the drawing that the whole sloped family shares.

#include "model/BlockKinds.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Studs.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/FaceList.h"
#include "render/bricks/RoofFrame.h"

namespace {

void Slope(const TRoofFrame& f) {
    f.Face(SlopeFacingPlusY, {{0, f.SY, 6}, {f.SX, f.SY, 6}, {f.SX, 20, f.SZ}, {0, 20, f.SZ}});
}

void DrawFrameSide(TRoofDrawer& drawer, const TRoofFrame& frame, TFrameSide side) {
    switch (side) {
    case FrameFront:
        drawer.DrawFrontGroup(frame);
        break;
    case FrameLeft:
        drawer.DrawLeftGroup(frame);
        break;
    case FrameBack:
        drawer.DrawBackGroup(frame);
        break;
    case FrameRight:
        drawer.DrawRightGroup(frame);
        break;
    }
}

} // namespace

void TRoofDrawer::Draw(TDrawObject& target) {
    if (Brick.SX == 0)
        return;
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    PrepareBrickPaint(Brick, canvas, context);
    DrawGroups(TRoofFrame(Brick, target, context), context);
    ResetAfterDraw(canvas, context);
}

void TRoofDrawer::DrawGroups(const TRoofFrame& frame, const TDrawContext& context) {
    bool studsShown = Brick.Studs && !context.StudsHidden;
    int octant = context.View.Octant;
    if (octant < 4)
        DrawTopGroup(frame, studsShown);
    // Straight down, the top group covers every side.
    if (context.View.TiltA != 0.0f) {
        // By world side, whatever the turn: a turned brick keeps the order of the view.
        for (int worldSide : RoofSideOrder[octant & 7])
            DrawFrameSide(*this, frame, frame.SideFacing(worldSide));
        if (octant >= 4)
            DrawBottomGroup(frame, studsShown);
    }
}

void TRoofDrawer::StudsAmongFaces(const TRoofFrame& frame) {
    if (frame.Faces)
        frame.Faces->MarkStuds(frame.Target.Canvas().Pen.Colour);
    else
        DrawStuds(frame.Target);
}

void TRoofDrawer::UndersideAmongFaces(const TRoofFrame& frame) {
    if (frame.Faces)
        frame.Faces->MarkStuds(frame.Target.Canvas().Pen.Colour);
    else
        DrawUnderside(frame.Target);
}

void TRoofDrawer::DrawStuds(TDrawObject& target) {
    const TDrawContext& context = DrawContextOf(target);
    int turn = Brick.Turn & 3;
    // One row along the top strip, from the first stud on.
    double firstX = double(Brick.X) + (turn == 3 ? double(Brick.SX) - 10 : 10);
    double firstY = double(Brick.Y) + (turn == 2 ? double(Brick.SY) - 10 : 10);
    double z = double(Brick.FarZ());
    TStudWindow window = StudWindowFor(target, context, Brick, firstX, firstY, z, true);
    int last = ((turn & 1) != 0 ? Brick.SY : Brick.SX) / 20 - 1;
    if ((turn & 1) == 0) {
        int first = 0;
        window.Columns(first, last);
        for (int i = first; i <= last; ++i) {
            int row = 0, rowLast = 0;
            window.Rows(i, row, rowLast);
            if (row > rowLast)
                continue;
            TPoint centre = ProjectPoint(context.View, firstX + 20.0 * i, firstY, z);
            DrawStud(target, context, centre.X, centre.Y);
        }
        return;
    }
    int first = 0;
    window.Rows(0, first, last);
    for (int j = first; j <= last; ++j) {
        TPoint centre = ProjectPoint(context.View, firstX, firstY + 20.0 * j, z);
        DrawStud(target, context, centre.X, centre.Y);
    }
}

void TRoofDrawer::DrawFrontGroup(const TRoofFrame& f) {
    Slope(f);
    f.FrontLip();
}

void TRoofDrawer::DrawBackGroup(const TRoofFrame& f) {
    f.Face(FaceAcrossY, {{0, 0, 0}, {f.SX, 0, 0}, {f.SX, 0, f.SZ}, {0, 0, f.SZ}});
}

void TRoofDrawer::DrawTopGroup(const TRoofFrame& f, bool studsShown) {
    Slope(f); // again: seen from above it lies over the front group's copy
    f.Face(FaceFlat, {{0, 0, f.SZ}, {0, 20, f.SZ}, {f.SX, 20, f.SZ}, {f.SX, 0, f.SZ}});
    if (studsShown)
        StudsAmongFaces(f);
}

void TRoofDrawer::DrawBottomGroup(const TRoofFrame& f, bool studsShown) {
    f.Face(FaceFlat, {{0, 0, 0}, {0, f.SY, 0}, {f.SX, f.SY, 0}, {f.SX, 0, 0}});
    if (studsShown)
        UndersideAmongFaces(f);
}

void TRoofDrawer::DrawLeftGroup(const TRoofFrame& f) {
    f.Face(FaceAcrossX, {{0, 0, 0}, {0, f.SY, 0}, {0, f.SY, 6}, {0, 20, f.SZ}, {0, 0, f.SZ}});
}

void TRoofDrawer::DrawRightGroup(const TRoofFrame& f) {
    f.Face(FaceAcrossX,
           {{f.SX, 0, 0}, {f.SX, f.SY, 0}, {f.SX, f.SY, 6}, {f.SX, 20, f.SZ}, {f.SX, 0, f.SZ}});
}
