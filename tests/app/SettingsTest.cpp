#include "app/system/Settings.h"

#include "app/system/IniFile.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace {
// A settings file of its own for each test, in one folder for the whole file.
std::string TempIni(const std::string& name, const std::string& text) {
    static TTempFolder folder;
    return folder.Write(name, text);
}

// Every field, as tuples that the checks compare and print whole.
auto Fields(const TSettings& s) {
    return std::tie(s.Version, s.LDrawLib, s.LDrawProg, s.LDrawTest, s.L2PCmd, s.L3PCmd,
                    s.PovRayEng, s.ModelDir, s.PictureDir, s.Hints, s.StudQual, s.Details,
                    s.Shading, s.WfOnMouse, s.BitDepth);
}
auto PageFields(const TPaletteSettings& p) {
    return std::tie(p.Title, p.Height, p.Scale, p.Bricks);
}
} // namespace

TEST(ReadIniName, CommandLineForms) {
    EXPECT_EQ(ReadIniName({}, "/app/").IniFileName, "/app/Tessaryn.ini");
    EXPECT_EQ(ReadIniName({"-Ifoo.ini"}, "/a/").IniFileName, "foo.ini");
    EXPECT_EQ(ReadIniName({"/i", "foo.ini"}, "/a/").IniFileName, "foo.ini");
    TCommandLine c = ReadIniName({"-I", "foo.ini", "-x", "", "My", "Model.lgo"}, "/a/");
    EXPECT_EQ(c.IniFileName, "foo.ini");
    EXPECT_EQ(c.StartFile, "My Model.lgo");
    // Absolute model names start with '/' on this platform.
    EXPECT_EQ(ReadIniName({"/tmp", "/home/My", "Model.lgo"}, "/a/").StartFile,
              "/tmp /home/My Model.lgo");
    // A trailing option without its name keeps the default.
    EXPECT_EQ(ReadIniName({"-i"}, "/a/").IniFileName, "/a/Tessaryn.ini");
}

TEST(Settings, MissingFileGivesDefaults) {
    TSettings s = ReadSettings("/nonexistent/Tessaryn.ini", "/app/");
    EXPECT_EQ(s.Version, 1);
    EXPECT_TRUE(s.Pages.empty());
    EXPECT_EQ(s.LDrawLib, "~/ldraw");
    EXPECT_EQ(s.LDrawProg, "ldview");
    EXPECT_EQ(s.LDrawTest, "models/test.dat");
    EXPECT_EQ(s.L2PCmd, "'/app/tessaryn-cli' pov 'models/test.dat' -o test.inc");
    EXPECT_EQ(s.L3PCmd, "'/app/tessaryn-cli' pov 'models/test.dat' -o test.pov --scene");
    EXPECT_EQ(ShellQuoted("/it's here/"), "'/it'\\''s here/'");
    EXPECT_EQ(s.PovRayEng, "povray");
    EXPECT_EQ(s.ModelDir, "/app/Models");
    EXPECT_EQ(s.PictureDir, "/app/Pict");
    EXPECT_TRUE(s.WfOnMouse);
    EXPECT_EQ(s.BitDepth, 4);
}

TEST(Settings, RoundTripKeepsEverythingAndForeignSections) {
    std::string name = TempIni("round.ini", "[Mine]\r\nKeep=yes\r\n[Page3]\r\nTitle=stale\r\n");
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
    TSettings r = ReadSettings(name, "/app/");
    EXPECT_EQ(Fields(r), Fields(s));
    ASSERT_EQ(r.Pages.size(), 2u);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_EQ(PageFields(r.Pages[i]), PageFields(s.Pages[i])) << i;
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadString("Mine", "Keep", ""), "yes");
    EXPECT_EQ(ini.ReadString("Page3", "Title", ""), "stale");
    EXPECT_EQ(ini.ReadString("Page1", "Scale", ""), "0.25");
}

TEST(Settings, VersionOneIsReadAndConverted) {
    std::string name = TempIni("v1.ini", "[Main]\r\nPages=3\r\nTitle1=Walls\r\n"
                                         "[Page1]\r\n40 0.75\r\nB1x2x3\r\nB2x2x3\r\n\r\n"
                                         "[page2]\r\nabc\r\nR2x2x3\r\n[Page3]\r\n50\r\n"
                                         "[State]\r\nShading=1\r\n");
    TSettings s = ReadSettings(name, "/app/");
    EXPECT_EQ(s.Version, 1);
    ASSERT_EQ(s.Pages.size(), 3u);
    EXPECT_EQ(s.Pages[0].Title, "Walls");
    EXPECT_EQ(s.Pages[1].Title, "Page2");
    EXPECT_EQ(s.Pages[0].Height, 40);
    EXPECT_FLOAT_EQ(s.Pages[0].Scale, 0.75f);
    EXPECT_EQ(s.Pages[0].Bricks, (std::vector<std::string>{"B1x2x3", "B2x2x3"}));
    EXPECT_EQ(s.Pages[1].Height, 65);
    EXPECT_FLOAT_EQ(s.Pages[1].Scale, 0.5f);
    EXPECT_EQ(s.Pages[1].Bricks, (std::vector<std::string>{"R2x2x3"}));
    EXPECT_EQ(s.Pages[2].Height, 50);
    EXPECT_TRUE(s.Pages[2].Bricks.empty());

    SaveSettings(name, s);
    TSettings v2 = ReadSettings(name, "/app/");
    EXPECT_EQ(v2.Version, 2);
    ASSERT_EQ(v2.Pages.size(), 3u);
    EXPECT_EQ(v2.Pages[0].Bricks, s.Pages[0].Bricks);
    EXPECT_EQ(v2.Pages[1].Title, "Page2");
    EXPECT_TRUE(v2.Shading);
    TIniFile ini(name);
    EXPECT_FALSE(ini.ValueExists("Main", "Title1"));
}

TEST(Settings, BadNumbersFallBack) {
    std::string name = TempIni("bad.ini", "[Main]\r\nVersion=2\r\nPages=1\r\n"
                                          "[Page1]\r\nTitle=T\r\nHeight=tall\r\nScale=big\r\n"
                                          "Count=1\r\nBrick0=B1x1x3\r\n[State]\r\nStudQual=9\r\n");
    TSettings s = ReadSettings(name, "/app/");
    ASSERT_EQ(s.Pages.size(), 1u);
    EXPECT_EQ(s.Pages[0].Height, 65);
    EXPECT_FLOAT_EQ(s.Pages[0].Scale, 0.5f);
    EXPECT_EQ(s.Pages[0].Bricks.size(), 1u);
    EXPECT_EQ(s.StudQual, 0);
}

TEST(Settings, UnknownVersionLeavesPagesInTheFile) {
    std::string name = TempIni("v3.ini", "[Main]\r\nVersion=3\r\nPages=1\r\n"
                                         "[Page1]\r\nTitle=Future\r\nCount=0\r\n");
    TSettings s = ReadSettings(name, "/app/");
    EXPECT_TRUE(s.Pages.empty());
    SaveSettings(name, s);
    EXPECT_EQ(TIniFile(name).ReadString("Page1", "Title", ""), "Future");
}

TEST(Settings, DecimalsIgnoreTheLocale) {
    EXPECT_EQ(FormatScale(0.5f), " 0.50");
    EXPECT_EQ(FormatScale(12.345f), "12.35");
    float v = 0;
    EXPECT_TRUE(ParseDecimal(" 0.50", v));
    EXPECT_FLOAT_EQ(v, 0.5f);
    EXPECT_FALSE(ParseDecimal("0,5", v));
    EXPECT_FALSE(ParseDecimal("", v));
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
