#include "model/GeneralBlock.h"

#include "model/Block.h"
#include "parts/PartCache.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>

// Text forms and keys of general blocks are in the brick text form's table; here what they bind.
TEST(GeneralBlock, BricksShareTheCachedDefinitionAndTurnsApplyTheOffsets) {
    TShippedAppDir shipped;
    auto arch = CreateFromString("G:20:40:8:0:0:0:255:1:0:1:0:parts.dat:arch1x4:3:x:2");
    ASSERT_NE(arch->Definition, nullptr);
    EXPECT_EQ(arch->Definition, &GetDrawClass("parts.dat", "arch1x4"));
    EXPECT_EQ(CreateFromString("G:0:0:0:0:0:0:0:0:0:0:0:PARTS.DAT:ARCH1X4:0::0")->Definition,
              arch->Definition);
    auto copy = Clone(*arch);
    EXPECT_EQ(copy->Definition, arch->Definition);
    EXPECT_EQ(copy->SaveToString(), "G:20:40:8:80:20:24:255:1:0:1:0:parts.dat:arch1x4:0:x:2");

    arch = CreateBrickFromKey("Gparts.dat,arch1x4");
    arch->X = 100, arch->Y = 200;
    arch->Rotate();
    // The offsets of turn 0 are (-1, 1).
    EXPECT_EQ((std::array{arch->X, arch->Y, arch->Turn, arch->SX, arch->SY}),
              (std::array{80, 220, 1, 80, 20}));
    for (int i = 0; i < 3; ++i)
        arch->Rotate();
    EXPECT_EQ((std::array{arch->X, arch->Y, arch->Turn, arch->SX}), (std::array{100, 200, 0, 20}));
}

TEST(TurnTransform, KeepsPointsInsideTheTurnedBox) {
    // A part 20 x 80: odd turns swap the box's sides, so the point stays inside.
    const std::pair<int, TPoint3> turns[] = {{0, {5, 70, 3}}, {1, {70, 15, 3}}, {2, {15, 10, 3}},
                                             {3, {10, 5, 3}}, {7, {10, 5, 3}},  {-1, {10, 5, 3}}};
    for (auto [turn, expected] : turns)
        EXPECT_EQ(TurnPartPoint({5, 70, 3}, turn, 20, 80), expected) << turn;
    EXPECT_EQ(
        (std::array{LocalOctant(0, 1), LocalOctant(3, 2), LocalOctant(6, 3), LocalOctant(4, 0)}),
        (std::array{1, 1, 5, 4}));
}
