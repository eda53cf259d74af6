#include "exchange/ldraw/LDrawRowEditor.h"

#include "base/Error.h"
#include "exchange/ldraw/MapTable.h"

#include <gtest/gtest.h>

namespace {
const char* const Row3001 = "B 2 4 3 1 16 1 2 3 1 3001.DAT 0  ";
const char* const Row3004 = "B 1 2 3 1 16 0 -4 0 0 3004.DAT 0  ";

struct LDrawRowEditor : ::testing::Test {
    TTempFolder folder;
    TLDrawMap map{folder.Dir()};
    TLDrawRowEditor editor{map};
    std::string Table() const { return TTempFolder::Read(folder.File("ts2ld.lst")); }
};
} // namespace

TEST_F(LDrawRowEditor, LookupFindsTheRowIgnoringCase) {
    WriteMapTable(folder, {Row3004, Row3001});
    auto found = editor.Lookup("3001");
    ASSERT_TRUE(found);
    EXPECT_EQ((std::array{found->xOffset, found->zOffset, found->RotOffset}),
              (std::array{1, 3, 1}));
    EXPECT_TRUE(editor.HasRow());
    EXPECT_TRUE(editor.Lookup("3004"));
    EXPECT_EQ(editor.RowValues().yOffset, -4);
}

TEST_F(LDrawRowEditor, UnknownIdentityRemembersNoRowAndUpdateDoesNothing) {
    WriteMapTable(folder, {Row3001});
    std::string before = Table();
    ASSERT_TRUE(editor.Lookup("3001"));
    EXPECT_FALSE(editor.Lookup("nosuch"));
    EXPECT_FALSE(editor.HasRow());
    EXPECT_FALSE(editor.Update("nosuch", {9, 9, 9, 1}));
    EXPECT_FALSE(editor.Update("3001", {9, 9, 9, 1})); // no row is remembered
    EXPECT_EQ(Table(), before);
}

TEST_F(LDrawRowEditor, UpdateWritesTheRowAndReadsBack) {
    WriteMapTable(folder, {Row3004, Row3001});
    ASSERT_TRUE(editor.Lookup("3001"));
    ASSERT_TRUE(editor.Update("3001", {-10, 20, 30, 6}));
    EXPECT_EQ(Table(), std::string(Row3004) + "\r\nB 2 4 3 1 16 -10 20 30 6 3001.DAT 0  \r\n");
    EXPECT_EQ(editor.RowValues().RotOffset, 6);

    TLDrawMap fresh(folder.Dir());
    TLDrawRowEditor reader(fresh);
    auto read = reader.Lookup("3001");
    ASSERT_TRUE(read);
    EXPECT_EQ((std::array{read->xOffset, read->RotOffset}), (std::array{-10, 6}));
    EXPECT_THROW(editor.Update("3001", {0, 0, 0, 8}), TError);
}

TEST_F(LDrawRowEditor, UpdateFindsTheRowAgainAfterTheTableWasReloaded) {
    WriteMapTable(folder, {Row3001});
    ASSERT_TRUE(editor.Lookup("3001"));
    // An export reloads the table, which meanwhile got a row in front.
    WriteMapTable(folder, {Row3004, Row3001});
    map.Load();
    ASSERT_TRUE(editor.Update("3001", {5, 5, 5, 0}));
    EXPECT_EQ(map.Entries()[0].Text, Row3004);
    EXPECT_EQ(map.Entries()[1].Record.xOffset, 5);
}

TEST_F(LDrawRowEditor, MissingTableIsReportedOnceAndNotReadAgain) {
    EXPECT_THROW(editor.Lookup("3001"), std::exception);
    WriteMapTable(folder, {Row3001}); // appearing later is not noticed by the lookups
    EXPECT_FALSE(editor.Lookup("3001"));
    map.Load(); // until something else loads it
    EXPECT_TRUE(editor.Lookup("3001"));
}
