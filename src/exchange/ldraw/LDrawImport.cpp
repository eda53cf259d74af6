#include "exchange/ldraw/LDrawImport.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/LDrawColours.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/LDrawSubModels.h"
#include "exchange/ldraw/shapes/LDrawColourBook.h"
#include "model/Block.h"
#include "model/BlockList.h"
#include "model/GeneralBlock.h"
#include "model/ModelFile.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace {
bool IsSeparator(char c) {
    return c == ',' || (unsigned char)c <= ' ';
}

const double QuarterTurns[4][9] = {
    {1, 0, 0, 0, 1, 0, 0, 0, 1},
    {0, 0, -1, 0, 1, 0, 1, 0, 0},
    {-1, 0, 0, 0, 1, 0, 0, 0, -1},
    {0, 0, 1, 0, 1, 0, -1, 0, 0},
};

std::string PaletteKey(const TLDrawRecord& r) {
    if (r.Kind == 'G')
        return std::string(1, r.Kind) + " " + r.DefFile + ", " + r.DefPart;
    return std::string(1, r.Kind) + " " + std::to_string(r.SizeA) + "x" + std::to_string(r.SizeB) +
           "x" + std::to_string(r.Plates);
}

// A model coordinate from an LDraw position, truncated toward zero.
int32_t ModelUnits(double value) {
    double whole = std::trunc(value);
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) {
        char text[32];
        auto end = std::to_chars(text, text + sizeof text, value).ptr;
        throw TError("LDraw position out of range: " + std::string(text, end));
    }
    return int32_t(whole);
}

bool IsExactTurn(const double matrix[9], int q) {
    for (int i = 0; i < 9; ++i)
        if (std::fabs(matrix[i] - QuarterTurns[q][i]) > 1e-4)
            return false;
    return true;
}

std::unique_ptr<TBlock> BrickOfKey(const std::string& key) {
    try {
        return CreateBrickFromKey(key);
    } catch (...) {
        // A row whose key makes no brick is passed over, as if it named another part.
        return nullptr;
    }
}
} // namespace

std::vector<std::string> SplitCommaText(std::string_view line) {
    std::vector<std::string> tokens;
    size_t i = 0;
    while (true) {
        while (i < line.size() && IsSeparator(line[i]))
            ++i;
        if (i >= line.size())
            break;
        std::string token;
        if (line[i] == '"') {
            for (++i; i < line.size(); ++i) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        token += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                token += line[i];
            }
        } else {
            while (i < line.size() && !IsSeparator(line[i]))
                token += line[i++];
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

int MatchQuarterTurn(const double matrix[9]) {
    int best = 0;
    double bestDifference = 0;
    for (int q = 0; q < 4; ++q) {
        double difference = 0;
        for (int i = 0; i < 9; ++i)
            difference = std::max(difference, std::fabs(matrix[i] - QuarterTurns[q][i]));
        if (q == 0 || difference < bestDifference) {
            best = q;
            bestDifference = difference;
        }
    }
    return bestDifference < 0.1 ? best : -1;
}

double ParseLDrawNumber(std::string_view text) {
    // from_chars takes no '+' of its own; one leading sign of either kind is allowed.
    std::string_view number = text.starts_with('+') ? text.substr(1) : text;
    bool plain = !number.empty() && number[0] != '+' && !(number[0] == '-' && number != text);
    for (char c : number)
        plain = plain && ((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' ||
                          c == 'E');
    double value = 0;
    if (plain) {
        auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (error == std::errc() && end == number.data() + number.size() && std::isfinite(value))
            return value;
    }
    throw TError("'" + std::string(text) + "' is not a valid floating point value");
}

std::unique_ptr<TBlock> ReadLDrawLine(const std::string& line, const TLDrawMap& map) {
    std::vector<std::string> tokens = SplitCommaText(line);
    if (tokens.size() != 15 || tokens[0] != "1")
        return nullptr;
    TLDrawPartLine part = ParseLDrawPartNumbers(tokens);
    part.File = tokens[14];
    return ReadLDrawPart(part, map);
}

std::unique_ptr<TBlock> ReadLDrawPart(const TLDrawPartLine& part, const TLDrawMap& map,
                                      TLDrawSkip* reason, const TLDrawColourBook* book) {
    const double(&matrix)[9] = part.Matrix;
    const double x = part.Position[0], y = part.Position[1], z = part.Position[2];
    TLDrawSkip why = TLDrawSkip::NoRow;
    for (const TLDrawEntry& entry : map.Entries()) {
        const TLDrawRecord& r = entry.Record;
        if (!SameText(r.PartName + ".dat", part.File))
            continue;
        int q = MatchQuarterTurn(matrix);
        // Near a quarter turn is not one when the library can draw the part at its own angle.
        if (q < 0 || (book && !IsExactTurn(matrix, q))) {
            why = TLDrawSkip::NotQuarterTurn;
            continue;
        }
        std::unique_ptr<TBlock> brick = BrickOfKey(PaletteKey(r));
        if (!brick) {
            why = TLDrawSkip::NoBrick;
            continue;
        }

        TLDrawColourValue colour = ResolveLDrawColour(part.Colour, book);
        brick->Colour = colour.Colour;
        brick->Transparent = colour.Transparent;
        // With a library the brick keeps the part it was, studs as its row says, so an export
        // writes that part again rather than the first part of its shape.
        if (book) {
            brick->PartID = r.PartName;
            brick->Studs = r.HasStuds == 1;
        }
        // Only the quarter-turn bits count: a diagonal row bit must not make the turn negative.
        brick->Turn = (4 - (r.RotOffset & 3) + q) % 4;
        double px = x, pz = z, py = y - r.yOffset;
        switch (q) {
        case 0:
            px += r.xOffset, pz -= r.zOffset;
            break;
        case 1:
            pz += r.xOffset, px += r.zOffset;
            std::swap(brick->SX, brick->SY);
            break;
        case 2:
            px -= r.xOffset, pz += r.zOffset;
            break;
        default:
            pz -= r.xOffset, px -= r.zOffset;
            std::swap(brick->SX, brick->SY);
            break;
        }
        // A general block's box comes from its definition for its turn, whatever the row's turn.
        if (auto* general = dynamic_cast<TGeneralBlock*>(brick.get());
            general && general->Definition)
            general->SetDefinition(general->FileName(), general->PartName());
        // X / 10 * 20 is 2 X; written so that whole numbers come out exactly.
        brick->X = ModelUnits((2 * px - brick->SX) / 2);
        brick->Y = ModelUnits((-2 * pz - brick->SY) / 2);
        brick->Z = ModelUnits(-py - brick->SZ);
        return brick;
    }
    if (reason)
        *reason = why;
    return nullptr;
}

TLDrawImportReport ImportLDraw(const std::string& fileName, TLDrawMap& map, const TBrickSink& add,
                               TLDrawShapes* shapes) {
    map.Load();
    return ImportLDrawModel(fileName, map, add, shapes);
}

TLDrawImportReport ImportLDraw(const std::string& fileName, TBlockList& list) {
    return ImportLDraw(fileName, LDrawMap(),
                       [&list](std::unique_ptr<TBlock> b) { list.InsertSorted(std::move(b)); });
}
