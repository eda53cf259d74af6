#include "exchange/ldraw/LDrawRowEditor.h"

#include "exchange/ldraw/MapTable.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace {
const char* const Row3001 = "B 2 4 3 1 16 1 2 3 1 3001.DAT 0  ";
const char* const Row3004 = "B 1 2 3 1 16 0 -4 0 0 3004.DAT 0  ";
} // namespace

TEST(LDrawRowEditor, LookupFindsTheRowIgnoringCase) {
    TTempFolder folder;
    WriteMapTable(folder, {Row3004, Row3001});
    TLDrawMap map(folder.Dir());
    TLDrawRowEditor editor(map);
    auto found = editor.Lookup("3001");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->xOffset, 1);
    EXPECT_EQ(found->zOffset, 3);
    EXPECT_EQ(found->RotOffset, 1);
    EXPECT_TRUE(editor.HasRow());
    EXPECT_TRUE(editor.Lookup("3004"));
    EXPECT_EQ(editor.RowValues().yOffset, -4);
}

TEST(LDrawRowEditor, UnknownIdentityRemembersNoRowAndUpdateDoesNothing) {
    TTempFolder folder;
    WriteMapTable(folder, {Row3001});
    std::string before = TTempFolder::Read(folder.File("ts2ld.lst"));
    TLDrawMap map(folder.Dir());
    TLDrawRowEditor editor(map);
    ASSERT_TRUE(editor.Lookup("3001"));
    EXPECT_FALSE(editor.Lookup("nosuch"));
    EXPECT_FALSE(editor.HasRow());
    EXPECT_FALSE(editor.Update("nosuch", {9, 9, 9, 1}));
    EXPECT_FALSE(editor.Update("3001", {9, 9, 9, 1})); // no row is remembered
    EXPECT_EQ(TTempFolder::Read(folder.File("ts2ld.lst")), before);
}

TEST(LDrawRowEditor, UpdateWritesTheRowAndReadsBack) {
    TTempFolder folder;
    WriteMapTable(folder, {Row3004, Row3001});
    TLDrawMap map(folder.Dir());
    TLDrawRowEditor editor(map);
    ASSERT_TRUE(editor.Lookup("3001"));
    ASSERT_TRUE(editor.Update("3001", {-10, 20, 30, 6}));
    EXPECT_EQ(TTempFolder::Read(folder.File("ts2ld.lst")),
              std::string(Row3004) + "\r\nB 2 4 3 1 16 -10 20 30 6 3001.DAT 0  \r\n");
    EXPECT_EQ(editor.RowValues().RotOffset, 6);

    TLDrawMap fresh(folder.Dir());
    TLDrawRowEditor reader(fresh);
    auto read = reader.Lookup("3001");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->xOffset, -10);
    EXPECT_EQ(read->RotOffset, 6);
    EXPECT_THROW(editor.Update("3001", {0, 0, 0, 8}), TError);
}

TEST(LDrawRowEditor, UpdateFindsTheRowAgainAfterTheTableWasReloaded) {
    TTempFolder folder;
    WriteMapTable(folder, {Row3001});
    TLDrawMap map(folder.Dir());
    TLDrawRowEditor editor(map);
    ASSERT_TRUE(editor.Lookup("3001"));
    // An export reloads the table, which meanwhile got a row in front.
    WriteMapTable(folder, {Row3004, Row3001});
    map.Load();
    ASSERT_TRUE(editor.Update("3001", {5, 5, 5, 0}));
    EXPECT_EQ(map.Entries()[0].Text, Row3004);
    EXPECT_EQ(map.Entries()[1].Record.xOffset, 5);
}

TEST(LDrawRowEditor, MissingTableIsReportedOnceAndNotReadAgain) {
    TTempFolder folder;
    TLDrawMap map(folder.Dir());
    TLDrawRowEditor editor(map);
    EXPECT_THROW(editor.Lookup("3001"), std::exception);
    WriteMapTable(folder, {Row3001}); // appearing later is not noticed by the lookups
    EXPECT_FALSE(editor.Lookup("3001"));
    map.Load(); // until something else loads it
    EXPECT_TRUE(editor.Lookup("3001"));
}
