#include "model/GeneralBlock.h"

#include "base/Error.h"
#include "model/Block.h"
#include "parts/DrawClass.h"
#include "parts/PartTestSupport.h"
#include "support/Bricks.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>

class GeneralBlockTest : public ::testing::Test {
protected:
    TShippedAppDir Shipped;
};

TEST_F(GeneralBlockTest, TextFormBindsTheCachedDefinition) {
    auto arch = CreateFromString("G:20:40:8:0:0:0:255:1:0:1:0:parts.dat:arch1x4:3:x:2");
    ASSERT_NE(arch->Definition, nullptr);
    EXPECT_EQ(arch->Kind, 'G');
    EXPECT_EQ(arch->Definition, &GetDrawClass("parts.dat", "arch1x4"));
    // Turned once: the sizes come from the box swapped.
    EXPECT_EQ(BoxOf(*arch), (TBox{20, 40, 8, 80, 20, 24}));
    EXPECT_EQ(arch->SaveToString(), "G:20:40:8:80:20:24:255:1:0:1:0:parts.dat:arch1x4:3:x:2");

    auto shouted = CreateFromString("G:0:0:0:0:0:0:0:0:0:0:0:PARTS.DAT:ARCH1X4:0::0");
    EXPECT_EQ(shouted->Definition, arch->Definition);
    EXPECT_EQ(shouted->SaveToString(), "G:0:0:0:20:80:24:0:0:0:0:0:parts.dat:arch1x4:0::0");

    auto copy = Clone(*arch);
    EXPECT_EQ(copy->Definition, arch->Definition);
    EXPECT_EQ(copy->SaveToString(), "G:20:40:8:80:20:24:255:1:0:1:0:parts.dat:arch1x4:0:x:2");
}

TEST_F(GeneralBlockTest, MissingPartsRaiseThePartFileMessages) {
    EXPECT_EQ(
        MessageOf([] { CreateFromString("G:0:0:0:0:0:0:0:0:0:0:0:parts.dat:nope.DAT:0::0"); }),
        "Could not find part nope in file parts.dat");
    EXPECT_EQ(MessageOf([] { CreateBrickFromKey("Gnone.dat,stdblock"); }),
              "Could not find part/file stdblock/none.dat");
    auto key = CreateBrickFromKey("Gparts.dat, cone1x1|3942");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->PartID, "3942");
    EXPECT_EQ(key->SX, 20);
}

TEST_F(GeneralBlockTest, TurningAppliesTheOffsetsAndFourTurnsComeBack) {
    auto arch = CreateBrickFromKey("Gparts.dat,arch1x4");
    arch->X = 100;
    arch->Y = 200;
    arch->Rotate();
    // The offsets of turn 0 are (-1, 1).
    EXPECT_EQ((TBox{arch->X, arch->Y, arch->Turn, arch->SX, arch->SY}), (TBox{80, 220, 1, 80, 20}));
    for (int i = 0; i < 3; ++i)
        arch->Rotate();
    EXPECT_EQ((TBox{arch->X, arch->Y, arch->Turn, arch->SX}), (TBox{100, 200, 0, 20}));
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
