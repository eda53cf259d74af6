#include "exchange/external/ExternalRoutes.h"

#include "exchange/ldraw/MapTable.h"
#include "support/Bricks.h"
#include "support/ReferenceFile.h"
#include "support/ScopedPath.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {

// Records the command lines; a converter is stood in for by a function that writes its output.
class TRecordingStarter : public TProgramStarter {
public:
    std::string Calls;
    std::function<void()> Converter = [] {};

    void Start(const TProgramCall& call, const std::string& folder) override {
        Calls += "start " + CommandText(call) + " in " + folder + "\n";
    }
    void RunAndWait(const std::string& commandLine, const std::string& folder) override {
        Calls += "wait " + commandLine + " in " + folder + "\n";
        Converter();
    }
};

} // namespace

// Each route with a red 2 x 4 brick: the programs it starts, in which folder, and the files it
// leaves there, compared whole with exchange/routes/<route>.txt. The viewer's model goes into
// a fresh folder; L2P waits for its converter, then writes its scene; L3P patches the
// converter's scene in place and stops when there is none; without a mapping table no program
// runs. No viewer is installed on the PATH the test gives.
TEST(ExternalRoutes, ProgramsAndFilesMatchTheirReferences) {
    using TRoute = void (*)(const TExternalPrograms&, TExternalScene&, TProgramStarter&);
    const struct {
        const char* Name;
        TRoute Route;
        bool ConverterWritesScene, Table;
    } cases[] = {{"ldraw-this-view", LDrawThisView, false, true},
                 {"l2p", PovViaL2P, false, true},
                 {"l3p", PovViaL3P, true, true},
                 {"l3p-without-scene", PovViaL3P, false, true},
                 {"l2p-without-table", PovViaL2P, false, false}};
    TTempFolder noPrograms;
    TScopedPath path(noPrograms.Path.string());
    for (const auto& c : cases) {
        TTempFolder folder;
        if (c.Table)
            WriteMapTable(folder, {"B 2 4 3 1 16 0 0 0 0 3001.DAT 0  "});
        auto brick = MakeBrick('B', 0, 0, 0, 40, 80, 24, 0x1B28C4, true); // the table's red
        TLDrawMap map{folder.Dir()};
        TExternalScene scene{{brick.get()}, map, TExternalView{}, false};
        const std::string lib = folder.Dir() + "lib";
        TRecordingStarter starter;
        if (c.ConverterWritesScene)
            starter.Converter = [&] {
                folder.Write("lib/test.pov", "// Background:\nbackground { rgb 1 }\ncamera {\n"
                                             "location <1,2,3>\n}\n");
            };
        std::string text;
        try {
            c.Route({lib, "ldview", "models/test.dat", "conv2", "conv3", "povray"}, scene, starter);
        } catch (const std::exception& e) {
            text += "error: " + std::string(e.what()) + "\n";
        }
        text += starter.Calls;
        std::map<std::string, std::string> files; // in name order, whatever the file system's
        if (std::filesystem::exists(lib))
            for (const auto& file : std::filesystem::recursive_directory_iterator(lib))
                if (file.is_regular_file())
                    files[std::filesystem::relative(file.path(), lib).string()] =
                        TTempFolder::Read(file.path().string());
        for (const auto& [name, content] : files)
            text += "--- " + name + "\n" + content;
        EXPECT_TRUE(MatchesReferenceText(ReplacedAll(text, folder.Dir(), "$T/"),
                                         std::string("exchange/routes/") + c.Name + ".txt"));
    }
}
