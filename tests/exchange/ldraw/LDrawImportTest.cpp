#include "exchange/ldraw/LDrawImport.h"

#include "base/Error.h"
#include "base/LDrawColours.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/LDrawFileNames.h"
#include "exchange/ldraw/LDrawImportReport.h"
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
    // Kind, turn, box, colour, transparency and variant come back; studs and identity are the
    // row's.
    auto shape = [](const TBlock& b) {
        return std::tuple{b.Kind, b.Turn, BoxOf(b), b.Colour, b.Transparent, b.Variant};
    };
    for (size_t i = 0; i < bricks.size(); ++i)
        EXPECT_EQ(shape(*Bricks[i]), shape(*bricks[i])) << bricks[i]->SaveToString();
}

TEST(ImportReportMessage, NamesTheFiveCommonestAndCountsTheRest) {
    TLDrawImportReport report;
    report.CountImported();
    for (int part = 1; part <= 7; ++part)
        for (int i = 0; i < part; ++i)
            report.CountSkipped(std::to_string(part) + ".dat", TLDrawSkip::NoRow);
    std::string text = ImportReportMessage(report);
    EXPECT_EQ(text.find("Imported 1 of 29 LDraw parts; 28 were left out:"), 0u) << text;
    EXPECT_NE(text.find("7 x 7.dat (no mapping row)\n6 x 6.dat"), std::string::npos) << text;
    EXPECT_EQ(text.find("2.dat"), std::string::npos) << text;
    EXPECT_NE(text.find("\nand 2 more"), std::string::npos) << text;
}

TEST(IsLDrawFileName, DatAnywhereLdrAndMpdAtTheEnd) {
    for (const char* name : {"a.dat", "A.DAT", "x.dat.bak", "m.ldr", "M.LDR", "s.Mpd"})
        EXPECT_TRUE(IsLDrawFileName(name)) << name;
    for (const char* name : {"a.lgo", "m.ldr.lgo", "mpd", "a.mpd.bak"})
        EXPECT_FALSE(IsLDrawFileName(name)) << name;
}
