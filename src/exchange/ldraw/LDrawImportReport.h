#pragma once
// What an LDraw import read, imported and left out, grouped by part file and reason.

#include <cstdint>
#include <string>
#include <vector>

enum class TLDrawSkip { None, NoRow, NotQuarterTurn, NoBrick, NotInLibrary, NoShape };

// The reason as the report names it.
const char* LDrawSkipText(TLDrawSkip reason);

struct TLDrawSkippedPart {
    std::string File;
    TLDrawSkip Reason = TLDrawSkip::NoRow;
    int Count = 0;
    std::string Detail; // NoShape: why the part could not be drawn
};

class TLDrawImportReport {
public:
    void CountImported() { ++Read, ++Imported; }
    // A tyre line stands for nothing of its own: the wheel brick it sits on draws it.
    void CountTyreOfWheel() { CountImported(), ++TyresOfWheels; }
    // A part line drawn in its own shape from the LDraw library.
    void CountAsShape() { CountImported(), ++AsShapes; }
    void CountSkipped(const std::string& file, TLDrawSkip reason, const std::string& detail = "");
    void CountStep(int32_t step);

    int Read = 0;     // part lines met, each use of a sub-model counted again
    int Imported = 0; // lines that became a brick, or a tyre of such a wheel
    int TyresOfWheels = 0;
    bool LibraryUsed = false; // an LDraw library was given
    int AsShapes = 0;
    int ShapesConverted = 0; // parts converted, as opposed to found stored
    int Markers = 0;         // lines of parts not in the library, kept as markers (and skipped)
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

// For an import without a library: the part files a library would bring in as shapes (those
// skipped for want of a row or of a quarter turn), or empty.
std::vector<std::string> PartsALibraryWouldBring(const TLDrawImportReport& report);
