#include "parts/DrawClass.h"

#include "base/Error.h"
#include "parts/PartTestSupport.h"

#include <gtest/gtest.h>

namespace {
std::vector<TPoint3> Square(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t z) {
    return {{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}};
}

// Three polygons: a bottom, a top and a sloped face rising above the top.
TDrawClass ThreeFaces() {
    TDrawClass d;
    d.AddPolygon(Square(0, 0, 40, 40, 0));
    d.AddPolygon(Square(0, 0, 40, 40, 24));
    d.AddPolygon({{0, 0, 10}, {40, 0, 10}, {40, 40, 50}});
    d.Modified = false;
    return d;
}
} // namespace

TEST(DrawClass, IndexErrorsCarryTheirMessagesAndChangeNothing) {
    TDrawClass d = ThreeFaces();
    EXPECT_EQ(MessageOf([&] { d.GetPointCount(3); }), "Illegal polygon index");
    EXPECT_EQ(MessageOf([&] { d.SetEdgeFlags(-1, 0); }), "Illegal polygon index");
    EXPECT_EQ(MessageOf([&] { d.GetPoint(0, 4); }), "Illegal point index");
    EXPECT_EQ(MessageOf([&] { d.InsertPoint(2, 3, {}); }), "Illegal point index");
    EXPECT_EQ(MessageOf([&] { d.DeletePoint(1, -1); }), "Illegal point index");
    EXPECT_EQ(MessageOf([&] { d.GetDrawCount(8); }), "Illegal octant for GetDrawCount");
    EXPECT_EQ(MessageOf([&] { d.SetDrawCount(-1, 0); }), "Illegal octant for SetDrawCount");
    EXPECT_EQ(MessageOf([&] { d.GetDrawOrder(0, 3); }), "Illegal face index for GetDrawOrder");
    EXPECT_EQ(MessageOf([&] { d.GetDrawOrder(9, 0); }), "Illegal octant for GetDrawOrder");
    EXPECT_EQ(MessageOf([&] { d.SetDrawOrder(0, -1, 0); }), "Illegal face index for SetDrawOrder");
    EXPECT_EQ(MessageOf([&] { d.SetDrawOrder(8, 0, 0); }), "Illegal octant for SetDrawOrder");
    EXPECT_EQ(MessageOf([&] { d.DeletePolygon(3); }), "Illegal polygon index");
    EXPECT_EQ(MessageOf([&] { d.CopyPolygon(-1); }), "Illegal polygon index");
    EXPECT_FALSE(d.Modified);
    EXPECT_EQ((std::array{d.PolygonCount(), d.GetDrawCount(0)}), (std::array{3, 3}));
}

TEST(DrawClass, PolygonsNeverExceedTheDrawingBuffers) {
    TDrawClass d;
    std::vector<TPoint3> hundred(100);
    d.AddPolygon(hundred);
    EXPECT_THROW(d.InsertPoint(0, 0, {}), TError);
    EXPECT_THROW(d.AddPolygon(std::vector<TPoint3>(101)), TError);
    EXPECT_EQ((std::array{d.GetPointCount(0), d.PolygonCount()}), (std::array{100, 1}));
}

TEST(DrawClass, DrawCountOnlyShortensAndDrawOrderLengthensWithZeros) {
    TDrawClass d = ThreeFaces();
    d.SetDrawCount(0, 10);
    EXPECT_EQ(d.GetDrawCount(0), 3);
    d.SetDrawCount(0, 1);
    EXPECT_EQ(d.DrawOrder[0].Items, (std::vector<int32_t>{0}));
    d.SetDrawCount(1, 0);
    d.SetDrawOrder(1, 5, 2);
    EXPECT_EQ(d.DrawOrder[1].Items, (std::vector<int32_t>{0, 0, 0, 0, 0, 2}));
    EXPECT_THROW(d.SetDrawOrder(1, MaxDrawOrderLength, 0), TError);
}

