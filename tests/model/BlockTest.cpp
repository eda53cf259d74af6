#include "model/Block.h"

#include "base/Error.h"
#include "model/BlockKinds.h"
#include "support/Bricks.h"
#include "support/ErrorMessage.h"

#include <gtest/gtest.h>

namespace {
const char* WhiteBrick = "B:20:40:24:40:80:24:16777215:1:0:0:0:0::0";
}

TEST(BrickTextForm, WritesAndReadsTheDocumentedForm) {
    auto b = CreateBrickFromKey("B2x4x3");
    b->X = 20;
    b->Y = 40;
    b->Z = 24;
    EXPECT_EQ(b->SaveToString(), WhiteBrick);

    auto back = CreateFromString(WhiteBrick);
    EXPECT_EQ(back->SaveToString(), WhiteBrick);
    EXPECT_EQ(back->PartID, "");
    EXPECT_FALSE(back->Selected);
}

TEST(BrickTextForm, RejectsWrongFieldCountsWithTheText) {
    const std::string shortText = "B:0:0:0:20:20:8:255:1:0:0:0:0:3001";
    EXPECT_EQ(MessageOf([&] { CreateFromString(shortText); }),
              "Illegal string to CreateFromString: " + shortText);
    // A trailing ':' adds no field; an empty field between separators does.
    EXPECT_THROW(CreateFromString(shortText + ":"), TError);
    EXPECT_NO_THROW(CreateFromString(shortText + ":0"));
    EXPECT_THROW(CreateFromString(shortText + ":0:1"), TError);
    EXPECT_THROW(CreateFromString(""), TError);
    // A G text needs 17 fields, so a plain 15-field form starting with G is rejected.
    EXPECT_THROW(CreateFromString("G:0:0:0:20:20:8:255:1:0:0:0:0::0"), TError);
}

TEST(BrickTextForm, FieldValuesAreParsedStrictly) {
    EXPECT_THROW(CreateFromString("B:x:0:0:20:20:8:255:1:0:0:0:0::0"), TError);
    EXPECT_THROW(CreateFromString("B:4294967296:0:0:20:20:8:255:1:0:0:0:0::0"), TError);
    auto b = CreateFromString("B:-5:007:0:20:20:8:255:yes:1:0:0:0:id:3");
    EXPECT_EQ((TBox{b->X, b->Y}), (TBox{-5, 7}));
    EXPECT_FALSE(b->Studs); // only "1" is true
    EXPECT_TRUE(b->Baseplate);
    EXPECT_EQ(b->PartID, "id");
    EXPECT_EQ(b->Step, 3);
}

TEST(BrickTextForm, KindLetterSelectsTheClassCaseSensitively) {
    EXPECT_NE(dynamic_cast<TWheel*>(CreateFromString("O:0:0:0:20:20:8:0:1:0:0:0:0::0").get()),
              nullptr);
    auto lower = CreateFromString("t:0:0:0:40:60:24:255:1:0:1:0:0::0");
    EXPECT_EQ(typeid(*lower), typeid(TBlock));
    EXPECT_EQ(lower->Kind, 't');
    EXPECT_EQ(lower->Variant, 0);
}

TEST(BrickTextForm, SlopeVariantFollowsTurnAndSize) {
    EXPECT_EQ(CreateFromString("T:0:0:0:40:60:24:255:1:0:1:0:0::0")->Variant, 1);
    EXPECT_EQ(CreateFromString("T:0:0:0:40:60:24:255:1:0:0:0:0::0")->Variant, 0);
    EXPECT_EQ(CreateFromString("T:0:0:0:60:40:24:255:1:0:2:0:0::0")->Variant, 1);
    EXPECT_EQ(CreateFromString("T:0:0:0:40:60:24:255:1:0:-1:0:0::0")->Variant, 1);
}

TEST(BrickTextForm, GeneralBlockWithoutDefinitionReportsPartThenFile) {
    EXPECT_EQ(
        MessageOf([] { CreateFromString("G:0:0:0:20:20:8:255:1:0:0:0:nofile.dat:nopart:0::0"); }),
        "Could not find part/file nopart/nofile.dat");
}

TEST(PaletteKey, MakesBricksOfTheKindsClass) {
    auto slope = CreateBrickFromKey("T3x2x3");
    ASSERT_NE(dynamic_cast<TRoof*>(slope.get()), nullptr);
    EXPECT_EQ(BoxOf(*slope), (TBox{0, 0, 0, 60, 40, 24}));
    EXPECT_EQ(slope->Variant, 1);
    EXPECT_EQ(slope->Colour, 0xFFFFFF);
    EXPECT_TRUE(slope->Studs);

    EXPECT_EQ(CreateBrickFromKey("N3x2x3")->Variant, 0);
    EXPECT_EQ(CreateBrickFromKey("C3x2x3")->Variant, 0);
    EXPECT_EQ(CreateBrickFromKey("I3x2x3")->Variant, 0);

    auto plate = CreateBrickFromKey("2x2x1|3022");
    EXPECT_EQ(plate->Kind, 'B');
    EXPECT_EQ(plate->PartID, "3022");
    EXPECT_EQ(plate->SZ, 8);

    auto box = CreateBrickFromKey(" 3x 4x 5");
    EXPECT_EQ(BoxOf(*box), (TBox{0, 0, 0, 60, 80, 40}));

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
    EXPECT_EQ(copy->Group, 0);
    EXPECT_EQ(copy->Step, 4);
    EXPECT_FALSE(copy->Selected);
    EXPECT_EQ(typeid(*copy), typeid(TBlock));

    auto top = CreateFromString("B:20:20:8:20:20:24:255:1:0:0:0:0::0");
    EXPECT_EQ(top->TopAt(0, 20, 20, 20), 0); // touches the side only
    EXPECT_EQ(top->TopAt(0, 20, 21, 20), 32);
    top->X = INT32_MAX;
    EXPECT_EQ(top->TopAt(INT32_MAX, 20, INT32_MAX, 20), 32);
}

TEST(BrickTextForm, TypedIdentitiesThatWouldShiftFieldsAreRefused) {
    EXPECT_NO_THROW(CheckTypedPartID("3001"));
    EXPECT_NO_THROW(CheckTypedPartID(""));
    EXPECT_THROW(CheckTypedPartID("30:01"), TError);
    EXPECT_THROW(CheckTypedPartID("3001 b"), TError);
}
