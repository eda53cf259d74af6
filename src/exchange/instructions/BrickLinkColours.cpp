#include "exchange/instructions/BrickLinkColours.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/FileNames.h"
#include "base/Text.h"

#include <sstream>

TBrickLinkColours TBrickLinkColours::FromText(const std::string& text,
                                              const std::string& fileName) {
    TBrickLinkColours table;
    int number = 0;
    for (const std::string& line : SplitLines(text)) {
        ++number;
        std::string row = Trim(line.substr(0, line.find(';')));
        if (row.empty())
            continue;
        std::istringstream fields(row);
        int ldraw = 0, brickLink = 0;
        if (!(fields >> ldraw >> brickLink) || ldraw < 0 || brickLink < 0)
            throw TError(fileName + " line " + std::to_string(number) +
                         ": expected an LDraw colour number and a BrickLink colour number, not \"" +
                         row + "\"");
        table.Add(ldraw, brickLink);
    }
    return table;
}

TBrickLinkColours TBrickLinkColours::Load(const std::string& fileName) {
    return FromText(ReadWholeFile(fileName), fileName);
}

std::optional<int> TBrickLinkColours::Find(int ldrawColour) const {
    auto it = Rows.find(ldrawColour);
    if (it == Rows.end())
        return std::nullopt;
    return it->second;
}

std::string BrickLinkColourFile() {
    return ResolveFileName(AppDir() + "bricklink.lst");
}
