#include "exchange/ldraw/LDrawImport.h"

#include "base/Error.h"
#include "exchange/ldraw/LDrawFileNames.h"
#include "exchange/ldraw/LDrawImportReport.h"

#include <gtest/gtest.h>

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

TEST(ImportReportMessage, NamesTheFiveCommonestAndCountsTheRest) {
    TLDrawImportReport report;
    report.CountImported();
    for (int part = 1; part <= 7; ++part)
        for (int i = 0; i < part; ++i)
            report.CountSkipped(std::to_string(part) + ".dat", TLDrawSkip::NoRow);
    EXPECT_EQ(ImportReportMessage(report),
              "Imported 1 of 29 LDraw parts; 28 were left out:\n"
              "\n7 x 7.dat (no mapping row)\n6 x 6.dat (no mapping row)"
              "\n5 x 5.dat (no mapping row)\n4 x 4.dat (no mapping row)"
              "\n3 x 3.dat (no mapping row)\nand 2 more");
}

TEST(IsLDrawFileName, DatAnywhereLdrAndMpdAtTheEnd) {
    for (const char* name : {"a.dat", "A.DAT", "x.dat.bak", "m.ldr", "M.LDR", "s.Mpd"})
        EXPECT_TRUE(IsLDrawFileName(name)) << name;
    for (const char* name : {"a.lgo", "m.ldr.lgo", "mpd", "a.mpd.bak"})
        EXPECT_FALSE(IsLDrawFileName(name)) << name;
}
