// General blocks of one polygon, each read from its section of a test part file, seen from
// straight above at one pixel per unit (model (x, y) on pixel (x + 10, y + 10)), each rule of
// their drawing compared whole with a reference.

#include "model/BlockList.h"
#include "model/GeneralBlock.h"
#include "parts/DrawClass.h"
#include "render/Decoration.h"
#include "render/RenderTestSupport.h"
#include "render/Scene.h"
#include "render/bricks/DrawBrick.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr TColour Black = 0x000000, Dark = 0x464646, Green = 0x00FF00;

using TPrepare = std::function<void(TDrawContext&, TDrawClass&)>;

struct TPolygonCase {
    const char* Name;
    const char* Part; // the section of the test part file
    TPrepare Prepare = [](TDrawContext&, TDrawClass&) {};
    int Turn = 0;
    bool Studs = false;
};

TPrepare Detail(int level) {
    return [=](TDrawContext& context, TDrawClass&) { context.DetailLevel = level; };
}

void Shaded(TDrawContext& context, TDrawClass&) {
    context.Shading = true;
}

// The slope falls towards +X, lit by its own plane as the turn carries it round. Flat: its first
// three points on one line give no plane, so no light. A missing picture draws the diagonals
// joining opposite corners, slanted or not. Edge flags: bits 1 and 2 hide edges 0 and 1,
// negative flags hide all, and of the 34 edges of "long" those from the 32nd on are never
// drawn. See-through colours blend on an opaque brick; highlighted is olive with a red outline,
// whatever the polygon's own colour. Wireframe shows no detail, however it was set.
const TPolygonCase PolygonCases[] = {
    {"AllEdges", "square"},
    {"NoEdges", "no-edges"},
    {"Bits1And2HideEdges0And1", "edges-6"},
    {"NegativeFlagsHideAll", "edges-minus-2"},
    {"EdgesFromThe32ndOnHidden", "long"},
    {"Highlighted", "olive-see-through",
     [](TDrawContext&, TDrawClass& part) { part.HighlightPolygon = 0; }},
    {"SeeThroughColourBlendsOnAnOpaqueBrick", "white-see-through"},
    {"FixedColour", "green"},
    {"FixedColourWireframe", "green",
     [](TDrawContext& context, TDrawClass&) { context.SetWireFrame(true); }},
    {"LitSlopeTurn0", "slope", Shaded},
    {"LitSlopeTurn1", "slope", Shaded, 1},
    {"LitSlopeTurn2", "slope", Shaded, 2},
    {"LitSlopeTurn3", "slope", Shaded, 3},
    {"CollinearStartIsUnlit", "flat", Shaded},
    {"DetailAboveTheLevelHidden", "detail-1"},
    {"DetailAtTheLevelShown", "detail-1", Detail(1)},
    {"DetailNeverInWireframe", "detail-1",
     [](TDrawContext& context, TDrawClass&) {
         context.DetailLevel = 1;
         context.WireFrame = true;
     }},
    {.Name = "EmptyOrderDrawsOnlyTheStuds", .Part = "studs-only", .Studs = true},
    // The part reader drops such entries; drawing must skip them too.
    {"OrderEntriesOutsideThePolygonsSkipped", "square",
     [](TDrawContext&, TDrawClass& part) {
         part.DrawOrder[0].Items = {-1, 7, 0, 1};
     }},
    {"MissingDecorationOnASlantedPolygon", "slanted-missing-picture", Detail(2)},
    // The picture is 10 x 10, magenta (the top-left colour, so transparent) around a red
    // square of 4 x 4; its name is looked up without regard to case.
    {"DecorationDiagonalsBelowDetail2", "decorated", Detail(1)},
    {"DecorationPictureAtDetail2", "decorated", Detail(2)},
};

struct GeneralBlockDrawing : ::testing::TestWithParam<TPolygonCase> {
    TDrawContext Context;
    TShippedAppDir App{TESSARYN_TEST_DATA "render/general-block/app/"};

    void SetUp() override {
        ClearDecorationPictures();
        SetView(Context, 0, 0, 1.0f, 10, 10);
    }
    void TearDown() override { ClearDecorationPictures(); }

    std::unique_ptr<TGeneralBlock> Block(const std::string& part, int turn = 0,
                                         bool studs = false) const {
        auto block = std::make_unique<TGeneralBlock>();
        block->Colour = 0x3C78C8;
        block->Studs = studs;
        block->Turn = turn;
        block->SetDefinition("test.dat", part);
        return block;
    }
};

TEST_P(GeneralBlockDrawing, MatchesTheReference) {
    const TPolygonCase& c = GetParam();
    auto block = Block(c.Part, c.Turn, c.Studs);
    c.Prepare(Context, *block->Definition);
    TTestCanvas canvas(80, 60, Context, Black);
    DrawBrick(*block, canvas.Target);
    EXPECT_TRUE(MatchesReferencePicture(canvas.Bitmap,
                                        std::string("render/general-block/") + c.Name + ".png"));
}

INSTANTIATE_TEST_SUITE_P(Rules, GeneralBlockDrawing, ::testing::ValuesIn(PolygonCases),
                         [](const auto& info) { return std::string(info.param.Name); });

using GeneralBlockScene = GeneralBlockDrawing;

TEST_F(GeneralBlockScene, MissingDecorationLetsTheFrameGoOn) {
    Context.DetailLevel = 2;
    TBlockList model;
    model.Add(Block("square-missing-picture"));
    model.Add(MakeBrick('B', 60, 0, 0, 20, 20, 8, int32_t(Green)));
    TBitmap bitmap(100, 60);
    ASSERT_NO_THROW(DrawScene(model, bitmap, Context, TBackground{Black, nullptr}));
    EXPECT_EQ(bitmap.Pixel(20, 20), Dark);  // on the diagonal from the first corner
    EXPECT_EQ(bitmap.Pixel(80, 20), Green); // the brick drawn after it
}

} // namespace
