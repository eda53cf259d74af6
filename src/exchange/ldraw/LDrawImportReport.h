#pragma once
// What an LDraw import read, imported and left out, grouped by part file and reason.

#include <cstdint>
#include <string>
#include <vector>

enum class TLDrawSkip { None, NoRow, NotQuarterTurn, NoBrick };

// The reason as the report names it.
const char* LDrawSkipText(TLDrawSkip reason);

struct TLDrawSkippedPart {
    std::string File;
    TLDrawSkip Reason = TLDrawSkip::NoRow;
    int Count = 0;
};

class TLDrawImportReport {
public:
    void CountImported() { ++Read, ++Imported; }
    // A tyre line stands for nothing of its own: the wheel brick it sits on draws it.
    void CountTyreOfWheel() { CountImported(), ++TyresOfWheels; }
    void CountSkipped(const std::string& file, TLDrawSkip reason);
    void CountStep(int32_t step);

    int Read = 0;     // part lines met, each use of a sub-model counted again
    int Imported = 0; // lines that became a brick, or a tyre of such a wheel
    int TyresOfWheels = 0;
    int Skipped() const { return Read - Imported; }
    // True when the model numbers its steps with STEP lines; MaxStep is then the largest step
    // of an imported brick.
    bool NumberedSteps = false;
    int32_t MaxStep = 0;

    // The skipped parts, the commonest first (then by file name).
    std::vector<TLDrawSkippedPart> SkippedParts() const;

private:
    std::vector<TLDrawSkippedPart> Parts;
};

// One line per skipped part, after a summary line: what tessaryn-cli prints.
std::vector<std::string> FormatImportReport(const TLDrawImportReport& report);

// The window's message: the counts and the commonest skipped parts, the rest as "and N more".
std::string ImportReportMessage(const TLDrawImportReport& report, size_t shown = 5);
