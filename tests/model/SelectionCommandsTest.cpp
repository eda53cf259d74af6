#include "model/SelectionCommands.h"

#include "support/ErrorMessage.h"
#include "support/ModelText.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

// Each command on three bricks, the first and the last of them selected: the walk it reports
// (or its refusal) and the model it leaves, as its file. Unselected bricks never change.
TEST(SelectionCommands, EachCommandWritesItsReferenceModel) {
    using M = TBlockList&;
    const std::pair<const char*, std::function<TSelectionWalk(M)>> commands[] = {
        {"studs", ToggleSelectedStuds},
        {"transparent", ToggleSelectedTransparent},
        {"turn", TurnSelected},
        {"colour", [](M m) { return ColourSelected(m, 0x00FF00); }},
        {"part ID", [](M m) { return SetSelectedPartID(m, "3001"); }},
        {"step with blanks", [](M m) { return SetSelectedStep(m, " 12 "); }},
        {"nudge", [](M m) { return NudgeSelected(m, 20, -20, 8); }},
        // Nudging stops at the end of 32 bits.
        {"nudge near the end",
         [](M m) { return m[0].X = INT32_MAX - 5, NudgeSelected(m, 20, 0, 0); }},
        {"bad step", [](M m) { return SetSelectedStep(m, "7x"); }},
        {"empty step", [](M m) { return SetSelectedStep(m, ""); }},
        {"identity with ':'", [](M m) { return SetSelectedPartID(m, "30:01"); }},
        {"identity with a blank", [](M m) { return SetSelectedPartID(m, "30 01"); }},
        // The first selected brick's colour, replaced across the whole model.
        {"replace colour",
         [](M m) {
             m[1].Colour = 255, m[2].Colour = 0x123456, ReplaceSelectedColour(m, 0x00FF00);
             return ForEachSelected(m);
         }},
        {"replace colour of no selection",
         [](M m) {
             ForEachSelected(m, [](TBlock& b) { b.Selected = false; });
             ReplaceSelectedColour(m, 0);
             return ForEachSelected(m);
         }},
    };
    std::string transcript;
    for (const auto& [name, command] : commands) {
        TBlockList model;
        ReadModelText(model, TTempFolder::Read(TESSARYN_TEST_DATA "models/selection-start.lgo"));
        model[0].Selected = model[2].Selected = true;
        TSelectionWalk walk;
        std::string message = MessageOf([&] { walk = command(model); });
        transcript +=
            std::string("# ") + name + ": " +
            (message.empty() ? std::to_string(walk.Count) + " bricks, last " +
                                   std::to_string(walk.Last ? walk.Last->X : -1) + ", smallest " +
                                   std::to_string(walk.MinX) + " " + std::to_string(walk.MinY) +
                                   " " + std::to_string(walk.MinZ)
                             : message) +
            "\r\n" + LgoText(model);
    }
    EXPECT_TRUE(MatchesReferenceText(transcript, "models/selection-commands.txt"));
}

TEST(SelectionCommands, FirstSelectedColourOfNoneAndOne) {
    TBlockList model; // the walk over no selection is in the table
    EXPECT_FALSE(FirstSelectedColour(model));
    EXPECT_FALSE(ReplaceSelectedColour(model, 0));
    model.Add(CreateFromString("B:0:0:0:20:20:8:255:1:0:0:0:0::0")).Selected = true;
    EXPECT_EQ(FirstSelectedColour(model), 255);
    EXPECT_TRUE(ReplaceSelectedColour(model, 7));
}
