#include "parts/PartNameChecks.h"

#include "model/Error.h"
#include "model/Text.h"
#include "parts/PartCache.h"
#include "parts/PartFile.h"

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
    if (FindDrawClass(file, part))
        return true;
    try {
        TLines lines;
        std::string usedName;
        LoadPartSection(file, part, lines, usedName);
        return true;
    } catch (const TError&) {
        return false;
    }
}
