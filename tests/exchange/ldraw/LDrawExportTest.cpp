#include "exchange/ldraw/LDrawExport.h"

#include "exchange/ldraw/MapTable.h"
#include "base/Error.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/BlockKinds.h"
#include "support/ErrorMessage.h"

#include <gtest/gtest.h>

namespace {
const int32_t Red = 196 | 40 << 8 | 27 << 16;

std::unique_ptr<TBlock> Brick(char kind, int x, int y, int z, int sx, int sy, int sz,
                              const std::string& id = "") {
    std::unique_ptr<TBlock> b = NewBlockOfKind(kind);
    b->Create(0, 0, 0, 0, 0, 0, Red, true, false, false, id);
    b->X = x, b->Y = y, b->Z = z, b->SX = sx, b->SY = sy, b->SZ = sz;
    return b;
}

class LDrawExportTest : public ::testing::Test {
protected:
    std::string Export(std::vector<TBlock*> bricks) {
        std::ostringstream out;
        ExportLDraw(out, bricks, Map);
        return out.str();
    }
    std::string Export(TBlock& brick) { return Export(std::vector<TBlock*>{&brick}); }

    TTempFolder Folder;
    TLDrawMap Map{Folder.Dir()};
};

std::string Line(const std::string& head, int matrix, const std::string& part) {
    return head + " " + LDrawMatrixTexts[matrix] + " " + part + "\r\n";
}
} // namespace

TEST_F(LDrawExportTest, PositionIsTheTopCentreWithAxesChanged) {
    WriteMapTable(Folder, {"B 2 4 3 1 16 0 0 0 0 3001.DAT 0  "});
    auto b = Brick('B', 0, 0, 0, 40, 80, 24);
    EXPECT_EQ(Export(*b), Line("1 4 20 -24 -40", 0, "3001.dat"));
    EXPECT_EQ(b->PartID, "3001");
    b->Turn = 1;
    EXPECT_EQ(Export(*b), Line("1 4 20 -24 -40", 1, "3001.dat"));
    EXPECT_EQ(std::string(LDrawMatrixTexts[0]), "  1   0  0    0  1  0   0   0  1");
    EXPECT_EQ(std::string(LDrawMatrixTexts[7]), "  0.7 0  0.7  0  1  0  -0.7 0  0.7");
}

TEST_F(LDrawExportTest, HalfUnitsTruncateTowardZero) {
    WriteMapTable(Folder, {"B 0 0 1 1 16 0 0 0 0 odd.DAT 0  "});
    auto plus = Brick('B', 1, 1, 0, 19, 19, 8);
    auto minus = Brick('B', -20, -20, 0, 19, 19, 8);
    EXPECT_EQ(Export({plus.get(), minus.get()}),
              Line("1 4 10 -8 -10", 0, "odd.dat") + Line("1 4 -10 -8 10", 0, "odd.dat"));
}

TEST_F(LDrawExportTest, OffsetsFollowTheTurnedAxes) {
    WriteMapTable(Folder, {"B 2 4 3 1 16 3 -5 7 1 3001.DAT 0  "});
    auto b = Brick('B', 0, 0, 0, 40, 80, 24);
    const char* expected[4] = {"1 4 17 -29 -33", "1 4 13 -29 -43", "1 4 23 -29 -47",
                               "1 4 27 -29 -37"};
    // The row's quarter turn is added first: turn 0 is written as turn 1.
    for (int turn = 0; turn < 4; ++turn) {
        b->Turn = turn;
        int t = (turn + 1) % 4;
        EXPECT_EQ(Export(*b), Line(expected[t], t, "3001.dat")) << "turn " << turn;
    }
}

TEST_F(LDrawExportTest, DiagonalBitSelectsTheHalfwayMatrices) {
    WriteMapTable(Folder, {"B 2 4 3 1 16 0 0 0 5 3001.DAT 0  "});
    auto b = Brick('B', 0, 0, 0, 40, 80, 24);
    b->Turn = 3;
    EXPECT_EQ(Export(*b), Line("1 4 20 -24 -40", 4, "3001.dat"));
}

