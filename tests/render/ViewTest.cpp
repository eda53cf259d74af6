#include "render/View.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

static TViewState ViewAt(int tilt, int azimuth, float scale = 1, float ox = 0, float oy = 0) {
    TViewState view;
    view.TiltA = DegreesToAngle(tilt);
    view.AzimuthC = DegreesToAngle(azimuth);
    view.ViewScale = scale;
    view.OriginX = ox;
    view.OriginY = oy;
    ComputeViewMatrix(view);
    return view;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    for (auto [value, rounded] : {std::pair{0.5, 0},
                                  {1.5, 2},
                                  {2.5, 2},
                                  {-0.5, 0},
                                  {-1.5, -2},
                                  {-2.5, -2},
                                  {2.4999999, 2},
                                  {-2.5000001, -3}})
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(RoundHalfEven, HoldsAbsurdValuesInsideTheSafeRange) {
    EXPECT_EQ(RoundHalfEven(1e300), 1 << 28);
    EXPECT_EQ(RoundHalfEven(-1e300), -(1 << 28));
    EXPECT_EQ(RoundHalfEven(std::nan("")), -(1 << 28));
}

TEST(Octant, FollowsTheQuarterOfTheAzimuthAndTheTilt) {
    for (int azimuth = 0; azimuth <= 89; ++azimuth) {
        EXPECT_EQ(ViewAt(0, azimuth).Octant, 0) << azimuth;
        EXPECT_EQ(ViewAt(89, azimuth).Octant, 0) << azimuth;
        EXPECT_EQ(ViewAt(91, azimuth).Octant, 4) << azimuth;
        EXPECT_EQ(ViewAt(180, azimuth).Octant, 4) << azimuth;
    }
    for (auto [azimuth, octant] :
         {std::pair{90, 1}, {179, 1}, {180, 2}, {269, 2}, {270, 3}, {359, 3}, {360, 0}})
        EXPECT_EQ(ViewAt(70, azimuth).Octant, octant) << azimuth;
    EXPECT_EQ(ViewAt(120, 270).Octant, 7);
}

TEST(Octant, ExactlyHorizontalCountsAsFromBelow) {
    TViewState view = ViewAt(90, 0);
    EXPECT_EQ(view.Octant, 4);
    EXPECT_LT(view.CosA, 0.0f);
    EXPECT_GT(view.CosA, -1e-6f);
    EXPECT_EQ(ViewAt(90, 90).Octant, 5);
    EXPECT_EQ(ViewAt(90, 330).Octant, 7);
}

TEST(ProjectPoint, TopViewIgnoresHeight) {
    TViewState view = ViewAt(0, 0, 1, 400, 300);
    EXPECT_EQ(view.SinA, 0.0f);
    EXPECT_EQ(ProjectPoint(view, 10, 20, 0), (TPoint{410, 320}));
    EXPECT_EQ(ProjectPoint(view, 10, 20, 999), (TPoint{410, 320}));
}

TEST(ProjectPoint, FrontViewPutsModelUpOnScreenUp) {
    TViewState view = ViewAt(90, 0, 2, 100, 100);
    EXPECT_EQ(ProjectPoint(view, 0, 0, 24), (TPoint{100, 52}));
    EXPECT_EQ(ProjectPoint(view, 5, 1000, 0), (TPoint{110, 100}));
}

TEST(ProjectPoint, QuarterTurnRowsEqualTurnedPoints) {
    TViewState view = ViewAt(70, 30, 1.25f, 400, 300);
    const int points[][3] = {{0, 0, 0}, {20, 40, 24}, {-60, 13, 8}, {137, -91, -24}};
    for (int k = 0; k < 4; ++k) {
        double theta = k * std::numbers::pi / 2;
        int c = int(std::lround(std::cos(theta))), s = int(std::lround(std::sin(theta)));
        for (const auto& p : points) {
            int x = p[0] * c + p[1] * s, y = -p[0] * s + p[1] * c;
            EXPECT_EQ(ProjectPoint(view, p[0], p[1], p[2], k), ProjectPoint(view, x, y, p[2], 0))
                << "k=" << k;
        }
    }
}

TEST(ProjectPoint, ManyPointsMatchOneByOne) {
    TViewState view = ViewAt(70, 30, 1, 400, 300);
    const int32_t xyz[] = {0, 0, 0, 20, 40, 24, -60, 13, 8};
    TPoint out[3];
    ProjectPoints(view, xyz, 3, 0, out);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(out[i], ProjectPoint(view, xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]));
}

TEST(ComputeOrigin, RoundsHalfTheClientSizeToEven) {
    TViewState view;
    ComputeOrigin(view, 801, 603, 10, -20);
    EXPECT_EQ(view.OriginX, 400.0f - 10);
    EXPECT_EQ(view.OriginY, 302.0f + 20);
}
