// Settings file: any bytes must read without a crash, every key found must read back within the
// value limit, and a value written and saved must read back as written.

#include "app/system/IniFile.h"
#include "base/Error.h"
#include "base/Text.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {
const std::string& SettingsPath() {
    static const std::string path = [] {
        auto dir =
            std::filesystem::temp_directory_path() / ("tessaryn-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        return (dir / "settings.ini").string();
    }();
    return path;
}

// Reads every "key=value" line under the section it belongs to.
void ReadEveryKey(const TIniFile& settings) {
    std::string section;
    for (const std::string& line : settings.Lines()) {
        const std::string t = Trim(line);
        if (t.size() >= 2 && t.front() == '[' && t.find(']') != std::string::npos) {
            section = t.substr(1, t.find(']') - 1);
            continue;
        }
        const size_t eq = t.find('=');
        if (eq == std::string::npos || t[0] == ';')
            continue;
        const std::string key = t.substr(0, eq);
        if (settings.ReadString(section, key, "").size() > TIniFile::MaxValueLength)
            std::abort();
        settings.ReadInteger(section, key, 0);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = SettingsPath();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    TIniFile settings(path);
    ReadEveryKey(settings);
    settings.WriteInteger("Fuzz", "Written", 1234);
    try {
        settings.UpdateFile();
    } catch (const TError&) {
        std::abort();
    }
    const TIniFile reread(path);
    if (reread.ReadInteger("Fuzz", "Written", 0) != 1234)
        std::abort();
    return 0;
}