TEST_F(LDrawExportTest, TransparencyAddsThirtyTwoAndWhiteIsZero) {
    WriteMapTable(Folder, {"B 2 4 3 1 16 0 0 0 0 3001.DAT 0  "});
    auto b = Brick('B', 0, 0, 0, 40, 80, 24);
    b->Transparent = true;
    EXPECT_EQ(Export(*b), Line("1 36 20 -24 -40", 0, "3001.dat"));
    b->Transparent = false;
    b->Colour = 0xFFFFFF;
    EXPECT_EQ(Export(*b), Line("1 0 20 -24 -40", 0, "3001.dat"));
}

TEST_F(LDrawExportTest, WheelsGetTyreLinesMappedOrNot) {
    WriteMapTable(Folder, {"O 2 2 2 0 16 0 0 0 2 7039.DAT 0  "});
    auto wheel = Brick('O', 0, 0, 0, 40, 40, 16, "7039");
    wheel->Studs = false;
    auto rim = Brick('O', 0, 0, 0, 20, 20, 16, "4624");
    rim->Turn = 1;
    auto plain = Brick('B', 0, 0, 0, 20, 20, 24);
    // The tyre takes the wheel's turned matrix and colour 0; the rim's unknown identity gets a
    // row of its own; the plain brick has no row and writes nothing.
    EXPECT_EQ(Export({wheel.get(), rim.get(), plain.get()}),
              Line("1 4 20 -16 -20", 2, "7039.dat") + Line("1 0 20 -16 -20", 2, "3483.dat") +
                  Line("1 4 10 -16 -10", 1, "4624.dat") + Line("1 0 10 -16 -10", 1, "3641.dat"));
    EXPECT_EQ(Map.Entries().size(), 2u);
}

TEST_F(LDrawExportTest, BlankKindsBecomePlainBricks) {
    WriteMapTable(Folder, {"B 1 1 3 1 16 0 0 0 0 3005.DAT 0  "});
    auto b = Brick('B', 0, 0, 0, 20, 20, 24);
    b->Kind = ' ';
    EXPECT_EQ(Export(*b), Line("1 4 10 -24 -10", 0, "3005.dat"));
    EXPECT_EQ(b->Kind, 'B');
}

TEST_F(LDrawExportTest, ExtremeCoordinatesDoNotOverflow) {
    WriteMapTable(Folder, {"B 1 1 3 1 16 0 0 0 0 3005.DAT 0  "});
    auto b = Brick('B', INT32_MAX, INT32_MIN, INT32_MAX, 20, 20, 24);
    EXPECT_EQ(Export(*b), Line("1 4 2147483657 -2147483671 2147483638", 0, "3005.dat"));
}

TEST_F(LDrawExportTest, SavingWithoutTableLeavesTheOldFile) {
    std::string name = Folder.Write("model.DAT", "old contents\r\n");
    auto b = Brick('B', 0, 0, 0, 40, 80, 24);
    EXPECT_NE(MessageOf([&] { SaveLDrawFile(name, {b.get()}, Map); }).find("ts2ld.lst"),
              std::string::npos);
    EXPECT_EQ(TTempFolder::Read(Folder.File("model.DAT")), "old contents\r\n");
    WriteMapTable(Folder, {"B 2 4 3 1 16 0 0 0 0 3001.DAT 0  "});
    SaveLDrawFile(name, {b.get()}, Map);
    EXPECT_EQ(TTempFolder::Read(Folder.File("model.DAT")), Line("1 4 20 -24 -40", 0, "3001.dat"));
    auto files = std::filesystem::directory_iterator(Folder.Dir());
    EXPECT_EQ(std::distance(begin(files), end(files)), 2); // no temporary file left behind
}

TEST_F(LDrawExportTest, TurnsOutsideZeroToThreeCountModuloFour) {
    WriteMapTable(Folder, {"B 2 4 3 1 16 0 0 0 0 3001.DAT 0  "});
    auto b = Brick('B', 0, 0, 0, 40, 80, 24);
    b->Turn = 5;
    EXPECT_EQ(Export(*b), Line("1 4 20 -24 -40", 1, "3001.dat"));
    b->Turn = -1;
    EXPECT_EQ(Export(*b), Line("1 4 20 -24 -40", 3, "3001.dat"));
}
