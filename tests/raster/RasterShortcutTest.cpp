// The surfaces' shortcuts for primitives wholly inside the clip rectangle against the general
// clipping routines: the same operations on two surfaces, one with the shortcuts switched off,
// must leave the same bytes, pen position, brush and blending.

#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/CoverMask.h"
#include "raster/FastDraw.h"
#include "raster/LineStamp.h"
#include "raster/RasterTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr TPixelFormat FastFormats[] = {TPixelFormat::pf15bit, TPixelFormat::pf16bit,
                                        TPixelFormat::pf24bit, TPixelFormat::pf32bit};

// A point near a centre: mostly within a few pixels, sometimes across the bitmap or far off.
TPoint Near(std::mt19937& random, TPoint centre, int spread, int width, int height) {
    switch (random() % 16) {
    case 0:
        return {int(random() % unsigned(3 * width)) - width,
                int(random() % unsigned(3 * height)) - height};
    case 1:
        return {int(random() % 200001) - 100000, int(random() % 200001) - 100000};
    default:
        return {centre.X + int(random() % unsigned(2 * spread + 1)) - spread,
                centre.Y + int(random() % unsigned(2 * spread + 1)) - spread};
    }
}

// Two identical bitmaps, the second drawn with the shortcuts off.
struct TPair {
    TBitmap Fast, General;
    std::unique_ptr<TFastDraw> FastSurface, GeneralSurface;

    TPair(int width, int height, TPixelFormat format, std::mt19937& random)
        : Fast(width, height, format), General(width, height, format) {
        Scramble(Fast, random);
        General.Assign(Fast);
        FastSurface = FastDrawFor(Fast);
        GeneralSurface = FastDrawFor(General);
        GeneralSurface->InsideShortcuts = false;
    }

    void Paint(TColour pen, TColour brush, TBrushStyle style) {
        for (TBitmap* b : {&Fast, &General}) {
            b->Canvas().Pen.Colour = pen;
            b->Canvas().Brush.Colour = brush;
            b->Canvas().Brush.Style = style;
        }
    }
    template <class Op> void Both(TColour pen, TColour brush, TBrushStyle style, Op op) {
        Paint(pen, brush, style);
        op(*FastSurface);
        op(*GeneralSurface);
    }

    ::testing::AssertionResult Agree() {
        if (!SameBytes(Fast, General))
            return ::testing::AssertionFailure() << "the bytes differ";
        if (!(Fast.Canvas().PenPos == General.Canvas().PenPos))
            return ::testing::AssertionFailure() << "the pen positions differ";
        if (Fast.Canvas().Brush.Colour != General.Canvas().Brush.Colour ||
            FastSurface->IsBlending() != GeneralSurface->IsBlending())
            return ::testing::AssertionFailure() << "the brushes or writers differ";
        return ::testing::AssertionSuccess();
    }
};

// Three faces around a near corner C, as a box shows them: sides and top share edges, some in
// the same direction. The corners mostly lie inside the bitmap, sometimes beyond its edge.
// Returns the segments drawn again by a later face.
uint32_t BoxFaces(std::mt19937& random, int spread, TPoint faces[3][4]) {
    const auto offset = [&](int reach) { return int(random() % unsigned(2 * reach + 1)) - reach; };
    const TPoint c{24 + offset(20), 20 + offset(16)};
    const auto near = [&](TPoint p) { return TPoint{p.X + offset(spread), p.Y + offset(spread)}; };
    const TPoint cx = near(c), cy = near(c), cz = near(c);
    const TPoint cxy{cx.X + cy.X - c.X + offset(1), cx.Y + cy.Y - c.Y + offset(1)};
    const TPoint cxz{cx.X + cz.X - c.X + offset(1), cx.Y + cz.Y - c.Y + offset(1)};
    const TPoint cyz{cy.X + cz.X - c.X + offset(1), cy.Y + cz.Y - c.Y + offset(1)};
    const TPoint x[4] = {c, cy, cyz, cz}, top[4] = {c, cx, cxy, cy}, y[4] = {c, cx, cxz, cz};
    const bool odd = random() % 2 != 0;
    for (int i = 0; i < 4; ++i) {
        faces[0][i] = odd ? y[i] : x[i];
        faces[1][i] = top[i];
        faces[2][i] = odd ? x[i] : y[i];
    }
    // Cz to C closes both sides; C to Cx opens the top and the Y side.
    return 1u << 3 | (odd ? 1u << 0 : 1u << 4);
}

} // namespace

