#include "base/ShippedMerge.h"

#include <gtest/gtest.h>

namespace {
const std::string BaseIni = "[Main]\r\nVersion=2\r\nPages=1\r\nLDrawLib=~/ldraw\r\n\r\n"
                            "[Page1]\r\nTitle=Bricks\r\nCount=1\r\nBrick0=B1x1x3\r\n";
// What the program writes back at exit: the same pages, its own [State], no changes.
const std::string SavedIni = "[Main]\r\nVersion=2\r\nPages=1\r\nLDrawLib=~/ldraw\r\n\r\n"
                             "[State]\r\nShading=1\r\n\r\n"
                             "[Page1]\r\nTitle=Bricks\r\nCount=1\r\nBrick0=B1x1x3\r\n";
const std::string NewerIni = "[Main]\r\nVersion=2\r\nPages=2\r\nLDrawLib=/usr/share/ldraw\r\n\r\n"
                             "[Page1]\r\nTitle=Bricks\r\nCount=1\r\nBrick0=B1x1x3\r\n\r\n"
                             "[Page2]\r\nTitle=Plates\r\nCount=1\r\nBrick0=B1x1x1\r\n";
} // namespace

TEST(ShippedMergeTest, UnchangedPagesAndKeysTakeTheNewerSettings) {
    auto merged = MergeSettings(BaseIni, SavedIni, NewerIni);
    ASSERT_TRUE(merged);
    EXPECT_EQ(*merged, "[Main]\r\nVersion=2\r\nPages=2\r\nLDrawLib=/usr/share/ldraw\r\n\r\n"
                       "[State]\r\nShading=1\r\n\r\n"
                       "[Page1]\r\nTitle=Bricks\r\nCount=1\r\nBrick0=B1x1x3\r\n\r\n"
                       "[Page2]\r\nTitle=Plates\r\nCount=1\r\nBrick0=B1x1x1\r\n");
}

TEST(ShippedMergeTest, SettingsWithBareCarriageReturnsMergeLineByLine) {
    std::string saved = SavedIni;
    for (size_t at; (at = saved.find("\r\n")) != std::string::npos;)
        saved.erase(at + 1, 1);
    auto merged = MergeSettings(BaseIni, saved, NewerIni);
    ASSERT_TRUE(merged);
    EXPECT_NE(merged->find("Pages=2\n"), std::string::npos);
    EXPECT_NE(merged->find("[Page2]\nTitle=Plates\n"), std::string::npos);
}

TEST(ShippedMergeTest, UsersPagesAndKeysStayWhenTheNewerSettingsLeaveThemAlone) {
    std::string mine = "[Main]\nVersion=2\nPages=1\nLDrawLib=/mine\n\n"
                       "[Page1]\nTitle=Mine\nCount=1\nBrick0=B1x1x3\n";
    std::string newer = BaseIni + "[State]\r\nHints=1\r\n";
    auto merged = MergeSettings(BaseIni, mine, newer);
    ASSERT_TRUE(merged);
    EXPECT_EQ(*merged, "[Main]\nVersion=2\nPages=1\nLDrawLib=/mine\n\n"
                       "[Page1]\nTitle=Mine\nCount=1\nBrick0=B1x1x3\n\n[State]\nHints=1\n");
}

TEST(ShippedMergeTest, SettingsChangedOnBothSidesDoNotMerge) {
    std::string minePages = "[Main]\nVersion=2\nPages=1\nLDrawLib=~/ldraw\n\n"
                            "[Page1]\nTitle=Mine\nCount=1\nBrick0=B1x1x3\n";
    EXPECT_FALSE(MergeSettings(BaseIni, minePages, NewerIni));
    std::string mineKey = "[Main]\nVersion=2\nPages=1\nLDrawLib=/mine\n\n"
                          "[Page1]\nTitle=Bricks\nCount=1\nBrick0=B1x1x3\n";
    EXPECT_FALSE(MergeSettings(BaseIni, mineKey, NewerIni));
}

TEST(ShippedMergeTest, RowsTheProgramAddedFollowTheNewerRows) {
    std::string base = "; comment\r\nB 1 1 3 1 0 0 0 0 0 3005.DAT 0\r\n";
    std::string mine = "B 1 1 3 1 0 0 0 0 0 3005.DAT 0\r\nB 9 9 3 1 0 0 0 0 0 x.DAT 0\r\n";
    std::string newer = "; comment\r\nB 1 1 3 1 0 0 0 0 0 3005.DAT 0\r\n"
                        "B 2 1 3 1 0 0 0 0 0 3004.DAT 0";
    auto merged = MergeMappingRows(base, mine, newer);
    ASSERT_TRUE(merged);
    EXPECT_EQ(*merged, newer + "\r\nB 9 9 3 1 0 0 0 0 0 x.DAT 0\r\n");
}

TEST(ShippedMergeTest, ChangedShippedRowStopsTheMerge) {
    std::string base = "B 1 1 3 1 0 0 0 0 0 3005.DAT 0\n";
    std::string mine = "B 1 1 3 1 0 0 0 0 0 mine.DAT 0\n";
    EXPECT_FALSE(MergeMappingRows(base, mine, base + "B 2 1 3 1 0 0 0 0 0 3004.DAT 0\n"));
    // Newer comments alone leave the user's rows as they are.
    EXPECT_EQ(MergeMappingRows(base, mine, "; newer\n" + base), mine);
}

TEST(ShippedMergeTest, OnlySettingsAndMappingTableMerge) {
    EXPECT_TRUE(MergeShipped("tessaryn.INI", BaseIni, SavedIni, NewerIni));
    EXPECT_TRUE(MergeShipped("ts2ld.lst", "a\n", "a\nb\n", "a\nc\n"));
    EXPECT_FALSE(MergeShipped("parts/parts.dat", "a\n", "a\nb\n", "a\nc\n"));
}
