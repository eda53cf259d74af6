// LDraw reading: any bytes, taken as mapping-table rows, as LDraw lines, as a whole ".mpd"
// file with sections, sub-model loops and deep nesting, and as a part of an LDraw library (which
// may name itself, directly or through a sub-file), must read without a crash, every brick read
// must be a sound box, and every part definition made must lie inside its own box. The whole
// model is read again with that library, its parts converted afresh each time.

#include "base/DeferredSync.h"
#include "base/Error.h"
#include "base/FileIO.h"
#include "base/FileNames.h"
#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/LDrawSubModels.h"
#include "exchange/ldraw/shapes/LDrawColourBook.h"
#include "exchange/ldraw/shapes/LDrawFlatten.h"
#include "exchange/ldraw/shapes/LDrawLibrary.h"
#include "exchange/ldraw/shapes/LDrawShape.h"
#include "exchange/ldraw/shapes/LDrawShapes.h"
#include "model/Block.h"
#include "model/ModelFile.h"
#include "parts/PartCache.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {
// The shipped table, read once from the source tree; the program's folder a copy of the
// shipped parts, where the parts converted from the library are stored and removed again.
TLDrawMap& ShippedMap() {
    static TLDrawMap* map = [] {
        std::string data = TESSARYN_SHIPPED_DATA;
        auto* loaded = new TLDrawMap(data);
        loaded->Load();
        std::string folder = std::filesystem::temp_directory_path() / "tessaryn-fuzz-app-XXXXXX";
        if (!mkdtemp(folder.data()))
            std::abort();
        std::filesystem::copy(data + "parts", folder + "/parts");
        SetAppDir(folder + "/");
        return loaded;
    }();
    return *map;
}

// Files are written at fuzzing speed: never forced to disk.
void WriteScratch(const std::string& fileName, std::string_view text) {
    static TDeferredSync never;
    WriteFileReplacing(fileName, std::string(text), &never);
}

void DropConvertedParts() {
    ClearDrawClasses();
    for (const auto& entry : std::filesystem::directory_iterator(AppDir() + "parts"))
        if (entry.path().filename().string().starts_with("ld-"))
            std::filesystem::remove(entry.path());
}

// A folder of its own for the file read as a whole model, so that names beside it are its own.
const std::string& ModelFile() {
    static const std::string name = [] {
        std::string folder = std::filesystem::temp_directory_path() / "tessaryn-fuzz-XXXXXX";
        if (!mkdtemp(folder.data()))
            std::abort();
        return folder + "/fuzz.mpd";
    }();
    return name;
}

// A library of its own: the bytes are both part "fuzz.dat" and its sub-file "s\fuzz.dat".
const std::string& LibraryFolder() {
    static const std::string folder = [] {
        std::string name = std::filesystem::temp_directory_path() / "tessaryn-fuzz-lib-XXXXXX";
        if (!mkdtemp(name.data()))
            std::abort();
        std::filesystem::create_directories(name + "/parts/s");
        return name + "/";
    }();
    return folder;
}

void CheckLibraryPart(std::string_view text) {
    WriteScratch(LibraryFolder() + "parts/fuzz.dat", text);
    WriteScratch(LibraryFolder() + "parts/s/fuzz.dat", text);
    TLDrawColourBook book;
    book.Read(std::string(text));
    const double matrices[][9] = {{1, 0, 0, 0, 1, 0, 0, 0, 1},
                                  {0.6, 0, 0.8, 0, -1, 0, -0.8, 0, 0.6}};
    for (const auto& matrix : matrices) {
        try {
            TLDrawLibrary library(LibraryFolder());
            TLDrawShape shape =
                MakeLDrawShape(FlattenLDrawPart(library, "fuzz.dat", matrix), &book, "fuzz.dat");
            const TDrawClass& d = *shape.Definition;
            for (const TPolygon& polygon : d.Polygons)
                for (const TPoint3& p : polygon.Points)
                    if (p.X < 0 || p.Y < 0 || p.Z < 0 || p.X > d.BBX || p.Y > d.BBY || p.Z > d.BBZ)
                        std::abort();
        } catch (const TError&) {
        }
    }
}

void CheckBrick(const TBlock* brick) {
    if (brick && (brick->Turn < 0 || brick->Turn > 3 || brick->SX <= 0 || brick->SY <= 0))
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TLDrawMap& map = ShippedMap();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : SplitLines(text)) {
        try {
            TLDrawRecord record = ParseLDrawRecord(line);
            if (ParseLDrawRecord(FormatLDrawRecord(record)).Kind != record.Kind)
                std::abort();
        } catch (const TError&) {
        }
        try {
            CheckBrick(ReadLDrawLine(line, map).get());
        } catch (const TError&) {
        }
    }
    CheckLibraryPart(text);
    WriteScratch(ModelFile(), text);
    try {
        TLDrawImportReport report = ImportLDrawModel(
            ModelFile(), map, [](std::unique_ptr<TBlock> brick) { CheckBrick(brick.get()); });
        if (report.Imported > report.Read || report.Skipped() < 0)
            std::abort();
    } catch (const TError&) {
    }
    DropConvertedParts();
    try {
        TLDrawShapes shapes(LibraryFolder());
        TLDrawImportReport report = ImportLDrawModel(
            ModelFile(), map, [](std::unique_ptr<TBlock> brick) { CheckBrick(brick.get()); },
            &shapes);
        if (report.Imported > report.Read || report.Skipped() < 0)
            std::abort();
    } catch (const TError&) {
    }
    return 0;
}
