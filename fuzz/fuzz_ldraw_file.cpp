// LDraw reading: any bytes, taken as mapping-table rows and as LDraw lines, must read without a
// crash, and every brick read must be a sound box.

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/FileNames.h"
#include "exchange/LDrawImport.h"
#include "exchange/LDrawMap.h"
#include "model/Block.h"
#include "model/ModelFile.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {
// The shipped table, read once from the source tree.
TLDrawMap& ShippedMap() {
    static TLDrawMap* map = [] {
        std::string data = std::filesystem::path(__FILE__).parent_path().parent_path() / "data/";
        SetAppDir(data);
        auto* loaded = new TLDrawMap(data);
        loaded->Load();
        return loaded;
    }();
    return *map;
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
            std::unique_ptr<TBlock> brick = ReadLDrawLine(line, map);
            if (brick && (brick->Turn < 0 || brick->Turn > 3 || brick->SX <= 0 || brick->SY <= 0))
                std::abort();
        } catch (const TError&) {
        }
    }
    return 0;
}
