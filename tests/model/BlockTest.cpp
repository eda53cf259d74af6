#include "model/Block.h"

#include "model/GeneralBlock.h"
#include "model/PaletteKey.h"
#include "parts/PartCache.h"
#include "support/ErrorMessage.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
// A brick's text form, its class's letter and its variant, or the message of the refusal.
std::string Made(const std::function<std::unique_ptr<TBlock>()>& make) {
    std::string made;
    std::string message = MessageOf([&] {
        auto b = make();
        made = b ? b->SaveToString() + " " + b->ClassKind() + std::to_string(b->Variant) : "none";
    });
    return message.empty() ? made : message;
}
} // namespace

// Texts, palette keys and typed identities, each with the brick it makes or its refusal.
TEST(BrickTextForm, TextsAndKeysMakeTheirBrickOrAreRefusedWithTheirMessage) {
    TShippedAppDir shipped;
    EXPECT_TRUE(
        MatchesTranscript("models/brick-texts.txt", [](const std::string& line) -> std::string {
            const std::string kind = line.substr(0, line.find(' ')),
                              text = line.substr(kind.size() + 1);
            if (kind == "id")
                return MessageOf([&] { CheckTypedPartID(text); });
            return Made(
                [&] { return kind == "key" ? CreateBrickFromKey(text) : CreateFromString(text); });
        }));
    EXPECT_EQ(CreateBrickFromKey("B1x1x1|" + std::string(300, 'p'))->PartID.size(), 255u);
}

TEST(BrickOperations, RotateCloneAndTopAt) {
    auto b = CreateFromString("B:0:0:0:40:80:24:255:1:0:0:0:5::4");
    for (int i = 0; i < 4; ++i)
        b->Rotate();
    EXPECT_EQ((std::array{b->Turn, b->SX}), (std::array{0, 40}));
    b->Rotate();
    EXPECT_EQ((std::array{b->SX, b->SY}), (std::array{80, 40}));
    auto round = CreateFromString("R:0:0:0:40:80:24:255:1:0:1:0:0::0");
    round->Rotate();
    EXPECT_EQ((std::array{round->Turn, round->SX}), (std::array{1, 40}));
    b->Turn = INT32_MAX; // from a hostile file; must not overflow
    b->Rotate();
    EXPECT_EQ(b->Turn, 0);

    b->Selected = true;
    auto copy = Clone(*b);
    EXPECT_EQ(copy->SaveToString(), "B:0:0:0:40:80:24:255:1:0:0:0:0::4");
    EXPECT_FALSE(copy->Selected);
    EXPECT_EQ(typeid(*copy), typeid(TBlock));

    auto top = CreateFromString("B:20:20:8:20:20:24:255:1:0:0:0:0::0");
    EXPECT_EQ(top->TopAt(0, 20, 20, 20), 0); // touches the side only
    EXPECT_EQ(top->TopAt(0, 20, 21, 20), 32);
    top->X = INT32_MAX;
    EXPECT_EQ(top->TopAt(INT32_MAX, 20, INT32_MAX, 20), 32);
}

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

// Palette keys: body, part ID, the model of a combination key and the text a row shows.
TEST(PaletteKey, BodyPartIDModelNameAndRowText) {
    EXPECT_TRUE(
        MatchesTranscript("models/palette-keys.txt", [](const std::string& key) -> std::string {
            const TRowText row = PaletteRowText(key);
            return KeyBody(key) + "|" + KeyPartID(key) + "|" +
                   (IsSubAssemblyKey(key) ? SubAssemblyName(key) : "-") + "|" + row.Text +
                   (row.IsPartID ? " as ID" : "");
        }));
    EXPECT_EQ(KeyWithPartID(" B4x2x3|3001", "3001b"), "B4x2x3|3001b");
    EXPECT_EQ(KeyWithPartID("M Combos\\Tree", ""), "M Combos\\Tree|");
    EXPECT_EQ(PaletteRowText("B1x1x1|" + std::string(300, 'x')).Text.size(), 255u);
}
