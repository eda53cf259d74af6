#include "exchange/ldraw/LDrawExportReport.h"

#include "model/Block.h"

#include <algorithm>

void TLDrawExportReport::CountLeftOut(const TBlock& brick) {
    ++Bricks;
    std::string key = std::string(1, brick.Kind) + " " + std::to_string(brick.SX / 20) + "x" +
                      std::to_string(brick.SY / 20) + "x" + std::to_string(brick.SZ / 8);
    for (TShape& shape : Shapes)
        if (shape.Key == key) {
            ++shape.Count;
            return;
        }
    Shapes.push_back({key, 1});
}

int TLDrawExportReport::LeftOut() const {
    int count = 0;
    for (const TShape& shape : Shapes)
        count += shape.Count;
    return count;
}

std::vector<TLDrawExportReport::TShape> TLDrawExportReport::LeftOutShapes() const {
    std::vector<TShape> shapes = Shapes;
    std::stable_sort(shapes.begin(), shapes.end(), [](const TShape& a, const TShape& b) {
        return a.Count != b.Count ? a.Count > b.Count : a.Key < b.Key;
    });
    return shapes;
}

std::vector<std::string> FormatExportReport(const TLDrawExportReport& report) {
    std::vector<std::string> lines = {"bricks " + std::to_string(report.Bricks) + " exported " +
                                      std::to_string(report.Bricks - report.LeftOut()) +
                                      " left out " + std::to_string(report.LeftOut())};
    for (const auto& shape : report.LeftOutShapes())
        lines.push_back("left out " + std::to_string(shape.Count) + " " + shape.Key);
    return lines;
}

std::string ExportReportMessage(const TLDrawExportReport& report) {
    std::string text = std::to_string(report.LeftOut()) + " of " + std::to_string(report.Bricks) +
                       " bricks have no LDraw part in the mapping table and were left out of "
                       "the file (kind, studs x studs x plates):\n";
    for (const auto& shape : report.LeftOutShapes())
        text += "\n" + std::to_string(shape.Count) + " x " + shape.Key;
    return text;
}
