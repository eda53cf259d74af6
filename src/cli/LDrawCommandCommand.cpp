// ldraw-command MODEL [view options]: the command line "LDraw this view" would run.

#include "cli/CliCommand.h"
#include "cli/RenderOptions.h"
#include "cli/ViewOptions.h"
#include "exchange/LoadModel.h"
#include "exchange/external/LDrawViewCommand.h"
#include "exchange/external/ViewerCall.h"

#include <ostream>

namespace {

const char* Usage = "ldraw-command MODEL [view options] [--ldraw-prog P] [--ldraw-test NAME]";

std::string ValueOr(const TCliArgs& args, const std::string& option, const std::string& fallback) {
    auto it = args.Values.find(option);
    return it == args.Values.end() ? fallback : it->second;
}

void RunLDrawCommand(const TCliArgs& args, std::ostream& out) {
    RequirePositionals(args, 1, Usage);
    TBlockList model;
    LoadModel(model, args.Positionals[0], LoadWhole);
    TExternalView view = ExternalViewOption(args, model, args.Positionals[0]);
    bool fastStuds = IntOption(args, "--studs", 0, 0, 3) == 0;
    std::string program = ValueOr(args, "--ldraw-prog", "ldview");
    std::string ldrawTest = ValueOr(args, "--ldraw-test", "models/test.dat");
    // LeoCAD takes the view in options of its own; the text does not depend on what is installed.
    if (IsLeoCad(program))
        out << CommandText({program, LeoCadArguments(view, ldrawTest)}) << "\n";
    else
        out << LDrawViewCommand(program, ldrawTest, view, fastStuds) << "\n";
}

} // namespace

TCliCommand LDrawCommandCommand() {
    std::vector<TCliOption> options = ViewOptionList();
    options.push_back({"--ldraw-prog", true});
    options.push_back({"--ldraw-test", true});
    return {"ldraw-command",
            "ldraw-command MODEL [view options] [--ldraw-prog P] [--ldraw-test NAME]\n"
            "                              prints the command line \"LDraw this view\" runs for\n"
            "                              the view (P default ldview, NAME default\n"
            "                              models/test.dat); view options as for render: --size,\n"
            "                              --tilt, --azimuth, --scale-bar, --offset, --studs (0:\n"
            "                              fast studs, \"-FS\"), --background\n",
            options, RunLDrawCommand};
}
