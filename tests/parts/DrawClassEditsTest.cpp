// The part editor's shape commands on a definition, each pinned by the section it writes.
#include "parts/DrawClassEdits.h"

#include "parts/PartTestSupport.h"
#include "support/ReferenceText.h"

#include <functional>

namespace {
struct TShapeEdit {
    const char* Name;
    std::function<TDrawClass()> Make;
};

const TShapeEdit ShapeEdits[] = {
    {"draw-count-shortens-order-pads",
     [] {
         TDrawClass d = ThreeFaces();
         d.SetDrawCount(0, 10); // only shortens
         d.SetDrawCount(0, 1);
         d.SetDrawCount(1, 0);
         d.SetDrawOrder(1, 5, 2); // lengthens with zeros
         return d;
     }},
    {"copy-appends-to-every-order",
     [] {
         TDrawClass d = ThreeFaces();
         d.SetPolyColour(2, 255);
         d.CopyPolygon(2);
         return d;
     }},
    {"delete-renumbers-orders-studs-picture",
     [] {
         TDrawClass d = ThreeFaces();
         d.AddPolygon(Square(0, 0, 20, 20, 8));
         d.DrawOrder[0].Items = {3, 1, 2, 1, 0};
         d.TopStudPolygon = 3;
         d.TopStuds = {{10, 10, 8}};
         d.BottomStudPolygon = 0;
         d.BottomStuds = {{20, 20, 0}};
         d.BitmapFile = "pic.bmp";
         d.BitmapPolygon = 2;
         d.DeletePolygon(1);
         return d;
     }},
    {"delete-drops-studs-of-their-polygon",
     [] {
         TDrawClass d = ThreeFaces();
         d.TopStudPolygon = 2;
         d.TopStuds = {{10, 10, 8}};
         d.BottomStuds = {{20, 20, 0}};
         d.BitmapPolygon = 0;
         d.DeletePolygon(2);
         d.DeletePolygon(0);
         return d;
     }},
    {"assign-seats-tubes-on-their-polygon",
     [] {
         TDrawClass d = ThreeFaces();
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
         return TDrawClass(d);
     }},
    {"assign-keeps-tube-height-without-polygon",
     [] {
         TDrawClass d = ThreeFaces();
         d.BottomStudPolygon = 7;
         d.BottomStuds = {{20, 20, 7}};
         TDrawClass copy;
         copy = d;
         return copy;
     }},
    {"find-top-and-bottom-skip-sloped",
     [] {
         TDrawClass d = ThreeFaces();
         d.AddPolygon(Square(0, 0, 40, 40, 24)); // a tie comes second
         d.AddPolygon({});
         d.TopStudPolygon = d.BottomStudPolygon = -1;
         d.FindTopPolygon();
         d.FindBottomPolygon();
         return d;
     }},
    {"find-top-keeps-old-when-all-sloped",
     [] {
         TDrawClass d;
         d.AddPolygon({{0, 0, 10}, {40, 0, 10}, {40, 40, 50}});
         d.TopStudPolygon = 5;
         d.FindTopPolygon();
         return d;
     }},
    {"auto-studs-l-shape",
     [] {
         TDrawClass d;
         std::vector<TPoint3> top = {{0, 0, 24},   {40, 0, 24},  {40, 20, 24},
                                     {20, 20, 24}, {20, 40, 24}, {0, 40, 24}};
         std::vector<TPoint3> bottom = top;
         for (TPoint3& p : bottom)
             p.Z = 0;
         d.AddPolygon(bottom);
         d.AddPolygon(top);
         d.AutoStuds(2, 2); // the tube is tested at the missing quarter's centre
         return d;
     }},
    {"auto-studs-3x2-never-past-outline",
     [] {
         TDrawClass d;
         d.AddPolygon(Square(0, 0, 60, 40, 0));
         d.AddPolygon(Square(0, 0, 60, 40, 24));
         d.AutoStuds(1000000, 1000000);
         return d;
     }},
    {"auto-studs-without-stud-polygon",
     [] {
         TDrawClass d = ThreeFaces();
         d.TopStudPolygon = -1;
         d.TopStuds = {{1, 1, 1}};
         d.AutoStuds(2, 2);
         return d;
     }},
    {"painter-sort-all",
     [] {
         TDrawClass d;
         d.AddPolygon(Square(0, 0, 10, 10, 0));
         d.AddPolygon(Square(0, 0, 10, 10, 20));
         d.AddPolygon({{30, 0, 5}, {30, 10, 5}, {30, 10, 15}, {30, 0, 15}});
         d.PainterSortAll();
         return d;
     }},
    {"build-orders-leave-out-back-faces",
     [] {
         TDrawClass d;
         d.AddPolygon(Square(0, 0, 10, 10, 5));
         d.AddPolygon({{0, 0, 0}, {0, 10, 0}, {10, 10, 0}, {10, 0, 0}});
         d.AddPolygon({{0, 0, 0}, {0, 0, 5}, {0, 10, 5}, {0, 10, 0}});
         d.BuildDrawOrders();
         return d;
     }},
    {"stretch-moves-beyond-the-middle",
     [] {
         TDrawClass d = BoxShape(40, 40, 24);
         d.Polygons[0].Points.push_back({20, 10, 24}); // exactly at the middle: stays
         d.Polygons[0].Points.push_back({21, 10, 24});
         StretchShape(d, {40, 40, 24}, {60, 40, 24});
         return d;
     }},
    {"mirror-x-about-largest-x-on-a-stud",
     [] {
         TDrawClass d;
         d.AddPolygon({{0, 0, 0}, {41, 0, 0}, {41, 20, 0}, {0, 20, 0}});
         d.AddPolygon({{5, 0, 8}, {10, 0, 8}, {10, 7, 8}, {5, 7, 8}});
         MirrorAll(d, TAxis::X);
         return d;
     }},
    {"mirror-one-polygon-y",
     [] {
         TDrawClass d;
         d.AddPolygon({{0, 0, 0}, {41, 0, 0}, {41, 20, 0}, {0, 20, 0}});
         d.AddPolygon({{5, 3, 8}, {10, 3, 8}, {10, 7, 9}, {5, 7, 8}});
         MirrorPolygon(d, TAxis::Y, 1);
         return d;
     }},
    {"rotate-all-x", [] { TDrawClass d = BoxShape(20, 40, 24); RotateAll(d, TAxis::X); return d; }},
    {"rotate-all-y", [] { TDrawClass d = BoxShape(20, 40, 24); RotateAll(d, TAxis::Y); return d; }},
    {"rotate-all-z", [] { TDrawClass d = BoxShape(20, 40, 24); RotateAll(d, TAxis::Z); return d; }},
    {"rotate-polygon-about-its-centre",
     [] {
         TDrawClass d = BoxShape(20, 40, 24);
         d.AddPolygon({{10, 0, 0}, {10, 20, 0}, {10, 20, 8}, {10, 0, 8}});
         RotatePolygon(d, TAxis::X, 4);
         return d;
     }},
    {"scale-halves-toward-zero",
     [] {
         TDrawClass d;
         d.SetBoundingBox(20, 40, 24);
         d.AddPolygon({{-5, 7, 9}, {20, 40, 24}, {3, -3, -9}, {0, 0, 0}});
         ScaleShape(d, TScaleStep::XYHalf);
         ScaleShape(d, TScaleStep::ZHalf);
         ScaleShape(d, TScaleStep::XYTimes2);
         ScaleShape(d, TScaleStep::ZTimes2);
         return d;
     }},
    {"extend-flat-polygon",
     [] {
         TDrawClass d;
         d.AddPolygon({{0, 0, 0}, {0, 20, 0}, {0, 20, 8}, {0, 0, 8}});   // flat in x
         d.AddPolygon({{0, 0, 0}, {20, 0, 0}, {20, 20, 8}, {0, 20, 3}}); // not flat: no sides
         ExtendPolygon(d, 1, 24);
         ExtendPolygon(d, 0, 24);
         return d;
     }},
    {"draw-order-hand-edits",
     [] {
         TDrawClass d = BoxShape(20, 20, 8);
         RemoveFromDrawOrder(d, 3, 1);
         InsertIntoDrawOrder(d, 3, 0, 2); // already listed: refused
         InsertIntoDrawOrder(d, 3, 0, 1);
         MoveInDrawOrder(d, 3, 0, 3);
         return d;
     }},
};
} // namespace

