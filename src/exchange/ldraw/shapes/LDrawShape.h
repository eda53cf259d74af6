#pragma once
// An LDraw part, flattened, as a part definition: model axes (Z up), the box's corner at the
// origin, whole units, faces as polygons with their colours and edges, studs as studs, and a
// painter's order per octant.

#include "exchange/ldraw/LDrawPartLine.h"
#include "parts/DrawClass.h"

#include <array>
#include <memory>

class TLDrawColourBook;
struct TLDrawMesh;

struct TLDrawShape {
    // Held by pointer: a copy of a definition resets its tubes' heights.
    std::unique_ptr<TDrawClass> Definition = std::make_unique<TDrawClass>();
    // Where the LDraw part's own origin lies in the definition, in model axes.
    std::array<int32_t, 3> Origin{};
};

// Model axes of an LDraw point: x stays, model y is LDraw -z, model z (up) is LDraw -y.
std::array<double, 3> ModelAxesOf(const std::array<double, 3>& ldraw);

// Raises TError when the part has nothing to draw or a polygon too large for the drawing.
TLDrawShape MakeLDrawShape(const TLDrawMesh& mesh, const TLDrawColourBook* book,
                           const std::string& partName);

// The polygon colour for a face colour: 0 for the brick's own, else the colour, negative when
// see-through.
int32_t PolygonColourOf(const TLDrawColourCode& code, const TLDrawColourBook* book);
