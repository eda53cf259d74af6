#include "parts/PartNameChecks.h"

#include "base/Error.h"
#include "base/FileNames.h"
#include "base/Text.h"
#include "parts/DrawClass.h"
#include "parts/PartCache.h"
#include "parts/PartFile.h"

#include <filesystem>

namespace {
// Model lines separate their fields by blanks, so a blank anywhere would split the name.
void CheckName(const std::string& name, const std::string& what) {
    for (char c : name) {
        if (c == ' ')
            throw TError("The " + what + " may not hold blanks.");
        if (c == ':' || c == ',' || c == '[' || c == ']' || c == '|')
            throw TError("The " + what + " may not hold ':', ',', '[', ']' or '|'.");
        if (static_cast<unsigned char>(c) < ' ')
            throw TError("The " + what + " may not hold control characters.");
    }
}
bool FileHoldsPart(const std::string& path, const std::string& part) {
    if (!FileExists(path))
        return false;
    try {
        for (const std::string& line : LoadPartFileLines(path))
            if (SameText(line, "[" + part + "]"))
                return true;
    } catch (const TError&) {
        // An unreadable file holds nothing that could be replaced.
    }
    return false;
}
} // namespace

std::string TypedPartName(const std::string& part) {
    return part.substr(0, part.find('|'));
}

void CheckNewPartNames(const std::string& file, const std::string& typedPart) {
    std::string part = TypedPartName(typedPart);
    if (file.empty() || part.empty())
        throw TError("Filename and Partname must be entered");
    CheckName(file, "file name");
    CheckName(part, "part name");
    if (file.find('/') != std::string::npos || file.find('\\') != std::string::npos ||
        file.find("..") != std::string::npos)
        throw TError("The file name must name a file in the parts folder, without a folder or "
                     "\"..\".");
    if (part.find('/') != std::string::npos || part.find('\\') != std::string::npos ||
        part.find("..") != std::string::npos)
        throw TError("The part name may not hold '/', '\\' or \"..\": it also names the part's "
                     "own file.");
    if (SameText(part, "template"))
        throw TError("\"template\" is the starting point of new parts; choose another part "
                     "name.");
}

bool PartNameTaken(const std::string& file, const std::string& part) {
    // A part's own .tsp file is named after the part alone, so a part of that name in any file
    // would be shadowed by it.
    for (const TDrawClass* cached : CachedDrawClasses())
        if (SameText(cached->PartName, part))
            return true;
    if (FileExists(PartFolderPath(part + ".tsp")) || FileHoldsPart(PartFolderPath(file), part))
        return true;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(AppDir() + "parts", ec))
        if (entry.is_regular_file(ec) && FileHoldsPart(entry.path().string(), part))
            return true;
    return false;
}
