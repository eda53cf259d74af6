#include "base/AppDirChoice.h"

#include "base/Error.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
// The mapping table is shipped with every build, so it marks a folder that holds the data.
bool HoldsData(const fs::path& dir) {
    std::error_code ec;
    return fs::is_regular_file(dir / "ts2ld.lst", ec);
}

std::string Folder(const fs::path& dir) {
    std::string s = dir.lexically_normal().string();
    if (s.empty() || s.back() != '/')
        s += '/';
    return s;
}

std::string UserDataHome(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (xdgDataHome && xdgDataHome[0] == '/')
        return xdgDataHome;
    if (!home || home[0] != '/')
        throw TError("Cannot find your home folder for Tessaryn's data: set HOME or XDG_DATA_HOME");
    return std::string(home) + "/.local/share";
}
} // namespace

TAppDirChoice ChooseAppDir(const std::string& exeDir, const char* xdgDataHome, const char* home) {
    fs::path exe(exeDir);
    if (HoldsData(exe))
        return {Folder(exe), ""};
    fs::path shipped = exe / ".." / "share" / "tessaryn";
    if (!HoldsData(shipped))
        return {Folder(exe), ""};
    return {Folder(fs::path(UserDataHome(xdgDataHome, home)) / "tessaryn"), Folder(shipped)};
}
