// One picture of every primitive, solid and see-through, partly off the bitmap's edges, drawn in
// every pixel format through the fast surface where the format has one and through the plain
// canvas, compared whole with references.

#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/DrawObject.h"
#include "support/ReferenceFile.h"

#include <gtest/gtest.h>

namespace {

struct TFormatCase {
    const char* Name;
    TPixelFormat Format;
};

const TFormatCase Formats[] = {
    {"8bit", TPixelFormat::pf8bit},   {"15bit", TPixelFormat::pf15bit},
    {"16bit", TPixelFormat::pf16bit}, {"24bit", TPixelFormat::pf24bit},
    {"32bit", TPixelFormat::pf32bit}, {"device", TPixelFormat::pfDevice}};

void DrawEveryPrimitive(TDrawObject& target) {
    TCanvas& canvas = target.Canvas();
    canvas.Brush.Colour = RGB(100, 100, 100);
    target.FillRect({0, 0, 64, 48});
    canvas.Pen.Colour = RGB(255, 0, 0);
    canvas.Brush.Colour = RGB(0, 0, 255);
    target.Rectangle(-3, 2, 14, 12);
    target.Ellipse(18, 1, 41, 16);
    const TPoint star[] = {{50, -6}, {54, 10}, {68, 12}, {56, 18}, {60, 30}, {50, 22}, {42, 28}};
    target.Polygon(star, 6);
    target.Line(0, 47, 63, 20);
    const TPoint zigzag[] = {{2, 20}, {10, 30}, {4, 34}, {16, 44}, {16, 36}};
    target.Polyline(zigzag, 4);
    canvas.Brush.Colour = RGB(200, 0, 0);
    target.FrameRect({30, 18, 40, 22});

    // See-through: blended where the format can, hatched where it cannot; outlines over
    // filled pixels blend with the blend of the brush.
    canvas.Brush.Style = TBrushStyle::bsDiagCross;
    canvas.Brush.Colour = RGB(200, 100, 0);
    canvas.Pen.Colour = RGB(0, 200, 0);
    target.Ellipse(8, 6, 36, 40);
    const TPoint square[] = {{24, 24}, {44, 24}, {44, 44}, {24, 44}};
    target.Polygon(square, 3);
    target.Line(20, 46, 62, 46);
    canvas.Brush.Style = TBrushStyle::bsSolid;
}

class Primitives : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(Primitives, MatchTheReferenceThroughSurfaceAndCanvas) {
    for (bool surface : {true, false}) {
        TBitmap bitmap(64, 48, GetParam().Format);
        TDrawObject target =
            surface ? TDrawObject::CreateFromBitmap(bitmap) : TDrawObject(bitmap.Canvas());
        DrawEveryPrimitive(target);
        EXPECT_TRUE(
            MatchesReferencePicture(bitmap, std::string("raster/primitives/") + GetParam().Name +
                                                (surface ? "-surface" : "-canvas") + ".png"));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, Primitives, ::testing::ValuesIn(Formats),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
