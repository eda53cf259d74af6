// Every brick kind in every drawing style, seen from all eight octants and straight down,
// compared whole with a reference frame: one strip of nine tiles per kind and style, octant 0 on
// the left, the view from straight above last.

#include "render/RenderTestSupport.h"
#include "render/bricks/DrawBrick.h"
#include "render/bricks/EveryKind.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>

namespace {

constexpr int Tile = 64;

struct TStyle {
    const char* Name;
    bool Shading = false, Studs = false, WireFrame = false, Glass = false, Selected = false;
    bool Turned = false, SeeThroughBaseplate = false;
    int StudStyle = StudOutline;
    TColour Background = 0xFFFFFF;

    void Apply(TDrawContext& context, TBlock& brick) const {
        if (Turned) {
            context.Light = {-3, 5, 10};
            context.ComputeLightFactors();
        }
        context.Shading = Shading;
        context.SetStudStyle(StudStyle);
        context.SetWireFrame(WireFrame);
        context.SeeThroughBaseplate = brick.Baseplate = SeeThroughBaseplate;
        brick.Studs = Studs;
        brick.Transparent = Glass;
        brick.Selected = Selected;
        if (Turned)
            brick.Rotate();
    }
};

// Glass is blended halfway into black, so every overlap of faces shows. Quarter turns: sloped
// kinds keep the side order of the view, so these are not the unturned frames shifted by two
// tiles; the light tells all four sides apart.
const TStyle Styles[] = {
    {.Name = "Plain"},
    {.Name = "FastStuds", .Studs = true},
    {.Name = "ShadedFullStuds", .Shading = true, .Studs = true, .StudStyle = StudFull},
    {.Name = "EllipseStuds", .Studs = true, .StudStyle = StudEllipse},
    {.Name = "Wireframe", .Shading = true, .Studs = true, .WireFrame = true},
    {.Name = "Glass", .Glass = true, .Background = 0x000000},
    {.Name = "Selected", .Shading = true, .Selected = true},
    {.Name = "TurnedShaded", .Shading = true, .Studs = true, .Turned = true},
    {.Name = "SeeThroughBaseplate", .SeeThroughBaseplate = true},
};

using TFrameCase = std::tuple<TKind, TStyle>;

class BrickFrames : public ::testing::TestWithParam<TFrameCase> {
protected:
    TShippedAppDir Shipped;
};

TEST_P(BrickFrames, MatchTheReference) {
    const auto& [kind, style] = GetParam();
    TBitmap strip(9 * Tile, Tile);
    for (int tile = 0; tile < 9; ++tile) {
        TDrawContext context;
        auto brick = kind.Make();
        style.Apply(context, *brick);
        // Tilt 60 from above or 120 from below, the azimuth inside the octant's quarter.
        const bool fromAbove = tile < 4 || tile == 8;
        SetView(context,
                tile == 8   ? 0
                : fromAbove ? 60
                            : 120,
                40 + 90 * (tile & 3), kind.Scale, Tile / 2.f, Tile / 2.f);
        TTestCanvas canvas(Tile, Tile, context, style.Background);
        DrawBrick(*brick, canvas.Target);
        strip.Canvas().Draw(tile * Tile, 0, canvas.Bitmap);
        // Drawing hands the canvas back in its resting state for the next brick.
        const TCanvas& rest = canvas.Target.Canvas();
        EXPECT_EQ(rest.Brush.Style, TBrushStyle::bsSolid);
        EXPECT_EQ(rest.Brush.Colour, 0xC0C0C0u);
    }
    EXPECT_TRUE(MatchesReferencePicture(strip, std::string("render/bricks/") + kind.Name + "-" +
                                                   style.Name + ".png"));
}

INSTANTIATE_TEST_SUITE_P(EveryKindAndStyle, BrickFrames,
                         ::testing::Combine(::testing::ValuesIn(EveryKind),
                                            ::testing::ValuesIn(Styles)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Name) + "_" +
                                    std::get<1>(info.param).Name;
                         });

} // namespace
