#include "app/system/IniFile.h"

#include "base/Error.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
// One folder for the whole file: each test uses names of its own.
const TTempFolder& Folder() {
    static TTempFolder folder;
    return folder;
}
} // namespace

// Lines may end in CR LF, LF or a bare CR.
TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCaseOrLineEnd) {
    std::string name = Folder().Write(
        "read.ini", "; comment\r\n[Main]\r\nVersion = 2\r\nName=\"quoted\"\n[state]\rHints=x\r");
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadInteger("MAIN", "version", 1), 2);
    EXPECT_EQ(ini.ReadString("main", "NAME", "-"), "quoted");
    EXPECT_EQ(ini.ReadString("Main", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Nowhere", "Version", "d"), "d");
    // Not a number: the default, as with a missing key.
    EXPECT_EQ(ini.ReadInteger("State", "Hints", 7), 7);
    EXPECT_TRUE(ini.ValueExists("STATE", "hints"));
}

TEST(IniFile, MissingFileIsEmptyAndValuesAreCutAt2047Characters) {
    TIniFile ini(Folder().File("does-not-exist.ini"));
    EXPECT_TRUE(ini.Lines().empty() && ini.ReadInteger("Main", "Pages", 0) == 0);
    ini.WriteString("A", "Key", std::string(3000, 'x'));
    EXPECT_EQ(ini.ReadString("A", "Key", "").size(), 2047u);
}

TEST(IniFile, FailedWriteRaisesAndLeavesTheOldFileWhole) {
    std::string name = Folder().Write("blocked.ini", "[Main]\r\nVersion=2\r\n");
    TIniFile ini(name);
    ini.WriteInteger("Main", "Version", 3);
    // The file turned into a folder cannot be replaced.
    std::filesystem::remove(name);
    std::filesystem::create_directories(name + "/inside");
    EXPECT_THROW(ini.UpdateFile(), TError);
    EXPECT_TRUE(std::filesystem::is_directory(name + "/inside"));
    std::filesystem::remove_all(name);
    EXPECT_THROW(TIniFile(Folder().File("no/such/folder.ini")).UpdateFile(), TError);
}
