// pov-patch FILE [view options] --model MODEL: fits an L3P scene to the view, in place.

#include "base/Error.h"
#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "cli/ViewOptions.h"
#include "exchange/LoadModel.h"
#include "exchange/external/CrLfLines.h"
#include "exchange/external/L3PScenePatch.h"
#include "model/ModelFile.h"

namespace {

const char* Usage = "pov-patch FILE [view options] --model MODEL";

void RunPovPatch(const TCliArgs& args, std::ostream&) {
    RequirePositionals(args, 1, Usage);
    auto modelFile = args.Values.find("--model");
    if (modelFile == args.Values.end())
        throw TError(std::string("usage: ") + Usage);
    TBlockList model;
    LoadModel(model, modelFile->second, LoadWhole);
    TExternalView view = ExternalViewOption(args, model, modelFile->second);
    TModelBounds bounds;
    for (const auto& brick : model.Items())
        bounds.Add(*brick);
    const std::string& sceneFile = args.Positionals[0];
    std::vector<std::string> lines = SplitLines(ReadWholeFile(sceneFile));
    PatchL3PScene(lines, view, bounds);
    WriteFileReplacing(sceneFile, JoinCrLf(lines));
}

} // namespace

TCliCommand PovPatchCommand() {
    std::vector<TCliOption> options = ViewOptionList();
    options.push_back({"--model", true});
    return {"pov-patch",
            "pov-patch FILE [view options] --model MODEL\n"
            "                              patches the scene FILE in place as \"POV (via L3P)\"\n"
            "                              patches test.pov, for the model and the view\n",
            options, RunPovPatch};
}
