#include "model/BlockList.h"
#include "model/GeneralBlock.h"
#include "parts/PartTestSupport.h"
#include "raster/PictureFiles.h"
#include "render/Decoration.h"
#include "render/RenderTestSupport.h"
#include "render/Scene.h"
#include "render/Shading.h"
#include "render/bricks/DrawBrick.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int32_t BrickColour = 0x3C78C8;
constexpr TColour Black = 0x000000;
constexpr TColour Dark = 0x464646; // the edge colour of most bricks
constexpr TColour Red = 0x0000FF, Green = 0x00FF00, Magenta = 0xFF00FF;

// Top view at scale 1: a model point (x, y, z) lands on pixel (x + 10, y + 10).
struct GeneralBlockDrawing : PartFolderTest {
    TDrawContext context;
    void SetUp() override {
        PartFolderTest::SetUp();
        ClearDecorationPictures();
        SetView(context, 0, 0, 1.0f, 10, 10);
    }
    void TearDown() override {
        ClearDecorationPictures();
        PartFolderTest::TearDown();
    }

    // A part of one flat polygon at height 8 over its 40 x 40 box, drawn from every octant.
    TDrawClass& Define(const std::string& part, std::vector<TPoint3> points) {
        auto d = std::make_unique<TDrawClass>();
        d->FileName = "test.dat";
        d->PartName = part;
        d->SetBoundingBox(40, 40, 8);
        d->AddPolygon(points);
        return RegisterDrawClass(std::move(d));
    }
    TDrawClass& DefineSquare(const std::string& part) {
        return Define(part, {{0, 0, 8}, {40, 0, 8}, {40, 40, 8}, {0, 40, 8}});
    }
    std::unique_ptr<TGeneralBlock> Block(const std::string& part, bool studs = false) {
        auto block = std::make_unique<TGeneralBlock>();
        block->Colour = BrickColour;
        block->Studs = studs;
        block->SetDefinition("test.dat", part);
        return block;
    }
};

TEST_F(GeneralBlockDrawing, EdgeFlagBitsHideTheirEdges) {
    TDrawClass& d = DefineSquare("square");
    struct TCase {
        int32_t Flags;
        bool Top, Right, Bottom, Left;
    } cases[] = {{1, true, true, true, true},
                 {0, false, false, false, false},
                 {6, false, false, true, true}, // bits 1 and 2 hide edges 0 and 1
                 {-2, false, false, false, false}};
    for (const TCase& c : cases) {
        d.Polygons[0].EdgeFlags = c.Flags;
        TTestCanvas canvas(60, 60, context);
        DrawBrick(*Block("square"), canvas.Target);
        auto edge = [](bool drawn) { return drawn ? Dark : TColour(BrickColour); };
        EXPECT_EQ((std::array{canvas.At(30, 10), canvas.At(50, 30), canvas.At(30, 50),
                              canvas.At(10, 30), canvas.At(30, 30)}),
                  (std::array{edge(c.Top), edge(c.Right), edge(c.Bottom), edge(c.Left),
                              TColour(BrickColour)}))
            << c.Flags;
    }
}

TEST_F(GeneralBlockDrawing, EdgesFromThe32ndOnAreNeverDrawn) {
    // 32 points along the top make edges 0 to 30; edge 31 is the right side, 32 the bottom,
    // 33 the left side.
    std::vector<TPoint3> points;
    for (int k = 0; k < 32; ++k)
        points.push_back({2 * k, 0, 8});
    points.push_back({62, 40, 8});
    points.push_back({0, 40, 8});
    TDrawClass& d = Define("long", points);
    d.SetBoundingBox(62, 40, 8);
    d.Polygons[0].EdgeFlags = 2; // hides edge 0 only
    TTestCanvas canvas(80, 60, context);
    DrawBrick(*Block("long"), canvas.Target);
    EXPECT_EQ(canvas.At(11, 10), TColour(BrickColour)); // edge 0
    EXPECT_EQ(canvas.At(40, 10), Dark);                 // edge 15
    EXPECT_EQ(canvas.At(72, 30), TColour(BrickColour)); // edge 31
    EXPECT_EQ(canvas.At(40, 50), TColour(BrickColour)); // edge 32
    EXPECT_EQ(canvas.At(10, 30), TColour(BrickColour)); // edge 33
}

