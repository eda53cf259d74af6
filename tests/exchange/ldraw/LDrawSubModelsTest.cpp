#include "exchange/ldraw/LDrawSubModels.h"

#include "exchange/ldraw/MapTable.h"
#include "base/Error.h"
#include "exchange/LoadModel.h"
#include "exchange/ldraw/LDrawFileNames.h"
#include "model/Block.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
class LDrawSubModelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteMapTable(Folder,
                      {"B 4 2 3 1 16 0 0 0 0 3001.DAT 0  ", "B 2 2 3 1 16 0 0 0 0 3003.DAT 0  ",
                       "T 2 2 3 1 16 0 0 10 0 3039.DAT 0  ",
                       "G 2 2 3 1 16 0 0 0 0 ghost.DAT 0 nofile.dat nopart"});
        Map.Load();
    }

    // The bricks of the file as text forms, in file order.
    std::vector<std::string> Read(const std::string& name) {
        std::vector<std::string> forms;
        Report = ImportLDrawModel(Folder.Dir() + name, Map, [&](std::unique_ptr<TBlock> b) {
            forms.push_back(b->SaveToString());
        });
        return forms;
    }

    TTempFolder Folder;
    TLDrawMap Map{Folder.Dir()};
    TLDrawImportReport Report;
};

// Three levels, each turned and moved: the flat file holds the same placements worked out by
// hand, colour 16 taking the colour of the line that placed the sub-model.
const char* const ThreeLevels = "0 FILE main.ldr\r\n"
                                "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                                "1 16 40 -24 20 0 0 -1 0 1 0 1 0 0 Level1.ldr\r\n"
                                "0 NOFILE\r\n"
                                "0 FILE level1.ldr\r\n"
                                "1 1 0 0 0 1 0 0 0 1 0 0 0 1 3003.dat\r\n"
                                "1 2 20 -24 0 -1 0 0 0 1 0 0 0 -1 level2.ldr\r\n"
                                "0 FILE level2.ldr\r\n"
                                "1 16 0 0 0 1 0 0 0 1 0 0 0 1 3039.dat\r\n"
                                "1 14 40 0 0 0 0 1 0 1 0 -1 0 0 3001.dat\r\n";
const char* const ThreeLevelsFlat = "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                                    "1 1 40 -24 20 0 0 -1 0 1 0 1 0 0 3003.dat\r\n"
                                    "1 2 40 -48 40 0 0 1 0 1 0 -1 0 0 3039.dat\r\n"
                                    "1 14 40 -48 0 -1 0 0 0 1 0 0 0 -1 3001.dat\r\n";
} // namespace

TEST_F(LDrawSubModelsTest, ThreeLevelMpdGivesTheBricksOfItsFlatFile) {
    Folder.Write("flat.dat", ThreeLevelsFlat);
    Folder.Write("nested.mpd", ThreeLevels);
    std::vector<std::string> flat = Read("flat.dat");
    ASSERT_EQ(flat.size(), 4u);
    EXPECT_EQ(Read("nested.mpd"), flat);
    EXPECT_EQ(Report.Read, 4);
    EXPECT_EQ(Report.Imported, 4);
}

TEST_F(LDrawSubModelsTest, ModelFilesBesideTheModelAreSubModelsToo) {
    Folder.Write("flat.dat", ThreeLevelsFlat);
    Folder.Write("main.ldr", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                             "1 16 40 -24 20 0 0 -1 0 1 0 1 0 0 LEVEL1.LDR\r\n");
    Folder.Write("level1.ldr", "1 1 0 0 0 1 0 0 0 1 0 0 0 1 3003.dat\r\n"
                               "1 2 20 -24 0 -1 0 0 0 1 0 0 0 -1 level2.dat\r\n");
    Folder.Write("level2.dat", "1 16 0 0 0 1 0 0 0 1 0 0 0 1 3039.dat\r\n"
                               "1 14 40 0 0 0 0 1 0 1 0 -1 0 0 3001.dat\r\n");
    EXPECT_EQ(Read("main.ldr"), Read("flat.dat"));

    // Files outside the model's folder are not the model's: such a line is a part without a row.
    Folder.Write("up.ldr",
                 "1 16 0 0 0 1 0 0 0 1 0 0 0 1 ../" +
                     std::filesystem::path(Folder.Dir()).parent_path().filename().string() +
                     "/level1.ldr\r\n");
    EXPECT_TRUE(Read("up.ldr").empty());
    EXPECT_EQ(Report.Skipped(), 1);
}

