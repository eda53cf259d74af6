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
// A diamond one stud across around the part's origin, unturned: plainly not a brick, small
// enough not to hide what lies beside it, in the line's colour.
TLDrawMesh MarkerMesh() {
    constexpr double Reach = 10;
    TLDrawMesh mesh;
    for (int octant = 0; octant < 8; ++octant) {
        const double x = octant & 1 ? -Reach : Reach, y = octant & 2 ? -Reach : Reach,
                     z = octant & 4 ? -Reach : Reach;
        TLDrawFace face;
        face.Points = {{x, 0, 0}, {0, y, 0}, {0, 0, z}};
        // Each mirrored axis turns the corner's winding; its front must face outward.
        if (x * y * z < 0)
            std::swap(face.Points[1], face.Points[2]);
        face.Cullable = true;
        mesh.Faces.push_back(face);
        for (size_t k = 0; k < 3; ++k)
            mesh.Edges.push_back({face.Points[k], face.Points[(k + 1) % 3]});
    }
    return mesh;
}

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
    return Place(line, false, error);
}

std::unique_ptr<TBlock> TLDrawShapes::MakeMarker(const TLDrawPartLine& line, std::string& error) {
    return Place(line, true, error);
}

std::unique_ptr<TBlock> TLDrawShapes::Place(const TLDrawPartLine& line, bool marker,
                                            std::string& error) {
    std::string name = LDrawShapeName(line.File, line.Matrix, marker);
    const TKnown& known = Shape(line, name, marker);
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

const TLDrawShapes::TKnown& TLDrawShapes::Shape(const TLDrawPartLine& line, const std::string& name,
                                                bool marker) {
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
        known = Convert(line, name, marker);
    return Known.emplace(name, known).first->second;
}

TLDrawShapes::TKnown TLDrawShapes::Convert(const TLDrawPartLine& line, const std::string& name,
                                           bool marker) {
    TKnown known;
    try {
        TLDrawShape shape = MakeLDrawShape(
            marker ? MarkerMesh() : FlattenLDrawPart(Library, line.File, line.Matrix), &Book,
            line.File);
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
            SavePartFileLines(PartFolderPath(name + ".tsp"), lines, &Stored);
        } catch (const TError&) {
            // Not stored, the part is converted again next time; this import still has it.
        }
        ++ConvertedCount;
    } catch (const TError& e) {
        known.Error = e.what();
    }
    return known;
}

void TLDrawShapes::FinishStoring() {
    try {
        Stored.Finish();
    } catch (const TError&) {
    }
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