TEST(RasterShortcuts, RandomPrimitivesWriteWhatTheGeneralRoutinesWrite) {
    std::mt19937 random(20261206);
    const TBrushStyle styles[] = {TBrushStyle::bsSolid, TBrushStyle::bsClear,
                                  TBrushStyle::bsDiagCross};
    for (TPixelFormat format : FastFormats)
        for (int size : {3, 9, 40}) {
            const int width = size + 7, height = size;
            TPair pair(width, height, format, random);
            for (int round = 0; round < 1500; ++round) {
                const TColour pen = TColour(random() & 0xFFFFFF);
                const TColour brush = TColour(random() & 0xFFFFFF);
                const TBrushStyle style = styles[random() % 3];
                const TPoint centre{int(random() % unsigned(width)),
                                    int(random() % unsigned(height))};
                const int spread = 1 + int(random() % unsigned(size));
                // Up to 20 points crosses the limit of the small-polygon shortcut.
                std::vector<TPoint> points(random() % 21);
                for (TPoint& p : points)
                    p = Near(random, centre, spread, width, height);
                // Repeated and lined-up points: spikes, flat edges, zero area.
                if (points.size() > 3 && random() % 4 == 0)
                    points[random() % points.size()] = points[random() % points.size()];
                if (points.size() > 3 && random() % 4 == 0)
                    for (TPoint& p : points)
                        p.Y = random() % 2 ? centre.Y : p.Y;
                const int high = int(points.size()) - 1;
                const TPoint origin = Near(random, {0, 0}, size, width, height);
                pair.Both(pen, brush, style, [&](TFastDraw& s) {
                    switch (round % 5) {
                    case 0:
                    case 1:
                        s.Polygon(points.data(), high);
                        break;
                    case 2:
                        s.Polyline(points.data(), high);
                        break;
                    case 3:
                        s.PolygonOutline(points.data(), high);
                        break;
                    default:
                        s.PolylineAt(points.data(), high, origin);
                        break;
                    }
                });
                ASSERT_TRUE(pair.Agree())
                    << "format " << int(format) << " size " << size << " round " << round;
            }
        }
}

// Studs stamped at many places, partly off the clip rectangle too, one at a time or in batches,
// and re-recorded when the shape changes, against one PolylineAt each through the general
// routines; blending shows a pixel written twice by neighbouring segments.
TEST(RasterShortcuts, StampedShapesMatchTheirPolylines) {
    std::mt19937 random(7);
    for (TPixelFormat format : FastFormats)
        for (TBrushStyle style : {TBrushStyle::bsSolid, TBrushStyle::bsDiagCross}) {
            TPair pair(41, 29, format, random);
            // The last Polygon chooses whether lines blend.
            const TPoint dot[3] = {{-9, -9}, {-9, -9}, {-9, -9}};
            pair.Both(0, 0, style, [&](TFastDraw& s) { s.Polygon(dot, 2); });
            for (int shape = 0; shape < 30; ++shape) {
                const int a = int(random() % 7), b = int(random() % 5), c = a / 2, d = b / 2;
                const int ux = int(random() % 3) - 1, uy = -int(random() % 4);
                const TPoint rim[] = {{-a, d}, {-a, -d}, {-c, -b}, {c, -b}, {a, -d},
                                      {a, d},  {c, b},   {-c, b},  {-a, d}};
                // The rim raised by (ux, uy), then the near side of the body down to the ground.
                std::vector<TPoint> stud;
                for (TPoint p : rim)
                    stud.push_back({p.X + ux, p.Y + uy});
                stud.insert(stud.end(), {{-a, d}, {-c, b}, {c, b}, {a, d}, {a + ux, d + uy}});
                for (int i = 0; i < 20; ++i) {
                    std::vector<TPoint> origins(i % 2 == 0 ? 1 : random() % 70);
                    for (TPoint& o : origins)
                        o = random() % 8 == 0
                                ? TPoint{int(random() % 2000) - 1000, -500}
                                : TPoint{int(random() % 49) - 4, int(random() % 37) - 4};
                    pair.Paint(TColour(random() & 0xFFFFFF), 0, style);
                    if (i % 2 == 0)
                        pair.FastSurface->PolylineAt(stud.data(), 13, origins[0]);
                    else
                        pair.FastSurface->PolylineAtEach(stud.data(), 13, origins.data(),
                                                         int(origins.size()));
                    for (TPoint o : origins)
                        pair.GeneralSurface->PolylineAt(stud.data(), 13, o);
                    ASSERT_TRUE(pair.Agree()) << shape << " " << i;
                }
            }
        }
}

