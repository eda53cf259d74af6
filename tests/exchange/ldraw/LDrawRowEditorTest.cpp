#include "exchange/ldraw/LDrawRowEditor.h"

#include "base/Error.h"
#include "exchange/ldraw/MapTable.h"

#include <gtest/gtest.h>

namespace {
const char* const Row3001 = "B 2 4 3 1 16 1 2 3 1 3001.DAT 0  ";
const char* const Row3004 = "B 1 2 3 1 16 0 -4 0 0 3004.DAT 0  ";

struct LDrawRowEditor : ::testing::Test {
    TTempFolder Folder;
    TLDrawMap Map{Folder.Dir()};
    TLDrawRowEditor Editor{Map};
    std::string Table() const { return TTempFolder::Read(Folder.File("ts2ld.lst")); }
};
} // namespace

// A lookup remembers the row it found, or none; an update writes the remembered row's offsets
// back into the table, finding the row again when the table was reloaded meanwhile, and a fresh
// reader then sees them.
TEST_F(LDrawRowEditor, LookupRemembersTheRowThatUpdateWrites) {
    WriteMapTable(Folder, {Row3001});
    const std::string before = Table();
    auto found = Editor.Lookup("3001");
    ASSERT_TRUE(found);
    EXPECT_EQ((std::array{found->xOffset, found->zOffset, found->RotOffset}),
              (std::array{1, 3, 1}));
    EXPECT_TRUE(Editor.HasRow());
    EXPECT_FALSE(Editor.Lookup("nosuch"));
    EXPECT_FALSE(Editor.HasRow());
    EXPECT_FALSE(Editor.Update("nosuch", {9, 9, 9, 1}));
    EXPECT_FALSE(Editor.Update("3001", {9, 9, 9, 1})); // no row is remembered
    EXPECT_EQ(Table(), before);

    ASSERT_TRUE(Editor.Lookup("3001"));
    // An export reloads the table, which meanwhile got a row in front.
    WriteMapTable(Folder, {Row3004, Row3001});
    Map.Load();
    ASSERT_TRUE(Editor.Update("3001", {-10, 20, 30, 6}));
    EXPECT_EQ(Table(), std::string(Row3004) + "\r\nB 2 4 3 1 16 -10 20 30 6 3001.DAT 0  \r\n");
    EXPECT_EQ(Editor.RowValues().RotOffset, 6);
    TLDrawMap fresh(Folder.Dir());
    auto read = TLDrawRowEditor(fresh).Lookup("3001");
    ASSERT_TRUE(read);
    EXPECT_EQ((std::array{read->xOffset, read->RotOffset}), (std::array{-10, 6}));
    EXPECT_THROW(Editor.Update("3001", {0, 0, 0, 8}), TError);
    EXPECT_TRUE(Editor.Lookup("3004"));
    EXPECT_EQ(Editor.RowValues().yOffset, -4);
}

TEST_F(LDrawRowEditor, MissingTableIsReportedOnceAndNotReadAgain) {
    EXPECT_THROW(Editor.Lookup("3001"), std::exception);
    WriteMapTable(Folder, {Row3001}); // appearing later is not noticed by the lookups
    EXPECT_FALSE(Editor.Lookup("3001"));
    Map.Load(); // until something else loads it
    EXPECT_TRUE(Editor.Lookup("3001"));
}
