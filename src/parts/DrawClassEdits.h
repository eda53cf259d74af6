#pragma once
// The part editor's shape commands on a part definition: mirror, coordinate swap, scale,
// extrusion and stretching, with the draw-order and polygon-flag edits of its lists.

#include <array>
#include <cstdint>
#include <vector>

class TDrawClass;

enum class TAxis { X = 0, Y = 1, Z = 2 };

using TSizes = std::array<int32_t, 3>;

// Mirrors one polygon, or every polygon, on an axis about the shape's largest coordinate on
// that axis (for X rounded up to a whole stud), then sorts every octant.
void MirrorPolygon(TDrawClass& definition, TAxis axis, int poly);
void MirrorAll(TDrawClass& definition, TAxis axis);

// Exchanges the two coordinates other than the axis. One polygon turns about the centre of its
// own box; the whole shape simply swaps them and its bounding box with them. Then every octant
// is sorted.
void RotatePolygon(TDrawClass& definition, TAxis axis, int poly);
void RotateAll(TDrawClass& definition, TAxis axis);

enum class TScaleStep { XYTimes2, ZTimes2, XYHalf, ZHalf };
// Scales every point and the bounding box; halving truncates toward zero.
void ScaleShape(TDrawClass& definition, TScaleStep step);

// Adds one side polygon per edge of a polygon flat along some axis, reaching distance further
// along that axis; returns the number added (0 for a polygon that is not flat).
int ExtendPolygon(TDrawClass& definition, int poly, int32_t distance);

// Moves every coordinate beyond the middle of the old size by the change of size on its axis,
// and takes the new sizes as the bounding box.
void StretchShape(TDrawClass& definition, const TSizes& oldSize, const TSizes& newSize);

// Flags after the edge mark of edge k (0 to 30) was switched: per-edge mode with that edge's
// bit toggled, falling back to 1 (every edge) when no edge would stay hidden.
int32_t ToggleEdgeMark(int32_t edgeFlags, int k);
// An edge mark is ticked unless the flags are in per-edge mode and hide that edge.
bool EdgeMarkTicked(int32_t edgeFlags, int k);
// The border command: outlined polygons lose every edge, the others get them all.
int32_t ToggleBorder(int32_t edgeFlags);
// The transparency command: 0 (the brick's colour) becomes its see-through form and back,
// any other colour changes sign.
int32_t ToggleTransparency(int32_t polyColour);

// The line of a polygon in the list of all polygons: its 1-based number, negative without
// a border.
int32_t PolygonListNumber(const TDrawClass& definition, int poly);

// Hand edits of one octant's order. Inserting refuses a polygon already in the order.
bool InsertIntoDrawOrder(TDrawClass& definition, int octant, int position, int poly);
void MoveInDrawOrder(TDrawClass& definition, int octant, int from, int to);
void RemoveFromDrawOrder(TDrawClass& definition, int octant, int position);
