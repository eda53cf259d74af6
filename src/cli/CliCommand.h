#pragma once
// One command of tessaryn-cli: its name, help text, options and the code that runs it.

#include <iosfwd>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class TLDrawShapes;

struct TCliOption {
    std::string Name; // with its dashes, e.g. "--octant"
    bool TakesValue = false;
};

// The arguments after parsing: positionals without the command name, option values, flags.
struct TCliArgs {
    std::vector<std::string> Positionals;
    std::map<std::string, std::string> Values;
    std::set<std::string> Flags;

    bool Has(const std::string& option) const {
        return Values.count(option) != 0 || Flags.count(option) != 0;
    }
};

struct TCliCommand {
    std::string Name;
    std::string Help; // usage lines, each ended by '\n'
    std::vector<TCliOption> Options;
    // Writes the command's output to out; failures raise TError. The caller prints the output
    // only when the command succeeds.
    void (*Run)(const TCliArgs& args, std::ostream& out);
};

// Every command, in the order of the help text.
const std::vector<TCliCommand>& CliCommands();

// Raises TError unless the command got exactly this many positional arguments.
void RequirePositionals(const TCliArgs& args, size_t count, const std::string& usage);

// The value of --octant: 0 to 7, fallback when the option is absent.
int OctantOption(const TCliArgs& args, int fallback);

// --ldraw-lib DIR: the LDraw library to draw unmapped parts from; nullptr when absent. Raises
// TError when DIR is no library.
std::unique_ptr<TLDrawShapes> LDrawLibOption(const TCliArgs& args);
