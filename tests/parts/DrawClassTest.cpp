#include "parts/DrawClass.h"

#include "base/Error.h"
#include "parts/DrawClassEdits.h"
#include "parts/PartTestSupport.h"

#include <functional>
#include <gtest/gtest.h>

TEST(DrawClass, RefusedEditsRaiseTheirMessageAndChangeNothing) {
    const struct {
        std::function<void(TDrawClass&)> Edit;
        const char* Message;
        std::function<void(TDrawClass&)> Prepare = [](TDrawClass&) {};
    } cases[] = {
        {[](TDrawClass& d) { d.GetPointCount(3); }, "Illegal polygon index"},
        {[](TDrawClass& d) { d.SetEdgeFlags(-1, 0); }, "Illegal polygon index"},
        {[](TDrawClass& d) { d.DeletePolygon(3); }, "Illegal polygon index"},
        {[](TDrawClass& d) { d.CopyPolygon(-1); }, "Illegal polygon index"},
        {[](TDrawClass& d) { d.GetPoint(0, 4); }, "Illegal point index"},
        {[](TDrawClass& d) { d.InsertPoint(2, 3, {}); }, "Illegal point index"},
        {[](TDrawClass& d) { d.DeletePoint(1, -1); }, "Illegal point index"},
        {[](TDrawClass& d) { d.GetDrawCount(8); }, "Illegal octant for GetDrawCount"},
        {[](TDrawClass& d) { d.SetDrawCount(-1, 0); }, "Illegal octant for SetDrawCount"},
        {[](TDrawClass& d) { d.GetDrawOrder(0, 3); }, "Illegal face index for GetDrawOrder"},
        {[](TDrawClass& d) { d.GetDrawOrder(9, 0); }, "Illegal octant for GetDrawOrder"},
        {[](TDrawClass& d) { d.SetDrawOrder(0, -1, 0); }, "Illegal face index for SetDrawOrder"},
        {[](TDrawClass& d) { d.SetDrawOrder(8, 0, 0); }, "Illegal octant for SetDrawOrder"},
        {[](TDrawClass& d) { d.SetDrawOrder(1, MaxDrawOrderLength, 0); },
         "Illegal face index for SetDrawOrder"},
        {[](TDrawClass& d) { d.PainterSort(8); }, "Illegal octant for PainterSort"},
        {[](TDrawClass& d) { MirrorPolygon(d, TAxis::X, 3); }, "Illegal polygon index"},
        // Polygons never exceed the drawing buffers.
        {[](TDrawClass& d) { d.AddPolygon(std::vector<TPoint3>(101)); },
         "A polygon can have at most 100 points"},
        {[](TDrawClass& d) { d.InsertPoint(0, 0, {}); }, "A polygon can have at most 100 points",
         [](TDrawClass& d) { d.Polygons[0].Points.resize(MaxPolygonPoints); }},
        // A vast outline from a damaged file is refused rather than tested stud by stud.
        {[](TDrawClass& d) { d.AutoStuds(INT32_MAX, INT32_MAX); },
         "The stud polygon is too large for automatic studs",
         [](TDrawClass& d) {
             d.Polygons[0].Points = Square(-2000000000, -2000000000, 2000000000, 2000000000, 0);
             d.BottomStuds = {{1, 2, 3}};
         }},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        TDrawClass d = ThreeFaces();
        cases[i].Prepare(d);
        const std::string before = SectionText(d);
        const std::string message = MessageOf([&] { cases[i].Edit(d); });
        EXPECT_EQ(message, cases[i].Message) << "case " << i;
        EXPECT_EQ(SectionText(d), before) << "case " << i;
    }
}

TEST(DrawClass, SortsAndFacingByHand) {
    // Two touching squares: seen from octant 0 the one at larger X is farther, drawn first.
    TDrawClass pair;
    pair.AddPolygon(Square(0, 0, 20, 20, 0));
    pair.AddPolygon(Square(20, 0, 40, 20, 0));
    pair.PainterSort(0);
    EXPECT_EQ(pair.DrawOrder[0].Items, (std::vector<int32_t>{1, 0}));
    // The first octant's order can be edited by hand like any other.
    MoveInDrawOrder(pair, 0, 0, 1);
    EXPECT_EQ(pair.DrawOrder[0].Items, (std::vector<int32_t>{0, 1}));

    // A low and a high square and a wall far in +x, from three sides.
    TDrawClass three;
    three.AddPolygon(Square(0, 0, 10, 10, 0));
    three.AddPolygon(Square(0, 0, 10, 10, 20));
    three.AddPolygon({{30, 0, 5}, {30, 10, 5}, {30, 10, 15}, {30, 0, 15}});
    three.PainterSortAll();
    // From above the high square is nearer; from -x the x = 30 face is farthest.
    EXPECT_EQ(three.DrawOrder[0].Items, (std::vector<int32_t>{2, 0, 1}));
    // From +x and above, the x = 30 face is wholly nearer than both squares.
    EXPECT_EQ(three.DrawOrder[2].Items, (std::vector<int32_t>{0, 1, 2}));
    // From below the high square is farther.
    EXPECT_EQ(three.DrawOrder[6].Items, (std::vector<int32_t>{1, 0, 2}));

    // A face leaning toward +x and +y is seen from octants that have either.
    std::vector<TPoint3> diagonal = {{10, 0, 0}, {0, 10, 0}, {0, 10, 5}, {10, 0, 5}};
    for (int octant = 0; octant < 8; ++octant)
        EXPECT_EQ(FacesOctant(diagonal, octant), octant != 1 && octant != 5) << octant;
}