// A box's faces drawn in one call against the same faces one Polygon at a time.
TEST(RasterShortcuts, BoxFacesInOneCallMatchPolygonsOneByOne) {
    std::mt19937 random(5);
    const TBrushStyle styles[] = {TBrushStyle::bsSolid, TBrushStyle::bsSolid,
                                  TBrushStyle::bsDiagCross, TBrushStyle::bsClear};
    for (TPixelFormat format : FastFormats)
        for (int trial = 0; trial < 3000; ++trial) {
            TPair pair(48, 40, format, random);
            pair.Paint(TColour(random() & 0xFFFFFF), 0, styles[trial % 4]);
            TPoint faces[3][4];
            const uint32_t redrawn = BoxFaces(random, trial % 5 == 0 ? 24 : 6, faces);
            const TColour colours[3] = {TColour(random() & 0xFFFFFF), TColour(random() & 0xFFFFFF),
                                        TColour(random() & 0xFFFFFF)};
            pair.FastSurface->Quads(faces, colours, 3, redrawn);
            for (int k = 0; k < 3; ++k) {
                pair.General.Canvas().Brush.Colour = colours[k];
                pair.GeneralSurface->Polygon(faces[k], 3);
            }
            ASSERT_TRUE(pair.Agree()) << "format " << int(format) << " trial " << trial;
        }
}

// Boxes, and batches of stamps, drawn last first through a cover mask, the first write to a
// pixel winning, against the same drawn first to last: boxes hide one another often and some
// reach past the edge; rings narrower than a mask word lie at every column, across the words'
// edges too, and a shape is wider than a word.
TEST(RasterShortcuts, BoxesAndStampsFrontToBackThroughACoverMaskMatchBackToFront) {
    const TPoint ring[9] = {{-3, 1}, {-3, -1}, {-1, -2}, {1, -2}, {3, -1},
                            {3, 1},  {1, 2},   {-1, 2},  {-3, 1}};
    const TPoint wide[4] = {{-40, 0}, {0, -3}, {40, 0}, {-40, 1}};
    struct TItem {
        std::function<void(TPair&)> Fast, General;
    };
    std::mt19937 random(7);
    for (TPixelFormat format :
         {TPixelFormat::pf15bit, TPixelFormat::pf16bit, TPixelFormat::pf32bit})
        for (int trial = 0; trial < 60; ++trial) {
            std::vector<TItem> items(trial % 3 == 0 ? 12 : 30);
            for (TItem& item : items) {
                const TColour pen = TColour(random() & 0xFFFFFF);
                if (trial % 3 == 0) {
                    std::vector<TPoint> origins(random() % 40);
                    for (TPoint& o : origins)
                        o = {int(random() % 170) - 10, int(random() % 36) - 3};
                    const TPoint* shape = trial % 4 == 0 ? wide : ring;
                    const int high = trial % 4 == 0 ? 3 : 8;
                    const auto stamp = [=](TBitmap& bitmap, TFastDraw& surface) {
                        bitmap.Canvas().Pen.Colour = pen;
                        surface.PolylineAtEach(shape, high, origins.data(), int(origins.size()));
                    };
                    item = {[=](TPair& p) { stamp(p.Fast, *p.FastSurface); },
                            [=](TPair& p) { stamp(p.General, *p.GeneralSurface); }};
                    continue;
                }
                TPoint faces[3][4];
                const uint32_t redrawn = BoxFaces(random, trial % 5 == 0 ? 24 : 6, faces);
                TColour colours[3];
                for (TColour& colour : colours)
                    colour = TColour(random() & 0xFFFFFF);
                item = {[=](TPair& p) {
                            p.Fast.Canvas().Pen.Colour = pen;
                            p.FastSurface->Quads(faces, colours, 3, redrawn);
                        },
                        [=](TPair& p) {
                            p.General.Canvas().Pen.Colour = pen;
                            for (int k = 0; k < 3; ++k) {
                                p.General.Canvas().Brush.Colour = colours[k];
                                p.GeneralSurface->Polygon(faces[k], 3);
                            }
                        }};
            }
            TPair pair(150, 40, format, random);
            TCoverMask mask;
            mask.Reset(pair.FastSurface->RowStep, 0, pair.Fast.Height() - 1);
            pair.FastSurface->SetCoverMask(&mask);
            for (auto item = items.rbegin(); item != items.rend(); ++item)
                item->Fast(pair);
            for (const TItem& item : items)
                item.General(pair);
            ASSERT_TRUE(SameBytes(pair.Fast, pair.General))
                << "format " << int(format) << " trial " << trial;
        }
}

