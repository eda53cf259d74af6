// Colour tokens of LDraw lines: a direct colour only in its exact form, "0x2" and six hex digits
// in either letter case; anything else is a decimal code or a conversion error.

#include "base/Error.h"
#include "exchange/ldraw/LDrawPartLine.h"

#include <gtest/gtest.h>

TEST(LDrawColourCode, DirectColoursOnlyInTheirExactForm) {
    const TLDrawColourCode red = ParseLDrawColourCode("0x2FF0000");
    EXPECT_TRUE(red.Direct);
    EXPECT_EQ(red.Rgb, 0x0000FF);
    EXPECT_EQ(red.Number, 0x2FF0000);
    const TLDrawColourCode blue = ParseLDrawColourCode("0X20000ff");
    EXPECT_TRUE(blue.Direct);
    EXPECT_EQ(blue.Rgb, 0xFF0000);
    EXPECT_EQ(ParseLDrawColourCode("4").Number, 4);
    EXPECT_FALSE(ParseLDrawColourCode("4").Direct);
    // One character off the form: not a direct colour, and not a number either.
    for (const char* token :
         {"1x2FF0000", "0y2FF0000", "0x3FF0000", "0x2FF000G", "0x2FF00000", "0x2FF000"})
        EXPECT_THROW(ParseLDrawColourCode(token), TError) << token;
}
