#include "exchange/ldraw/LDrawImport.h"

#include "exchange/ldraw/LDrawFileNames.h"
#include "exchange/ldraw/LDrawImportReport.h"
#include "exchange/ldraw/LDrawPartLine.h"
#include "support/ErrorMessage.h"
#include "support/ReferenceFile.h"

#include <gtest/gtest.h>
#include <iomanip>
#include <sstream>

// Words, numbers, colour tokens and file names, each with what it reads as or its refusal.
TEST(LDrawTokens, ReadAsTheTableSays) {
    EXPECT_TRUE(
        MatchesTranscript("exchange/ldraw-tokens.txt", [](const std::string& line) -> std::string {
            const std::string kind = line.substr(0, line.find(' ')),
                              token = line.substr(kind.size() + 1);
            std::ostringstream read;
            const std::string refused = MessageOf([&] {
                if (kind == "split")
                    for (const std::string& word : SplitCommaText(token))
                        read << "[" << word << "]";
                else if (kind == "number")
                    read << std::setprecision(17) << ParseLDrawNumber(token);
                else if (kind == "file")
                    read << (IsLDrawFileName(token) ? "LDraw" : "not LDraw");
                else if (const TLDrawColourCode code = ParseLDrawColourCode(token); code.Direct)
                    read << "direct " << std::hex << code.Rgb << " number " << code.Number;
                else
                    read << "number " << code.Number;
            });
            return refused.empty() ? read.str() : refused;
        }));
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
