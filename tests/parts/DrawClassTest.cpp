#include "parts/DrawClass.h"

#include "base/Error.h"
#include "parts/DrawClassEdits.h"
#include "parts/PartTestSupport.h"
#include "support/ReferenceFile.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

// Each edit of parts/refused-edits.txt on three faces, "full" with a first polygon of the most
// points and "vast" with an outline across the whole plane: its message, and the part unchanged.
TEST(DrawClass, RefusedEditsRaiseTheirMessageAndChangeNothing) {
    EXPECT_TRUE(MatchesTranscript("partfiles/refused-edits.txt", [](const std::string& line) {
        std::istringstream words(line);
        std::string edit, shape;
        int a = 0, b = 0, c = 0;
        words >> shape >> edit >> a >> b >> c;
        TDrawClass d = ThreeFaces();
        if (shape == "full")
            d.Polygons[0].Points.resize(MaxPolygonPoints);
        if (shape == "vast") // from a damaged file: refused rather than tested stud by stud
            d.Polygons[0].Points = Square(-2000000000, -2000000000, 2000000000, 2000000000, 0),
            d.BottomStuds = {{1, 2, 3}};
        const std::string before = SectionText(d);
        const std::map<std::string, std::function<void()>> edits = {
            {"GetPointCount", [&] { d.GetPointCount(a); }},
            {"SetEdgeFlags", [&] { d.SetEdgeFlags(a, b); }},
            {"DeletePolygon", [&] { d.DeletePolygon(a); }},
            {"CopyPolygon", [&] { d.CopyPolygon(a); }},
            {"GetPoint", [&] { d.GetPoint(a, b); }},
            {"InsertPoint", [&] { d.InsertPoint(a, b, {}); }},
            {"DeletePoint", [&] { d.DeletePoint(a, b); }},
            {"GetDrawCount", [&] { d.GetDrawCount(a); }},
            {"SetDrawCount", [&] { d.SetDrawCount(a, b); }},
            {"GetDrawOrder", [&] { d.GetDrawOrder(a, b); }},
            {"SetDrawOrder", [&] { d.SetDrawOrder(a, b, c); }},
            {"SetDrawOrderPastTheLongest", [&] { d.SetDrawOrder(a, MaxDrawOrderLength, c); }},
            {"PainterSort", [&] { d.PainterSort(a); }},
            {"MirrorPolygon", [&] { MirrorPolygon(d, TAxis::X, a); }},
            {"AddPolygon", [&] { d.AddPolygon(std::vector<TPoint3>(std::size_t(a))); }},
            {"AutoStuds", [&] { d.AutoStuds(INT32_MAX, INT32_MAX); }}};
        const std::string message = MessageOf(edits.at(edit));
        return message + (SectionText(d) == before ? "" : " (changed)");
    }));
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
