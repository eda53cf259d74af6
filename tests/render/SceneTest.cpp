#include "render/Scene.h"

#include "model/BlockList.h"
#include "render/RenderTestSupport.h"
#include "support/ReferenceFile.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr TColour Background = 0xF0F0F0;

// Top view, a quarter pixel per unit, origin (3, 2): x -> x/4 + 3, y -> y/4 + 2.
struct SceneTest : ::testing::Test {
    TDrawContext Context;
    TBlockList Model;
    TBackground Back{Background, nullptr};

    void SetUp() override { SetView(Context, 0, 0, 0.25f, 3, 2); }

    TBlock& Add(int x, int y, int z, int sx, int sy, int sz, int32_t colour) {
        return Model.Add(MakeBrick('B', x, y, z, sx, sy, sz, colour));
    }
};

// Three bricks: one plain, one whose top (56) lies above the cut at 48, one beyond the step
// limit; a transparent one over the corner of a fourth.
struct TSceneCase {
    const char* Name;
    std::function<void(SceneTest&, TBitmap&)> Draw;
};

void DrawAllInto(SceneTest& t, TBitmap& view, bool force) {
    TDrawObject target = TDrawObject::CreateFromBitmap(view);
    target.Context = &t.Context;
    target.Canvas().Brush.Colour = Background;
    target.FillRect({0, 0, view.Width(), view.Height()});
    DrawAll(t.Model, target, force);
}

const TSceneCase SceneCases[] = {
    {"CutAndStepLimit", [](SceneTest& t, TBitmap& view) { DrawAllInto(t, view, false); }},
    // Forcing ignores the cut, never the step limit.
    {"ForcedPastTheCut", [](SceneTest& t, TBitmap& view) { DrawAllInto(t, view, true); }},
    {"WholeFrame",
     [](SceneTest& t, TBitmap& view) { DrawScene(t.Model, view, t.Context, t.Back); }},
    {"AntiAliasedFrame",
     [](SceneTest& t, TBitmap& view) { PaintFrame(t.Model, view, t.Context, t.Back, true); }},
    // Scale 0.5, origin 2 * (3 - 1, 2 - 1) = (4, 2).
    {"ShiftedAndDoubled",
     [](SceneTest& t, TBitmap& view) {
         RenderToBitmap(t.Model, view, {1, 1}, 2, t.Context, t.Back);
     }},
};

struct SceneFrames : SceneTest, ::testing::WithParamInterface<TSceneCase> {};

TEST_P(SceneFrames, MatchTheReference) {
    Add(0, 0, 0, 20, 20, 24, 0x0000FF);
    Add(40, 0, 32, 20, 20, 24, 0x00FF00);
    Add(0, 40, 0, 20, 20, 24, 0xFF0000).Step = 2;
    Add(60, 40, 0, 38, 22, 24, 0x2060A0);
    Add(98, 62, 0, 20, 20, 24, 0xF0C010).Transparent = true;
    Context.Boundary.ZHigh = 48;
    const TViewState before = Context.View;
    TBitmap view(40, 30);
    GetParam().Draw(*this, view);
    EXPECT_TRUE(
        MatchesReferencePicture(view, std::string("render/scene/") + GetParam().Name + ".png"));
    EXPECT_EQ(std::tuple(Context.View.ViewScale, Context.View.OriginX, Context.Studs.StudRX),
              std::tuple(before.ViewScale, before.OriginX, 1));
}

INSTANTIATE_TEST_SUITE_P(Ways, SceneFrames, ::testing::ValuesIn(SceneCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SceneTest, BoundaryShownTestsEveryAxisAndHiddenOnlyZ) {
    auto brick = MakeBrick('B', -30, 0, 24, 40, 20, 24, 0);
    TCuttingBox box;
    box.ZHigh = 48;
    EXPECT_TRUE(InsideCut(box, *brick));
    box.XLow = -20;
    EXPECT_TRUE(InsideCut(box, *brick)); // window hidden: X is not tested
    box.Shown = true;
    EXPECT_FALSE(InsideCut(box, *brick)); // partly outside is outside
    brick->Z = 32;
    box = {};
    box.ZHigh = 48;
    EXPECT_FALSE(InsideCut(box, *brick));
}

TEST_F(SceneTest, BrickAtFindsTheFrontmostInsideTheBoundary) {
    Add(0, 0, 0, 40, 40, 24, 0x0000FF);
    Add(0, 0, 24, 40, 40, 24, 0x00FF00).Step = 9;
    EXPECT_EQ(BrickAt(Model, Context, 5, 5), 1); // the step limit does not hide it
    Context.Boundary.ZHigh = 30;
    EXPECT_EQ(BrickAt(Model, Context, 5, 5), 0);
    EXPECT_EQ(BrickAt(Model, Context, 30, 5), -1);
}

TEST_F(SceneTest, FrameSortsForANewOctant) {
    Add(0, 0, 24, 20, 20, 24, 0x0000FF);
    Add(0, 0, 0, 20, 20, 24, 0x00FF00);
    Model.SortedOctant = -2;
    TBitmap view(40, 30);
    DrawScene(Model, view, Context, Back);
    EXPECT_EQ(Model.SortedOctant, 0);
    EXPECT_EQ(Model.Items(0).Z, 0); // the lower brick is drawn first from above
}

TEST_F(SceneTest, AntiAliasingIntoANarrowFormatStaysInsideIt) {
    TBitmap view(40, 30, TPixelFormat::pf16bit);
    RenderAntiAliased(Model, view, Context, Back);
    EXPECT_EQ(view.Pixel(20, 15), FromPixel565(ToPixel565(Background)));
}

TEST(SetBitDepth, MenuCodesChooseTheFormat) {
    TBitmap bitmap(4, 4);
    std::vector<TPixelFormat> chosen;
    for (int code = 0; code <= 6; ++code)
        if (SetBitDepth(bitmap, code))
            chosen.push_back(bitmap.PixelFormat());
    EXPECT_EQ(chosen,
              (std::vector{TPixelFormat::pf8bit, TPixelFormat::pf16bit, TPixelFormat::pf24bit,
                           TPixelFormat::pf32bit, TPixelFormat::pfDevice}));
}

} // namespace