TEST_F(GeneralBlockDrawing, HighlightedPolygonIsOliveWithARedOutline) {
    TDrawClass& d = DefineSquare("square");
    d.Polygons[0].PolyColour = -0x00FF00; // its own colour does not count
    d.HighlightPolygon = 0;
    TTestCanvas canvas(60, 60, context);
    DrawBrick(*Block("square"), canvas.Target);
    EXPECT_EQ(canvas.At(30, 30), 0x008080u);
    EXPECT_EQ(canvas.At(10, 30), Red);
}

TEST_F(GeneralBlockDrawing, FixedAndSeeThroughPolygonColours) {
    TDrawClass& d = DefineSquare("square");
    d.Polygons[0].PolyColour = -0xFFFFFF;
    {
        // Blended although the brick is opaque.
        TTestCanvas canvas(60, 60, context, Black);
        DrawBrick(*Block("square"), canvas.Target);
        EXPECT_EQ(canvas.At(30, 30), 0x7F7F7Fu);
    }
    d.Polygons[0].PolyColour = Green;
    {
        TTestCanvas canvas(60, 60, context, Black);
        DrawBrick(*Block("square"), canvas.Target);
        EXPECT_EQ(canvas.At(30, 30), Green);
        EXPECT_EQ(canvas.At(10, 30), Dark);
    }
    {
        // In wireframe only the outline shows, in the polygon's colour.
        context.SetWireFrame(true);
        TTestCanvas canvas(60, 60, context, Black);
        DrawBrick(*Block("square"), canvas.Target);
        EXPECT_EQ(canvas.At(30, 30), Black);
        EXPECT_EQ(canvas.At(10, 30), Green);
    }
}

TEST_F(GeneralBlockDrawing, EachPolygonIsLitByItsOwnPlane) {
    // A slope falling towards +X, normal along (1, 0, 1), seen from straight above.
    Define("slope", {{0, 0, 40}, {40, 0, 0}, {40, 40, 0}, {0, 40, 40}});
    // The same slope whose first three points lie on a line: no plane, no light.
    Define("flat", {{0, 0, 40}, {20, 0, 20}, {40, 0, 0}, {40, 40, 0}, {0, 40, 40}});
    context.Shading = true;
    const auto& L = context.Light;
    const double lightLength =
        std::sqrt(double(L[0]) * L[0] + double(L[1]) * L[1] + double(L[2]) * L[2]);
    // The normal turns with the brick: (1, 0), (0, -1), (-1, 0), (0, 1) across.
    const int normalX[4] = {1, 0, -1, 0}, normalY[4] = {0, -1, 0, 1};
    for (int turn = 0; turn < 4; ++turn) {
        double dot = std::fabs(double(L[0]) * normalX[turn] + double(L[1]) * normalY[turn] + L[2]);
        float factor = float(std::min(dot / (lightLength * std::sqrt(2.0)) / 4 + 0.8, 1.0));
        TTestCanvas lit(60, 60, context), unlit(60, 60, context);
        auto slope = Block("slope"), flat = Block("flat");
        slope->Turn = flat->Turn = turn;
        DrawBrick(*slope, lit.Target);
        DrawBrick(*flat, unlit.Target);
        EXPECT_EQ(lit.At(30, 30), TColour(ScaleColour(BrickColour, factor))) << turn;
        EXPECT_EQ(unlit.At(30, 30), TColour(BrickColour)) << turn;
    }
}

TEST_F(GeneralBlockDrawing, DetailedPolygonsNeedTheirDetailLevelAndNoWireframe) {
    DefineSquare("square").Polygons[0].Detail = 1;
    auto drawn = [&] {
        TTestCanvas canvas(60, 60, context, Black);
        DrawBrick(*Block("square"), canvas.Target);
        return canvas.At(30, 30) != Black;
    };
    EXPECT_FALSE(drawn());
    context.DetailLevel = 1;
    EXPECT_TRUE(drawn());
    context.WireFrame = true; // however it was set, wireframe shows no detail
    EXPECT_FALSE(drawn());
}

