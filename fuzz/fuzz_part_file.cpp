// Feeds arbitrary bytes to the part-definition reader as a part file, then writes the result
// back out; the part loaded is the one named by the input's first "[...]" line.

#include "base/Error.h"
#include "base/FileNames.h"
#include "parts/DrawClass.h"
#include "parts/PartFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

static std::string PartNameOf(const std::string& text) {
    size_t open = text.find('[');
    size_t close = open == std::string::npos ? open : text.find(']', open);
    size_t lineEnd = open == std::string::npos ? open : text.find_first_of("\r\n", open);
    if (close == std::string::npos || close > lineEnd)
        return "p";
    return text.substr(open + 1, close - open - 1);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path dir = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("tessaryn-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path / "parts");
        SetAppDir(path.string());
        return path;
    }();
    std::string text(reinterpret_cast<const char*>(data), size);
    std::ofstream(dir / "parts" / "fuzz.dat", std::ios::binary | std::ios::trunc) << text;
    try {
        TDrawClass definition("fuzz.dat", PartNameOf(text));
        TLines lines;
        SaveToLines(definition, lines);
        TDrawClass copy(definition);
        if (copy.PolygonCount() > 0)
            copy.DeletePolygon(0);
    } catch (const TError&) {
        // Refusing a damaged file with a message is the expected outcome.
    }
    return 0;
}
