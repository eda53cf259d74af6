// The sloped corner (two slopes round an outside corner, one stud on its top square) and the
// ridge corner (two ridges meeting at a right angle, no studs).

#include "model/BlockKinds.h"
#include "render/BrickPaint.h"
#include "render/DrawContext.h"
#include "render/DrawObject.h"
#include "render/RoofFrame.h"
#include "render/Studs.h"

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

void TRoofCorner::DrawStuds(TDrawObject& target) {
    const TDrawContext& context = DrawContextOf(target);
    double left = double(X) + 10, right = double(FarX()) - 10;
    double front = double(Y) + 10, back = double(FarY()) - 10;
    // The top square's corner of the world box, turning with the brick.
    static constexpr bool OnRight[4] = {true, false, false, true};
    static constexpr bool OnBack[4] = {false, false, true, true};
    int turn = Turn & 3;
    TPoint centre = ProjectPoint(context.View, OnRight[turn] ? right : left,
                                 OnBack[turn] ? back : front, double(FarZ()));
    DrawStud(target, context, centre.X, centre.Y);
}

void TRoofCorner::DrawFrontGroup(const TRoofFrame& f) {
    CornerFrontSlope(f);
    f.FrontLip();
}

void TRoofCorner::DrawLeftGroup(const TRoofFrame& f) {
    CornerLeftSlope(f);
    f.LeftLip();
}

void TRoofCorner::DrawBackGroup(const TRoofFrame& f) {
    f.Face(FaceAcrossY,
           {{0, 0, 0}, {f.SX, 0, 0}, {f.SX, 0, f.SZ}, {f.SX - 20, 0, f.SZ}, {0, 0, 6}});
}

void TRoofCorner::DrawTopGroup(const TRoofFrame& f, bool studsShown) {
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
        DrawStuds(f.Target);
}

void TRoofTopCorner::DrawFrontGroup(const TRoofFrame& f) {
    RidgeFrontSlope(f);
    f.FrontLip();
}

void TRoofTopCorner::DrawLeftGroup(const TRoofFrame& f) {
    RidgeLeftSlope(f);
    f.LeftLip();
}

void TRoofTopCorner::DrawBackGroup(const TRoofFrame& f) {
    RidgeBackTriangle(f);
    // Unlike the other kinds' walls, the ridge corner's gables take slope colours.
    f.Face(SlopeFacingPlusX, {{0, 0, 0}, {f.SX, 0, 0}, {f.SX, 0, 6}, {f.W, 0, f.SZ}, {0, 0, 6}});
}

void TRoofTopCorner::DrawRightGroup(const TRoofFrame& f) {
    RidgeRightTriangle(f);
    f.Face(SlopeFacingPlusY,
           {{f.SX, 0, 0}, {f.SX, f.SY, 0}, {f.SX, f.SY, 6}, {f.SX, f.H, f.SZ}, {f.SX, 0, 6}});
}

void TRoofTopCorner::DrawTopGroup(const TRoofFrame& f, bool) {
    RidgeBackTriangle(f);
    RidgeRightTriangle(f);
    RidgeFrontSlope(f);
    RidgeLeftSlope(f);
}
