// Box faces drawn again and again by one surface, which keeps each shape's writes and replays
// them wherever the shape comes, against the same faces drawn one Polygon at a time through the
// general clipping routines.

#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/CoverMask.h"
#include "raster/FastDraw.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

namespace {

// Three faces around the near corner c, in one of a few shapes or, with many, in a new one
// nearly every time.
uint32_t Box(std::mt19937& random, TPoint c, bool many, TPoint faces[3][4]) {
    const auto offset = [&](int reach) { return int(random() % unsigned(2 * reach + 1)) - reach; };
    const int shape = int(random() % 4);
    const TPoint cx{c.X + 5 + shape + (many ? offset(4) : 0), c.Y + 3};
    const TPoint cy{c.X - 6 - (many ? offset(4) : 0), c.Y + 2 + shape};
    const TPoint cz{c.X, c.Y - 7 - shape};
    const TPoint cxy{cx.X + cy.X - c.X, cx.Y + cy.Y - c.Y + (many ? offset(1) : 0)};
    const TPoint cxz{cx.X + cz.X - c.X, cx.Y + cz.Y - c.Y};
    const TPoint cyz{cy.X + cz.X - c.X, cy.Y + cz.Y - c.Y};
    const TPoint x[4] = {c, cy, cyz, cz}, top[4] = {c, cx, cxy, cy}, y[4] = {c, cx, cxz, cz};
    const bool odd = shape % 2 != 0;
    for (int i = 0; i < 4; ++i) {
        faces[0][i] = odd ? y[i] : x[i];
        faces[1][i] = top[i];
        faces[2][i] = odd ? x[i] : y[i];
    }
    return 1u << 3 | (odd ? 1u << 0 : 1u << 4);
}

struct TPair {
    TBitmap Quick, General;
    std::unique_ptr<TFastDraw> QuickSurface, GeneralSurface;
    TPair(int width, int height, TPixelFormat format)
        : Quick(width, height, format), General(width, height, format) {
        QuickSurface = FastDrawFor(Quick);
        GeneralSurface = FastDrawFor(General);
        GeneralSurface->InsideShortcuts = false;
    }
    void Draw(const TPoint faces[3][4], uint32_t redrawn, const TColour colours[3], TColour pen) {
        Quick.Canvas().Pen.Colour = pen;
        QuickSurface->Quads(faces, colours, 3, redrawn);
        General.Canvas().Pen.Colour = pen;
        for (int k = 0; k < 3; ++k) {
            General.Canvas().Brush.Colour = colours[k];
            GeneralSurface->Polygon(faces[k], 3);
        }
    }
    bool Same() const {
        for (int y = 0; y < Quick.Height(); ++y)
            if (std::memcmp(Quick.ScanLine(y), General.ScanLine(y), std::size_t(Quick.Pitch())))
                return false;
        return true;
    }
};

// A few shapes at many places, so that nearly every box replays kept writes in its own colours,
// and new shapes nearly every time, so that kept shapes give way to others.
TEST(QuadStamps, ReplayedShapesWriteWhatDrawingWould) {
    const TPixelFormat formats[] = {TPixelFormat::pf16bit, TPixelFormat::pf24bit,
                                    TPixelFormat::pf32bit};
    for (TPixelFormat format : formats)
        for (bool many : {false, true}) {
            std::mt19937 random(11);
            TPair pair(160, 120, format);
            for (int box = 0; box < 6000; ++box) {
                TPoint faces[3][4];
                const TPoint c{20 + int(random() % 120), 20 + int(random() % 80)};
                const uint32_t redrawn = Box(random, c, many, faces);
                const TColour colours[3] = {TColour(random() & 0xFFFFFF),
                                            TColour(random() & 0xFFFFFF),
                                            TColour(random() & 0xFFFFFF)};
                pair.Draw(faces, redrawn, colours, TColour(random() & 0xFFFFFF));
            }
            EXPECT_TRUE(pair.Same()) << "format " << int(format) << " many " << many;
            EXPECT_EQ(pair.Quick.Canvas().Brush.Colour, pair.General.Canvas().Brush.Colour);
        }
}

// Front to back through a cover mask the kept writes come last first, and each copy must leave
// the pixels the same boxes drawn back to front do; boxes there hide one another often.
TEST(QuadStamps, ReplayedFrontToBackWritesWhatDrawingBackToFrontWould) {
    struct TBox {
        TPoint Faces[3][4];
        uint32_t Redrawn;
        TColour Colours[3], Pen;
    };
    for (TPixelFormat format : {TPixelFormat::pf16bit, TPixelFormat::pf32bit})
        for (bool many : {false, true}) {
            std::mt19937 random(5);
            std::vector<TBox> boxes(3000);
            for (TBox& box : boxes) {
                const TPoint c{20 + int(random() % 90), 20 + int(random() % 60)};
                box.Redrawn = Box(random, c, many, box.Faces);
                for (TColour& colour : box.Colours)
                    colour = TColour(random() & 0xFFFFFF);
                box.Pen = TColour(random() & 0xFFFFFF);
            }
            TPair pair(130, 100, format);
            TCoverMask mask;
            mask.Reset(pair.QuickSurface->RowStep, 0, pair.Quick.Height() - 1);
            pair.QuickSurface->SetCoverMask(&mask);
            for (auto box = boxes.rbegin(); box != boxes.rend(); ++box) {
                pair.Quick.Canvas().Pen.Colour = box->Pen;
                pair.QuickSurface->Quads(box->Faces, box->Colours, 3, box->Redrawn);
            }
            for (const TBox& box : boxes) {
                pair.General.Canvas().Pen.Colour = box.Pen;
                for (int k = 0; k < 3; ++k) {
                    pair.General.Canvas().Brush.Colour = box.Colours[k];
                    pair.GeneralSurface->Polygon(box.Faces[k], 3);
                }
            }
            EXPECT_TRUE(pair.Same()) << "format " << int(format) << " many " << many;
        }
}

// Kept writes are byte offsets for one row pitch: a bitmap made wider must not replay them.
TEST(QuadStamps, ResizedBitmapDrawsAfresh) {
    std::mt19937 random(3);
    TPair pair(64, 48, TPixelFormat::pf32bit);
    TPoint faces[3][4];
    const uint32_t redrawn = Box(random, {30, 24}, false, faces);
    const TColour colours[3] = {TColour(0x102030), TColour(0x405060), TColour(0x708090)};
    pair.Draw(faces, redrawn, colours, TColour(0));
    for (TBitmap* bitmap : {&pair.Quick, &pair.General})
        bitmap->SetSize(100, 48);
    pair.QuickSurface->Prepare();
    pair.GeneralSurface->Prepare();
    pair.Draw(faces, redrawn, colours, TColour(0));
    EXPECT_TRUE(pair.Same());
}

// Corners too far apart to key a shape by take the drawing routines themselves.
TEST(QuadStamps, LargeFacesAreDrawnDirectly) {
    TPair pair(400, 300, TPixelFormat::pf32bit);
    const TPoint c{200, 150};
    const TPoint faces[3][4] = {{c, {60, 200}, {60, 20}, {200, 10}},
                                {c, {360, 190}, {220, 240}, {60, 200}},
                                {c, {360, 190}, {360, 50}, {200, 10}}};
    const TColour colours[3] = {TColour(0x0000FF), TColour(0x00FF00), TColour(0xFF0000)};
    for (int pass = 0; pass < 2; ++pass)
        pair.Draw(faces, 1u << 3 | 1u << 4, colours, TColour(0x111111));
    EXPECT_TRUE(pair.Same());
}

} // namespace