TEST(DrawClass, AddAndCopyAppendToEveryOrder) {
    TDrawClass d = ThreeFaces();
    d.SetPolyColour(2, 255);
    d.CopyPolygon(2);
    EXPECT_EQ((std::array{d.PolygonCount(), d.GetPolyColour(3)}), (std::array{4, 255}));
    EXPECT_EQ(d.Polygons[3].Points, d.Polygons[2].Points);
    for (const TIntegerList& order : d.DrawOrder)
        EXPECT_EQ(order.Items, (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ((std::array{d.Polygons[0].EdgeFlags, d.Polygons[0].Detail}), (std::array{1, 0}));
}

TEST(DrawClass, DeletePolygonRenumbersOrdersStudPolygonsAndPicture) {
    TDrawClass d = ThreeFaces();
    d.AddPolygon(Square(0, 0, 20, 20, 8));
    d.DrawOrder[0].Items = {3, 1, 2, 1, 0};
    d.TopStudPolygon = 3;
    d.TopStuds = {{10, 10, 8}};
    d.BottomStudPolygon = 0;
    d.BottomStuds = {{20, 20, 0}};
    d.BitmapPolygon = 2;
    d.DeletePolygon(1);
    EXPECT_EQ(d.DrawOrder[0].Items, (std::vector<int32_t>{2, 1, 0}));
    EXPECT_EQ(d.DrawOrder[5].Items, (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ((std::array{d.TopStudPolygon, int(d.TopStuds.size()), d.BitmapPolygon,
                          d.Polygons[1].Points[2].Z}),
              (std::array{2, 1, 1, 50}));

    d.DeletePolygon(2); // the top-stud polygon
    EXPECT_EQ((std::array{d.TopStudPolygon, int(d.TopStuds.size())}), (std::array{-1, 0}));
    d.DeletePolygon(0); // the bottom one
    EXPECT_EQ((std::array{d.BottomStudPolygon, int(d.BottomStuds.size())}), (std::array{-1, 0}));
    d.DeletePolygon(0);
    EXPECT_EQ((std::array{d.BitmapPolygon, d.PolygonCount()}), (std::array{-1, 0}));
}

TEST(DrawClass, AssignCopiesEverythingAndSeatsTubesOnTheirPolygon) {
    TDrawClass d = ThreeFaces();
    d.FileName = "f.dat";
    d.PartName = "p";
    d.SetBoundingBox(40, 40, 24);
    d.TopStudPolygon = 1;
    d.TopStuds = {{10, 10, 99}};
    d.BottomStudPolygon = 2;
    d.BottomStuds = {{20, 20, 7}};
    d.RotOffsets[1] = {3, -3};
    d.PartVariant = 4;
    d.BitmapFile = "pic.bmp";
    d.BitmapPolygon = 1;
    d.HighlightPolygon = 2;
    TDrawClass copy(d);
    EXPECT_EQ((std::array{copy.TopStuds[0].Z, copy.BottomStuds[0].Z, copy.BBZ,
                          copy.RotOffsets[1][1], copy.PartVariant, copy.HighlightPolygon}),
              (std::array{99, 10, 24, -3, 4, 2}));
    EXPECT_EQ(copy.FileName + copy.PartName + copy.BitmapFile, "f.datppic.bmp");
    EXPECT_TRUE(copy.Modified);
    EXPECT_EQ(copy.Polygons[2].Points, d.Polygons[2].Points);

    // Without a polygon to sit on, the tubes keep their own height.
    d.BottomStudPolygon = 7;
    copy = d;
    EXPECT_EQ(copy.BottomStuds[0].Z, 7);
}

TEST(DrawClass, FindTopAndBottomIgnoreSlopedPolygons) {
    TDrawClass d = ThreeFaces();
    d.AddPolygon(Square(0, 0, 40, 40, 24)); // a tie comes second
    d.AddPolygon({});
    d.TopStudPolygon = d.BottomStudPolygon = -1;
    d.FindTopPolygon();
    d.FindBottomPolygon();
    EXPECT_EQ((std::array{d.TopStudPolygon, d.BottomStudPolygon}), (std::array{1, 0}));

    TDrawClass sloped;
    sloped.AddPolygon({{0, 0, 10}, {40, 0, 10}, {40, 40, 50}});
    sloped.TopStudPolygon = 5;
    sloped.FindTopPolygon();
    EXPECT_EQ(sloped.TopStudPolygon, 5);
}

TEST(DrawClass, AutoStudsKeepsOnlyCrossesInsideAnLShape) {
    TDrawClass d;
    std::vector<TPoint3> top = {{0, 0, 24},   {40, 0, 24},  {40, 20, 24},
                                {20, 20, 24}, {20, 40, 24}, {0, 40, 24}};
    std::vector<TPoint3> bottom = top;
    for (TPoint3& p : bottom)
        p.Z = 0;
    d.AddPolygon(bottom);
    d.AddPolygon(top);
    d.AutoStuds(2, 2);
    EXPECT_EQ(d.TopStudPolygon, 1);
    EXPECT_EQ(d.TopStuds, (std::vector<TPoint3>{{10, 10, 24}, {10, 30, 24}, {30, 10, 24}}));
    // The tube between the studs is tested at the missing quarter's centre.
    EXPECT_TRUE(d.BottomStuds.empty());

    TDrawClass brick;
    brick.AddPolygon({{0, 0, 0}, {60, 0, 0}, {60, 40, 0}, {0, 40, 0}});
    brick.AddPolygon({{0, 0, 24}, {60, 0, 24}, {60, 40, 24}, {0, 40, 24}});
    brick.AutoStuds(3, 2);
    EXPECT_EQ(brick.TopStuds.size(), 6u);
    EXPECT_EQ(brick.TopStuds[1], (TPoint3{10, 30, 24}));
    EXPECT_EQ(brick.BottomStuds, (std::vector<TPoint3>{{20, 20, 0}, {40, 20, 0}}));
    // Studs past the outline are never kept, however many are asked for.
    brick.AutoStuds(1000000, 1000000);
    EXPECT_EQ(brick.TopStuds.size(), 6u);
}

TEST(DrawClass, AutoStudsStopsAtANegativeStudPolygon) {
    TDrawClass d = ThreeFaces();
    d.TopStudPolygon = -1;
    d.TopStuds = {{1, 1, 1}};
    d.AutoStuds(2, 2);
    EXPECT_EQ(d.TopStuds.size(), 1u);

    TDrawClass empty; // stud polygon 0 of no polygon at all
    empty.AutoStuds(2, 2);
    EXPECT_TRUE(empty.TopStuds.empty());

    // A vast outline from a damaged file is refused rather than tested stud by stud.
    TDrawClass vast;
    vast.AddPolygon(Square(-2000000000, -2000000000, 2000000000, 2000000000, 0));
    vast.AddPolygon(Square(0, 0, 40, 40, 8));
    vast.BottomStuds = {{1, 2, 3}};
    EXPECT_THROW(vast.AutoStuds(INT32_MAX, INT32_MAX), TError);
    EXPECT_EQ(vast.BottomStuds, (std::vector<TPoint3>{{1, 2, 3}}));
    EXPECT_EQ(vast.TopStudPolygon, 0);
}

TEST(PainterSort, FartherBoxesComeFirstForEachViewer) {
    TDrawClass d;
    d.AddPolygon(Square(0, 0, 10, 10, 0));                              // low
    d.AddPolygon(Square(0, 0, 10, 10, 20));                             // high
    d.AddPolygon({{30, 0, 5}, {30, 10, 5}, {30, 10, 15}, {30, 0, 15}}); // far in +x
    d.PainterSortAll();
    // From above the high square is nearer; from -x the x = 30 face is farthest.
    EXPECT_EQ(d.DrawOrder[0].Items, (std::vector<int32_t>{2, 0, 1}));
    // From +x and above, the x = 30 face is wholly nearer than both squares.
    EXPECT_EQ(d.DrawOrder[2].Items, (std::vector<int32_t>{0, 1, 2}));
    // From below the high square is farther.
    EXPECT_EQ(d.DrawOrder[6].Items, (std::vector<int32_t>{1, 0, 2}));
    EXPECT_THROW(d.PainterSort(8), TError);
}

TEST(PainterSort, BuildDrawOrdersLeavesOutBackFaces) {
    TDrawClass d;
    d.AddPolygon(Square(0, 0, 10, 10, 5)); // counter-clockwise from above: faces up
    d.AddPolygon({{0, 0, 0}, {0, 10, 0}, {10, 10, 0}, {10, 0, 0}}); // faces down
    d.AddPolygon({{0, 0, 0}, {0, 0, 5}, {0, 10, 5}, {0, 10, 0}});   // faces -x
    d.BuildDrawOrders();
    for (int octant = 0; octant < 8; ++octant) {
        std::vector<int32_t> expected = {octant < 4 ? 0 : 1};
        if (octant % 4 <= 1)
            expected.push_back(2);
        std::vector<int32_t> got = d.DrawOrder[size_t(octant)].Items;
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, expected) << "octant " << octant;
    }
    // A face leaning toward +x and +y is seen from octants that have either.
    std::vector<TPoint3> diagonal = {{10, 0, 0}, {0, 10, 0}, {0, 10, 5}, {10, 0, 5}};
    for (int octant : {0, 2, 3, 4, 6, 7})
        EXPECT_TRUE(FacesOctant(diagonal, octant)) << octant;
    EXPECT_FALSE(FacesOctant(diagonal, 1));
    EXPECT_FALSE(FacesOctant(diagonal, 5));
}

TEST(DrawClass, EdgeFlagBitsHideTheirEdges) {
    std::vector<int> shown;
    for (int k = 0; k < 4; ++k)
        if (EdgeIsOutlined(6, k))
            shown.push_back(k);
    EXPECT_EQ(shown, (std::vector<int>{2, 3}));
    EXPECT_FALSE(EdgeIsOutlined(-2, 0));
    EXPECT_FALSE(EdgeIsOutlined(-2, 30));
    EXPECT_TRUE(EdgeIsOutlined(2, 30));
    EXPECT_FALSE(EdgeIsOutlined(2, 31));
}

TEST(IntegerList, SetItemPadsAndRemoveTakesTheFirstMatch) {
    TIntegerList list;
    list.SetItem(2, 7);
    list.Add(7);
    list.Remove(7);
    EXPECT_EQ(list.Items, (std::vector<int32_t>{0, 0, 7}));
    EXPECT_EQ(list.Get(2), 7);
    EXPECT_THROW(list.Get(3), TError);
    EXPECT_THROW(list.Get(-1), TError);
}
