// A box's faces drawn in one call against the same faces drawn one Polygon at a time through the
// general clipping routines: the same bytes, pen position and brush afterwards.

#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/FastDraw.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

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

TEST(FastQuads, SameAsPolygonsOneByOne) {
    std::mt19937 random(5);
    const TPixelFormat formats[] = {TPixelFormat::pf15bit, TPixelFormat::pf16bit,
                                    TPixelFormat::pf24bit, TPixelFormat::pf32bit};
    const TBrushStyle styles[] = {TBrushStyle::bsSolid, TBrushStyle::bsSolid,
                                  TBrushStyle::bsDiagCross, TBrushStyle::bsClear};
    for (TPixelFormat format : formats)
        for (int trial = 0; trial < 3000; ++trial) {
            TBitmap quick(48, 40, format), general(48, 40, format);
            for (int y = 0; y < quick.Height(); ++y)
                for (int i = 0; i < quick.Pitch(); ++i)
                    quick.ScanLine(y)[i] = uint8_t(random());
            general.Assign(quick);
            auto quickSurface = FastDrawFor(quick), generalSurface = FastDrawFor(general);
            generalSurface->InsideShortcuts = false;
            const TBrushStyle style = styles[trial % 4];
            for (TBitmap* b : {&quick, &general}) {
                b->Canvas().Pen.Colour = TColour(random() & 0xFFFFFF);
                b->Canvas().Brush.Style = style;
            }
            general.Canvas().Pen.Colour = quick.Canvas().Pen.Colour;
            TPoint faces[3][4];
            const uint32_t redrawn = BoxFaces(random, trial % 5 == 0 ? 24 : 6, faces);
            const TColour colours[3] = {TColour(random() & 0xFFFFFF), TColour(random() & 0xFFFFFF),
                                        TColour(random() & 0xFFFFFF)};
            quickSurface->Quads(faces, colours, 3, redrawn);
            for (int k = 0; k < 3; ++k) {
                general.Canvas().Brush.Colour = colours[k];
                generalSurface->Polygon(faces[k], 3);
            }
            ASSERT_EQ(std::memcmp(quick.ScanLine(0), general.ScanLine(0),
                                  std::size_t(quick.Pitch()) * quick.Height()),
                      0)
                << "format " << int(format) << " trial " << trial;
            ASSERT_EQ(quick.Canvas().PenPos, general.Canvas().PenPos);
            ASSERT_EQ(quick.Canvas().Brush.Colour, general.Canvas().Brush.Colour);
            ASSERT_EQ(quickSurface->IsBlending(), generalSurface->IsBlending());
        }
}

} // namespace
