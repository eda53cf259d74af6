#pragma once
// The frame a sloped brick is drawn in: its turn-0 shape placed so that projecting with the
// brick's quarter-turn rows puts it where the turned brick stands, and the face colours.

#include "base/Geometry.h"
#include "raster/Colour.h"

#include <array>
#include <initializer_list>

class TBlock;
class TDrawContext;
class TDrawObject;
struct TFaceList;
struct TViewState;

// The face colours of the sloped family, named by the frame face they fill.
enum TRoofColour {
    FaceAcrossX,       // vertical faces across X (left, right)
    FaceAcrossY,       // vertical faces across Y (front, back)
    FaceFlat,          // flat top and bottom
    SlopeFacingMinusX, // rising towards +X
    SlopeFacingPlusY,  // rising towards -Y
    SlopeFacingPlusX,  // rising towards -X
    SlopeFacingMinusY, // rising towards +Y
    RoofColourCount
};

// A corner of a face as an offset from the frame's low corner, in model units.
struct TFramePoint {
    double X, Y, Z;
};

// The frame sides in quarter-turn order; a brick of turn t has world side s (same order, +Y
// first) on frame side (s + t) mod 4.
enum TFrameSide { FrameFront, FrameLeft, FrameBack, FrameRight };

class TRoofFrame {
public:
    // Reads the brush colour and Shaded that the brick's paint preparation left behind; the
    // face colours come through the context's memo of scaled colours.
    TRoofFrame(const TBlock& brick, TDrawObject& target, TDrawContext& context);

    TDrawObject& Target;
    int Turn;            // 0 to 3
    double SX, SY, SZ;   // extents in the frame: SX and SY exchanged for odd turns
    double H, W;         // ridge positions: SY div 2 and SX div 2 of the frame
    int AzimuthWithTurn; // the azimuth bar's position plus 90 x turn, not reduced

    // Faces kept here instead of drawn, when set.
    TFaceList* Faces = nullptr;

    // One filled and outlined polygon of up to five corners.
    void Face(TRoofColour colour, std::initializer_list<TFramePoint> corners) const;

    // The vertical strips under the slopes: 6 high along the front, back and left edges.
    void FrontLip() const;
    void BackLip() const;
    void LeftLip() const;

    // The frame side facing world side s (0 +Y, 1 -X, 2 -Y, 3 +X).
    TFrameSide SideFacing(int worldSide) const { return TFrameSide((worldSide + Turn) & 3); }

private:
    const TViewState& View;
    double X, Y, Z; // low corner in the frame
    std::array<TColour, RoofColourCount> Colours;
};

// The two world sides an octant sees, in drawing order (0 +Y, 1 -X, 2 -Y, 3 +X).
extern const int RoofSideOrder[8][2];
