// The part editor's shape commands, each on a shape read from a part file and pinned by the
// section it writes back.
#include "parts/DrawClassEdits.h"

#include "parts/PartTestSupport.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"

#include <functional>

namespace {
using TEdit = std::function<void(TDrawClass&)>;

const struct {
    const char* Shape;
    const char* Name;
    TEdit Edit;
} ShapeEdits[] = {
    // Setting a count only shortens; setting an entry past the end pads with zeros.
    {"three", "draw-count-shortens-order-pads",
     [](TDrawClass& d) {
         d.SetDrawCount(0, 10), d.SetDrawCount(0, 1), d.SetDrawCount(1, 0);
         d.SetDrawOrder(1, 5, 2);
     }},
    {"three", "copy-appends-to-every-order",
     [](TDrawClass& d) { d.SetPolyColour(2, 255), d.CopyPolygon(2), d.InsertPoint(3, 0, {}); }},
    {"studded", "delete-renumbers-orders-studs-picture", [](TDrawClass& d) { d.DeletePolygon(1); }},
    {"studded", "delete-drops-studs-of-their-polygon",
     [](TDrawClass& d) { d.DeletePolygon(3), d.DeletePolygon(0), d.DeletePolygon(1); }},
    // A copy seats the tubes on their polygon; without one they keep their own height.
    {"studded", "assign-seats-tubes-on-their-polygon",
     [](TDrawClass& d) { d.BottomStuds[0].Z = 7, d = TDrawClass(d); }},
    {"studded", "assign-keeps-tube-height-without-polygon",
     [](TDrawClass& d) { d.BottomStuds[0].Z = 7, d.BottomStudPolygon = 7, d = TDrawClass(d); }},
    {"three", "find-top-and-bottom-skip-sloped",
     [](TDrawClass& d) {
         d.AddPolygon(Square(0, 0, 40, 40, 24)), d.AddPolygon({}); // a tie comes second
         d.TopStudPolygon = d.BottomStudPolygon = -1;
         d.FindTopPolygon(), d.FindBottomPolygon();
     }},
    {"three", "find-top-keeps-old-when-all-sloped",
     [](TDrawClass& d) {
         d.DeletePolygon(1), d.DeletePolygon(0);
         d.TopStudPolygon = 5, d.FindTopPolygon();
     }},
    // The tube of the L is tested at the missing quarter's centre.
    {"lshape", "auto-studs-l-shape", [](TDrawClass& d) { d.AutoStuds(2, 2); }},
    {"slab3x2", "auto-studs-3x2-never-past-outline",
     [](TDrawClass& d) { d.AutoStuds(1000000, 1000000); }},
    {"three", "auto-studs-without-stud-polygon",
     [](TDrawClass& d) {
         d.TopStudPolygon = -1, d.TopStuds = {{1, 1, 1}}, d.AutoStuds(2, 2);
     }},
    {"facing", "painter-sort-all", [](TDrawClass& d) { d.PainterSortAll(); }},
    {"backfaces", "build-orders-leave-out-back-faces", [](TDrawClass& d) { d.BuildDrawOrders(); }},
    // Only coordinates beyond the middle move: (20, 10) stays, (21, 10) goes to 41.
    {"box40", "stretch-moves-beyond-the-middle",
     [](TDrawClass& d) {
         StretchShape(d, {40, 40, 24}, {60, 40, 24});
     }},
    {"mirror", "mirror-x-about-largest-x-on-a-stud", [](TDrawClass& d) { MirrorAll(d, TAxis::X); }},
    {"mirrorone", "mirror-one-polygon-y", [](TDrawClass& d) { MirrorPolygon(d, TAxis::Y, 1); }},
    {"box20x40", "rotate-all-x", [](TDrawClass& d) { RotateAll(d, TAxis::X); }},
    {"box20x40", "rotate-all-y", [](TDrawClass& d) { RotateAll(d, TAxis::Y); }},
    {"box20x40", "rotate-all-z", [](TDrawClass& d) { RotateAll(d, TAxis::Z); }},
    {"box20x40", "rotate-polygon-about-its-centre",
     [](TDrawClass& d) {
         d.AddPolygon({{10, 0, 0}, {10, 20, 0}, {10, 20, 8}, {10, 0, 8}});
         RotatePolygon(d, TAxis::X, 4);
     }},
    {"scale", "scale-halves-toward-zero",
     [](TDrawClass& d) {
         for (TScaleStep step :
              {TScaleStep::XYHalf, TScaleStep::ZHalf, TScaleStep::XYTimes2, TScaleStep::ZTimes2})
             ScaleShape(d, step);
     }},
    // Only the polygon flat in x grows sides.
    {"extend", "extend-flat-polygon",
     [](TDrawClass& d) { ExtendPolygon(d, 1, 24), ExtendPolygon(d, 0, 24); }},
    {"box20x20", "draw-order-hand-edits",
     [](TDrawClass& d) {
         RemoveFromDrawOrder(d, 3, 1);
         InsertIntoDrawOrder(d, 3, 0, 2); // already listed: refused
         InsertIntoDrawOrder(d, 3, 0, 1);
         MoveInDrawOrder(d, 3, 0, 3);
     }},
};
} // namespace

TEST(DrawClassEdits, EachEditWritesItsReferenceSection) {
    TShippedAppDir data(TESSARYN_TEST_DATA "partfiles");
    for (const auto& edit : ShapeEdits) {
        TDrawClass d("shapes.dat", edit.Shape);
        edit.Edit(d);
        EXPECT_TRUE(MatchesReferenceText(SectionText(d),
                                         std::string("partfiles/edits/") + edit.Name + ".dat"));
    }
}

TEST(DrawClassEdits, CountsAndFlagsTheEditorShows) {
    TDrawClass d = ThreeFaces();
    d.SetEdgeFlags(2, -2);
    EXPECT_EQ((std::array{PolygonListNumber(d, 0), PolygonListNumber(d, 2)}), (std::array{1, -3}));
    EXPECT_FALSE(InsertIntoDrawOrder(d, 3, 0, 2));
    // Only a polygon flat in one axis grows sides.
    EXPECT_EQ((std::array{ExtendPolygon(d, 2, 24), ExtendPolygon(d, 0, 24)}), (std::array{0, 4}));
    EXPECT_TRUE(d.Modified);

    EXPECT_EQ((std::array{ToggleEdgeMark(1, 2), ToggleEdgeMark(8, 2), ToggleEdgeMark(8, 0),
                          ToggleEdgeMark(1, 30)}),
              (std::array{8, 1, 10, int32_t(0x80000000u)}));
    for (int k = 0; k < 31; ++k)
        EXPECT_EQ((std::array{EdgeMarkTicked(1, k), EdgeMarkTicked(-2, k), EdgeMarkTicked(8, k)}),
                  (std::array{true, false, k != 2}))
            << k;
    EXPECT_EQ((std::array{ToggleBorder(1), ToggleBorder(-2), ToggleBorder(8)}),
              (std::array{-2, 1, 1}));
    const std::pair<int32_t, int32_t> colours[] = {
        {0, -16777215}, {-16777215, 0}, {255, -255}, {-255, 255}, {INT32_MIN, INT32_MIN}};
    for (auto [before, after] : colours)
        EXPECT_EQ(ToggleTransparency(before), after) << before;
}
