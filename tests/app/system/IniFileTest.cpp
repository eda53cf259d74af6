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

// A cleared section keeps its place and comments; a later one of the same name goes; a "[]"
// line is a section of no name like any other.
TEST(IniFile, WritingKeepsOtherSectionsAndComments) {
    std::string name = Folder().Write(
        "write.ini", "[Mine]\r\n; keep me\r\nA=1\r\n\r\n[Main]\r\nOld=1\r\n; mine\r\n\r\n"
                     "[]\r\nx=1\r\n[Other]\r\nB=2\r\n[main]\r\nOlder=0\r\n");
    TIniFile ini(name);
    ini.WriteString("mine", "a", "9");
    ini.WriteString("Mine", "C", "3");
    ini.ClearSection("MAIN");
    ini.WriteInteger("Main", "Version", 2);
    ini.WriteInteger("New", "D", -4);
    ini.UpdateFile();
    EXPECT_EQ(TTempFolder::Read(name),
              "[Mine]\r\n; keep me\r\na=9\r\nC=3\r\n\r\n[Main]\r\n; mine\r\nVersion=2\r\n\r\n"
              "[]\r\nx=1\r\n[Other]\r\nB=2\r\n[New]\r\nD=-4\r\n");
    EXPECT_FALSE(std::filesystem::exists(name + ".tmp"));
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
