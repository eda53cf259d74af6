// The ridge brick (two slopes meeting at a ridge) and the ridge end (three slopes meeting at a
// point). Neither has studs.

#include "model/BlockKinds.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/RoofFrame.h"

namespace {

void FrontSlope(const TRoofFrame& f) {
    f.Face(SlopeFacingPlusY, {{0, f.SY, 6}, {f.SX, f.SY, 6}, {f.SX, f.H, f.SZ}, {0, f.H, f.SZ}});
}

void BackSlope(const TRoofFrame& f) {
    f.Face(SlopeFacingMinusY, {{0, 0, 6}, {f.SX, 0, 6}, {f.SX, f.H, f.SZ}, {0, f.H, f.SZ}});
}

void FrontTriangle(const TRoofFrame& f) {
    f.Face(SlopeFacingPlusY, {{0, f.SY, 6}, {f.SX, f.SY, 6}, {f.SX, f.H, f.SZ}});
}

void BackTriangle(const TRoofFrame& f) {
    f.Face(SlopeFacingMinusY, {{0, 0, 6}, {f.SX, 0, 6}, {f.SX, f.H, f.SZ}});
}

void LeftTriangle(const TRoofFrame& f) {
    f.Face(SlopeFacingMinusX, {{0, 0, 6}, {0, f.SY, 6}, {f.SX, f.H, f.SZ}});
}

} // namespace

void TRoofTopDrawer::DrawFrontGroup(const TRoofFrame& f) {
    FrontSlope(f);
    f.FrontLip();
}

void TRoofTopDrawer::DrawBackGroup(const TRoofFrame& f) {
    BackSlope(f);
    f.BackLip();
}

void TRoofTopDrawer::DrawTopGroup(const TRoofFrame& f, bool) {
    BackSlope(f);
    FrontSlope(f);
}

void TRoofTopDrawer::DrawLeftGroup(const TRoofFrame& f) {
    f.Face(FaceAcrossX, {{0, 0, 0}, {0, f.SY, 0}, {0, f.SY, 6}, {0, f.H, f.SZ}, {0, 0, 6}});
}

void TRoofTopDrawer::DrawRightGroup(const TRoofFrame& f) {
    f.Face(FaceAcrossX,
           {{f.SX, 0, 0}, {f.SX, f.SY, 0}, {f.SX, f.SY, 6}, {f.SX, f.H, f.SZ}, {f.SX, 0, 6}});
}

void TRoofTopEndDrawer::DrawFrontGroup(const TRoofFrame& f) {
    FrontTriangle(f);
    f.FrontLip();
}

void TRoofTopEndDrawer::DrawBackGroup(const TRoofFrame& f) {
    BackTriangle(f);
    f.BackLip();
}

void TRoofTopEndDrawer::DrawLeftGroup(const TRoofFrame& f) {
    LeftTriangle(f);
    f.LeftLip();
}

void TRoofTopEndDrawer::DrawTopGroup(const TRoofFrame& f, bool) {
    int azimuth = f.AzimuthWithTurn;
    if (azimuth >= 220 && (azimuth <= 270 || azimuth >= 310)) {
        BackTriangle(f);
        LeftTriangle(f);
        FrontTriangle(f);
    } else {
        FrontTriangle(f);
        LeftTriangle(f);
        BackTriangle(f);
    }
}
