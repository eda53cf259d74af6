#include "base/FileNames.h"

#include "base/Text.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
std::string& AppDirValue() {
    static std::string dir;
    return dir;
}

std::string WithTrailingSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}
} // namespace

const std::string& AppDir() {
    if (AppDirValue().empty())
        AppDirValue() = ExecutableDir();
    return AppDirValue();
}

void SetAppDir(std::string dir) {
    AppDirValue() = WithTrailingSlash(NormaliseSeparators(dir));
}

std::string ExecutableDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    return WithTrailingSlash(exe.parent_path().string());
}

std::string NormaliseSeparators(std::string_view name) {
    std::string s(name);
    for (char& c : s)
        if (c == '\\')
            c = '/';
    return s;
}

bool FileExists(const std::string& name) {
    std::error_code ec;
    return fs::is_regular_file(name, ec);
}

std::string ResolveFileName(std::string_view name) {
    std::string normal = NormaliseSeparators(name);
    std::error_code ec;
    if (normal.empty() || fs::exists(normal, ec))
        return normal;
    fs::path path(normal);
    fs::path found = path.is_absolute() ? fs::path("/") : fs::path();
    for (const fs::path& part : path.relative_path()) {
        fs::path exact = found / part;
        if (fs::exists(exact, ec)) {
            found = exact;
            continue;
        }
        bool matched = false;
        fs::path dir = found.empty() ? fs::path(".") : found;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            if (SameText(it->path().filename().string(), part.string())) {
                found /= it->path().filename();
                matched = true;
                break;
            }
        }
        if (!matched)
            return normal;
    }
    return found.string();
}
