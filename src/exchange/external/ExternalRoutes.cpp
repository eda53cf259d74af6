#include "exchange/external/ExternalRoutes.h"

#include "base/FileIO.h"
#include "exchange/external/CrLfLines.h"
#include "exchange/external/L2PScene.h"
#include "exchange/external/L3PScenePatch.h"
#include "exchange/external/ViewerCall.h"
#include "exchange/ldraw/LDrawExport.h"
#include "model/Block.h"
#include "model/ModelFile.h"

#include <filesystem>

namespace {

// An empty LDraw folder stands for the current folder, as it does for the programs.
std::string InLibrary(const TExternalPrograms& programs, const std::string& name) {
    return programs.LDrawLib.empty() ? name : programs.LDrawLib + "/" + name;
}

// The LDraw file every route starts with; a fresh installation has no LDraw folder yet, so the
// folders on its way are made.
void WriteModel(const TExternalPrograms& programs, TExternalScene& scene) {
    std::string fileName = InLibrary(programs, programs.LDrawTest);
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(fileName).parent_path(), ec);
    SaveLDrawFile(fileName, scene.Bricks, scene.Map);
}

// The POV-Ray setting may carry options of its own before the scene's.
TProgramCall PovRayCall(const std::string& povRayEng, const std::string& sceneFile) {
    std::vector<std::string> words = CommandWords(PovRayCommand(povRayEng, sceneFile));
    if (words.empty())
        return {};
    return {words[0], std::vector<std::string>(words.begin() + 1, words.end())};
}

TModelBounds BoundsOf(const std::vector<TBlock*>& bricks) {
    TModelBounds bounds;
    for (const TBlock* brick : bricks)
        bounds.Add(*brick);
    return bounds;
}

} // namespace

void LDrawThisView(const TExternalPrograms& programs, TExternalScene& scene,
                   TProgramStarter& starter) {
    WriteModel(programs, scene);
    starter.Start(ViewerCall(programs.LDrawLib, programs.LDrawProg, programs.LDrawTest, scene.View,
                             scene.FastStuds),
                  programs.LDrawLib);
}

void PovViaL2P(const TExternalPrograms& programs, TExternalScene& scene, TProgramStarter& starter) {
    WriteModel(programs, scene);
    starter.RunAndWait(programs.L2PCmd + " ", programs.LDrawLib);
    TModelBounds bounds = BoundsOf(scene.Bricks);
    WriteFileReplacing(InLibrary(programs, "TS_test.pov"),
                       JoinCrLf(L2PSceneLines(scene.View, bounds)));
    starter.Start(PovRayCall(programs.PovRayEng, "TS_test.pov"), programs.LDrawLib);
}

void PovViaL3P(const TExternalPrograms& programs, TExternalScene& scene, TProgramStarter& starter) {
    WriteModel(programs, scene);
    starter.RunAndWait(programs.L3PCmd + " ", programs.LDrawLib);
    std::string sceneFile = InLibrary(programs, "test.pov");
    std::vector<std::string> lines = SplitLines(ReadWholeFile(sceneFile));
    PatchL3PScene(lines, scene.View, BoundsOf(scene.Bricks));
    WriteFileReplacing(sceneFile, JoinCrLf(lines));
    starter.Start(PovRayCall(programs.PovRayEng, "test.pov"), programs.LDrawLib);
}
