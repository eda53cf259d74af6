#include "cli/Cli.h"

#include "base/Error.h"
#include "base/FileNames.h"
#include "base/StartAppDir.h"
#include "cli/CliCommand.h"
#include "model/BlockList.h"

#include <algorithm>
#include <new>
#include <ostream>
#include <sstream>

namespace {
const std::vector<TCliOption> GlobalOptions = {{"--app-dir", true}, {"--help", false}};

std::string Usage() {
    std::string text = "usage: tessaryn-cli [--app-dir DIR] COMMAND ARGS...\n"
                       "  --app-dir DIR   folder holding parts/ and ts2ld.lst (default: the "
                       "executable's folder)\n";
    for (const TCliCommand& command : CliCommands())
        text += command.Help;
    return text;
}

const TCliOption* FindOption(const std::vector<TCliOption>& options, const std::string& name) {
    auto it = std::find_if(options.begin(), options.end(),
                           [&](const TCliOption& o) { return o.Name == name; });
    return it == options.end() ? nullptr : &*it;
}

// Any option of any command is recognised here; whether it fits the command is checked later.
const TCliOption* KnownOption(const std::string& name) {
    if (const TCliOption* option = FindOption(GlobalOptions, name))
        return option;
    for (const TCliCommand& command : CliCommands())
        if (const TCliOption* option = FindOption(command.Options, name))
            return option;
    return nullptr;
}

bool IsOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

// Options may stand anywhere; an option's value is the next argument, whatever it looks like.
TCliArgs ParseArgs(const std::vector<std::string>& args, bool& help) {
    TCliArgs parsed;
    std::string firstError;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!IsOption(arg)) {
            parsed.Positionals.push_back(arg);
            continue;
        }
        const TCliOption* option = KnownOption(arg);
        if (!option) {
            if (firstError.empty())
                firstError = "unknown option " + arg;
        } else if (!option->TakesValue) {
            parsed.Flags.insert(arg);
        } else if (i + 1 < args.size()) {
            parsed.Values[arg] = args[++i];
        } else if (firstError.empty()) {
            firstError = "option " + arg + " needs a value";
        }
    }
    help = parsed.Flags.count("--help") != 0;
    if (!help && !firstError.empty())
        throw TError(firstError);
    return parsed;
}

const TCliCommand& FindCommand(const std::string& name) {
    for (const TCliCommand& command : CliCommands())
        if (command.Name == name)
            return command;
    throw TError("unknown command " + name);
}

void CheckOptionsFit(const TCliArgs& args, const TCliCommand& command) {
    auto check = [&](const std::string& name) {
        if (!FindOption(GlobalOptions, name) && !FindOption(command.Options, name))
            throw TError("option " + name + " does not apply to " + command.Name);
    };
    for (const auto& [name, value] : args.Values)
        check(name);
    for (const std::string& name : args.Flags)
        check(name);
}

// The error must stay one line whatever the message carries (file names may hold line ends).
std::string OneLine(std::string message) {
    std::replace(message.begin(), message.end(), '\n', ' ');
    std::replace(message.begin(), message.end(), '\r', ' ');
    return message;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        bool startAppDir) {
    bool help = false;
    TCliArgs parsed = ParseArgs(args, help);
    if (help) {
        out << Usage();
        return 0;
    }
    if (parsed.Positionals.empty())
        throw TError("no command given (try --help)");
    const TCliCommand& command = FindCommand(parsed.Positionals.front());
    parsed.Positionals.erase(parsed.Positionals.begin());
    CheckOptionsFit(parsed, command);
    if (auto dir = parsed.Values.find("--app-dir"); dir != parsed.Values.end())
        SetAppDir(dir->second);
    else if (startAppDir)
        for (const std::string& name : StartAppDir().Offered)
            err << "tessaryn-cli: your changed " << name << " is kept; the newer one is " << name
                << ".new\n";
    // Each call stands for one run of the program.
    GroupCounter = 0;
    std::ostringstream output;
    command.Run(parsed, output);
    out << output.str();
    return 0;
}
} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool startAppDir) {
    std::string message;
    try {
        return Run(args, out, err, startAppDir);
    } catch (const TError& e) {
        message = e.what();
    } catch (const std::bad_alloc&) {
        message = "out of memory";
    } catch (const std::exception& e) {
        message = e.what();
    }
    err << "tessaryn-cli: " << OneLine(message) << "\n";
    return 1;
}
