#pragma once
// Flattening one LDraw part: its sub-files expanded with their matrices and colours, faces
// wound so that their front turns outward, edge lines kept, studs and tubes kept as points.

#include "exchange/ldraw/LDrawPartLine.h"

#include <array>
#include <string>
#include <vector>

class TLDrawLibrary;

using TLDrawPoint = std::array<double, 3>;

struct TLDrawFace {
    std::vector<TLDrawPoint> Points; // counter-clockwise seen from the front (right-handed)
    TLDrawColourCode Colour;         // 16: the brick's colour
    bool Cullable = false;           // its back may be left out (certified all the way down)
};

struct TLDrawMesh {
    std::vector<TLDrawFace> Faces;
    std::vector<std::array<TLDrawPoint, 2>> Edges;
    std::vector<TLDrawPoint> TopStuds; // the centre of each upright stud's foot
    std::vector<TLDrawPoint> Tubes;    // the centre of each upright tube's lower end
};

// Sub-files nested deeper than this are refused.
constexpr int MaxLibraryDepth = 32;
// More faces than this make no part a brick can draw at a usable speed.
constexpr size_t MaxLibraryFaces = 10000;
// Sub-files used in all, however often each: bounds the work of a file that multiplies.
constexpr size_t MaxLibraryVisits = 100000;

// The part file as seen through the 3x3 matrix (rows), in LDraw axes and units, its origin
// kept. Raises TError naming the file at fault: a missing file, a loop, deeper nesting or too
// many faces.
TLDrawMesh FlattenLDrawPart(TLDrawLibrary& library, const std::string& file,
                            const double matrix[9]);
