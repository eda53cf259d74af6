#include "exchange/ldraw/shapes/LDrawShapeSource.h"

#include "base/Error.h"
#include "base/FileNames.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawImport.h"
#include "model/Block.h"
#include "model/GeneralBlock.h"
#include "parts/PartFile.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr const char* ShapePrefix = "ld-";
constexpr const char* SourceKey = "LS=";
// Part of every name: a change to how parts are converted gives them new names.
constexpr const char* ConverterVersion = "1";

std::string MatrixEntry(double value) {
    char text[32];
    double rounded = std::round(value * 10000) / 10000;
    std::snprintf(text, sizeof text, "%.4f", rounded == 0 ? 0.0 : rounded);
    return text;
}

std::string Hex(uint64_t value, int digits) {
    static const char hex[] = "0123456789abcdef";
    std::string text(size_t(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[size_t(i)] = hex[value & 15];
    return text;
}

const double QuarterTurns[4][9] = {
    {1, 0, 0, 0, 1, 0, 0, 0, 1},
    {0, 0, -1, 0, 1, 0, 1, 0, 0},
    {-1, 0, 0, 0, 1, 0, 0, 0, -1},
    {0, 0, 1, 0, 1, 0, -1, 0, 0},
};
} // namespace

std::string LDrawShapeName(const std::string& file, const double matrix[9], bool marker) {
    std::string key = LowerCase(NormaliseSeparators(Trim(file))) + "|" + ConverterVersion;
    if (marker)
        key += "|marker";
    for (int i = 0; i < 9; ++i)
        key += "|" + MatrixEntry(matrix[i]);
    uint64_t hash = 1469598103934665603ull; // FNV-1a
    for (unsigned char c : key)
        hash = (hash ^ c) * 1099511628211ull;
    std::string stem;
    std::string plain = LowerCase(NormaliseSeparators(Trim(file)));
    if (EndsWithNoCase(plain, ".dat"))
        plain.resize(plain.size() - 4);
    for (char c : plain)
        if (stem.size() < 24)
            stem += std::isalnum((unsigned char)c) && (unsigned char)c < 128 ? c : '_';
    return ShapePrefix + stem + "-" + Hex(hash, 12);
}

bool IsLDrawShapeName(const std::string& part) {
    return part.size() > 16 && part.starts_with(ShapePrefix) && part[part.size() - 13] == '-';
}

std::string FormatShapeSource(const TLDrawShapeSource& source) {
    std::string text = SourceKey;
    for (int32_t v : source.Origin)
        text += std::to_string(v) + ",";
    for (double v : source.Matrix) {
        char number[32];
        std::snprintf(number, sizeof number, "%.9g", v == 0 ? 0.0 : v);
        text += std::string(number) + ",";
    }
    return text + " " + source.File;
}

std::optional<TLDrawShapeSource> ParseShapeSource(const std::string& line) {
    if (!line.starts_with(SourceKey))
        return std::nullopt;
    std::vector<std::string> fields;
    size_t start = std::string(SourceKey).size();
    for (int i = 0; i < 12; ++i) {
        size_t comma = line.find(',', start);
        if (comma == std::string::npos)
            return std::nullopt;
        fields.push_back(Trim(std::string_view(line).substr(start, comma - start)));
        start = comma + 1;
    }
    TLDrawShapeSource source;
    source.File = Trim(std::string_view(line).substr(start));
    try {
        for (size_t k = 0; k < 3; ++k)
            source.Origin[k] = StrToInt(fields[k]);
        for (size_t i = 0; i < 9; ++i)
            source.Matrix[i] = ParseLDrawNumber(fields[3 + i]);
    } catch (const TError&) {
        return std::nullopt;
    }
    if (source.File.empty())
        return std::nullopt;
    return source;
}

std::optional<TLDrawShapeSource> ReadShapeSource(const std::string& part) {
    if (!IsLDrawShapeName(part))
        return std::nullopt;
    TLines lines;
    std::string used;
    try {
        LoadPartSection(part + ".tsp", part, lines, used);
    } catch (const TError&) {
        return std::nullopt;
    }
    for (const std::string& line : lines)
        if (auto source = ParseShapeSource(line))
            return source;
    return std::nullopt;
}

std::optional<TLDrawPlacedShape> PlacedShapeOf(const TBlock& brick) {
    const auto* general = dynamic_cast<const TGeneralBlock*>(&brick);
    if (!general || !general->Definition)
        return std::nullopt;
    std::optional<TLDrawShapeSource> source = ReadShapeSource(general->PartName());
    if (!source)
        return std::nullopt;
    const TDrawClass& d = *general->Definition;
    int turn = ((brick.Turn % 4) + 4) % 4;
    TPoint3 origin = TurnPartPoint({source->Origin[0], source->Origin[1], source->Origin[2]}, turn,
                                   d.BBX, d.BBY);
    TLDrawPlacedShape placed;
    placed.File = source->File;
    placed.Position[0] = double(brick.X) + origin.X;
    placed.Position[1] = -(double(brick.Z) + origin.Z);
    placed.Position[2] = -(double(brick.Y) + origin.Y);
    const double* r = QuarterTurns[turn];
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            double sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += r[row * 3 + k] * source->Matrix[k * 3 + column];
            placed.Matrix[row * 3 + column] = sum;
        }
    return placed;
}
