#include "exchange/ldraw/shapes/LDrawShapes.h"

#include "base/Error.h"
#include "base/FileNames.h"
#include "exchange/ldraw/LDrawImportReport.h"
#include "exchange/ldraw/shapes/LDrawFlatten.h"
#include "exchange/ldraw/shapes/LDrawShape.h"
#include "exchange/ldraw/shapes/LDrawShapeSource.h"
#include "model/Block.h"
#include "model/GeneralBlock.h"
#include "parts/PartCache.h"
#include "parts/PartFile.h"

#include <cmath>
#include <filesystem>

namespace {
int32_t Whole(double value) {
    if (!(std::fabs(value) < 1e9))
        throw TError("LDraw position out of range");
    return int32_t(std::lround(value));
}
} // namespace

TLDrawShapes::TLDrawShapes(const std::string& libraryFolder) : Library(libraryFolder) {
    if (!Library.LooksLikeLibrary())
        throw TError("No LDraw library in " + libraryFolder + " (it has no parts folder)");
    Book.ReadLibrary(Library.Folder());
}

std::unique_ptr<TBlock> TLDrawShapes::MakeBrick(const TLDrawPartLine& line, std::string& error) {
    std::string name = LDrawShapeName(line.File, line.Matrix);
    const TKnown& known = Shape(line, name);
    if (!known.Error.empty()) {
        error = known.Error;
        return nullptr;
    }
    std::unique_ptr<TBlock> brick;
    try {
        brick = CreateBrickFromKey("G " + name + ".tsp, " + name);
        TLDrawColourValue colour = ResolveLDrawColour(line.Colour, &Book);
        brick->Colour = colour.Colour;
        brick->Transparent = colour.Transparent;
        std::array<double, 3> at =
            ModelAxesOf({line.Position[0], line.Position[1], line.Position[2]});
        brick->X = Whole(at[0] - known.Origin[0]);
        brick->Y = Whole(at[1] - known.Origin[1]);
        brick->Z = Whole(at[2] - known.Origin[2]);
    } catch (const TError& e) {
        error = e.what();
        return nullptr;
    }
    return brick;
}

const TLDrawShapes::TKnown& TLDrawShapes::Shape(const TLDrawPartLine& line,
                                                const std::string& name) {
    auto found = Known.find(name);
    if (found != Known.end())
        return found->second;
    TKnown known;
    // A definition stored by an earlier import is used as it is: nothing to convert.
    std::optional<TLDrawShapeSource> stored = ReadShapeSource(name);
    if (stored) {
        try {
            GetDrawClass(name + ".tsp", name);
            known.Origin = stored->Origin;
        } catch (const TError&) {
            stored.reset(); // damaged: made afresh below
        }
    }
    if (!stored)
        known = Convert(line, name);
    return Known.emplace(name, known).first->second;
}

TLDrawShapes::TKnown TLDrawShapes::Convert(const TLDrawPartLine& line, const std::string& name) {
    TKnown known;
    try {
        TLDrawShape shape =
            MakeLDrawShape(FlattenLDrawPart(Library, line.File, line.Matrix), &Book, line.File);
        shape.Definition->FileName = name + ".tsp";
        shape.Definition->PartName = name;
        TLDrawShapeSource source;
        source.File = line.File;
        std::copy(line.Matrix, line.Matrix + 9, source.Matrix);
        source.Origin = known.Origin = shape.Origin;
        TLines lines;
        SaveToLines(*shape.Definition, lines);
        lines.push_back(FormatShapeSource(source));
        RegisterDrawClass(std::move(shape.Definition));
        try {
            std::error_code ec;
            std::filesystem::create_directories(AppDir() + "parts", ec);
            SavePartFileLines(PartFolderPath(name + ".tsp"), lines);
        } catch (const TError&) {
            // Not stored, the part is converted again next time; this import still has it.
        }
        ++ConvertedCount;
    } catch (const TError& e) {
        known.Error = e.what();
    }
    return known;
}

std::unique_ptr<TLDrawShapes> OpenLDrawLibrary(const std::string& folder) {
    if (folder.empty() || !TLDrawLibrary(folder).LooksLikeLibrary())
        return nullptr;
    try {
        return std::make_unique<TLDrawShapes>(folder);
    } catch (const TError&) {
        return nullptr;
    }
}

std::string LibraryHint(const TLDrawImportReport& report) {
    std::vector<std::string> files = PartsALibraryWouldBring(report);
    if (files.empty())
        return "";
    std::string text = "An LDraw library folder (LDrawLib) would bring in";
    for (size_t i = 0; i < files.size() && i < 5; ++i)
        text += (i == 0 ? " " : ", ") + files[i];
    if (files.size() > 5)
        text += " and " + std::to_string(files.size() - 5) + " more";
    return text + ".";
}
