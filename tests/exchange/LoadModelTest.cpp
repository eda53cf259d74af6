#include "exchange/LoadModel.h"

#include "base/Error.h"
#include "parts/DrawClass.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <set>

namespace {
const char* SubFile = "= 1 2 3 4 5 1 1\r\n"
                      "B -160 -80 -8 320 160 8 8421504 1 1 0 0 0 3865 0\r\n"
                      "B 0 0 0 40 80 24 0 1 0 0 0 0  7\r\n"
                      "B 40 0 24 20 20 8 255 1 0 0 0 3  0\r\n";

struct LoadModelTest : ::testing::Test {
    TTempFolder Folder;
    TBlockList Model;
};
} // namespace

TEST_F(LoadModelTest, WholeModelReplacesBricksAndLogs) {
    std::string path = Folder.Write("whole.lgo", SubFile);
    Model.Add(CreateFromString("B:0:0:0:20:20:8:1:1:1:0:0:0::0"));
    Model.RecordCommand('+', Model[0]);
    Model.StepLimit = 4;
    TLoadResult result = LoadModel(Model, path, LoadWhole);
    EXPECT_EQ((std::array{Model.Count(), Model.UndoCount(), Model.StepLimit, Model.FileOffsetY}),
              (std::array{3, 0, 0, 5}));
    ASSERT_GE(result.BaseplateIndex, 0);
    EXPECT_EQ(Model[result.BaseplateIndex].PartID, "3865");
    EXPECT_EQ(result.SubAssembly, nullptr);
    EXPECT_EQ(Model[0].Colour, 8421504); // black stays black in a whole model
    EXPECT_EQ(Model.IndexOfText("B:0:0:0:40:80:24:0:1:0:0:0:0::7"), 2); // behind the higher X
}

TEST_F(LoadModelTest, SubAssemblyIsOneNewGroupWithoutItsBaseplate) {
    std::string path = Folder.Write("sub.lgo", SubFile);
    Model.Add(CreateFromString("B:0:0:0:20:20:8:1:1:1:0:0:0::0"));
    Model.StepLimit = 6;
    Model.CurrentOctant = 3;
    GroupCounter = 10;
    TLoadResult result = LoadModel(Model, path, LoadSubAssembly, 0x00FF00);
    EXPECT_EQ((std::array{Model.Count(), Model.StepLimit}), (std::array{1, 6}));
    ASSERT_NE(result.SubAssembly, nullptr);
    TBlockList& sub = *result.SubAssembly;
    ASSERT_EQ(sub.Count(), 2);
    EXPECT_EQ((std::array{sub.CurrentOctant, sub.StepLimit, result.Group}), (std::array{3, 6, 11}));
    for (const auto& brick : sub.Items()) {
        EXPECT_EQ((std::array{brick->Group, brick->Step}), (std::array{11, 6}));
        EXPECT_FALSE(brick->Baseplate);
    }
    EXPECT_GE(sub.IndexOfText("B:0:0:0:40:80:24:65280:1:0:0:0:11::6"), 0);
    EXPECT_EQ(result.PlaceKey, " 3x4x4"); // 60 x 80 x 32 units
}

TEST_F(LoadModelTest, SubAssemblyGroupFollowsGroupsInTheFile) {
    std::string path = Folder.Write("groups.lgo", "= 0 0 0 0 0 1 1\r\n"
                                                  "B 0 0 0 20 20 8 1 1 0 0 0 40  0\r\n");
    GroupCounter = 2;
    TLoadResult result = LoadModel(Model, path, LoadSubAssembly);
    EXPECT_EQ((std::array{result.Group, result.SubAssembly->Items(0).Group}), (std::array{40, 40}));
}

TEST_F(LoadModelTest, EmptySubAssemblyGivesTheBoxOfTheStartValues) {
    std::string path = Folder.Write("base.lgo", "B -8 -4 -1 16 8 1 1 1 1 0 0\r\n");
    TLoadResult result = LoadModel(Model, path, LoadSubAssembly);
    EXPECT_EQ(result.SubAssembly->Count(), 0);
    EXPECT_EQ(result.PlaceKey, " -999x-999x-2499");
}

TEST_F(LoadModelTest, SubAssemblyFarFromTheOriginMeasuresItsOwnBox) {
    std::string path = Folder.Write("far.lgo", "= 0 0 0 0 0 1 1\r\n"
                                               "B 20000 -20000 0 40 20 24 1 1 0 0 0 0  0\r\n");
    EXPECT_EQ(LoadModel(Model, path, LoadSubAssembly).PlaceKey, " 2x1x3");
}

TEST_F(LoadModelTest, ErrorsPropagate) {
    EXPECT_THROW(LoadModel(Model, Folder.File("none.lgo"), LoadWhole), TError);
    EXPECT_THROW(LoadModel(Model, Folder.File("none.lgo"), LoadSubAssembly), TError);
}

TEST_F(LoadModelTest, NamesFromDataFindFilesOfAnotherCaseOrSeparator) {
    std::filesystem::create_directories(Folder.Path / "Combos");
    Folder.Write("Combos/House.LGO", SubFile);
    std::string name = Folder.Path.string() + "\\combos\\house.lgo";
    LoadModel(Model, name, LoadWhole);
    EXPECT_EQ(Model.Count(), 3);
}

// An LDraw file loaded as a sub-assembly puts its bricks straight into the model; loaded whole,
// it replaces the model.
TEST_F(LoadModelTest, LDrawSubAssemblyGoesIntoTheModel) {
    TShippedAppDir shipped;
    SetAppDir(std::string(TESSARYN_TEST_DATA) + "ldraw/import/");
    LoadModel(Model, Folder.Write("whole.lgo", SubFile), LoadWhole);
    TLoadResult sub = LoadModel(Model, std::string(TESSARYN_TEST_DATA) + "ldraw/import/lines.dat",
                                LoadSubAssembly);
    EXPECT_EQ((std::array{Model.Count(), sub.SubAssembly->Count()}), (std::array{6, 0}));
    LoadModel(Model, std::string(TESSARYN_TEST_DATA) + "ldraw/import/lines.dat", LoadWhole);
    EXPECT_EQ(Model.Count(), 3);
}

// The shipped showcase holds every kind in every turn, see-through bricks and decorated parts.
TEST(ShippedShowcase, HoldsEveryKindInEveryTurnWithSeeThroughBricks) {
    TShippedAppDir shipped;
    TBlockList model;
    LoadModel(model, std::string(TESSARYN_SHIPPED_DATA) + "Models/showcase.lgo", LoadWhole);
    std::set<char> kinds;
    std::set<int32_t> turns;
    std::set<std::string> parts;
    int seeThrough = 0;
    for (const auto& brick : model.Items()) {
        kinds.insert(brick->Kind);
        turns.insert(brick->Turn);
        seeThrough += brick->Transparent || brick->Colour == 0xFFFF00;
        if (brick->Definition)
            parts.insert(brick->Definition->PartName);
    }
    EXPECT_EQ(kinds, (std::set<char>{'B', 'R', 'T', 'N', 'C', 'I', 'E', 'W', 'D', 'O', 'G'}));
    EXPECT_EQ(turns, (std::set<int32_t>{0, 1, 2, 3}));
    EXPECT_GE(seeThrough, 2);
    EXPECT_TRUE(parts.count("facetile2x2") && parts.count("lantern1x1") && parts.count("curve2x1"));
}
