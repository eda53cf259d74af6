#pragma once
// What an LDraw export left out: bricks that no mapping row fits, by kind and size.

#include <string>
#include <vector>

class TBlock;

class TLDrawExportReport {
public:
    void CountWritten() { ++Bricks; }
    void CountLeftOut(const TBlock& brick);

    int Bricks = 0; // bricks of the model
    int LeftOut() const;

    struct TShape {
        std::string Key; // kind letter and sizes: studs x studs x plates, e.g. "B 4x3x9"
        int Count = 0;
    };
    // The shapes left out, the commonest first (then by key).
    std::vector<TShape> LeftOutShapes() const;

private:
    std::vector<TShape> Shapes;
};

// What tessaryn-cli prints: a summary line, then one line per shape left out.
std::vector<std::string> FormatExportReport(const TLDrawExportReport& report);

// The window's message after a save that left bricks out.
std::string ExportReportMessage(const TLDrawExportReport& report);
