#include "exchange/ldraw/LDrawExport.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/LDrawColours.h"
#include "exchange/ldraw/LDrawExportReport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/shapes/LDrawColourBook.h"
#include "exchange/ldraw/shapes/LDrawShapeSource.h"
#include "model/Block.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <sstream>

const std::array<const char*, 8> LDrawMatrixTexts = {
    "  1   0  0    0  1  0   0   0  1",   "  0   0 -1    0  1  0   1   0  0",
    " -1   0  0    0  1  0   0   0 -1",   "  0   0  1    0  1  0  -1   0  0",
    "  0.7 0 -0.7  0  1  0   0.7 0  0.7", " -0.7 0 -0.7  0  1  0   0.7 0 -0.7",
    " -0.7 0  0.7  0  1  0  -0.7 0 -0.7", "  0.7 0  0.7  0  1  0  -0.7 0  0.7",
};

namespace {
void WriteLine(std::ostream& out, int colour, int64_t x, int64_t y, int64_t z, int matrix,
               const std::string& part) {
    out << "1 " << colour << ' ' << x << ' ' << y << ' ' << z << ' ' << LDrawMatrixTexts[matrix]
        << ' ' << part << "\r\n";
}

std::string ShortNumber(double value) {
    char text[32];
    double rounded = std::round(value * 1e6) / 1e6;
    std::snprintf(text, sizeof text, "%.6g", rounded == 0 ? 0.0 : rounded);
    return text;
}

void WriteShapeLine(std::ostream& out, int colour, const TLDrawPlacedShape& shape) {
    out << "1 " << colour;
    for (double v : shape.Position)
        out << ' ' << ShortNumber(v);
    for (double v : shape.Matrix)
        out << ' ' << ShortNumber(v);
    out << ' ' << shape.File << "\r\n";
}

int LDrawColourNumber(const TBlock& brick, const TLDrawColourBook* book) {
    if (book) {
        // The table's own number first, so that a colour two numbers share comes back as the
        // first of them; only a colour the table lacks is looked up in the library's.
        auto entry =
            std::find_if(LDrawColourTable.begin(), LDrawColourTable.end(),
                         [&](const TLDrawColour& c) { return c.Colour() == brick.Colour; });
        if (entry != LDrawColourTable.end())
            return brick.Transparent ? entry->Number | 32 : entry->Number;
        if (int32_t number = book->NumberOf(brick.Colour, brick.Transparent); number >= 0)
            return number;
    }
    int colour = LDrawColourOf(brick.Colour);
    return brick.Transparent ? colour | 32 : colour;
}
} // namespace

const char* LDrawTyreOf(const std::string& partID) {
    if (partID == "497" || partID == "7039" || partID == "wheel2")
        return "3483.dat";
    if (partID == "4624")
        return "3641.dat";
    return nullptr;
}

void ExportLDraw(std::ostream& out, const std::vector<TBlock*>& bricks, TLDrawMap& map,
                 TLDrawExportReport* report, const TLDrawColourBook* book) {
    map.Load();
    for (TBlock* brick : bricks) {
        if (brick->Kind == ' ')
            brick->Kind = 'B';
        int colour = LDrawColourNumber(*brick, book);
        if (std::optional<TLDrawPlacedShape> shape = PlacedShapeOf(*brick)) {
            WriteShapeLine(out, colour, *shape);
            if (report)
                report->CountWritten();
            if (!out)
                throw TError("I/O error while writing the LDraw file");
            continue;
        }
        // Wide arithmetic: model coordinates near the 32-bit limits must not overflow.
        int64_t x = (2 * int64_t(brick->X) + brick->SX) * 10 / 20;
        int64_t y = -(int64_t(brick->Z) + brick->SZ);
        int64_t z = (2 * int64_t(brick->Y) + brick->SY) * -10 / 20;
        int turn = ((brick->Turn % 4) + 4) % 4;
        TLDrawOffsets o;
        if (map.FindLDrawRecord(*brick, o)) {
            y += o.yOffset;
            turn = (turn + (o.RotOffset & 3)) % 4;
            switch (turn) {
            case 0:
                x -= o.xOffset, z += o.zOffset;
                break;
            case 1:
                z -= o.xOffset, x -= o.zOffset;
                break;
            case 2:
                x += o.xOffset, z -= o.zOffset;
                break;
            default:
                z += o.xOffset, x += o.zOffset;
                break;
            }
            WriteLine(out, colour, x, y, z, (o.RotOffset & 4) + turn, brick->PartID + ".dat");
            if (report)
                report->CountWritten();
        } else if (report) {
            report->CountLeftOut(*brick);
        }
        if (const char* tyre = LDrawTyreOf(brick->PartID))
            WriteLine(out, 0, x, y, z, turn, tyre);
        if (!out)
            throw TError("I/O error while writing the LDraw file");
    }
}

void SaveLDrawFile(const std::string& fileName, const std::vector<TBlock*>& bricks, TLDrawMap& map,
                   TLDrawExportReport* report, const TLDrawColourBook* book) {
    std::ostringstream text;
    ExportLDraw(text, bricks, map, report, book);
    WriteFileReplacing(fileName, text.str());
}
