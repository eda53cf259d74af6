#include "exchange/ldraw/LDrawExport.h"

#include "base/LDrawColours.h"
#include "exchange/ldraw/LDrawColourMatch.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/MapTable.h"
#include "model/BlockList.h"
#include "support/Bricks.h"

#include "raster/Colour.h"

#include <gtest/gtest.h>

namespace {
const int32_t Red = 196 | 40 << 8 | 27 << 16;

std::unique_ptr<TBlock> Brick(char kind, int x, int y, int z, int sx, int sy, int sz, int turn = 0,
                              const std::string& id = "") {
    std::unique_ptr<TBlock> b = MakeBrick(kind, x, y, z, sx, sy, sz, Red, true, turn);
    b->PartID = id;
    return b;
}

std::string Line(const std::string& head, int matrix, const std::string& part) {
    return head + " " + LDrawMatrixTexts[matrix] + " " + part + "\r\n";
}

struct LDrawExportTest : ::testing::Test {
    std::string Export(std::string row, std::vector<TBlock*> bricks) {
        WriteMapTable(Folder, {row});
        std::ostringstream out;
        ExportLDraw(out, bricks, Map);
        return out.str();
    }

    TTempFolder Folder;
    TLDrawMap Map{Folder.Dir()};
};
} // namespace

// The position is the brick's top centre with the axes changed, plus the row's offsets along the
// turned axes; the row's quarter turn is added to the brick's.
TEST_F(LDrawExportTest, OneBrickGivesOneLine) {
    const char* row3001 = "B 2 4 3 1 16 0 0 0 0 3001.DAT 0  ";
    const char* row3005 = "B 1 1 3 1 16 0 0 0 0 3005.DAT 0  ";
    const char* offsets = "B 2 4 3 1 16 3 -5 7 1 3001.DAT 0  ";
    struct TCase {
        const char* Row;
        std::unique_ptr<TBlock> Brick;
        std::string Expected;
    } cases[] = {
        {row3001, Brick('B', 0, 0, 0, 40, 80, 24), Line("1 4 20 -24 -40", 0, "3001.dat")},
        {row3001, Brick('B', 0, 0, 0, 40, 80, 24, 1), Line("1 4 20 -24 -40", 1, "3001.dat")},
        {row3001, Brick('B', 0, 0, 0, 40, 80, 24, 5), Line("1 4 20 -24 -40", 1, "3001.dat")},
        {row3001, Brick('B', 0, 0, 0, 40, 80, 24, -1), Line("1 4 20 -24 -40", 3, "3001.dat")},
        {offsets, Brick('B', 0, 0, 0, 40, 80, 24, 0), Line("1 4 13 -29 -43", 1, "3001.dat")},
        {offsets, Brick('B', 0, 0, 0, 40, 80, 24, 1), Line("1 4 23 -29 -47", 2, "3001.dat")},
        {offsets, Brick('B', 0, 0, 0, 40, 80, 24, 2), Line("1 4 27 -29 -37", 3, "3001.dat")},
        {offsets, Brick('B', 0, 0, 0, 40, 80, 24, 3), Line("1 4 17 -29 -33", 0, "3001.dat")},
        // The row's diagonal bit selects the halfway matrices.
        {"B 2 4 3 1 16 0 0 0 5 3001.DAT 0  ", Brick('B', 0, 0, 0, 40, 80, 24, 3),
         Line("1 4 20 -24 -40", 4, "3001.dat")},
        // Half units truncate toward zero.
        {"B 0 0 1 1 16 0 0 0 0 odd.DAT 0  ", Brick('B', 1, 1, 0, 19, 19, 8),
         Line("1 4 10 -8 -10", 0, "odd.dat")},
        {"B 0 0 1 1 16 0 0 0 0 odd.DAT 0  ", Brick('B', -20, -20, 0, 19, 19, 8),
         Line("1 4 -10 -8 10", 0, "odd.dat")},
        {row3005, Brick('B', INT32_MAX, INT32_MIN, INT32_MAX, 20, 20, 24),
         Line("1 4 2147483657 -2147483671 2147483638", 0, "3005.dat")},
        // A blank kind goes out as a plain brick.
        {row3005, Brick(' ', 0, 0, 0, 20, 20, 24), Line("1 4 10 -24 -10", 0, "3005.dat")},
    };
    for (TCase& c : cases) {
        EXPECT_EQ(Export(c.Row, {c.Brick.get()}), c.Expected) << c.Brick->SaveToString();
        EXPECT_NE(c.Brick->Kind, ' ');
    }
    EXPECT_EQ(cases[0].Brick->PartID, "3001");
    EXPECT_EQ(std::string(LDrawMatrixTexts[0]), "  1   0  0    0  1  0   0   0  1");
    EXPECT_EQ(std::string(LDrawMatrixTexts[7]), "  0.7 0  0.7  0  1  0  -0.7 0  0.7");
}

// See-through colours add 32 and white is 0. A wheel's tyre takes the wheel's turned matrix and
// colour 0; the rim's unknown identity gets a row of its own; a brick without a row writes
// nothing.
TEST_F(LDrawExportTest, ColoursAndWheels) {
    auto glass = Brick('B', 0, 0, 0, 40, 80, 24);
    glass->Transparent = true;
    auto white = Brick('B', 0, 0, 0, 40, 80, 24);
    white->Colour = 0xFFFFFF;
    EXPECT_EQ(Export("B 2 4 3 1 16 0 0 0 0 3001.DAT 0  ", {glass.get(), white.get()}),
              Line("1 36 20 -24 -40", 0, "3001.dat") + Line("1 0 20 -24 -40", 0, "3001.dat"));

    auto wheel = Brick('O', 0, 0, 0, 40, 40, 16, 0, "7039");
    wheel->Studs = false;
    auto rim = Brick('O', 0, 0, 0, 20, 20, 16, 1, "4624");
    auto plain = Brick('B', 0, 0, 0, 20, 20, 24);
    EXPECT_EQ(Export("O 2 2 2 0 16 0 0 0 2 7039.DAT 0  ", {wheel.get(), rim.get(), plain.get()}),
              Line("1 4 20 -16 -20", 2, "7039.dat") + Line("1 0 20 -16 -20", 2, "3483.dat") +
                  Line("1 4 10 -16 -10", 1, "4624.dat") + Line("1 0 10 -16 -10", 1, "3641.dat"));
    EXPECT_EQ(Map.Entries().size(), 2u);
}

TEST(LDrawColourMatch, EveryBrickTakesTheNearestTableColour) {
    const int32_t first = LDrawColourTable[0].Colour(), second = LDrawColourTable[1].Colour();
    TBlockList model;
    model.Add(MakeBrick('B', 0, 0, 0, 20, 20, 24, first ^ 0x000001)); // one step away in red
    model.Add(MakeBrick('B', 0, 0, 0, 20, 20, 24, second));
    MatchLDrawColours(model);
    EXPECT_EQ(std::pair(model[0].Colour, model[1].Colour), std::pair(first, second));
    for (const TLDrawColour& c : LDrawColourTable)
        EXPECT_EQ(NearestLDrawTableColour(c.Colour()), c.Colour()) << c.Name;
}

// Colours halfway between two table entries: black before dark cyan, light red before orange.
TEST(LDrawColourMatch, ATieGoesToTheEarlierEntry) {
    EXPECT_EQ(NearestLDrawTableColour(RGB(33, 85, 59)), LDrawColourTable[0].Colour());
    EXPECT_EQ(NearestLDrawTableColour(RGB(175, 105, 93)), LDrawColourTable[12].Colour());
}
