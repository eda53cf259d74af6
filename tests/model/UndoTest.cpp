#include "model/BlockList.h"
#include "support/Bricks.h"
#include "support/ErrorMessage.h"
#include "support/ModelText.h"
#include "support/ReferenceFile.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
std::unique_ptr<TBlock> Brick(int32_t x, int32_t colour) {
    return MakeBrick('B', x, 0, 0, 20, 40, 24, colour, true);
}

// Records a change in place the way the right mouse button does: before and after.
void Change(TBlockList& model, int i, const std::function<void(TBlock&)>& change) {
    model.RecordCommand('[', model[i]);
    change(model[i]);
    model.RecordCommand(']', model[i]);
}

void Place(TBlockList& model, int32_t x, int32_t colour) {
    auto brick = Brick(x, colour);
    model.RecordCommand('+', *brick);
    model.InsertSorted(std::move(brick));
}

void Delete(TBlockList& model, int i) {
    model.RecordCommand('-', model[i]);
    model.Delete(i);
}
} // namespace

// One model edited, undone and redone step by step; after each step the transcript takes the
// counts of bricks, undo and redo entries and the model as its file holds it.
TEST(Undo, EditsUndoneAndRedoneStepByStep) {
    using M = TBlockList&;
    const std::pair<const char*, std::function<void(M)>> steps[] = {
        {"undo of nothing", [](M m) { m.Undo(); }},
        {"place at 0, then at 40 unrecorded",
         [](M m) { Place(m, 0, 1), m.InsertSorted(Brick(40, 2)); }},
        {"undo the place", [](M m) { m.Undo(); }},
        {"redo: back in drawing order", [](M m) { m.Redo(); }},
        {"recolour: one step each way", [](M m) { Change(m, 0, [](TBlock& b) { b.Colour = 3; }); }},
        {"undo the recolour", [](M m) { m.Undo(); }},
        {"a new edit drops what could be redone", [](M m) { Place(m, 80, 4); }},
        {"turn all three",
         [](M m) {
             for (int i = 0; i < 3; ++i)
                 Change(m, i, [](TBlock& b) { b.Rotate(); });
         }},
        {"undo one turn per brick", [](M m) { m.Undo(), m.Undo(); }},
        {"redo both", [](M m) { m.Redo(), m.Redo(); }},
        {"delete two, the last at index 0", [](M m) { Delete(m, 1), Delete(m, 0); }},
        {"undo brings back the last deleted", [](M m) { m.Undo(); }},
        // An unrecorded toolbox edit: the brick is not found but the step still moves.
        {"unrecorded recolour, undo", [](M m) { m[0].Colour = 9, m.Undo(); }},
        // A change whose "after" no longer matches: the old brick still comes back.
        {"recolour, change again, undo",
         [](M m) { Change(m, 0, [](TBlock& b) { b.Colour = 5; }), m[0].Colour = 6, m.Undo(); }},
    };
    TBlockList model;
    std::string transcript;
    for (const auto& [name, step] : steps) {
        step(model);
        transcript += std::string("# ") + name + ": " + std::to_string(model.Count()) +
                      " bricks, " + std::to_string(model.UndoCount()) + " undo, " +
                      std::to_string(model.RedoCount()) + " redo\r\n" + LgoText(model);
    }
    EXPECT_TRUE(MatchesReferenceText(transcript, "models/undo-transcript.txt"));
}

TEST(Undo, IllegalEntriesAreLostWithAClearMessage) {
    const std::string brick = "B:0:0:0:20:40:24:255:1:0:0:0:0::0";
    const struct {
        bool Redo;
        std::vector<std::string> Log; // the newest entry first
        std::string Message;
        std::array<int, 3> Counts; // bricks, undo and redo entries after the step
    } cases[] = {{false, {"x:" + brick}, "Illegal Undo Command: x:" + brick, {1, 0, 0}},
                 {true, {"?"}, "Illegal Redo Command: ?", {1, 0, 0}},
                 {true, {""}, "Illegal Redo Command: ", {1, 0, 0}},
                 {false, {"-:B:1:2"}, "Illegal string to CreateFromString: B:1:2", {1, 0, 0}},
                 // A "]" above a bad entry: the first half stays done, the bad entry is lost.
                 {false, {"]:" + brick, "*:junk"}, "Illegal Undo Command: *:junk", {0, 0, 1}}};
    for (const auto& c : cases) {
        TBlockList model;
        model.InsertSorted(CreateFromString(brick));
        (c.Redo ? model.RedoLog : model.UndoLog).assign(c.Log.begin(), c.Log.end());
        EXPECT_EQ(MessageOf([&] { c.Redo ? model.Redo() : model.Undo(); }), c.Message);
        EXPECT_EQ((std::array{model.Count(), model.UndoCount(), model.RedoCount()}), c.Counts)
            << c.Message;
    }
}
