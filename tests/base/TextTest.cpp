#include "base/Text.h"

#include "base/Error.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptsDecimalWithinThirtyTwoBits) {
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
    EXPECT_THROW(StrToInt("2147483648"), TError);
    EXPECT_THROW(StrToInt("-"), TError);
    EXPECT_THROW(StrToInt(""), TError);
    EXPECT_THROW(StrToInt("12a"), TError);
    EXPECT_THROW(StrToInt("99999999999999999999"), TError);
}
