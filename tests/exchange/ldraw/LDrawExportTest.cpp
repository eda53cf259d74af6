#include "exchange/ldraw/LDrawExport.h"

#include "base/LDrawColours.h"
#include "exchange/ldraw/LDrawColourMatch.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/MapTable.h"
#include "model/BlockList.h"
#include "raster/Colour.h"
#include "support/Bricks.h"
#include "support/ReferenceFile.h"

#include <gtest/gtest.h>
#include <sstream>

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
// turned axes; the row's quarter turn is added to the brick's. Each line of the table: a row, a
// brick (kind, '_' for a blank one, place, size and turn), the line written and the brick's kind
// and identity after the export.
TEST_F(LDrawExportTest, OneBrickGivesOneLine) {
    EXPECT_TRUE(MatchesTranscript("exchange/ldraw-export-lines.txt", [&](const std::string& line) {
        const std::string row = line.substr(0, line.find(" | "));
        std::istringstream words(line.substr(row.size() + 3));
        char kind = 0;
        int v[7] = {};
        words >> kind;
        for (int& value : v)
            words >> value;
        auto brick = Brick(kind == '_' ? ' ' : kind, v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
        const std::string exported = Export(row, {brick.get()});
        return exported + "now " + brick->Kind + " " + brick->PartID;
    }));
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