// A resized bitmap has a new row pitch: the stamp recorded for the old one must not be replayed.
TEST(RasterShortcuts, PrepareForgetsTheStampOfTheOldSize) {
    const TPoint ring[5] = {{-2, 0}, {0, -2}, {2, 0}, {0, 2}, {-2, 0}};
    TBitmap bitmap(12, 10), expected(30, 20);
    bitmap.Canvas().Pen.Colour = expected.Canvas().Pen.Colour = 0xFFFFFF;
    TFastDraw32 surface(bitmap), general(expected);
    general.InsideShortcuts = false;
    surface.PolylineAt(ring, 4, {5, 5});
    bitmap.SetSize(30, 20);
    surface.Prepare();
    surface.PolylineAt(ring, 4, {20, 12});
    general.PolylineAt(ring, 4, {5, 5});
    general.PolylineAt(ring, 4, {20, 12});
    EXPECT_TRUE(SameBytes(bitmap, expected));
}

TEST(LineStamp, KeepsEveryWriteAndEachPixelOnce) {
    // Two segments meeting at (2, 0): that pixel is written twice.
    const TPoint shape[3] = {{0, 0}, {2, 0}, {2, 1}};
    TLineStamp stamp;
    EXPECT_FALSE(stamp.Holds(shape, 2));
    stamp.Record(shape, 2, 100, 4);
    EXPECT_TRUE(stamp.Holds(shape, 2));
    EXPECT_FALSE(stamp.Holds(shape, 1));
    EXPECT_EQ(stamp.Bounds, (TRect{0, 0, 2, 1}));
    EXPECT_EQ(stamp.Writes, (std::vector<std::ptrdiff_t>{0, 4, 8, 8, 108}));
    EXPECT_EQ(stamp.Pixels, (std::vector<std::ptrdiff_t>{0, 4, 8, 108}));
    EXPECT_EQ(stamp.RowBits, (std::vector<uint64_t>{0b111, 0b100}));

    // Offsets count from the top left corner of the bounds, not from the origin.
    const TPoint raised[2] = {{-1, -3}, {-1, -2}};
    stamp.Record(raised, 1, 100, 2);
    EXPECT_EQ(stamp.Bounds, (TRect{-1, -3, -1, -2}));
    EXPECT_EQ(stamp.Writes, (std::vector<std::ptrdiff_t>{0, 100}));
    EXPECT_EQ(stamp.RowBits, (std::vector<uint64_t>{1, 1}));

    // Rows of bits hold shapes up to a word wide.
    const TPoint word[2] = {{0, 0}, {63, 0}}, wider[2] = {{0, 0}, {64, 0}};
    stamp.Record(word, 1, 400, 4);
    EXPECT_EQ(stamp.RowBits, (std::vector<uint64_t>{~uint64_t(0)}));
    stamp.Record(wider, 1, 400, 4);
    EXPECT_TRUE(stamp.RowBits.empty());
}