TEST_F(LDrawSubModelsTest, LoopsAndDeepNestingAreRefusedNamingTheFiles) {
    Folder.Write("loop.mpd", "0 FILE a.ldr\r\n1 16 0 0 0 1 0 0 0 1 0 0 0 1 b.ldr\r\n"
                             "0 FILE b.ldr\r\n1 16 0 0 0 1 0 0 0 1 0 0 0 1 a.ldr\r\n");
    Folder.Write("self.ldr", "1 16 0 0 0 1 0 0 0 1 0 0 0 1 self.ldr\r\n");
    std::string deep, deepest;
    for (int level = 0; level <= MaxSubModelDepth + 1; ++level) {
        std::string section = "0 FILE s" + std::to_string(level) + ".ldr\r\n" +
                              "1 16 0 0 0 1 0 0 0 1 0 0 0 1 s" + std::to_string(level + 1) +
                              ".ldr\r\n";
        (level <= MaxSubModelDepth - 1 ? deep : deepest) += section;
    }
    // 32 levels below the model are read; one more is refused.
    Folder.Write("deep.mpd", deep + "0 FILE s" + std::to_string(MaxSubModelDepth) +
                                 ".ldr\r\n1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
    EXPECT_EQ(Read("deep.mpd").size(), 1u);
    Folder.Write("deeper.mpd", deep + deepest);

    struct Case {
        const char* File;
        const char* Message;
    };
    for (Case c :
         {Case{"loop.mpd", "a.ldr -> b.ldr -> a.ldr"}, Case{"self.ldr", "self.ldr -> self.ldr"},
          Case{"deeper.mpd", "s33.ldr is nested deeper than 32 levels"}}) {
        try {
            Read(c.File);
            ADD_FAILURE() << c.File << " was read";
        } catch (const TError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << e.what();
        }
    }
}

TEST_F(LDrawSubModelsTest, StepLinesNumberTheStepsAndTheModelShowsToTheLast) {
    Folder.Write("steps.mpd", "0 FILE main.ldr\r\n"
                              "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                              "0 STEP\r\n"
                              "1 4 0 -24 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                              "0 ROTSTEP 0 90 0 ABS\r\n"
                              "1 16 0 -48 0 1 0 0 0 1 0 0 0 1 sub.ldr\r\n"
                              "0 STEP\r\n"
                              "0 FILE sub.ldr\r\n"
                              "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3003.dat\r\n"
                              "0 STEP\r\n"
                              "1 4 0 -24 0 1 0 0 0 1 0 0 0 1 3003.dat\r\n");
    TBlockList model;
    TLoadResult result = LoadModel(model, Folder.Dir() + "steps.mpd", LoadWhole);
    std::vector<int32_t> steps;
    for (const auto& brick : model.Items())
        steps.push_back(brick->Step);
    std::sort(steps.begin(), steps.end());
    EXPECT_EQ(steps, (std::vector<int32_t>{0, 1, 2, 2}));
    EXPECT_EQ(model.StepLimit, 2);
    ASSERT_TRUE(result.ImportReport);
    EXPECT_TRUE(result.ImportReport->NumberedSteps);

    // Without STEP lines, or in a ".dat" model, every brick stays in step 0 and all show.
    Folder.Write("nosteps.ldr", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
    Folder.Write("steps.dat", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n0 STEP\r\n"
                              "1 4 0 -24 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
    for (const char* name : {"nosteps.ldr", "steps.dat"}) {
        LoadModel(model, Folder.Dir() + name, LoadWhole);
        EXPECT_EQ(model.StepLimit, 0) << name;
        for (const auto& brick : model.Items())
            EXPECT_EQ(brick->Step, 0) << name;
    }
}

TEST_F(LDrawSubModelsTest, DirectColoursGiveTheirOwnColour) {
    Folder.Write("direct.mpd", "0 FILE m.ldr\r\n"
                               "1 0x2FF8000 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                               "1 0x2123456 0 0 0 1 0 0 0 1 0 0 0 1 sub.ldr\r\n"
                               "0 FILE sub.ldr\r\n"
                               "1 16 0 -24 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
    std::vector<std::unique_ptr<TBlock>> bricks;
    ImportLDrawModel(Folder.Dir() + "direct.mpd", Map,
                     [&](std::unique_ptr<TBlock> b) { bricks.push_back(std::move(b)); });
    ASSERT_EQ(bricks.size(), 2u);
    EXPECT_EQ(bricks[0]->Colour, 0x0080FF);
    EXPECT_FALSE(bricks[0]->Transparent);
    EXPECT_EQ(bricks[1]->Colour, 0x563412);

    Folder.Write("bad.ldr", "1 0x2GG0000 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
    EXPECT_THROW(Read("bad.ldr"), TError);
}

TEST_F(LDrawSubModelsTest, TheReportCountsSkippedPartsByFileAndReason) {
    Folder.Write("skips.ldr", "0 a comment and a line of type 2\r\n"
                              "2 24 0 0 0 20 0 0\r\n"
                              "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                              "1 4 0 0 0 1 0 0 0 1 0 0 0 1 4070.dat\r\n"
                              "1 4 0 0 0 1 0 0 0 1 0 0 0 1 4070.DAT\r\n"
                              "1 4 0 0 0 0.7 0 -0.7 0 1 0 0.7 0 0.7 3001.dat\r\n"
                              "1 4 0 0 0 1 0 0 0 1 0 0 0 1 ghost.dat\r\n"
                              "1 4 0 0 0 1 0 0 0 1 0 0 0 1 a part with blanks.dat\r\n"
                              "1 4 0 -24 0 1 0 0 0 1 0 0 0 1 3003.dat\r\n");
    EXPECT_EQ(Read("skips.ldr").size(), 2u);
    EXPECT_EQ(FormatImportReport(Report),
              (std::vector<std::string>{"part lines 7 imported 2 skipped 5",
                                        "skipped 2 4070.dat (no mapping row)",
                                        "skipped 1 3001.dat (matrix not a quarter turn)",
                                        "skipped 1 a part with blanks.dat (no mapping row)",
                                        "skipped 1 ghost.dat (brick could not be made)"}));
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
