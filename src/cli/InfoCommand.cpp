// info MODEL: the counts, header, extents and group counter of a model file.

#include "cli/CliCommand.h"
#include "exchange/LoadModel.h"
#include "exchange/ldraw/shapes/LDrawShapes.h"

#include <ostream>

namespace {
void RunInfo(const TCliArgs& args, std::ostream& out) {
    RequirePositionals(args, 1, "info MODEL [--import-report]");
    TBlockList model;
    std::unique_ptr<TLDrawShapes> shapes = LDrawLibOption(args);
    TLoadResult result = LoadModel(model, args.Positionals[0], LoadWhole, 0, shapes.get());
    out << "bricks " << model.Count() << "\n";
    out << "header " << model.FileRotX << " " << model.FileRotZ << " " << model.FileScaleBar << " "
        << model.FileOffsetX << " " << model.FileOffsetY << " " << model.FileStuds << " "
        << model.Version << "\n";
    out << "min " << model.MinX << " " << model.MinY << " " << model.MinZ << "\n";
    out << "size " << model.SizeX << " " << model.SizeY << " " << model.SizeZ << "\n";
    out << "groups " << GroupCounter << "\n";
    if (args.Has("--import-report") && result.ImportReport)
        for (const std::string& line : FormatImportReport(*result.ImportReport))
            out << line << "\n";
}
} // namespace

TCliCommand InfoCommand() {
    return {
        "info",
        "info MODEL                    loads MODEL as a whole model (octant 0) and prints, one per "
        "line:\n"
        "                                bricks N\n"
        "                                header RotX RotZ ScaleBar OffsetX OffsetY Studs Version\n"
        "                                min MinX MinY MinZ\n"
        "                                size SizeX SizeY SizeZ\n"
        "                                groups GroupCounter\n"
        "                              --import-report: for an LDraw MODEL also\n"
        "                                part lines N imported M skipped K\n"
        "                                skipped COUNT FILE (REASON), one line per part\n"
        "                              --ldraw-lib DIR: parts no mapping row serves are drawn\n"
        "                                from the LDraw library DIR (the report adds\n"
        "                                as shapes N)\n",
        {{"--import-report", false}, {"--ldraw-lib", true}},
        RunInfo};
}
