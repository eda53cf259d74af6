#include "exchange/external/ExternalRoutes.h"

#include "base/Error.h"
#include "exchange/ldraw/MapTable.h"
#include "model/Block.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Records the command lines; a converter is stood in for by a function that writes its output.
class TRecordingStarter : public TProgramStarter {
public:
    std::vector<std::string> Calls;
    std::function<void()> Converter = [] {};

    void Run(const std::string& commandLine, const std::string& folder) override {
        Calls.push_back("run " + commandLine + " in " + folder);
    }
    void RunAndWait(const std::string& commandLine, const std::string& folder) override {
        Calls.push_back("wait " + commandLine + " in " + folder);
        Converter();
    }
};

class ExternalRoutesTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteMapTable(Folder, {"B 2 4 3 1 16 0 0 0 0 3001.DAT 0  "});
        Brick.Kind = 'B';
        Brick.SX = 40, Brick.SY = 80, Brick.SZ = 24, Brick.Studs = true;
        Brick.Colour = 0x1B28C4; // the table's red
        Programs = {Folder.Dir() + "lib", "ldview", "models/test.dat", "conv2", "conv3", "povray"};
    }

    TExternalScene Scene() { return {Bricks, Map, TExternalView{}, false}; }

    TTempFolder Folder;
    TLDrawMap Map{Folder.Dir()};
    TBlock Brick;
    std::vector<TBlock*> Bricks{&Brick};
    TExternalPrograms Programs;
    TRecordingStarter Starter;
};

} // namespace

TEST_F(ExternalRoutesTest, LDrawThisViewWritesTheModelIntoAFreshFolderThenStartsTheViewer) {
    TExternalScene scene = Scene();
    LDrawThisView(Programs, scene, Starter);
    EXPECT_EQ(TTempFolder::Read(Folder.File("lib/models/test.dat")).substr(0, 13), "1 4 20 -24 -4");
    ASSERT_EQ(Starter.Calls.size(), 1u);
    const std::string& call = Starter.Calls[0];
    EXPECT_EQ(call.substr(0, 20), "run ldview  -s1 -b0 ");
    std::string end = "  models/test.dat in " + Programs.LDrawLib;
    EXPECT_EQ(call.substr(call.size() - std::min(call.size(), end.size())), end);
}

TEST_F(ExternalRoutesTest, L2PWaitsForTheConverterThenWritesTheSceneAndStartsPovRay) {
    TExternalScene scene = Scene();
    PovViaL2P(Programs, scene, Starter);
    EXPECT_EQ(Starter.Calls,
              (std::vector<std::string>{"wait conv2  in " + Programs.LDrawLib,
                                        "run povray +ITS_test.pov -V +W320 +H240 in " +
                                            Programs.LDrawLib}));
    std::string scene_text = TTempFolder::Read(Folder.File("lib/TS_test.pov"));
    EXPECT_EQ(scene_text.substr(0, 39), "#version 3.0\r\n#include \"lg_color.inc\"\r\n");
    EXPECT_EQ(scene_text.substr(scene_text.size() - 3), "}\r\n");
}

TEST_F(ExternalRoutesTest, L3PPatchesTheConvertersSceneInPlace) {
    Starter.Converter = [this] {
        Folder.Write("lib/test.pov", "// Background:\nbackground { rgb 1 }\ncamera {\n"
                                     "location <1,2,3>\n}\n");
    };
    TExternalScene scene = Scene();
    PovViaL3P(Programs, scene, Starter);
    EXPECT_EQ(TTempFolder::Read(Folder.File("lib/test.pov")),
              "// Background:\r\nbackground { color rgb <0,0,0>}\r\ncamera {\r\n"
              "    location <-0,-1000,-0>\r\n    angle 25\r\n}\r\n");
    EXPECT_EQ(Starter.Calls.back(), "run povray +Itest.pov -V +W320 +H240 in " + Programs.LDrawLib);
}

TEST_F(ExternalRoutesTest, L3PStopsWhenTheConverterLeftNoScene) {
    TExternalScene scene = Scene();
    EXPECT_THROW(PovViaL3P(Programs, scene, Starter), TError);
    EXPECT_EQ(Starter.Calls.size(), 1u); // the converter, but no POV-Ray
}

TEST_F(ExternalRoutesTest, MissingMappingTableStopsBeforeAnyProgramRuns) {
    std::filesystem::remove(Folder.Dir() + "ts2ld.lst");
    TExternalScene scene = Scene();
    EXPECT_THROW(PovViaL2P(Programs, scene, Starter), TError);
    EXPECT_TRUE(Starter.Calls.empty());
}
