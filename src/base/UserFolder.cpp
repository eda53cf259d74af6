#include "base/UserFolder.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/ShippedMerge.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {
const char* const ShippedCopies = ".shipped/";

std::vector<std::string> ShippedFiles(const std::string& shippedDir) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::recursive_directory_iterator it(shippedDir, ec), end;
    for (; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec))
            names.push_back(it->path().lexically_relative(shippedDir).string());
    if (ec)
        throw TError("Cannot read the folder \"" + shippedDir + "\": " + ec.message());
    std::sort(names.begin(), names.end());
    return names;
}

bool Exists(const std::string& name) {
    std::error_code ec;
    return fs::exists(name, ec);
}

std::optional<std::string> ReadIfExists(const std::string& name) {
    if (!Exists(name))
        return std::nullopt;
    return ReadWholeFile(name);
}

void Write(const std::string& name, const std::string& content) {
    std::error_code ec;
    fs::path folder = fs::path(name).parent_path();
    fs::create_directories(folder, ec);
    if (ec)
        throw TError("Cannot create the folder \"" + folder.string() + "\": " + ec.message());
    WriteFileReplacing(name, content);
}

class TFiller {
public:
    TFiller(const std::string& shippedDir, const std::string& userDir)
        : ShippedDir(shippedDir), UserDir(userDir) {}

    void Fill(const std::string& name) {
        std::string theirs = ReadWholeFile(ShippedDir + name);
        std::string own = UserDir + name;
        std::string copy = UserDir + ShippedCopies + name;
        std::optional<std::string> base = ReadIfExists(copy);
        std::optional<std::string> mine = ReadIfExists(own);
        if (mine != theirs) {
            if (!mine || mine == base)
                Write(own, theirs);
            else if (base == theirs)
                return; // the user's change stands, and the package has nothing new
            else if (auto merged = base ? MergeShipped(name, *base, *mine, theirs) : std::nullopt)
                Write(own, *merged);
            else
                Offer(name, base, theirs);
        }
        if (base != theirs)
            Write(copy, theirs);
    }

    TFillReport Report;

private:
    // NAME.new is replaced only while it still holds what was shipped before, so a copy the user
    // has started to edit stays.
    void Offer(const std::string& name, const std::optional<std::string>& base,
               const std::string& theirs) {
        std::string offered = UserDir + name + ".new";
        std::optional<std::string> previous = ReadIfExists(offered);
        if (previous == theirs || (previous && previous != base))
            return;
        Write(offered, theirs);
        Report.Offered.push_back(name);
    }

    std::string ShippedDir;
    std::string UserDir;
};
} // namespace

TFillReport FillUserFolder(const std::string& shippedDir, const std::string& userDir) {
    TFiller filler(shippedDir, userDir);
    for (const std::string& name : ShippedFiles(shippedDir))
        filler.Fill(name);
    return filler.Report;
}
