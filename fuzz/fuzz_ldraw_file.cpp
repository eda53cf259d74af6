// LDraw reading: any bytes, taken as mapping-table rows, as LDraw lines and as a whole ".mpd"
// file with sections, sub-model loops and deep nesting, must read without a crash, and every
// brick read must be a sound box.

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/FileNames.h"
#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/LDrawSubModels.h"
#include "model/Block.h"
#include "model/ModelFile.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {
// The shipped table, read once from the source tree.
TLDrawMap& ShippedMap() {
    static TLDrawMap* map = [] {
        std::string data = TESSARYN_SHIPPED_DATA;
        SetAppDir(data);
        auto* loaded = new TLDrawMap(data);
        loaded->Load();
        return loaded;
    }();
    return *map;
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
    WriteFileReplacing(ModelFile(), std::string(text));
    try {
        TLDrawImportReport report = ImportLDrawModel(
            ModelFile(), map, [](std::unique_ptr<TBlock> brick) { CheckBrick(brick.get()); });
        if (report.Imported > report.Read || report.Skipped() < 0)
            std::abort();
    } catch (const TError&) {
    }
    return 0;
}
