#pragma once
// Bricks for LDraw part lines that no mapping row serves: each part at each angle converted
// once into a generated part definition, stored in the parts folder and found there again.

#include "base/DeferredSync.h"
#include "exchange/ldraw/LDrawPartLine.h"
#include "exchange/ldraw/shapes/LDrawColourBook.h"
#include "exchange/ldraw/shapes/LDrawLibrary.h"

#include <array>
#include <map>
#include <memory>
#include <string>

class TBlock;
class TLDrawImportReport;

class TLDrawShapes {
public:
    // The library folder must hold a "parts" folder; raises TError otherwise.
    explicit TLDrawShapes(const std::string& libraryFolder);

    // A general block in the line's colour at the line's place, or nullptr with the reason in
    // error (naming the file at fault).
    std::unique_ptr<TBlock> MakeBrick(const TLDrawPartLine& line, std::string& error);
    // For a part the library lacks: a small marker in the line's colour at the part's origin
    // that keeps the line (file, matrix, colour, place) for an export to write back unchanged.
    std::unique_ptr<TBlock> MakeMarker(const TLDrawPartLine& line, std::string& error);
    // True when the library has no file of this name.
    bool IsMissing(const std::string& file) { return Library.FindFile(file).empty(); }

    const TLDrawColourBook& Colours() const { return Book; }
    // Parts converted by this object, as opposed to found ready in the parts folder.
    int Converted() const { return ConvertedCount; }
    // Forces the parts stored since the last call to disk, all in one go at the end of an
    // import rather than one by one. A failure only costs converting them again next time.
    void FinishStoring();

private:
    struct TKnown {
        std::string Error; // the part cannot be made; the reason
        std::array<int32_t, 3> Origin{};
    };
    std::unique_ptr<TBlock> Place(const TLDrawPartLine& line, bool marker, std::string& error);
    const TKnown& Shape(const TLDrawPartLine& line, const std::string& name, bool marker);
    TKnown Convert(const TLDrawPartLine& line, const std::string& name, bool marker);

    TLDrawLibrary Library;
    TLDrawColourBook Book;
    std::map<std::string, TKnown> Known; // by generated name
    TDeferredSync Stored;
    int ConvertedCount = 0;
};

// The library in a folder, or nullptr when the folder holds none (the setting's default names a
// folder most users do not have): the import then runs as without a library.
std::unique_ptr<TLDrawShapes> OpenLDrawLibrary(const std::string& folder);

// For a report of an import without a library: a line naming the parts a library would bring
// in, or empty.
std::string LibraryHint(const TLDrawImportReport& report);
