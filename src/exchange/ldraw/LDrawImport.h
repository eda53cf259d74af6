#pragma once
// Reading LDraw type-1 lines back into bricks through the mapping table.

#include "exchange/ldraw/LDrawImportReport.h"
#include "exchange/ldraw/LDrawPartLine.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TBlock;
class TBlockList;
class TLDrawMap;
class TLDrawShapes;
class TLDrawColourBook;

// Splits a line as comma-separated text: blanks, control characters and commas separate, a run
// of them counts once, and a double-quoted token keeps its blanks ("" inside is one quote).
std::vector<std::string> SplitCommaText(std::string_view line);

// The quarter turn 0 to 3 whose matrix lies within 0.1 of the nine entries (the nearest, the
// first on a tie), or -1.
int MatchQuarterTurn(const double matrix[9]);

// A decimal fraction with '.' and an optional exponent, whatever the locale; anything else
// raises "'text' is not a valid floating point value".
double ParseLDrawNumber(std::string_view text);

using TBrickSink = std::function<void(std::unique_ptr<TBlock>)>;

// Reloads the table, reads the file (sub-models expanded, steps numbered) and hands each brick
// made from a usable line to add, in file order. Lines that are no 15-token type-1 lines, name
// no row's part, or are not turned by a quarter turn are skipped and counted in the report; a
// number that does not convert stops the import.
// With shapes, lines no row serves are drawn from the LDraw library (see ImportLDrawModel).
TLDrawImportReport ImportLDraw(const std::string& fileName, TLDrawMap& map, const TBrickSink& add,
                               TLDrawShapes* shapes = nullptr);

// The import the program uses: the program-wide table, each brick inserted into the list at
// its place in drawing order.
TLDrawImportReport ImportLDraw(const std::string& fileName, TBlockList& list);

// The brick for one line, or nullptr when the line is skipped.
std::unique_ptr<TBlock> ReadLDrawLine(const std::string& line, const TLDrawMap& map);

// The brick for one placed part, or nullptr with the reason when none can be made. A colour
// book gives the colours of numbers the built-in table lacks.
std::unique_ptr<TBlock> ReadLDrawPart(const TLDrawPartLine& part, const TLDrawMap& map,
                                      TLDrawSkip* reason = nullptr,
                                      const TLDrawColourBook* book = nullptr);
