#include "base/Error.h"
#include "model/BlockList.h"
#include "support/ErrorMessage.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<TBlock> Brick(int32_t x, int32_t colour = 255) {
    auto b = CreateFromString("B:0:0:0:20:40:24:255:1:0:0:0:0::0");
    b->X = x;
    b->Colour = colour;
    return b;
}

// Records a recolouring the way the right mouse button does.
void Recolour(TBlockList& model, int i, int32_t colour) {
    model.RecordCommand('[', model[i]);
    model[i].Colour = colour;
    model.RecordCommand(']', model[i]);
}

// Bricks, undo steps and redo steps, to compare in one line.
std::array<int, 3> Counts(const TBlockList& model) {
    return {model.Count(), model.UndoCount(), model.RedoCount()};
}
} // namespace

TEST(Undo, PlaceUndoRedo) {
    TBlockList model;
    model.Undo(); // empty log: nothing
    auto brick = Brick(0);
    model.RecordCommand('+', *brick);
    model.InsertSorted(std::move(brick));
    model.InsertSorted(Brick(40));
    EXPECT_EQ(model.UndoLog.front(), "+:B:0:0:0:20:40:24:255:1:0:0:0:0::0");

    model.Undo();
    EXPECT_EQ(Counts(model), (std::array{1, 0, 1}));
    model.Redo();
    EXPECT_EQ(Counts(model), (std::array{2, 1, 0}));
    EXPECT_EQ((std::array{model[0].X, model[1].X}), (std::array{40, 0})); // back in drawing order

    model.Undo();
    model.RecordCommand('+', *Brick(80)); // a new edit drops what could be redone
    EXPECT_EQ(model.RedoCount(), 0);
}

TEST(Undo, InPlaceChangeIsOneStepEachWay) {
    TBlockList model;
    model.InsertSorted(Brick(0, 1));
    Recolour(model, 0, 2);
    model.Undo();
    EXPECT_EQ(model[0].Colour, 1);
    EXPECT_EQ(Counts(model), (std::array{1, 0, 2}));
    model.Redo();
    EXPECT_EQ(model[0].Colour, 2);
    EXPECT_EQ(Counts(model), (std::array{1, 2, 0}));
}

TEST(Undo, TurnOfAGroupTakesOneUndoPerBrick) {
    TBlockList model;
    for (int x : {0, 40, 80})
        model.InsertSorted(Brick(x));
    for (int i = 0; i < 3; ++i) {
        model.RecordCommand('[', model[i]);
        model[i].Rotate();
        model.RecordCommand(']', model[i]);
    }
    for (int step = 0; step < 3; ++step) {
        EXPECT_EQ(model.UndoCount(), 6 - 2 * step);
        model.Undo();
    }
    EXPECT_EQ(Counts(model), (std::array{3, 0, 6}));
    EXPECT_EQ((std::array{model[0].Turn, model[1].Turn, model[2].Turn}), (std::array{0, 0, 0}));
}

TEST(Undo, DeletingTwoBricksUndoesOneAtATime) {
    TBlockList model;
    model.InsertSorted(Brick(0, 1));
    model.InsertSorted(Brick(40, 2));
    for (int i = model.Count() - 1; i >= 0; --i) {
        model.RecordCommand('-', model[i]);
        model.Delete(i);
    }
    model.Undo();
    ASSERT_EQ(model.Count(), 1);
    EXPECT_EQ(model[0].Colour, 2); // index 0 was deleted last
}

TEST(Undo, ChangedBrickIsNotFoundButTheStepStillMoves) {
    TBlockList model;
    auto brick = Brick(0, 1);
    model.RecordCommand('+', *brick);
    model.InsertSorted(std::move(brick));
    model[0].Colour = 9; // an unrecorded toolbox edit
    model.Undo();
    EXPECT_EQ(Counts(model), (std::array{1, 0, 1}));

    // An in-place change whose "after" no longer matches: the old brick still comes back.
    Recolour(model, 0, 3);
    model[0].Colour = 4;
    model.Undo();
    EXPECT_EQ(model.Count(), 2);
}

TEST(Undo, IllegalEntriesAreLostWithAClearMessage) {
    TBlockList model;
    model.UndoLog.push_front("x:B:0:0:0:20:40:24:255:1:0:0:0:0::0");
    EXPECT_EQ(MessageOf([&] { model.Undo(); }),
              "Illegal Undo Command: x:B:0:0:0:20:40:24:255:1:0:0:0:0::0");
    EXPECT_EQ(model.UndoCount() + model.RedoCount(), 0);

    model.RedoLog.push_front("");
    EXPECT_THROW(model.Redo(), TError);
    model.RedoLog.push_front("?");
    EXPECT_EQ(MessageOf([&] { model.Redo(); }), "Illegal Redo Command: ?");

    model.UndoLog.push_front("-:B:1:2");
    EXPECT_THROW(model.Undo(), TError);
    EXPECT_EQ(model.UndoCount() + model.RedoCount(), 0);

    // A "]" above a bad entry: the first half stays done, the bad entry is lost.
    model.InsertSorted(Brick(0));
    model.UndoLog.push_front("*:junk");
    model.UndoLog.push_front("]:" + model[0].SaveToString());
    EXPECT_THROW(model.Undo(), TError);
    EXPECT_EQ(Counts(model), (std::array{0, 0, 1}));
}
