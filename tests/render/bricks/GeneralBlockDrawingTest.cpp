// General blocks of one hand-made polygon, seen from straight above at one pixel per unit (model
// (x, y) on pixel (x + 10, y + 10)), each rule of their drawing compared whole with a reference.

#include "model/BlockList.h"
#include "model/GeneralBlock.h"
#include "parts/PartTestSupport.h"
#include "raster/PictureFiles.h"
#include "render/Decoration.h"
#include "render/RenderTestSupport.h"
#include "render/Scene.h"
#include "render/bricks/DrawBrick.h"
#include "support/ReferenceFile.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int32_t BrickColour = 0x3C78C8;
constexpr TColour Black = 0x000000, Dark = 0x464646, Green = 0x00FF00;

struct GeneralBlockDrawing;

struct TPolygonCase {
    const char* Name;
    std::function<void(GeneralBlockDrawing&)> Prepare;
};

struct GeneralBlockDrawing : PartFolderTest, ::testing::WithParamInterface<TPolygonCase> {
    TDrawContext Context;
    int Turn = 0;
    bool Studs = false;
    std::string Part = "square";

    void SetUp() override {
        PartFolderTest::SetUp();
        ClearDecorationPictures();
        SetView(Context, 0, 0, 1.0f, 10, 10);
    }
    void TearDown() override {
        ClearDecorationPictures();
        PartFolderTest::TearDown();
    }
    std::string PartsFolder() const { return (Dir / "parts").string() + "/"; }

    // A part of one flat polygon at height 8 over its 40 x 40 box.
    TDrawClass& Define(const std::string& part, std::vector<TPoint3> points) {
        auto d = std::make_unique<TDrawClass>();
        d->FileName = "test.dat";
        d->PartName = part;
        d->SetBoundingBox(40, 40, 8);
        d->AddPolygon(points);
        return RegisterDrawClass(std::move(d));
    }
    TDrawClass& DefineSquare() {
        return Define("square", {{0, 0, 8}, {40, 0, 8}, {40, 40, 8}, {0, 40, 8}});
    }
    std::unique_ptr<TGeneralBlock> Block() const {
        auto block = std::make_unique<TGeneralBlock>();
        block->Colour = BrickColour;
        block->Studs = Studs;
        block->Turn = Turn;
        block->SetDefinition("test.dat", Part);
        return block;
    }
};

std::function<void(GeneralBlockDrawing&)> EdgeFlags(int32_t flags) {
    return [=](GeneralBlockDrawing& t) { t.DefineSquare().Polygons[0].EdgeFlags = flags; };
}

// A slope falling towards +X, lit by its own plane as the turn carries it round.
std::function<void(GeneralBlockDrawing&)> Slope(int turn) {
    return [=](GeneralBlockDrawing& t) {
        t.Define("slope", {{0, 0, 40}, {40, 0, 0}, {40, 40, 0}, {0, 40, 40}});
        t.Part = "slope";
        t.Turn = turn;
        t.Context.Shading = true;
    };
}

void MissingDecoration(TDrawClass& d) {
    d.BitmapPolygon = 0;
    d.BitmapFile = "missing.bmp";
}

// 10 x 10, magenta (the top-left colour, so transparent) around a red square of 4 x 4.
std::function<void(GeneralBlockDrawing&)> Decoration(int detail) {
    return [=](GeneralBlockDrawing& t) {
        TBitmap picture(10, 10);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                picture.SetPixel(x, y, x >= 3 && x <= 6 && y >= 3 && y <= 6 ? 0x0000FF : 0xFF00FF);
        WritePictureFile(picture, t.PartsFolder() + "Face.bmp");
        TDrawClass& d = t.DefineSquare();
        d.BitmapPolygon = 0;
        d.BitmapFile = "face.bmp"; // letter case looked up
        t.Context.DetailLevel = detail;
    };
}

