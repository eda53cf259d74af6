#include "model/Block.h"

#include "support/ErrorMessage.h"
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

TEST(BrickTextForm, TextsAndKeysMakeTheirBrickOrAreRefusedWithTheirMessage) {
    TShippedAppDir shipped;
    const std::string shortText = "B:0:0:0:20:20:8:255:1:0:0:0:0:3001";
    const std::string refused = "Illegal string to CreateFromString: ";
    const std::pair<std::string, std::string> texts[] = {
        {"B:20:40:24:40:80:24:16777215:1:0:0:0:0::0",
         "B:20:40:24:40:80:24:16777215:1:0:0:0:0::0 B0"},
        // Only "1" is true; leading zeros and signs are read as numbers.
        {"B:-5:007:0:20:20:8:255:yes:1:0:0:0:id:3", "B:-5:7:0:20:20:8:255:0:1:0:0:0:id:3 B0"},
        // A lower-case kind is a plain brick that keeps its letter.
        {"t:0:0:0:40:60:24:255:1:0:1:0:0::0", "t:0:0:0:40:60:24:255:1:0:1:0:0::0 B0"},
        {"O:0:0:0:20:20:8:0:1:0:0:0:0::0", "O:0:0:0:20:20:8:0:1:0:0:0:0::0 O0"},
        // The 3 x 2 slope's variant follows its turn and size.
        {"T:0:0:0:40:60:24:255:1:0:1:0:0::0", "T:0:0:0:40:60:24:255:1:0:1:0:0::0 T1"},
        {"T:0:0:0:40:60:24:255:1:0:0:0:0::0", "T:0:0:0:40:60:24:255:1:0:0:0:0::0 T0"},
        {"T:0:0:0:60:40:24:255:1:0:2:0:0::0", "T:0:0:0:60:40:24:255:1:0:2:0:0::0 T1"},
        {"T:0:0:0:40:60:24:255:1:0:-1:0:0::0", "T:0:0:0:40:60:24:255:1:0:-1:0:0::0 T1"},
        {shortText, refused + shortText},
        // A trailing ':' adds no field; an empty field between separators does.
        {shortText + ":", refused + shortText + ":"},
        {shortText + ":0", "B:0:0:0:20:20:8:255:1:0:0:0:0:3001:0 B0"},
        {shortText + ":0:1", refused + shortText + ":0:1"},
        {"", refused},
        // A G text needs 17 fields, so a plain 15-field form starting with G is refused.
        {"G:0:0:0:20:20:8:255:1:0:0:0:0::0", refused + "G:0:0:0:20:20:8:255:1:0:0:0:0::0"},
        // Turned once: the sizes come from the part's box swapped.
        {"G:20:40:8:0:0:0:255:1:0:1:0:parts.dat:arch1x4:3:x:2",
         "G:20:40:8:80:20:24:255:1:0:1:0:parts.dat:arch1x4:3:x:2 G0"},
        {"G:0:0:0:0:0:0:0:0:0:0:0:PARTS.DAT:ARCH1X4:0::0",
         "G:0:0:0:20:80:24:0:0:0:0:0:parts.dat:arch1x4:0::0 G0"},
        {"G:0:0:0:0:0:0:0:0:0:0:0:parts.dat:nope.DAT:0::0",
         "Could not find part nope in file parts.dat"},
        {"G:0:0:0:20:20:8:255:1:0:0:0:nofile.dat:nopart:0::0",
         "Could not find part/file nopart/nofile.dat"},
        {"B:x:0:0:20:20:8:255:1:0:0:0:0::0", "'x' is not a valid integer value"},
        {"B:4294967296:0:0:20:20:8:255:1:0:0:0:0::0", "'4294967296' is not a valid integer value"},
    };
    for (const auto& [text, expected] : texts)
        EXPECT_EQ(Made([&] { return CreateFromString(text); }), expected) << text;
    const std::pair<std::string, std::string> keys[] = {
        {"T3x2x3", "T:0:0:0:60:40:24:16777215:1:0:0:0:0::0 T1"},
        {"N3x2x3", "N:0:0:0:60:40:24:16777215:1:0:0:0:0::0 N0"},
        {"C3x2x3", "C:0:0:0:60:40:24:16777215:1:0:0:0:0::0 C0"},
        {"I3x2x3", "I:0:0:0:60:40:24:16777215:1:0:0:0:0::0 I0"},
        {"2x2x1|3022", "B:0:0:0:40:40:8:16777215:1:0:0:0:0:3022:0 B0"},
        {" 3x 4x 5", "B:0:0:0:60:80:40:16777215:1:0:0:0:0::0 B0"},
        {"Gparts.dat, cone1x1|3942",
         "G:0:0:0:20:20:24:16777215:1:0:0:0:parts.dat:cone1x1:0:3942:0 G0"},
        {"F2x2x1", "none"},
        {"B2x2", "'' is not a valid integer value"},
        {"Bax2x2", "'a' is not a valid integer value"},
        {"Gnone.dat,stdblock", "Could not find part/file stdblock/none.dat"},
    };
    for (const auto& [key, expected] : keys)
        EXPECT_EQ(Made([&] { return CreateBrickFromKey(key); }), expected) << key;
    EXPECT_EQ(CreateBrickFromKey("B1x1x1|" + std::string(300, 'p'))->PartID.size(), 255u);
    const std::pair<const char*, bool> typedIDs[] = {
        {"3001", true}, {"", true}, {"30:01", false}, {"3001 b", false}};
    for (auto [id, accepted] : typedIDs)
        EXPECT_EQ(MessageOf([&] { CheckTypedPartID(id); }).empty(), accepted) << id;
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
