// Every brick kind in every drawing style, seen from all eight octants and straight down,
// compared whole with a reference frame: one strip of nine tiles per kind and style, octant 0 on
// the left, the view from straight above last.

#include "model/GeneralBlock.h"
#include "render/RenderTestSupport.h"
#include "render/bricks/DrawBrick.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int32_t Colour = 0x3C78C8;
constexpr int Tile = 64;

std::unique_ptr<TBlock> General(const char* part, int x, int y, int z) {
    auto block = std::make_unique<TGeneralBlock>();
    block->X = x, block->Y = y, block->Z = z;
    block->Colour = Colour;
    block->SetDefinition("parts.dat", part);
    return block;
}

struct TKind {
    const char* Name;
    std::function<std::unique_ptr<TBlock>()> Make;
    float Scale;
};

// Boxes centred on the origin so that each fits its tile from every side.
const TKind Kinds[] = {
    {"Brick", [] { return MakeBrick('B', -20, -30, -12, 40, 60, 24, Colour); }, 0.6f},
    {"Round", [] { return MakeBrick('R', -30, -30, -12, 60, 60, 24, Colour); }, 0.6f},
    {"Roof", [] { return MakeBrick('T', -30, -20, -12, 60, 40, 24, Colour); }, 0.6f},
    {"InnerCorner", [] { return MakeBrick('N', -30, -30, -12, 60, 60, 24, Colour); }, 0.6f},
    {"OuterCorner", [] { return MakeBrick('C', -30, -30, -12, 60, 60, 24, Colour); }, 0.6f},
    {"RidgeCorner", [] { return MakeBrick('I', -30, -30, -12, 60, 60, 24, Colour); }, 0.6f},
    {"RidgeEnd", [] { return MakeBrick('E', -30, -20, -12, 60, 40, 24, Colour); }, 0.6f},
    {"Window", [] { return MakeBrick('W', -30, -10, -36, 60, 20, 72, Colour); }, 0.5f},
    {"Door", [] { return MakeBrick('D', -40, -10, -48, 80, 20, 96, Colour); }, 0.4f},
    {"Wheel", [] { return MakeBrick('O', -20, -20, -28, 40, 40, 56, Colour); }, 0.6f},
    {"GeneralCorner", [] { return General("corner2x2", -20, -20, -12); }, 0.6f},
    {"GeneralArch", [] { return General("arch1x4", -20, -40, -12); }, 0.5f},
};

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

void PrintTo(const TKind& kind, std::ostream* out) {
    *out << kind.Name;
}
void PrintTo(const TStyle& style, std::ostream* out) {
    *out << style.Name;
}

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
                         ::testing::Combine(::testing::ValuesIn(Kinds),
                                            ::testing::ValuesIn(Styles)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Name) + "_" +
                                    std::get<1>(info.param).Name;
                         });

} // namespace
