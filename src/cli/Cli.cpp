#include "cli/Cli.h"

#include <ostream>

static const char* Usage =
    "usage: tessaryn-cli [--app-dir DIR] COMMAND ARGS...\n"
    "  --app-dir DIR   folder holding parts/ and ts2ld.lst (default: the executable's folder)\n";

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help") {
        out << Usage;
        return 0;
    }
    err << "tessaryn-cli: unknown command " << args[0] << "\n";
    return 1;
}
