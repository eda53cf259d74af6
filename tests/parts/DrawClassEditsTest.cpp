// The part editor's shape commands on a definition, with their worked values.
#include "parts/DrawClassEdits.h"

#include "parts/DrawClass.h"

#include <gtest/gtest.h>

namespace {
std::vector<TPoint3> Square(int32_t x0, int32_t x1, int32_t y0, int32_t y1, int32_t z) {
    return {{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}};
}

// A closed box as six faces, with sizes as its bounding box.
TDrawClass BoxShape(int32_t sx, int32_t sy, int32_t sz) {
    TDrawClass d;
    d.SetBoundingBox(sx, sy, sz);
    d.AddPolygon(Square(0, sx, 0, sy, sz));
    d.AddPolygon(Square(0, sx, 0, sy, 0));
    d.AddPolygon({{0, 0, 0}, {sx, 0, 0}, {sx, 0, sz}, {0, 0, sz}});
    d.AddPolygon({{sx, 0, 0}, {sx, sy, 0}, {sx, sy, sz}, {sx, 0, sz}});
    return d;
}

std::vector<int32_t> AllXs(const TDrawClass& d) {
    std::vector<int32_t> xs;
    for (const TPolygon& polygon : d.Polygons)
        for (const TPoint3& p : polygon.Points)
            xs.push_back(p.X);
    return xs;
}
} // namespace

TEST(DrawClassEdits, StretchMovesOnlyCoordinatesBeyondTheMiddle) {
    TDrawClass d = BoxShape(40, 40, 24);
    d.Polygons[0].Points.push_back({20, 10, 24}); // exactly at the middle: stays
    d.Polygons[0].Points.push_back({21, 10, 24});
    StretchShape(d, {40, 40, 24}, {60, 40, 24});
    for (const TPolygon& polygon : d.Polygons)
        for (const TPoint3& p : polygon.Points)
            EXPECT_TRUE(p.X == 0 || p.X == 20 || p.X == 60 || p.X == 41) << p.X;
    EXPECT_EQ(d.Polygons[0].Points[4].X, 20);
    EXPECT_EQ(d.Polygons[0].Points[5].X, 41);
    EXPECT_EQ(d.Polygons[0].Points[1].X, 60);
    EXPECT_EQ(d.Polygons[0].Points[1].Z, 24);
    EXPECT_EQ(d.BBX, 60);
    EXPECT_TRUE(d.Modified);
}

TEST(DrawClassEdits, SortOfTwoTouchingBoxesPutsTheFartherFirst) {
    TDrawClass d;
    d.AddPolygon(Square(0, 20, 0, 20, 0));  // A
    d.AddPolygon(Square(20, 40, 0, 20, 0)); // B
    d.PainterSort(0);
    EXPECT_EQ(d.DrawOrder[0].Items, (std::vector<int32_t>{1, 0}));
}

TEST(DrawClassEdits, MirrorXUsesTheLargestXRoundedUpToAStud) {
    TDrawClass d;
    d.AddPolygon({{0, 0, 0}, {41, 0, 0}, {41, 20, 0}, {0, 20, 0}});
    d.AddPolygon({{5, 0, 8}, {10, 0, 8}, {10, 7, 8}, {5, 7, 8}});
    MirrorAll(d, TAxis::X);
    EXPECT_EQ(AllXs(d), (std::vector<int32_t>{60, 19, 19, 60, 55, 50, 50, 55}));

    TDrawClass one;
    one.AddPolygon({{0, 0, 0}, {41, 0, 0}, {41, 20, 0}, {0, 20, 0}});
    one.AddPolygon({{5, 3, 8}, {10, 3, 8}, {10, 7, 9}, {5, 7, 8}});
    MirrorPolygon(one, TAxis::Y, 1); // about the largest y of the whole shape, 20
    EXPECT_EQ(one.Polygons[1].Points[0].Y, 17);
    EXPECT_EQ(one.Polygons[1].Points[2].Y, 13);
    EXPECT_EQ(one.Polygons[0].Points[2].Y, 20);
    EXPECT_THROW(MirrorPolygon(one, TAxis::X, 2), std::exception);
}

TEST(DrawClassEdits, RotateAllSwapsCoordinatesAndExtents) {
    struct Case {
        TAxis Axis;
        TSizes Extents;
        TPoint3 Corner;
    };
    const Case cases[] = {
        {TAxis::X, {20, 24, 40}, {20, 24, 40}},
        {TAxis::Y, {24, 40, 20}, {24, 40, 20}},
        {TAxis::Z, {40, 20, 24}, {40, 20, 24}},
    };
    for (const Case& c : cases) {
        TDrawClass d = BoxShape(20, 40, 24);
        RotateAll(d, c.Axis);
        EXPECT_EQ((TSizes{d.BBX, d.BBY, d.BBZ}), c.Extents) << int(c.Axis);
        EXPECT_EQ(d.Polygons[0].Points[2], c.Corner) << int(c.Axis);
    }
}

