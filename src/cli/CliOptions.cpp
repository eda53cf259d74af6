#include "base/Error.h"
#include "base/Text.h"
#include "cli/CliCommand.h"
#include "exchange/ldraw/shapes/LDrawShapes.h"

void RequirePositionals(const TCliArgs& args, size_t count, const std::string& usage) {
    if (args.Positionals.size() != count)
        throw TError("usage: " + usage);
}

int OctantOption(const TCliArgs& args, int fallback) {
    auto it = args.Values.find("--octant");
    if (it == args.Values.end())
        return fallback;
    const std::string& text = it->second;
    int32_t octant = -1;
    try {
        octant = StrToInt(text);
    } catch (const TError&) {
    }
    if (octant < 0 || octant > 7)
        throw TError("--octant must be 0 to 7, not \"" + text + "\"");
    return octant;
}

std::unique_ptr<TLDrawShapes> LDrawLibOption(const TCliArgs& args) {
    auto it = args.Values.find("--ldraw-lib");
    if (it == args.Values.end())
        return nullptr;
    return std::make_unique<TLDrawShapes>(it->second);
}
