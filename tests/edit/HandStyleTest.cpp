#include "edit/Hand.h"
#include "render/DrawContext.h"

#include <gtest/gtest.h>

TEST(HandStyle, ReachesTheBrickAndEveryBrickOfTheGroupWithoutRecords) {
    TBlockList model;
    TDrawContext context;
    THand hand{model, context};
    auto paint = [](TBlock& b) { b.Colour = 0x123456; };
    hand.RestyleHand(paint); // an empty hand is left alone

    auto group = std::make_unique<TBlockList>();
    group->Add(CreateBrickFromKey("B2x2x3"));
    group->Add(CreateBrickFromKey("B2x4x3"));
    hand.TakeGroupInHand(std::move(group), CreateBrickFromKey("B4x4x3"), 0);
    hand.RestyleHand(paint);
    EXPECT_EQ(hand.BrickInHand->Colour, 0x123456);
    for (const auto& b : hand.GroupInHand->Items())
        EXPECT_EQ(b->Colour, 0x123456);
    EXPECT_TRUE(model.UndoLog.empty());
}
