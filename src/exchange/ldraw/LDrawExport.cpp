#include "exchange/ldraw/LDrawExport.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/LDrawColours.h"
#include "exchange/ldraw/LDrawExportReport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/Block.h"

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

// The tyre that goes with a wheel rim of this identity, if any.
const char* TyreOf(const std::string& partID) {
    if (partID == "497" || partID == "7039" || partID == "wheel2")
        return "3483.dat";
    if (partID == "4624")
        return "3641.dat";
    return nullptr;
}
} // namespace

void ExportLDraw(std::ostream& out, const std::vector<TBlock*>& bricks, TLDrawMap& map,
                 TLDrawExportReport* report) {
    map.Load();
    for (TBlock* brick : bricks) {
        if (brick->Kind == ' ')
            brick->Kind = 'B';
        int colour = LDrawColourOf(brick->Colour);
        if (brick->Transparent)
            colour |= 32;
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
        if (const char* tyre = TyreOf(brick->PartID))
            WriteLine(out, 0, x, y, z, turn, tyre);
        if (!out)
            throw TError("I/O error while writing the LDraw file");
    }
}

void SaveLDrawFile(const std::string& fileName, const std::vector<TBlock*>& bricks, TLDrawMap& map,
                   TLDrawExportReport* report) {
    std::ostringstream text;
    ExportLDraw(text, bricks, map, report);
    WriteFileReplacing(fileName, text.str());
}
