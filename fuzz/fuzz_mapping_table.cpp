// LDraw mapping table: any bytes, loaded as the table file, must either raise TError or give
// rows that save and load back to the same rows, and every row must bring in a brick with a
// quarter turn. A damaged row may give any size, even none, as a model file line may.

#include "base/Error.h"
#include "base/FileNames.h"
#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/Block.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {
const std::string& TableFolder() {
    static const std::string folder = [] {
        auto dir = std::filesystem::temp_directory_path() /
                   ("tessaryn-fuzz-map-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir / "parts");
        SetAppDir(dir.string() + "/");
        return dir.string() + "/";
    }();
    return folder;
}

void CheckRowsBringSoundBricks(const TLDrawMap& map) {
    for (const TLDrawEntry& entry : map.Entries()) {
        const std::string line =
            "1 16 10 -24 20 1 0 0 0 1 0 0 0 1 " + entry.Record.PartName + ".dat";
        try {
            std::unique_ptr<TBlock> brick = ReadLDrawLine(line, map);
            if (brick && (brick->Turn < 0 || brick->Turn > 3))
                std::abort();
        } catch (const TError&) {
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& folder = TableFolder();
    std::ofstream(folder + "ts2ld.lst", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    TLDrawMap map(folder);
    try {
        map.Load();
    } catch (const TError&) {
        return 0;
    }
    CheckRowsBringSoundBricks(map);
    map.Save();
    TLDrawMap reloaded(folder);
    reloaded.Load();
    if (reloaded.Entries().size() != map.Entries().size())
        std::abort();
    for (size_t i = 0; i < map.Entries().size(); ++i)
        if (reloaded.Entries()[i].Text != map.Entries()[i].Text)
            std::abort();
    return 0;
}