TEST(DrawClassEdits, RotateOnePolygonTurnsAboutItsOwnCentre) {
    TDrawClass d = BoxShape(20, 40, 24);
    d.AddPolygon({{10, 0, 0}, {10, 20, 0}, {10, 20, 8}, {10, 0, 8}}); // centre (10, 10, 4)
    RotatePolygon(d, TAxis::X, 4);
    EXPECT_EQ(d.Polygons[4].Points[1], (TPoint3{10, 6, 14}));
    EXPECT_EQ(d.BBY, 40);
    EXPECT_EQ(d.Polygons[0].Points[2], (TPoint3{20, 40, 24}));
}

TEST(DrawClassEdits, ScaleDoublesAndHalvesTowardZero) {
    TDrawClass d;
    d.SetBoundingBox(20, 40, 24);
    d.AddPolygon({{-5, 7, 9}, {20, 40, 24}, {3, -3, -9}, {0, 0, 0}});
    ScaleShape(d, TScaleStep::XYHalf);
    EXPECT_EQ(d.Polygons[0].Points[0], (TPoint3{-2, 3, 9}));
    EXPECT_EQ(d.Polygons[0].Points[2], (TPoint3{1, -1, -9}));
    ScaleShape(d, TScaleStep::ZHalf);
    EXPECT_EQ(d.Polygons[0].Points[2].Z, -4);
    ScaleShape(d, TScaleStep::XYTimes2);
    ScaleShape(d, TScaleStep::ZTimes2);
    EXPECT_EQ(d.Polygons[0].Points[0], (TPoint3{-4, 6, 8}));
    EXPECT_EQ((TSizes{d.BBX, d.BBY, d.BBZ}), (TSizes{20, 40, 24}));
}

TEST(DrawClassEdits, ExtendAddsOneSidePerEdgeOfAFlatPolygonOnly) {
    TDrawClass d;
    d.AddPolygon({{0, 0, 0}, {0, 20, 0}, {0, 20, 8}, {0, 0, 8}});   // flat in x
    d.AddPolygon({{0, 0, 0}, {20, 0, 0}, {20, 20, 8}, {0, 20, 3}}); // not flat at all
    EXPECT_EQ(ExtendPolygon(d, 1, 24), 0);
    EXPECT_EQ(d.PolygonCount(), 2);
    EXPECT_EQ(ExtendPolygon(d, 0, 24), 4);
    ASSERT_EQ(d.PolygonCount(), 6);
    EXPECT_EQ(d.Polygons[2].Points,
              (std::vector<TPoint3>{{0, 0, 0}, {0, 20, 0}, {24, 20, 0}, {24, 0, 0}}));
    EXPECT_EQ(d.Polygons[5].Points,
              (std::vector<TPoint3>{{0, 0, 8}, {0, 0, 0}, {24, 0, 0}, {24, 0, 8}}));
    EXPECT_EQ(d.GetDrawCount(7), 6);
}

TEST(DrawClassEdits, EdgeMarksBorderAndTransparencyToggles) {
    EXPECT_EQ(ToggleEdgeMark(1, 2), 8);
    EXPECT_EQ(ToggleEdgeMark(8, 2), 1);
    EXPECT_EQ(ToggleEdgeMark(8, 0), 10);
    EXPECT_EQ(ToggleEdgeMark(1, 30), int32_t(0x80000000u));
    for (int k = 0; k < 31; ++k) {
        EXPECT_TRUE(EdgeMarkTicked(1, k));
        EXPECT_FALSE(EdgeMarkTicked(-2, k));
        EXPECT_EQ(EdgeMarkTicked(8, k), k != 2);
    }
    EXPECT_EQ(ToggleBorder(1), -2);
    EXPECT_EQ(ToggleBorder(-2), 1);
    EXPECT_EQ(ToggleBorder(8), 1);

    const std::pair<int32_t, int32_t> colours[] = {
        {0, -16777215}, {-16777215, 0}, {255, -255}, {-255, 255}, {INT32_MIN, INT32_MIN}};
    for (auto [before, after] : colours)
        EXPECT_EQ(ToggleTransparency(before), after) << before;
}

TEST(DrawClassEdits, DrawOrderHandEdits) {
    TDrawClass d = BoxShape(20, 20, 8); // every octant lists 0, 1, 2, 3
    d.SetEdgeFlags(2, -2);
    EXPECT_EQ(PolygonListNumber(d, 0), 1);
    EXPECT_EQ(PolygonListNumber(d, 2), -3);
    RemoveFromDrawOrder(d, 3, 1);
    EXPECT_EQ(d.DrawOrder[3].Items, (std::vector<int32_t>{0, 2, 3}));
    EXPECT_FALSE(InsertIntoDrawOrder(d, 3, 0, 2));
    EXPECT_TRUE(InsertIntoDrawOrder(d, 3, 0, 1));
    EXPECT_EQ(d.DrawOrder[3].Items, (std::vector<int32_t>{1, 0, 2, 3}));
    MoveInDrawOrder(d, 3, 0, 3);
    EXPECT_EQ(d.DrawOrder[3].Items, (std::vector<int32_t>{0, 2, 3, 1}));
    EXPECT_EQ(d.DrawOrder[4].Items, (std::vector<int32_t>{0, 1, 2, 3}));
}
