// Palette keys: body, part ID, the model of a combination key and the text a row shows.
#include "model/PaletteKey.h"

#include <gtest/gtest.h>

TEST(PaletteKey, BodyPartIDAndModelName) {
    EXPECT_EQ(KeyBody(" B4x2x3 |3001"), "B4x2x3");
    EXPECT_EQ(KeyPartID("B4x2x3| 3001 "), "3001");
    EXPECT_EQ(KeyPartID("B4x2x3"), "");
    EXPECT_EQ(KeyPartID("B4x2x3|a|b"), "a|b");
    EXPECT_EQ(KeyWithPartID(" B4x2x3|3001", "3001b"), "B4x2x3|3001b");
    EXPECT_EQ(KeyWithPartID("M Combos\\Tree", ""), "M Combos\\Tree|");
    EXPECT_TRUE(IsSubAssemblyKey("  M Combos\\Tree|T1"));
    EXPECT_FALSE(IsSubAssemblyKey("B2x2x3"));
    EXPECT_EQ(SubAssemblyName("M  Combos\\Tree |T1"), "Combos\\Tree");
    EXPECT_EQ(SubAssemblyName("M"), "");
}

TEST(PaletteKey, RowTextShowsThePartIDElseTheKey) {
    TRowText withID = PaletteRowText(" B2x2x1|3022 ");
    EXPECT_EQ(withID.Text, "3022");
    EXPECT_TRUE(withID.IsPartID);
    TRowText plain = PaletteRowText(" M Combos\\Tree ");
    EXPECT_EQ(plain.Text, "M Combos\\Tree");
    EXPECT_FALSE(plain.IsPartID);
    EXPECT_EQ(PaletteRowText("B2x2x1|").Text, "");
    EXPECT_EQ(PaletteRowText("B1x1x1|" + std::string(300, 'x')).Text.size(), 255u);
}
