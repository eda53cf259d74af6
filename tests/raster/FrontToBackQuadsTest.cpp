// Boxes drawn last first through a cover mask, against the same boxes drawn first to last one
// Polygon at a time through the general routines: the first write to a pixel must leave what
// the last one does.

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
    bool Same() const {
        for (int y = 0; y < Quick.Height(); ++y)
            if (std::memcmp(Quick.ScanLine(y), General.ScanLine(y), std::size_t(Quick.Pitch())))
                return false;
        return true;
    }
};

// Boxes hide one another often here, in a few shapes or in many.
TEST(FrontToBackQuads, WriteWhatDrawingBackToFrontWould) {
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

} // namespace
