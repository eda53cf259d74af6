// parts MODEL [--format text|csv|bricklink] [-o FILE]: the model's bill of materials.

#include "base/Error.h"
#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "exchange/LoadModel.h"
#include "exchange/instructions/BrickLinkColours.h"
#include "exchange/instructions/PartsList.h"
#include "exchange/ldraw/LDrawMap.h"

#include <ostream>

namespace {

const char* Usage = "parts MODEL [--format text|csv|bricklink] [-o FILE]";

void RunParts(const TCliArgs& args, std::ostream& out) {
    RequirePositionals(args, 1, Usage);
    auto format = args.Values.find("--format");
    const std::string kind = format == args.Values.end() ? "text" : format->second;
    if (kind != "text" && kind != "csv" && kind != "bricklink")
        throw TError("--format must be text, csv or bricklink, not \"" + kind + "\"");
    TBlockList model;
    LoadModel(model, args.Positionals[0], LoadWhole);
    TLDrawMap& map = LDrawMap();
    map.Load();
    const std::vector<TNamedPart> parts = BillOfMaterials(model, map);
    std::vector<std::string> lines;
    if (kind == "text")
        lines = PartsListText(parts);
    else if (kind == "csv")
        lines = PartsListCsv(parts);
    else
        lines = BrickLinkWantedList(parts, TBrickLinkColours::Load(BrickLinkColourFile()));

    auto file = args.Values.find("-o");
    if (file == args.Values.end()) {
        for (const std::string& line : lines)
            out << line << "\n";
        return;
    }
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    WriteFileReplacing(file->second, text);
    // The wanted list names what it leaves out in comments; say so where the user looks, too.
    if (kind == "bricklink")
        for (const std::string& line : LeftOutOfWantedList(parts))
            out << line << "\n";
}

} // namespace

TCliCommand PartsCommand() {
    return {"parts",
            "parts MODEL [--format F] [-o FILE]\n"
            "                              prints the parts of MODEL with their counts, LDraw "
            "part\n"
            "                              numbers (from ts2ld.lst) and colours, or writes them "
            "to\n"
            "                              FILE with CR LF; F is text (default), csv or "
            "bricklink\n"
            "                              (a BrickLink wanted list through bricklink.lst; "
            "parts\n"
            "                              with no LDraw part are left out and named)\n",
            {{"--format", true}, {"-o", true}},
            RunParts};
}