TEST(DrawClassEdits, EachEditWritesItsReferenceSection) {
    for (const TShapeEdit& edit : ShapeEdits)
        ExpectReferenceText(std::string("partfiles/edits/") + edit.Name + ".dat",
                            SectionText(edit.Make()));
}

TEST(DrawClassEdits, CountsAndFlagsTheEditorShows) {
    TDrawClass d = BoxShape(20, 20, 8);
    d.SetEdgeFlags(2, -2);
    EXPECT_EQ((std::array{PolygonListNumber(d, 0), PolygonListNumber(d, 2)}), (std::array{1, -3}));
    EXPECT_FALSE(InsertIntoDrawOrder(d, 3, 0, 2));
    TDrawClass flat;
    flat.AddPolygon({{0, 0, 0}, {0, 20, 0}, {0, 20, 8}, {0, 0, 8}});
    EXPECT_EQ(ExtendPolygon(flat, 0, 24), 4);
    EXPECT_TRUE(flat.Modified);

    EXPECT_EQ(ToggleEdgeMark(1, 2), 8);
    EXPECT_EQ(ToggleEdgeMark(8, 2), 1);
    EXPECT_EQ(ToggleEdgeMark(8, 0), 10);
    EXPECT_EQ(ToggleEdgeMark(1, 30), int32_t(0x80000000u));
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
