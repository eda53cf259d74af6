#include "exchange/ldraw/LDrawPartLine.h"

#include "base/Text.h"
#include "exchange/ldraw/LDrawImport.h"

#include <cctype>

namespace {
bool IsDirectColour(const std::string& token, char form) {
    if (token.size() != 9 || token[0] != '0' || (token[1] != 'x' && token[1] != 'X') ||
        token[2] != form)
        return false;
    for (size_t i = 3; i < token.size(); ++i)
        if (!std::isxdigit((unsigned char)token[i]))
            return false;
    return true;
}
} // namespace

TLDrawColourCode ParseLDrawColourCode(const std::string& token, bool transparentForm) {
    TLDrawColourCode code;
    bool transparent = transparentForm && IsDirectColour(token, '3');
    if (transparent || IsDirectColour(token, '2')) {
        int32_t rrggbb = int32_t(std::stoul(token.substr(3), nullptr, 16));
        code.Direct = true;
        code.Rgb = (rrggbb >> 16 & 0xFF) | (rrggbb & 0xFF00) | (rrggbb & 0xFF) << 16;
        code.Transparent = transparent;
        code.Number = (transparent ? 0x3000000 : 0x2000000) | rrggbb;
        return code;
    }
    code.Number = StrToInt(token);
    return code;
}

TLDrawPartLine ParseLDrawPartNumbers(const std::vector<std::string>& tokens, bool transparentForm) {
    TLDrawPartLine line;
    line.Colour = ParseLDrawColourCode(tokens[1], transparentForm);
    for (int i = 0; i < 3; ++i)
        line.Position[i] = ParseLDrawNumber(tokens[2 + i]);
    for (int i = 0; i < 9; ++i)
        line.Matrix[i] = ParseLDrawNumber(tokens[5 + i]);
    return line;
}

TLDrawPartLine ComposePlacement(const TLDrawPartLine& parent, const TLDrawPartLine& child) {
    TLDrawPartLine result;
    result.File = child.File;
    result.Colour =
        child.Colour.Number == 16 && !child.Colour.Direct ? parent.Colour : child.Colour;
    const double* m = parent.Matrix;
    for (int row = 0; row < 3; ++row) {
        result.Position[row] = parent.Position[row];
        for (int k = 0; k < 3; ++k)
            result.Position[row] += m[row * 3 + k] * child.Position[k];
        for (int column = 0; column < 3; ++column) {
            double sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += m[row * 3 + k] * child.Matrix[k * 3 + column];
            result.Matrix[row * 3 + column] = sum;
        }
    }
    return result;
}
