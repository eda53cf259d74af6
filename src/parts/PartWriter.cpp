#include "base/Error.h"
#include "base/Text.h"
#include "parts/DrawClass.h"
#include "parts/PartCache.h"
#include "parts/PartFile.h"

#include <string>

namespace {
std::string Num(int32_t value) {
    return std::to_string(value);
}

std::string PolygonLine(int index, const TPolygon& polygon) {
    std::string line = "P" + Num(index + 1) + "=" + Num(int32_t(polygon.Points.size())) + ", " +
                       Num(polygon.EdgeFlags);
    for (const TPoint3& p : polygon.Points)
        line += ", " + Num(p.X) + "," + Num(p.Y) + "," + Num(p.Z);
    if (polygon.Detail >= 1 || polygon.PolyColour != 0)
        line += ", " + Num(polygon.Detail);
    if (polygon.PolyColour != 0)
        line += ", " + Num(polygon.PolyColour);
    return line;
}

std::string StudLine(const std::string& key, const TDrawClass& d, int32_t polygon,
                     const std::vector<TPoint3>& studs) {
    std::string line = key + "=" + Num(polygon + 1) + "," + Num(int32_t(studs.size()));
    int32_t z = d.FirstPointZ(polygon);
    for (const TPoint3& stud : studs) {
        line += ", " + Num(stud.X) + "," + Num(stud.Y);
        if (stud.Z != z)
            line += ";" + Num(stud.Z);
    }
    return line;
}
} // namespace

void SaveToLines(TDrawClass& d, TLines& lines) {
    std::string header = "[" + d.PartName + "]";
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!SameText(lines[i], header))
            continue;
        size_t end = i + 1;
        while (end < lines.size() && !lines[end].empty() && lines[end][0] != '[')
            ++end;
        lines.erase(lines.begin() + std::ptrdiff_t(i), lines.begin() + std::ptrdiff_t(end));
        break;
    }
    lines.push_back(header);
    lines.push_back("NP=" + Num(d.PolygonCount()));
    lines.push_back("BB=" + Num(d.BBX) + "," + Num(d.BBY) + "," + Num(d.BBZ));
    if (d.PartVariant != 0)
        lines.push_back("LD=" + Num(d.PartVariant));
    for (int i = 0; i < d.PolygonCount(); ++i)
        lines.push_back(PolygonLine(i, d.Polygons[size_t(i)]));
    if (d.BitmapPolygon >= 0)
        lines.push_back("BM=" + Num(d.BitmapPolygon + 1) + ", " + d.BitmapFile);
    for (int octant = 0; octant < 8; ++octant) {
        const TIntegerList& order = d.DrawOrder[size_t(octant)];
        std::string line = "Q" + Num(octant + 1) + "=" + Num(order.Count()) + " ";
        for (int32_t poly : order.Items)
            line += "," + Num(poly + 1);
        lines.push_back(line);
    }
    lines.push_back(StudLine("TS", d, d.TopStudPolygon, d.TopStuds));
    lines.push_back(StudLine("BS", d, d.BottomStudPolygon, d.BottomStuds));
    bool turns = false;
    for (const auto& pair : d.RotOffsets)
        turns = turns || pair[0] != 0 || pair[1] != 0;
    if (turns) {
        const auto& r = d.RotOffsets;
        lines.push_back("RO=" + Num(r[0][0]) + "," + Num(r[0][1]) + ", " + Num(r[1][0]) + "," +
                        Num(r[1][1]) + ", " + Num(r[2][0]) + "," + Num(r[2][1]) + ", " +
                        Num(r[3][0]) + "," + Num(r[3][1]));
    }
    d.Modified = false;
}

void SaveModifiedDrawClasses() {
    // Every definition gets its chance; the first failure is reported once all were tried.
    std::string firstError;
    for (TDrawClass* d : CachedDrawClasses()) {
        if (!d->Modified)
            continue;
        TLines lines;
        SaveToLines(*d, lines);
        try {
            SavePartFileLines(PartFolderPath(d->PartName + ".tsp"), lines);
        } catch (const TError& e) {
            d->Modified = true;
            if (firstError.empty())
                firstError = e.what();
        }
    }
    if (!firstError.empty())
        throw TError(firstError);
}
