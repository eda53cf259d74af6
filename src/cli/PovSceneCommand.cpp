// pov-scene MODEL -o FILE [view options]: the POV-Ray scene the L2P route writes.

#include "base/Error.h"
#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "cli/ViewOptions.h"
#include "exchange/LoadModel.h"
#include "exchange/external/CrLfLines.h"
#include "exchange/external/L2PScene.h"

namespace {

const char* Usage = "pov-scene MODEL -o FILE [view options]";

void RunPovScene(const TCliArgs& args, std::ostream&) {
    RequirePositionals(args, 1, Usage);
    auto out = args.Values.find("-o");
    if (out == args.Values.end())
        throw TError(std::string("usage: ") + Usage);
    TBlockList model;
    LoadModel(model, args.Positionals[0], LoadWhole);
    TExternalView view = ExternalViewOption(args, model, args.Positionals[0]);
    TModelBounds bounds;
    for (const auto& brick : model.Items())
        bounds.Add(*brick);
    WriteFileReplacing(out->second, JoinCrLf(L2PSceneLines(view, bounds)));
}

} // namespace

TCliCommand PovSceneCommand() {
    std::vector<TCliOption> options = ViewOptionList();
    options.push_back({"-o", true});
    return {"pov-scene",
            "pov-scene MODEL -o FILE [view options]\n"
            "                              writes the scene \"POV (via L2P)\" writes as\n"
            "                              TS_test.pov, for the model and the view\n",
            options, RunPovScene};
}
