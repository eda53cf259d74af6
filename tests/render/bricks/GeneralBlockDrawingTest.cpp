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
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

constexpr TColour Black = 0x000000, Dark = 0x464646, Green = 0x00FF00;

struct GeneralBlockDrawing : ::testing::Test {
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

// Each line of render/general-block/cases.txt: the picture's name, the section of the test part
// file, and what is set before drawing ("turn" and "detail" take a number).
TEST_F(GeneralBlockDrawing, EachRuleMatchesItsReference) {
    std::istringstream cases(
        TTempFolder::Read(TESSARYN_TEST_DATA "render/general-block/cases.txt"));
    for (std::string line; std::getline(cases, line);) {
        std::istringstream words(line);
        std::string name, part, set;
        if (!(words >> name >> part) || name[0] == '#')
            continue;
        SCOPED_TRACE(name);
        ClearDrawClasses();
        TDrawContext context = Context;
        int turn = 0;
        bool studs = false, highlight = false, wireframe = false, outside = false;
        while (words >> set) {
            if (set == "turn")
                words >> turn;
            else if (set == "detail")
                words >> context.DetailLevel;
            context.Shading = context.Shading || set == "shaded";
            context.WireFrame = context.WireFrame || set == "wireframe-flag";
            studs = studs || set == "studs", highlight = highlight || set == "highlight";
            wireframe = wireframe || set == "wireframe", outside = outside || set == "outside";
        }
        context.SetWireFrame(wireframe || context.WireFrame);
        auto block = Block(part, turn, studs);
        if (highlight)
            block->Definition->HighlightPolygon = 0;
        if (outside) // the part reader drops such entries; drawing must skip them too
            block->Definition->DrawOrder[0].Items = {-1, 7, 0, 1};
        TTestCanvas canvas(80, 60, context, Black);
        DrawBrick(*block, canvas.Target);
        EXPECT_TRUE(
            MatchesReferencePicture(canvas.Bitmap, "render/general-block/" + name + ".png"));
    }
}

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
