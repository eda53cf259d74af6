#include "exchange/instructions/BuildSteps.h"

#include "exchange/LoadModel.h"
#include "support/Bricks.h"
#include "support/ShippedAppDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

std::set<const TBlock*> Covered(const std::vector<TBuildStep>& steps, size_t& total) {
    std::set<const TBlock*> seen;
    total = 0;
    for (const TBuildStep& step : steps) {
        total += step.Bricks.size();
        seen.insert(step.Bricks.begin(), step.Bricks.end());
    }
    return seen;
}

} // namespace

TEST(BuildStepsTest, NumberedStepsFollowTheBricksNumbers) {
    TShippedAppDir appDir;
    TBlockList model;
    LoadModel(model, TESSARYN_TEST_DATA "ldraw/car.ldr", LoadWhole);
    std::vector<TBuildStep> steps = BuildingSteps(model);
    ASSERT_EQ(steps.size(), 8u);
    const std::vector<size_t> sizes = {5, 10, 2, 4, 13, 11, 3, 6};
    for (size_t k = 0; k < steps.size(); ++k) {
        EXPECT_EQ(steps[k].Bricks.size(), sizes[k]) << "step " << k;
        for (const TBlock* brick : steps[k].Bricks)
            EXPECT_EQ(brick->Step, int(k));
    }
}

// The shipped house carries one step: its layers become steps, each brick in exactly one, the
// steps bottom up and none larger than asked.
TEST(BuildStepsTest, OneNumberGivesLayerStepsCoveringEveryBrickOnce) {
    TShippedAppDir appDir;
    TBlockList model;
    LoadModel(model, TESSARYN_SHIPPED_DATA "Models/house.lgo", LoadWhole);
    for (int maxNew : {12, 5, 1}) {
        std::vector<TBuildStep> steps = BuildingSteps(model, maxNew);
        size_t total = 0;
        EXPECT_EQ(Covered(steps, total).size(), size_t(model.Count()));
        EXPECT_EQ(total, size_t(model.Count()));
        int32_t lastBottom = INT32_MIN;
        for (const TBuildStep& step : steps) {
            ASSERT_FALSE(step.Bricks.empty());
            EXPECT_LE(step.Bricks.size(), size_t(maxNew));
            const int32_t bottom = step.Bricks.front()->Z;
            for (const TBlock* brick : step.Bricks)
                EXPECT_EQ(brick->Z, bottom);
            EXPECT_GE(bottom, lastBottom);
            lastBottom = bottom;
        }
    }
}

// A layer of 8 x 3 single bricks in steps of 12 is cut into two 4 x 3 halves, not into stripes
// or scattered bricks.
TEST(BuildStepsTest, LargeLayerSplitsIntoCompactPatches) {
    TBlockList model;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x)
            model.Add(MakeBrick('B', x * 20, y * 20, 0, 20, 20, 24));
    std::vector<TBuildStep> steps = BuildingSteps(model, 12);
    ASSERT_EQ(steps.size(), 2u);
    for (const TBuildStep& step : steps) {
        auto [minX, maxX] =
            std::minmax_element(step.Bricks.begin(), step.Bricks.end(),
                                [](const TBlock* a, const TBlock* b) { return a->X < b->X; });
        EXPECT_EQ(step.Bricks.size(), 12u);
        EXPECT_EQ((*maxX)->X - (*minX)->X, 60);
    }
}

TEST(BuildStepsTest, SettingStepsFromLayersKeepsTheWholeModelShown) {
    TBlockList model;
    model.Add(MakeBrick('B', 0, 0, 24, 20, 20, 24));
    model.Add(MakeBrick('B', 0, 0, 0, 20, 20, 24));
    model.Add(MakeBrick('B', 20, 0, 0, 20, 20, 24));
    SetStepsFromLayers(model, 1);
    EXPECT_EQ(model[0].Step, 2);
    EXPECT_EQ(model[1].Step + model[2].Step, 1);
    EXPECT_EQ(model.StepLimit, 2);
    EXPECT_FALSE(HasLayerSteps(model));
}

// From the window the change is undone brick by brick; bricks already right record nothing.
TEST(BuildStepsTest, SettingStepsFromLayersCanBeUndone) {
    TBlockList model;
    model.Add(MakeBrick('B', 0, 0, 0, 20, 20, 24));
    model.Add(MakeBrick('B', 0, 0, 24, 20, 20, 24));
    SetStepsFromLayers(model, 12, true);
    EXPECT_EQ(model.UndoCount(), 2);
    model.Undo();
    int32_t steps = 0;
    for (const auto& brick : model.Items())
        steps += brick->Step;
    EXPECT_EQ(steps, 0);
}
