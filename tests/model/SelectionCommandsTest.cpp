#include "model/SelectionCommands.h"

#include "base/Error.h"

#include <gtest/gtest.h>

namespace {
// Three bricks: red at the origin (selected), blue (not selected), red (selected) up high.
void ThreeBricks(TBlockList& model) {
    struct {
        int32_t x, y, z, colour;
        bool selected;
    } rows[] = {
        {40, 0, 0, 0x0000FF, true}, {0, 0, 24, 0xFF0000, false}, {-20, 60, 48, 0x0000FF, true}};
    for (const auto& r : rows) {
        auto b = std::make_unique<TBlock>();
        b->Create(0, 0, 0, 2, 1, 3, r.colour, true, false, false, "3004");
        b->X = r.x, b->Y = r.y, b->Z = r.z;
        b->Selected = r.selected;
        model.Add(std::move(b));
    }
}
} // namespace

TEST(SelectionCommands, WalkCountsRemembersLastAndSmallestAfterTheAction) {
    TBlockList model;
    ThreeBricks(model);
    TSelectionWalk walk = NudgeSelected(model, 20, -20, 8);
    EXPECT_EQ(walk.Last, &model[2]);
    // The lowest brick was at 0: 8 is the new smallest Z. Unselected bricks stay.
    EXPECT_EQ((std::array{walk.Count, walk.MinX, walk.MinY, walk.MinZ, model[1].X}),
              (std::array{2, 0, -20, 8, 0}));

    TBlockList empty;
    TSelectionWalk none = ForEachSelected(empty);
    EXPECT_EQ(none.Last, nullptr);
    EXPECT_EQ((std::array{none.Count, none.MinZ}), (std::array{0, 99999}));
}

TEST(SelectionCommands, EachCommandChangesOnlySelectedBricks) {
    struct Case {
        const char* name;
        std::function<void(TBlockList&)> command;
        std::function<bool(const TBlock&, const TBlock&)> changed; // before, after
    };
    const Case cases[] = {
        {"studs", ToggleSelectedStuds,
         [](const TBlock& a, const TBlock& b) { return a.Studs != b.Studs; }},
        {"transparent", ToggleSelectedTransparent,
         [](const TBlock& a, const TBlock& b) { return a.Transparent != b.Transparent; }},
        {"turn", TurnSelected,
         [](const TBlock& a, const TBlock& b) { return a.SX != b.SX && a.SY == b.SX; }},
        {"colour", [](TBlockList& m) { ColourSelected(m, 0x00FF00); },
         [](const TBlock&, const TBlock& b) { return b.Colour == 0x00FF00; }},
        {"part ID", [](TBlockList& m) { SetSelectedPartID(m, "3001"); },
         [](const TBlock&, const TBlock& b) { return b.PartID == "3001"; }},
        {"step", [](TBlockList& m) { SetSelectedStep(m, " 12 "); },
         [](const TBlock&, const TBlock& b) { return b.Step == 12; }},
    };
    for (const Case& c : cases) {
        TBlockList before, model;
        ThreeBricks(before);
        ThreeBricks(model);
        c.command(model);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(c.changed(before[i], model[i]), model[i].Selected)
                << c.name << " brick " << i;
    }
}

TEST(SelectionCommands, BadStepOrIdentityChangesNoBrick) {
    TBlockList model;
    ThreeBricks(model);
    model[0].Step = 4;
    model[2].Step = 5;
    EXPECT_THROW(SetSelectedStep(model, "7x"), TError);
    EXPECT_THROW(SetSelectedStep(model, ""), TError);
    EXPECT_EQ((std::array{model[0].Step, model[2].Step}), (std::array{4, 5}));
    for (const char* bad : {"30:01", "30 01"}) {
        EXPECT_THROW(SetSelectedPartID(model, bad), TError) << bad;
        EXPECT_EQ(model[0].PartID, "3004");
    }
}

TEST(SelectionCommands, NudgeStopsAtTheEndsOfThirtyTwoBits) {
    TBlockList model;
    ThreeBricks(model);
    model[0].X = INT32_MAX - 5;
    NudgeSelected(model, 20, 0, 0);
    EXPECT_EQ(model[0].X, INT32_MAX);
}

TEST(SelectionCommands, ReplaceColourTakesTheFirstSelectedColourAcrossTheModel) {
    TBlockList model;
    ThreeBricks(model);
    model[1].Colour = 0x0000FF; // unselected, same colour as the first selected brick
    model[2].Colour = 0x123456; // selected, another colour: untouched
    EXPECT_EQ(FirstSelectedColour(model), 0x0000FF);
    EXPECT_TRUE(ReplaceSelectedColour(model, 0x00FF00));
    EXPECT_EQ((std::array{model[0].Colour, model[1].Colour, model[2].Colour}),
              (std::array{0x00FF00, 0x00FF00, 0x123456}));

    for (int i = 0; i < 3; ++i)
        model[i].Selected = false;
    EXPECT_FALSE(FirstSelectedColour(model));
    EXPECT_FALSE(ReplaceSelectedColour(model, 0));
    EXPECT_EQ(model[0].Colour, 0x00FF00);
}
