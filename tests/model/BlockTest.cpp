#include "model/Block.h"

#include "base/Error.h"
#include "model/BlockKinds.h"
#include "support/Bricks.h"
#include "support/ErrorMessage.h"

#include <gtest/gtest.h>

namespace {
// The text form a brick made from the text writes back, or the message of the refusal.
std::string ReadBack(const std::string& text) {
    std::string written;
    std::string message = MessageOf([&] { written = CreateFromString(text)->SaveToString(); });
    return message.empty() ? written : message;
}
} // namespace

TEST(BrickTextForm, TextsReadBackOrRefusedWithTheirMessage) {
    const std::string shortText = "B:0:0:0:20:20:8:255:1:0:0:0:0:3001";
    const std::string refused = "Illegal string to CreateFromString: ";
    const std::pair<std::string, std::string> cases[] = {
        {"B:20:40:24:40:80:24:16777215:1:0:0:0:0::0", "B:20:40:24:40:80:24:16777215:1:0:0:0:0::0"},
        // Only "1" is true; leading zeros and signs are read as numbers.
        {"B:-5:007:0:20:20:8:255:yes:1:0:0:0:id:3", "B:-5:7:0:20:20:8:255:0:1:0:0:0:id:3"},
        // A lower-case kind is a plain brick that keeps its letter.
        {"t:0:0:0:40:60:24:255:1:0:1:0:0::0", "t:0:0:0:40:60:24:255:1:0:1:0:0::0"},
        {shortText, refused + shortText},
        // A trailing ':' adds no field; an empty field between separators does.
        {shortText + ":", refused + shortText + ":"},
        {shortText + ":0", "B:0:0:0:20:20:8:255:1:0:0:0:0:3001:0"},
        {shortText + ":0:1", refused + shortText + ":0:1"},
        {"", refused},
        // A G text needs 17 fields, so a plain 15-field form starting with G is refused.
        {"G:0:0:0:20:20:8:255:1:0:0:0:0::0", refused + "G:0:0:0:20:20:8:255:1:0:0:0:0::0"},
        {"G:0:0:0:20:20:8:255:1:0:0:0:nofile.dat:nopart:0::0",
         "Could not find part/file nopart/nofile.dat"},
        {"B:x:0:0:20:20:8:255:1:0:0:0:0::0", "'x' is not a valid integer value"},
        {"B:4294967296:0:0:20:20:8:255:1:0:0:0:0::0", "'4294967296' is not a valid integer value"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ReadBack(text), expected) << text;
}

TEST(BrickTextForm, KindLetterSelectsTheClassAndSlopesTheirVariant) {
    EXPECT_NE(dynamic_cast<TWheel*>(CreateFromString("O:0:0:0:20:20:8:0:1:0:0:0:0::0").get()),
              nullptr);
    auto lower = CreateFromString("t:0:0:0:40:60:24:255:1:0:1:0:0::0");
    EXPECT_EQ(typeid(*lower), typeid(TBlock));
    EXPECT_EQ(lower->Variant, 0);
    // The 3 x 2 slope's variant follows its turn and size.
    const std::pair<const char*, int> slopes[] = {{"T:0:0:0:40:60:24:255:1:0:1:0:0::0", 1},
                                                  {"T:0:0:0:40:60:24:255:1:0:0:0:0::0", 0},
                                                  {"T:0:0:0:60:40:24:255:1:0:2:0:0::0", 1},
                                                  {"T:0:0:0:40:60:24:255:1:0:-1:0:0::0", 1}};
    for (auto [text, variant] : slopes)
        EXPECT_EQ(CreateFromString(text)->Variant, variant) << text;
    EXPECT_NO_THROW(CheckTypedPartID("3001"));
    EXPECT_NO_THROW(CheckTypedPartID(""));
    EXPECT_THROW(CheckTypedPartID("30:01"), TError);
    EXPECT_THROW(CheckTypedPartID("3001 b"), TError);
}

TEST(PaletteKey, MakesBricksOfTheKindsClass) {
    auto slope = CreateBrickFromKey("T3x2x3");
    ASSERT_NE(dynamic_cast<TRoof*>(slope.get()), nullptr);
    EXPECT_EQ(slope->SaveToString(), "T:0:0:0:60:40:24:16777215:1:0:0:0:0::0");
    EXPECT_EQ(slope->Variant, 1);
    for (const char* key : {"N3x2x3", "C3x2x3", "I3x2x3"})
        EXPECT_EQ(CreateBrickFromKey(key)->Variant, 0) << key;
    EXPECT_EQ(CreateBrickFromKey("2x2x1|3022")->SaveToString(),
              "B:0:0:0:40:40:8:16777215:1:0:0:0:0:3022:0");
    EXPECT_EQ(BoxOf(*CreateBrickFromKey(" 3x 4x 5")), (TBox{0, 0, 0, 60, 80, 40}));
    EXPECT_EQ(CreateBrickFromKey("F2x2x1"), nullptr);
    EXPECT_THROW(CreateBrickFromKey("B2x2"), TError);
    EXPECT_THROW(CreateBrickFromKey("Bax2x2"), TError);
    EXPECT_EQ(CreateBrickFromKey("B1x1x1|" + std::string(300, 'p'))->PartID.size(), 255u);
}

TEST(BrickOperations, RotateCloneAndTopAt) {
    auto b = CreateFromString("B:0:0:0:40:80:24:255:1:0:0:0:5::4");
    for (int i = 0; i < 4; ++i)
        b->Rotate();
    EXPECT_EQ((TBox{b->Turn, b->SX}), (TBox{0, 40}));
    b->Rotate();
    EXPECT_EQ((TBox{b->SX, b->SY}), (TBox{80, 40}));
    auto round = CreateFromString("R:0:0:0:40:80:24:255:1:0:1:0:0::0");
    round->Rotate();
    EXPECT_EQ((TBox{round->Turn, round->SX}), (TBox{1, 40}));
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
