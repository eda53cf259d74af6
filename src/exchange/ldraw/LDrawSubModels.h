#pragma once
// Reading a whole LDraw model: sections of a multi-part file and model files beside it are
// expanded in place with their placements composed, and STEP lines number the steps.

#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawImportReport.h"

#include <string>

class TLDrawMap;
class TLDrawShapes;

// Sub-models nested deeper than this are refused.
constexpr int MaxSubModelDepth = 32;
// An import that would expand to more part lines than this is refused.
constexpr int MaxExpandedPartLines = 100000;

// Reads the file with the loaded table and hands each brick, its Step set (STEP lines of an
// ".ldr" or ".mpd" model count; a ".dat" model keeps every brick in step 0), to add. A line whose
// file no row names is expanded when it names a section of the same file or a ".ldr"/".dat"
// file beside it; a loop of sub-models, deeper nesting or too many parts raise TError.
// With shapes (an LDraw library), a line that no row serves becomes a brick of the part's own
// shape, colour numbers the built-in table lacks come from the library's colour table, and
// see-through direct colours are read.
TLDrawImportReport ImportLDrawModel(const std::string& fileName, const TLDrawMap& map,
                                    const TBrickSink& add, TLDrawShapes* shapes = nullptr);
