#pragma once
// What a part definition made from an LDraw part remembers of it, so that an export can write
// the part back: its file, the matrix it was made for and where its origin lies. Kept in the
// definition's own file as one more key line, which the part reader passes over.

#include <array>
#include <optional>
#include <string>

class TBlock;

struct TLDrawShapeSource {
    std::string File;
    double Matrix[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    std::array<int32_t, 3> Origin{}; // in the definition, model axes
};

// The generated part's name for a part file at a matrix: readable, and the same for the same
// part at the same angle (to 1/10000), so it is made once and found again. A marker (the part
// is not in the library) gets a name of its own, so the real shape is made once it is.
std::string LDrawShapeName(const std::string& file, const double matrix[9], bool marker = false);
// True for a name LDrawShapeName makes.
bool IsLDrawShapeName(const std::string& part);

// The key line and its reading; a line that is not one gives nothing.
std::string FormatShapeSource(const TLDrawShapeSource& source);
std::optional<TLDrawShapeSource> ParseShapeSource(const std::string& line);

// The source of a generated part, read from its definition file; nothing when the part is not
// a generated one or its file no longer says.
std::optional<TLDrawShapeSource> ReadShapeSource(const std::string& part);

// The LDraw line of a brick whose shape is a generated part: the part, its matrix with the
// brick's turn, and the position of the part's origin. Nothing for any other brick.
struct TLDrawPlacedShape {
    std::string File;
    double Matrix[9];
    double Position[3];
};
std::optional<TLDrawPlacedShape> PlacedShapeOf(const TBlock& brick);
