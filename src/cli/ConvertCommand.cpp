// convert IN OUT [--octant K]: reads a model and writes it again as a model file or as LDraw.

#include "base/Text.h"
#include "cli/CliCommand.h"
#include "cli/RenderOptions.h"
#include "exchange/LoadModel.h"
#include "exchange/instructions/BuildSteps.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/LDrawExportReport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/shapes/LDrawShapes.h"
#include "model/ModelFile.h"

namespace {
void RunConvert(const TCliArgs& args, std::ostream& out) {
    RequirePositionals(args, 2, "convert IN OUT [--octant K] [--report]");
    TBlockList model;
    model.CurrentOctant = OctantOption(args, 0);
    std::unique_ptr<TLDrawShapes> shapes = LDrawLibOption(args);
    LoadModel(model, args.Positionals[0], LoadWhole, 0, shapes.get());
    const int maxNew = IntOption(args, "--max-new", DefaultMaxNewBricks, 1, 100000);
    if (args.Has("--set-steps"))
        SetStepsFromLayers(model, maxNew);
    const std::string& target = args.Positionals[1];
    if (EndsWithNoCase(target, ".dat")) {
        std::vector<TBlock*> bricks;
        for (const auto& brick : model.Items())
            bricks.push_back(brick.get());
        TLDrawExportReport report;
        SaveLDrawFile(target, bricks, LDrawMap(), &report, shapes ? &shapes->Colours() : nullptr);
        if (args.Has("--report"))
            for (const std::string& line : FormatExportReport(report))
                out << line << "\n";
        return;
    }
    SaveModelFile(model, target, HeaderOfList(model), true);
}
} // namespace

TCliCommand ConvertCommand() {
    return {"convert",
            "convert IN OUT [--octant K]   reads IN as a whole model while the octant is K "
            "(default 0) and\n"
            "                              writes OUT as a model file (version 1, the header "
            "values read from IN\n"
            "                              written unchanged, not clamped), or as LDraw when OUT "
            "ends in \".dat\"\n"
            "                              --report: after an LDraw OUT, prints\n"
            "                                bricks N exported M left out K\n"
            "                                left out COUNT KIND AxBxPLATES, one line per shape\n"
            "                              --ldraw-lib DIR: LDraw parts no mapping row serves "
            "are drawn from\n"
            "                                the library DIR, and written back as they were\n"
            "                              --set-steps [--max-new N]: first gives every brick the "
            "building\n"
            "                              step of its layer, bottom up, at most N new bricks a "
            "step\n"
            "                              (default 12), each step's bricks near each other\n",
            {{"--octant", true},
             {"--report", false},
             {"--ldraw-lib", true},
             {"--set-steps", false},
             {"--max-new", true}},
            RunConvert};
}
