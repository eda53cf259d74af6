#include "model/Block.h"

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
