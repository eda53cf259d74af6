#include "exchange/ldraw/shapes/LDrawColourBook.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/FileNames.h"
#include "base/LDrawColours.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawImport.h"

#include <algorithm>

namespace {
bool InBuiltInTable(int32_t number) {
    return std::any_of(LDrawColourTable.begin(), LDrawColourTable.end(),
                       [number](const TLDrawColour& c) { return c.Number == number; });
}

// "#RRGGBB" as a colour value; false when it is not one.
bool ParseHexColour(const std::string& text, int32_t& colour) {
    if (text.size() != 7 || text[0] != '#')
        return false;
    int32_t rrggbb = 0;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (digit < 0)
            return false;
        rrggbb = rrggbb * 16 + digit;
    }
    colour = (rrggbb >> 16 & 0xFF) | (rrggbb & 0xFF00) | (rrggbb & 0xFF) << 16;
    return true;
}
} // namespace

void TLDrawColourBook::Read(const std::string& text) {
    for (const std::string& line : SplitLines(text)) {
        std::vector<std::string> tokens = SplitCommaText(line);
        if (tokens.size() < 3 || tokens[0] != "0" || !SameText(tokens[1], "!COLOUR"))
            continue;
        int32_t number = -1;
        TLDrawColourValue value;
        bool hasValue = false;
        for (size_t i = 2; i + 1 < tokens.size(); ++i) {
            const std::string& key = tokens[i];
            const std::string& next = tokens[i + 1];
            try {
                if (SameText(key, "CODE"))
                    number = StrToInt(next);
                else if (SameText(key, "VALUE"))
                    hasValue = ParseHexColour(next, value.Colour);
                else if (SameText(key, "ALPHA"))
                    value.Transparent = StrToInt(next) < 255;
            } catch (const TError&) {
                number = -1;
                break;
            }
        }
        if (number >= 0 && hasValue)
            Colours.emplace(number, value);
    }
}

void TLDrawColourBook::ReadLibrary(const std::string& libraryFolder) {
    std::string folder = libraryFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    std::string path = ResolveFileName(folder + "LDConfig.ldr");
    if (FileExists(path))
        Read(ReadWholeFile(path));
}

const TLDrawColourValue* TLDrawColourBook::Find(int32_t number) const {
    auto it = Colours.find(number);
    return it == Colours.end() ? nullptr : &it->second;
}

int32_t TLDrawColourBook::NumberOf(int32_t colour, bool transparent) const {
    for (const auto& [number, value] : Colours)
        if (value.Colour == colour && value.Transparent == transparent)
            return number;
    return -1;
}

TLDrawColourValue ResolveLDrawColour(const TLDrawColourCode& code, const TLDrawColourBook* book) {
    if (code.Direct)
        return {code.Rgb, code.Transparent};
    int32_t n = code.Number;
    if (n >= 32 && n <= 63 && (!book || InBuiltInTable(n - 32)))
        return {ColourOfLDraw(n - 32), true};
    // 16 and 24 stand for the brick's own colours, never for the table's samples of them.
    if (InBuiltInTable(n) || !book || n == 16 || n == 24)
        return {ColourOfLDraw(n), false};
    if (const TLDrawColourValue* value = book->Find(n))
        return *value;
    return {ColourOfLDraw(n), false};
}
