#include "app/system/Settings.h"

#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
// The settings as a fresh file holds them, to compare settings whole.
std::string SavedAfresh(const TSettings& settings) {
    TTempFolder folder;
    SaveSettings(folder.File("s.ini"), settings);
    return TTempFolder::Read(folder.File("s.ini"));
}
} // namespace

TEST(ReadIniName, CommandLineForms) {
    const struct {
        std::vector<std::string> Arguments;
        const char* IniFile;
        const char* StartFile;
    } rows[] = {
        {{}, "/a/Tessaryn.ini", ""},
        {{"-Ifoo.ini"}, "foo.ini", ""},
        {{"/i", "foo.ini"}, "foo.ini", ""},
        {{"-I", "foo.ini", "-x", "", "My", "Model.lgo"}, "foo.ini", "My Model.lgo"},
        // Absolute model names start with '/' on this platform.
        {{"/tmp", "/home/My", "Model.lgo"}, "/a/Tessaryn.ini", "/tmp /home/My Model.lgo"},
        // A trailing option without its name keeps the default.
        {{"-i"}, "/a/Tessaryn.ini", ""},
    };
    for (const auto& row : rows) {
        TCommandLine line = ReadIniName(row.Arguments, "/a/");
        EXPECT_EQ(line.IniFileName + "|" + line.StartFile,
                  std::string(row.IniFile) + "|" + row.StartFile);
    }
}

// One row per kind of settings file: read, then written back over itself, the file as it ends.
TEST(Settings, FilesReadAndWrittenBackAsTheReferencesShow) {
    const struct {
        const char* Name;
        const char* Text; // nullptr: no file
    } rows[] = {
        {"defaults", nullptr},
        {"version1",
         "[Main]\r\nPages=3\r\nTitle1=Walls\r\n[Page1]\r\n40 0.75\r\nB1x2x3\r\nB2x2x3\r\n"
         "\r\n[page2]\r\nabc\r\nR2x2x3\r\n[Page3]\r\n50\r\n[State]\r\nShading=1\r\n"},
        {"bad-numbers", "[Main]\r\nVersion=2\r\nPages=1\r\n[Page1]\r\nTitle=T\r\nHeight=tall\r\n"
                        "Scale=big\r\nCount=1\r\nBrick0=B1x1x3\r\n[State]\r\nStudQual=9\r\n"},
        // An unknown version's pages are left in the file for the program that wrote them.
        {"version3", "[Main]\r\nVersion=3\r\nPages=1\r\n[Page1]\r\nTitle=Future\r\nCount=0\r\n"},
    };
    TTempFolder folder;
    for (const auto& row : rows) {
        std::string name = folder.File(std::string(row.Name) + ".ini");
        if (row.Text)
            folder.Write(std::string(row.Name) + ".ini", row.Text);
        TSettings read = ReadSettings(name, "/app/");
        SaveSettings(name, read);
        EXPECT_TRUE(MatchesReferenceText(TTempFolder::Read(name),
                                         "app/settings/" + std::string(row.Name) + ".ini"));
        // What was written reads back as it was read.
        EXPECT_EQ(SavedAfresh(ReadSettings(name, "/app/")), SavedAfresh(read)) << row.Name;
    }
}

TEST(Settings, EverythingSetIsWrittenAndForeignSectionsStay) {
    TTempFolder folder;
    std::string name =
        folder.Write("round.ini", "[Mine]\r\nKeep=yes\r\n[Page3]\r\nTitle=stale\r\n");
    TSettings s;
    s.Version = 2;
    s.LDrawLib = "/opt/ldraw", s.LDrawProg = "viewer", s.LDrawTest = "m/t.dat";
    s.L2PCmd = "l2p", s.L3PCmd = "l3p", s.PovRayEng = "pov";
    s.ModelDir = "/m", s.PictureDir = "/p";
    s.Pages = {{"Bricks", 70, 0.25f, {"B2x4x3", "Gparts.dat,stdblock|3001"}},
               {"Empty", 65, 1.f, {}}};
    s.Hints = true, s.StudQual = 2, s.Details = 1, s.Shading = true, s.WfOnMouse = false;
    s.BitDepth = 3;
    SaveSettings(name, s);
    EXPECT_TRUE(MatchesReferenceText(TTempFolder::Read(name), "app/settings/everything.ini"));
    EXPECT_EQ(SavedAfresh(ReadSettings(name, "/app/")), SavedAfresh(s));
}

TEST(Settings, DecimalsIgnoreTheLocaleAndNamesAreQuotedForTheShell) {
    EXPECT_EQ(FormatScale(0.5f), " 0.50");
    EXPECT_EQ(FormatScale(12.345f), "12.35");
    float v = 0;
    EXPECT_TRUE(ParseDecimal(" 0.50", v));
    EXPECT_FLOAT_EQ(v, 0.5f);
    EXPECT_FALSE(ParseDecimal("0,5", v));
    EXPECT_FALSE(ParseDecimal("", v));
    EXPECT_EQ(ShellQuoted("/it's here/"), "'/it'\\''s here/'");
}

TEST(Settings, InstalledProgramConvertsWithTheToolBesideIt) {
    TSettings s =
        ReadSettings("/nonexistent/Tessaryn.ini", "/home/u/.local/share/tessaryn/", "/usr/bin/");
    EXPECT_EQ(s.L2PCmd, "'/usr/bin/tessaryn-cli' pov 'models/test.dat' -o test.inc");
    EXPECT_EQ(s.ModelDir, "/home/u/.local/share/tessaryn/Models");
}

TEST(Settings, ViewerFoundInLibraryOrOnPath) {
    EXPECT_TRUE(LDrawViewerFound("/nowhere", "sh"));
    EXPECT_TRUE(LDrawViewerFound("/bin", "sh"));
    EXPECT_FALSE(LDrawViewerFound("/nowhere", "no-such-viewer-here"));
    EXPECT_FALSE(LDrawViewerFound("/nowhere", ""));
}