const TPolygonCase PolygonCases[] = {
    {"AllEdges", EdgeFlags(1)},
    {"NoEdges", EdgeFlags(0)},
    {"Bits1And2HideEdges0And1", EdgeFlags(6)},
    {"NegativeFlagsHideAll", EdgeFlags(-2)},
    // 32 points along the top make edges 0 to 30; edges 31 to 33 are never drawn.
    {"EdgesFromThe32ndOnHidden",
     [](auto& t) {
         std::vector<TPoint3> points;
         for (int k = 0; k < 32; ++k)
             points.push_back({2 * k, 0, 8});
         points.push_back({62, 40, 8});
         points.push_back({0, 40, 8});
         TDrawClass& d = t.Define("long", points);
         d.SetBoundingBox(62, 40, 8);
         d.Polygons[0].EdgeFlags = 2;
         t.Part = "long";
     }},
    // Olive with a red outline, whatever the polygon's own colour.
    {"Highlighted",
     [](auto& t) {
         TDrawClass& d = t.DefineSquare();
         d.Polygons[0].PolyColour = -0x00FF00;
         d.HighlightPolygon = 0;
     }},
    {"SeeThroughColourBlendsOnAnOpaqueBrick",
     [](auto& t) { t.DefineSquare().Polygons[0].PolyColour = -0xFFFFFF; }},
    {"FixedColour", [](auto& t) { t.DefineSquare().Polygons[0].PolyColour = Green; }},
    {"FixedColourWireframe",
     [](auto& t) {
         t.DefineSquare().Polygons[0].PolyColour = Green;
         t.Context.SetWireFrame(true);
     }},
    {"LitSlopeTurn0", Slope(0)},
    {"LitSlopeTurn1", Slope(1)},
    {"LitSlopeTurn2", Slope(2)},
    {"LitSlopeTurn3", Slope(3)},
    // The first three points on one line: no plane, so no light.
    {"CollinearStartIsUnlit",
     [](auto& t) {
         t.Define("flat", {{0, 0, 40}, {20, 0, 20}, {40, 0, 0}, {40, 40, 0}, {0, 40, 40}});
         t.Part = "flat";
         t.Context.Shading = true;
     }},
    {"DetailAboveTheLevelHidden", [](auto& t) { t.DefineSquare().Polygons[0].Detail = 1; }},
    {"DetailAtTheLevelShown",
     [](auto& t) {
         t.DefineSquare().Polygons[0].Detail = 1;
         t.Context.DetailLevel = 1;
     }},
    // However wireframe was set, it shows no detail.
    {"DetailNeverInWireframe",
     [](auto& t) {
         t.DefineSquare().Polygons[0].Detail = 1;
         t.Context.DetailLevel = 1;
         t.Context.WireFrame = true;
     }},
    {"EmptyOrderDrawsOnlyTheStuds",
     [](auto& t) {
         TDrawClass& d = t.DefineSquare();
         d.DrawOrder[0].Clear();
         d.TopStuds = {{20, 20, 8}};
         t.Studs = true;
     }},
    {"OrderEntriesOutsideThePolygonsSkipped",
     [](auto& t) {
         t.DefineSquare().DrawOrder[0].Items = {-1, 7, 0, 1};
     }},
    // A missing picture draws the diagonals joining opposite corners, slanted or not.
    {"MissingDecorationOnASlantedPolygon",
     [](auto& t) {
         MissingDecoration(t.Define("slanted", {{0, 0, 8}, {40, 10, 8}, {40, 40, 8}, {0, 40, 8}}));
         t.Part = "slanted";
         t.Context.DetailLevel = 2;
     }},
    {"DecorationDiagonalsBelowDetail2", Decoration(1)},
    {"DecorationPictureAtDetail2", Decoration(2)},
};

void PrintTo(const TPolygonCase& c, std::ostream* out) {
    *out << c.Name;
}

TEST_P(GeneralBlockDrawing, MatchesTheReference) {
    GetParam().Prepare(*this);
    TTestCanvas canvas(80, 60, Context, Black);
    DrawBrick(*Block(), canvas.Target);
    EXPECT_TRUE(MatchesReferencePicture(canvas.Bitmap, std::string("render/general-block/") +
                                                           GetParam().Name + ".png"));
}

INSTANTIATE_TEST_SUITE_P(Rules, GeneralBlockDrawing, ::testing::ValuesIn(PolygonCases),
                         [](const auto& info) { return std::string(info.param.Name); });

using GeneralBlockScene = GeneralBlockDrawing;

TEST_F(GeneralBlockScene, MissingDecorationLetsTheFrameGoOn) {
    MissingDecoration(DefineSquare());
    Context.DetailLevel = 2;
    TBlockList model;
    model.Add(Block());
    model.Add(MakeBrick('B', 60, 0, 0, 20, 20, 8, int32_t(Green)));
    TBitmap bitmap(100, 60);
    ASSERT_NO_THROW(DrawScene(model, bitmap, Context, TBackground{Black, nullptr}));
    EXPECT_EQ(bitmap.Pixel(20, 20), Dark);  // on the diagonal from the first corner
    EXPECT_EQ(bitmap.Pixel(80, 20), Green); // the brick drawn after it
}

} // namespace
