// The sloped corner (two slopes round an outside corner, one stud on its top square) and the
// ridge corner (two ridges meeting at a right angle, no studs).

#include "model/BlockKinds.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Studs.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/RoofFrame.h"

namespace {

void CornerFrontSlope(const TRoofFrame& f) {
    f.Face(SlopeFacingPlusY,
           {{0, f.SY, 6}, {f.SX, f.SY, 6}, {f.SX, 20, f.SZ}, {f.SX - 20, 20, f.SZ}});
}

void CornerLeftSlope(const TRoofFrame& f) {
    f.Face(SlopeFacingMinusX,
           {{0, 0, 6}, {0, f.SY, 6}, {f.SX - 20, 20, f.SZ}, {f.SX - 20, 0, f.SZ}});
}

void RidgeFrontSlope(const TRoofFrame& f) {
    f.Face(SlopeFacingPlusY, {{0, f.SY, 6}, {f.SX, f.SY, 6}, {f.SX, f.H, f.SZ}, {f.W, f.H, f.SZ}});
}

void RidgeLeftSlope(const TRoofFrame& f) {
    f.Face(SlopeFacingMinusX, {{0, 0, 6}, {0, f.SY, 6}, {f.W, f.H, f.SZ}, {f.W, 0, f.SZ}});
}

void RidgeBackTriangle(const TRoofFrame& f) {
    f.Face(SlopeFacingMinusY, {{f.SX, 0, 6}, {f.W, f.H, f.SZ}, {f.SX, f.H, f.SZ}});
}

void RidgeRightTriangle(const TRoofFrame& f) {
    f.Face(SlopeFacingPlusX, {{f.SX, 0, 6}, {f.W, f.H, f.SZ}, {f.W, 0, f.SZ}});
}

} // namespace

void TRoofCornerDrawer::DrawStuds(TDrawObject& target) {
    const TDrawContext& context = DrawContextOf(target);
    double left = double(Brick.X) + 10, right = double(Brick.FarX()) - 10;
    double front = double(Brick.Y) + 10, back = double(Brick.FarY()) - 10;
    // The top square's corner of the world box, turning with the brick.
    static constexpr bool OnRight[4] = {true, false, false, true};
    static constexpr bool OnBack[4] = {false, false, true, true};
    int turn = Brick.Turn & 3;
    TPoint centre = ProjectPoint(context.View, OnRight[turn] ? right : left,
                                 OnBack[turn] ? back : front, double(Brick.FarZ()));
    DrawStud(target, context, centre.X, centre.Y);
}

void TRoofCornerDrawer::DrawFrontGroup(const TRoofFrame& f) {
    CornerFrontSlope(f);
    f.FrontLip();
}

void TRoofCornerDrawer::DrawLeftGroup(const TRoofFrame& f) {
    CornerLeftSlope(f);
    f.LeftLip();
}

void TRoofCornerDrawer::DrawBackGroup(const TRoofFrame& f) {
    f.Face(FaceAcrossY,
           {{0, 0, 0}, {f.SX, 0, 0}, {f.SX, 0, f.SZ}, {f.SX - 20, 0, f.SZ}, {0, 0, 6}});
}

void TRoofCornerDrawer::DrawTopGroup(const TRoofFrame& f, bool studsShown) {
    if (f.AzimuthWithTurn >= 220) {
        CornerLeftSlope(f);
        CornerFrontSlope(f);
    } else {
        CornerFrontSlope(f);
        CornerLeftSlope(f);
    }
    f.Face(FaceFlat,
           {{f.SX - 20, 0, f.SZ}, {f.SX - 20, 20, f.SZ}, {f.SX, 20, f.SZ}, {f.SX, 0, f.SZ}});
    if (studsShown)
        StudsAmongFaces(f);
}

void TRoofTopCornerDrawer::DrawFrontGroup(const TRoofFrame& f) {
    RidgeFrontSlope(f);
    f.FrontLip();
}

void TRoofTopCornerDrawer::DrawLeftGroup(const TRoofFrame& f) {
    RidgeLeftSlope(f);
    f.LeftLip();
}

void TRoofTopCornerDrawer::DrawBackGroup(const TRoofFrame& f) {
    RidgeBackTriangle(f);
    // Unlike the other kinds' walls, the ridge corner's gables take slope colours.
    f.Face(SlopeFacingPlusX, {{0, 0, 0}, {f.SX, 0, 0}, {f.SX, 0, 6}, {f.W, 0, f.SZ}, {0, 0, 6}});
}

void TRoofTopCornerDrawer::DrawRightGroup(const TRoofFrame& f) {
    RidgeRightTriangle(f);
    f.Face(SlopeFacingPlusY,
           {{f.SX, 0, 0}, {f.SX, f.SY, 0}, {f.SX, f.SY, 6}, {f.SX, f.H, f.SZ}, {f.SX, 0, 6}});
}

void TRoofTopCornerDrawer::DrawTopGroup(const TRoofFrame& f, bool) {
    RidgeBackTriangle(f);
    RidgeRightTriangle(f);
    RidgeFrontSlope(f);
    RidgeLeftSlope(f);
}