TEST_F(GeneralBlockDrawing, EmptyOrderDrawsOnlyTheStuds) {
    TDrawClass& d = DefineSquare("square");
    d.DrawOrder[0].Clear();
    d.TopStuds = {{20, 20, 8}};
    TTestCanvas plain(60, 60, context, Black), studded(60, 60, context, Black);
    DrawBrick(*Block("square", false), plain.Target);
    DrawBrick(*Block("square", true), studded.Target);
    int changed = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            ASSERT_EQ(plain.At(x, y), Black);
            if (studded.At(x, y) != Black) {
                ++changed;
                EXPECT_LE(std::hypot(x - 30, y - 30), 6.0) << x << "," << y;
            }
        }
    EXPECT_GT(changed, 8);
}

TEST_F(GeneralBlockDrawing, OrderEntriesOutsideThePolygonsAreSkipped) {
    TDrawClass& d = DefineSquare("square");
    d.DrawOrder[0].Items = {-1, 7, 0, 1};
    TTestCanvas canvas(60, 60, context, Black);
    DrawBrick(*Block("square"), canvas.Target);
    EXPECT_EQ(canvas.At(30, 30), TColour(BrickColour));
}

TEST_F(GeneralBlockDrawing, MissingDecorationOnASlantedPolygonJoinsItsOppositeCorners) {
    // Corners on screen: P0 (10, 10), P1 (50, 20), P2 (50, 50), P3 (10, 50).
    TDrawClass& d = Define("slanted", {{0, 0, 8}, {40, 10, 8}, {40, 40, 8}, {0, 40, 8}});
    d.BitmapPolygon = 0;
    d.BitmapFile = "missing.bmp";
    context.DetailLevel = 2;
    TTestCanvas canvas(60, 60, context);
    DrawBrick(*Block("slanted"), canvas.Target);
    EXPECT_EQ(canvas.At(20, 20), Dark); // a quarter of the way from P0 to P2
    EXPECT_EQ(canvas.At(30, 35), Dark); // half way from P1 to P3
    EXPECT_EQ(canvas.At(40, 30), TColour(BrickColour));
}

TEST_F(GeneralBlockDrawing, MissingDecorationDrawsTheDiagonalsAndTheFrameGoesOn) {
    TDrawClass& d = DefineSquare("square");
    d.BitmapPolygon = 0;
    d.BitmapFile = "missing.bmp";
    context.DetailLevel = 2;
    TBlockList model;
    model.Add(Block("square"));
    model.Add(MakeBrick('B', 60, 0, 0, 20, 20, 8, int32_t(Green)));
    TBitmap bitmap(100, 60);
    ASSERT_NO_THROW(DrawScene(model, bitmap, context, TBackground{Black, nullptr}));
    EXPECT_EQ(bitmap.Pixel(20, 20), Dark); // on the diagonal from P0 to P2
    EXPECT_EQ(bitmap.Pixel(20, 40), Dark); // on the one from P1 to P3
    EXPECT_EQ(bitmap.Pixel(30, 20), TColour(BrickColour));
    EXPECT_EQ(bitmap.Pixel(80, 20), Green); // the brick drawn after it
}

TEST_F(GeneralBlockDrawing, DecorationPictureWithItsTransparentColour) {
    // 10 x 10, magenta (the top-left colour) around a red square of 4 x 4.
    TBitmap picture(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            picture.SetPixel(x, y, x >= 3 && x <= 6 && y >= 3 && y <= 6 ? Red : Magenta);
    WritePictureFile(picture, (Dir / "parts" / "Face.bmp").string());
    TDrawClass& d = DefineSquare("square");
    d.BitmapPolygon = 0;
    d.BitmapFile = "face.bmp"; // letter case looked up
    for (int detail : {1, 2}) {
        context.DetailLevel = detail;
        TTestCanvas canvas(60, 60, context, Black);
        DrawBrick(*Block("square"), canvas.Target);
        EXPECT_EQ(canvas.At(30, 30) == Red, detail == 2);   // picture pixel (5, 5)
        EXPECT_EQ(canvas.At(14, 25), TColour(BrickColour)); // transparent (1, 4)
        EXPECT_EQ(canvas.At(20, 20) == Dark, detail == 1);  // the diagonal
    }
}

} // namespace
