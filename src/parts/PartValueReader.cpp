#include "parts/PartValueReader.h"

#include "base/Text.h"

static bool IsSeparator(char c) {
    return c == '\t' || c == ' ' || c == ',' || c == ';';
}

void TPartValueReader::SkipSeparators() {
    while (Pos < Text.size() && IsSeparator(Text[Pos]))
        ++Pos;
}

int32_t TPartValueReader::Number() {
    SkipSeparators();
    size_t start = Pos;
    if (Pos < Text.size() && Text[Pos] == '-')
        ++Pos;
    while (Pos < Text.size() && Text[Pos] >= '0' && Text[Pos] <= '9')
        ++Pos;
    LastEmpty = Pos == start;
    if (LastEmpty)
        return 0;
    return StrToInt(std::string_view(Text).substr(start, Pos - start));
}

std::string TPartValueReader::Token() {
    SkipSeparators();
    size_t end = Text.find(',', Pos);
    if (end == std::string::npos)
        end = Text.size();
    std::string token = Text.substr(Pos, end - Pos);
    Pos = end;
    return token;
}
