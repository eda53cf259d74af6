#include "exchange/LoadModel.h"

#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>

namespace {

const std::string Data = std::string(TESSARYN_TEST_DATA) + "exchange/";

std::string Bricks(const TBlockList& list) {
    std::string text;
    for (const auto& brick : list.Items())
        text += "  " + brick->SaveToString() + "\n";
    return text;
}

// One load into a model that holds one brick and one undo step, shows to step 1 in octant 3,
// with the group counter at 10: what the model and the result hold afterwards, or the error.
std::string Loaded(const std::string& name, int mode) {
    TBlockList model;
    model.Add(CreateFromString("B:0:0:0:20:20:8:1:1:1:0:0:0::0"));
    model.RecordCommand('+', model[0]);
    model.StepLimit = 1;
    model.CurrentOctant = 3;
    GroupCounter = 10;
    std::string text = "=== " + name + (mode == LoadWhole ? " whole\n" : " sub-assembly\n");
    try {
        TLoadResult r = LoadModel(model, Data + name, mode, 0x00FF00);
        text += "model: undo " + std::to_string(model.UndoCount()) + ", step limit " +
                std::to_string(model.StepLimit) + ", offset y " +
                std::to_string(model.FileOffsetY) + ", baseplate " +
                std::to_string(r.BaseplateIndex) + "\n" + Bricks(model);
        if (r.SubAssembly)
            text += "sub-assembly: group " + std::to_string(r.Group) + ", key \"" + r.PlaceKey +
                    "\", octant " + std::to_string(r.SubAssembly->CurrentOctant) + ", step limit " +
                    std::to_string(r.SubAssembly->StepLimit) + "\n" + Bricks(*r.SubAssembly);
    } catch (const std::exception& e) {
        text += "error: " + ReplacedAll(e.what(), Data, "$D/") + "\n";
    }
    return text;
}

} // namespace

// A whole model replaces the bricks and the log; a sub-assembly is a new group at the model's
// step without its baseplate, its black bricks in the new colour, with the key of its box (that
// of the start values when empty); an LDraw file goes straight into the model, showing whole up
// to its last numbered step. Names from data may differ in case and separator.
TEST(LoadModel, ResultsMatchTheirReference) {
    TShippedAppDir importTable(std::string(TESSARYN_TEST_DATA) + "ldraw/import/");
    std::string text;
    for (const char* name : {"load/sub.lgo", "LOAD\\Sub.LGO", "load/none.lgo"})
        text += Loaded(name, LoadWhole) + Loaded(name, LoadSubAssembly);
    for (const char* name : {"load/groups.lgo", "load/base.lgo", "load/far.lgo"})
        text += Loaded(name, LoadSubAssembly);
    for (const char* name : {"../ldraw/import/lines.dat", "../ldraw/import/steps.mpd"})
        text += Loaded(name, LoadWhole) + Loaded(name, LoadSubAssembly);
    for (const char* name : {"../ldraw/import/steps.dat", "load/none.dat"})
        text += Loaded(name, LoadWhole);
    EXPECT_TRUE(MatchesReferenceText(text, "exchange/load-model.txt"));
}
