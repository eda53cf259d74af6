#include "app/system/Settings.h"

#include "support/ReferenceFile.h"
#include "support/ScopedPath.h"
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
    EXPECT_TRUE(MatchesTranscript("app/command-lines.txt", [](const std::string& line) {
        std::vector<std::string> arguments;
        for (std::size_t start = 0; !line.empty() && start <= line.size();) {
            const std::size_t end = std::min(line.find('|', start), line.size());
            arguments.push_back(line.substr(start, end - start));
            start = end + 1;
        }
        const TCommandLine read = ReadIniName(arguments, "/a/");
        return read.IniFileName + " | " + read.StartFile;
    }));
}

// One input per kind of settings file (the defaults have none; version 3's pages are left for
// the program that wrote them): read, then written back over itself, the file as it ends.
TEST(Settings, FilesReadAndWrittenBackAsTheReferencesShow) {
    TTempFolder folder;
    for (std::string kind : {"defaults", "version1", "bad-numbers", "version3"}) {
        std::string name = folder.File(kind + ".ini"),
                    input = TESSARYN_TEST_DATA "app/settings/input/" + kind + ".ini";
        if (std::filesystem::exists(input))
            std::filesystem::copy_file(input, name);
        TSettings read = ReadSettings(name, "/app/");
        SaveSettings(name, read);
        EXPECT_TRUE(MatchesReferenceText(TTempFolder::Read(name), "app/settings/" + kind + ".ini"));
        // What was written reads back as it was read.
        EXPECT_EQ(SavedAfresh(ReadSettings(name, "/app/")), SavedAfresh(read)) << kind;
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

// A PATH of sh alone: no leocad stands in for a missing viewer.
TEST(Settings, ViewerFoundInLibraryOrOnPath) {
    TTempFolder bin;
    std::filesystem::create_symlink("/bin/sh", bin.File("sh"));
    TScopedPath path(bin.Path.string());
    EXPECT_TRUE(LDrawViewerFound("/nowhere", "sh"));
    EXPECT_TRUE(LDrawViewerFound("/bin", "sh"));
    EXPECT_FALSE(LDrawViewerFound("/nowhere", "no-such-viewer-here"));
    EXPECT_FALSE(LDrawViewerFound("/nowhere", ""));
}
