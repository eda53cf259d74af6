#include "exchange/ldraw/LDrawImport.h"

#include "base/Error.h"
#include "base/LDrawColours.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/MapTable.h"
#include "model/BlockKinds.h"
#include "support/Bricks.h"
#include "support/ErrorMessage.h"

#include <gtest/gtest.h>

namespace {
class LDrawImportTest : public ::testing::Test {
protected:
    // Imports the text as a file; the bricks read before an error stay in Bricks.
    void Import(const std::string& text) {
        std::string name = Folder.Write("in.dat", text);
        ImportLDraw(name, Map,
                    [this](std::unique_ptr<TBlock> b) { Bricks.push_back(std::move(b)); });
    }

    TTempFolder Folder;
    TLDrawMap Map{Folder.Dir()};
    std::vector<std::unique_ptr<TBlock>> Bricks;
};
} // namespace

TEST(SplitCommaText, BlanksTabsAndCommasSeparateQuotesKeepBlanks) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitCommaText("  1 2,,3\t\t4 , 5  "), (V{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(SplitCommaText("1 \"my part.dat\" x"), (V{"1", "my part.dat", "x"}));
    EXPECT_EQ(SplitCommaText("\"a\"\"b\"c \"open end"), (V{"a\"b", "c", "open end"}));
    EXPECT_EQ(SplitCommaText(""), V{});
}

TEST(MatchQuarterTurn, NearestQuarterTurnWithinATenth) {
    double turn3[9] = {0.05, 0, 0.95, 0, 1, 0, -1, 0, 0.01};
    EXPECT_EQ(MatchQuarterTurn(turn3), 3);
    double diagonal[9] = {0.7, 0, -0.7, 0, 1, 0, 0.7, 0, 0.7};
    EXPECT_EQ(MatchQuarterTurn(diagonal), -1);
    double mirrored[9] = {-1, 0, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_EQ(MatchQuarterTurn(mirrored), -1);
    double upsideDown[9] = {1, 0, 0, 0, -1, 0, 0, 0, 1};
    EXPECT_EQ(MatchQuarterTurn(upsideDown), -1);
}

TEST(ParseLDrawNumber, DecimalFractionsWithExponentOnly) {
    EXPECT_DOUBLE_EQ(ParseLDrawNumber("-12.5"), -12.5);
    EXPECT_DOUBLE_EQ(ParseLDrawNumber("+3"), 3);
    EXPECT_DOUBLE_EQ(ParseLDrawNumber("1e2"), 100);
    EXPECT_DOUBLE_EQ(ParseLDrawNumber(".5"), 0.5);
    for (const char* bad : {"", "1,5", "0x10", "inf", "nan", "1e999", "--1", "+-1", "1.2.3"})
        EXPECT_THROW(ParseLDrawNumber(bad), TError) << bad;
}

TEST_F(LDrawImportTest, LinesBecomeBricksThroughTheirRows) {
    WriteMapTable(Folder, {"B 4 2 3 1 16 0 0 0 0 3001.DAT 0  "});
    Import("1 4 20 -24 -40 1 0 0 0 1 0 0 0 1 3001.DAT\r\n"
           "1 36 20 -48 -40 0 0 -1 0 1 0 1 0 0 3001.dat\n"
           "1 72 0 0 0 -1 0 0 0 1 0 0 0 -1 3001.dat\r");
    ASSERT_EQ(Bricks.size(), 3u);
    const TBlock& a = *Bricks[0];
    EXPECT_EQ(a.Kind, 'B');
    EXPECT_EQ(a.Colour, ColourOfLDraw(4));
    EXPECT_FALSE(a.Transparent);
    EXPECT_EQ(a.Turn, 0);
    EXPECT_EQ(BoxOf(a), (TBox{-20, 20, 0, 80, 40, 24}));
    const TBlock& b = *Bricks[1];
    EXPECT_TRUE(b.Transparent);
    EXPECT_EQ(b.Colour, ColourOfLDraw(4));
    EXPECT_EQ(b.Turn, 1);
    EXPECT_EQ(BoxOf(b), (TBox{0, 0, 24, 40, 80, 24}));
    EXPECT_EQ(Bricks[2]->Colour, 0xFFFFFF);
    EXPECT_FALSE(Bricks[2]->Transparent);
    EXPECT_EQ(Bricks[2]->Turn, 2);
}

TEST_F(LDrawImportTest, OtherLinesAreSkippedQuietly) {
    WriteMapTable(Folder, {"B 1 1 3 1 16 0 0 0 0 3005.DAT 0  "});
    Import("0 Name: test.dat\r\n"
           "0 1 2 3 4 5 6 7 8 9 10 11 12 13 3005.dat\r\n"
           "2 24 0 0 0 1 1 1\r\n"
           "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3005.dat extra\r\n"
           "1 4 0 0 0 1 0 0 0 1 0 0 0 1 unknown.dat\r\n"
           "1 4 0 0 0 0.7 0 -0.7 0 1 0 0.7 0 0.7 3005.dat\r\n"
           "1 4 0 0 0 1 0 0 0 1 0 0 0 1 s\\3005.dat\r\n"
           "\r\n"
           "1 4 10 -24 -10 1 0 0 0 1 0 0 0 1 3005.dat\r\n");
    ASSERT_EQ(Bricks.size(), 1u);
    EXPECT_EQ(Bricks[0]->X, 0);
}

TEST_F(LDrawImportTest, ConversionErrorStopsButKeepsWhatWasRead) {
    WriteMapTable(Folder, {"B 1 1 3 1 16 0 0 0 0 3005.DAT 0  "});
    EXPECT_THROW(Import("1 4 10 -24 -10 1 0 0 0 1 0 0 0 1 3005.dat\r\n"
                        "1 4 1O -24 -10 1 0 0 0 1 0 0 0 1 3005.dat\r\n"
                        "1 4 10 -24 -10 1 0 0 0 1 0 0 0 1 3005.dat\r\n"),
                 TError);
    EXPECT_EQ(Bricks.size(), 1u);
    EXPECT_THROW(Import("1 4 1e20 -24 -10 1 0 0 0 1 0 0 0 1 3005.dat\r\n"), TError);
    EXPECT_THROW(Import("1 red 0 0 0 1 0 0 0 1 0 0 0 1 3005.dat\r\n"), TError);
}

TEST_F(LDrawImportTest, FirstRowThatMakesABrickWins) {
    WriteMapTable(Folder, {"Q 1 1 3 1 16 0 0 0 0 3005.DAT 0  ", "R 1 1 3 1 16 0 0 0 0 3005.DAT 0  ",
                           "B 1 1 3 1 16 0 0 0 0 3005.DAT 0  "});
    Import("1 4 10 -24 -10 1 0 0 0 1 0 0 0 1 3005.dat\r\n");
    ASSERT_EQ(Bricks.size(), 1u);
    EXPECT_EQ(Bricks[0]->Kind, 'R');
}

TEST_F(LDrawImportTest, DiagonalRowBitNeverGivesANegativeTurn) {
    WriteMapTable(Folder,
                  {"B 1 2 3 1 16 0 0 0 5 3004.DAT 0  ", "B 1 2 3 1 16 0 0 0 7 3004.DAT 0  "});
    Import("1 4 0 0 0 1 0 0 0 1 0 0 0 1 3004.dat\r\n");
    ASSERT_EQ(Bricks.size(), 1u);
    EXPECT_EQ(Bricks[0]->Turn, 3);
}

TEST_F(LDrawImportTest, MissingTableOrFileIsReportedByName) {
    EXPECT_NE(
        MessageOf([&] { Import("1 4 0 0 0 1 0 0 0 1 0 0 0 1 3004.dat\r\n"); }).find("ts2ld.lst"),
        std::string::npos);
    WriteMapTable(Folder, {"B 1 2 3 1 16 0 0 0 0 3004.DAT 0  "});
    EXPECT_THROW(ImportLDraw(Folder.Dir() + "none.dat", Map, [](std::unique_ptr<TBlock>) {}),
                 TError);
}

TEST_F(LDrawImportTest, ExportThenImportGivesTheSameBricks) {
    // With an odd quarter turn in the row, the brick that comes back has the row's sizes swapped.
    WriteMapTable(Folder,
                  {"B 4 2 3 1 16 0 0 0 1 3001.DAT 0  ", "B 2 1 1 1 16 3 -4 7 1 3023.DAT 0  ",
                   "T 3 2 3 0 16 10 0 -10 2 3038.DAT 1  ", "R 2 2 3 1 16 0 0 0 3 3941.DAT 0  "});
    const char* keys[] = {"B2x4x3", "B1x2x1", "T3x2x3", "R2x2x3"};
    std::vector<std::unique_ptr<TBlock>> bricks;
    int n = 0;
    for (const char* key : keys)
        for (int turn = 0; turn < 4; ++turn) {
            std::unique_ptr<TBlock> b = CreateBrickFromKey(key);
            for (int i = 0; i < turn; ++i)
                b->Rotate();
            b->X = 20 * n - 200, b->Y = -40 * n, b->Z = 8 * n;
            b->Colour = ColourSwatches[size_t(n) % 14].Colour();
            b->Transparent = n % 3 == 0;
            b->Studs = b->Kind != 'T';
            ++n;
            bricks.push_back(std::move(b));
        }
    std::vector<TBlock*> list;
    for (auto& b : bricks)
        list.push_back(b.get());
    SaveLDrawFile(Folder.Dir() + "out.dat", list, Map);
    Import(TTempFolder::Read(Folder.File("out.dat")));
    ASSERT_EQ(Bricks.size(), bricks.size());
    for (size_t i = 0; i < bricks.size(); ++i) {
        const TBlock& want = *bricks[i];
        const TBlock& got = *Bricks[i];
        SCOPED_TRACE(want.SaveToString());
        EXPECT_EQ(got.Kind, want.Kind);
        EXPECT_EQ(got.Turn, want.Turn);
        EXPECT_EQ(BoxOf(got), BoxOf(want));
        EXPECT_EQ(got.Colour, want.Colour);
        EXPECT_EQ(got.Transparent, want.Transparent);
        EXPECT_EQ(got.Variant, want.Variant);
    }
}
