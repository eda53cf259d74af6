// pov LDRAWFILE -o OUT [--scene]: the converter both POV routes run by default.

#include "base/Error.h"
#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "exchange/external/PovModel.h"
#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/Block.h"

#include <filesystem>
#include <memory>

namespace {

const char* Usage = "pov LDRAWFILE -o OUT [--scene]";

// The include files a scene names are written once; a user's own versions stay.
void WriteIncludeIfMissing(const std::filesystem::path& folder, const char* name,
                           const std::string& text) {
    std::error_code ec;
    if (!std::filesystem::exists(folder / name, ec))
        WriteFileReplacing((folder / name).string(), text);
}

void RunPov(const TCliArgs& args, std::ostream&) {
    RequirePositionals(args, 1, Usage);
    auto out = args.Values.find("-o");
    if (out == args.Values.end())
        throw TError(std::string("usage: ") + Usage);
    const std::string& source = args.Positionals[0];
    std::vector<std::unique_ptr<TBlock>> owned;
    ImportLDraw(source, LDrawMap(),
                [&](std::unique_ptr<TBlock> brick) { owned.push_back(std::move(brick)); });
    std::vector<const TBlock*> bricks;
    for (const auto& brick : owned)
        bricks.push_back(brick.get());
    std::string name = std::filesystem::path(source).filename().string();
    WriteFileReplacing(out->second, args.Has("--scene") ? PovModelScene(bricks, name)
                                                        : PovModelInclude(bricks, name));
    std::filesystem::path folder = std::filesystem::absolute(out->second).parent_path();
    WriteIncludeIfMissing(folder, "lg_color.inc", PovColourInclude());
    WriteIncludeIfMissing(folder, "lg_defs.inc", PovSizeInclude());
}

} // namespace

TCliCommand PovCommand() {
    return {"pov",
            "pov LDRAWFILE -o OUT [--scene]\n"
            "                              converts an LDraw file (through ts2ld.lst) to POV-Ray:\n"
            "                              bricks as boxes, studs as cylinders. OUT is the model\n"
            "                              for the L2P scene (test.inc); with --scene a whole\n"
            "                              scene in LDraw units with a camera block, as the L3P\n"
            "                              route expects (test.pov). Writes lg_color.inc and\n"
            "                              lg_defs.inc beside OUT when they are missing\n",
            {{"-o", true}, {"--scene", false}},
            RunPov};
}
