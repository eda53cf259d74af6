#include "render/bricks/RoofFrame.h"

#include "model/Block.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Shading.h"
#include "render/bricks/FaceList.h"

#include <cassert>
#include <cmath>
#include <numbers>

const int RoofSideOrder[8][2] = {{1, 0}, {1, 2}, {3, 2}, {3, 0}, {0, 1}, {2, 1}, {2, 3}, {0, 3}};

namespace {

// Light factor class (1 to 7) of each face colour for turns 0 to 3: the class of the world
// direction the face points to once the frame is turned.
constexpr int FaceClass[RoofColourCount][4] = {
    {2, 1, 2, 1}, {1, 2, 1, 2}, {3, 3, 3, 3}, {5, 6, 7, 4},
    {6, 7, 4, 5}, {7, 4, 5, 6}, {4, 5, 6, 7},
};

// The azimuth bar's position: the view angle was made from its whole degrees.
int AzimuthPosition(const TViewState& view) {
    return int(std::lround(double(view.AzimuthC) * 180.0 / std::numbers::pi));
}

} // namespace

TRoofFrame::TRoofFrame(const TBlock& brick, TDrawObject& target, TDrawContext& context)
    : Target(target), Turn(brick.Turn & 3), View(context.View) {
    // Wide arithmetic: the frame corner of a brick near the edge of the range must not wrap.
    double lowX = brick.X, lowY = brick.Y, sizeX = brick.SX, sizeY = brick.SY;
    switch (Turn) {
    case 0:
        X = lowX, Y = lowY;
        break;
    case 1:
        X = -lowY - sizeY, Y = lowX;
        break;
    case 2:
        X = -lowX - sizeX, Y = -lowY - sizeY;
        break;
    default:
        X = lowY, Y = -lowX - sizeX;
        break;
    }
    Z = brick.Z;
    int32_t frameSX = (Turn & 1) != 0 ? brick.SY : brick.SX;
    int32_t frameSY = (Turn & 1) != 0 ? brick.SX : brick.SY;
    SX = frameSX, SY = frameSY, SZ = brick.SZ;
    W = frameSX / 2, H = frameSY / 2;
    AzimuthWithTurn = AzimuthPosition(context.View) + 90 * Turn;
    TColour brush = target.Canvas().Brush.Colour;
    for (int i = 0; i < RoofColourCount; ++i)
        Colours[i] = context.Shaded
                         ? TColour(context.ScaledColours.Scale(
                               int32_t(brush), context.LightFactor[FaceClass[i][Turn] - 1]))
                         : brush;
}

void TRoofFrame::Face(TRoofColour colour, std::initializer_list<TFramePoint> corners) const {
    assert(corners.size() <= 5);
    TPoint drawn[5];
    TPoint* points = Faces ? Faces->Next() : drawn;
    int count = 0;
    for (const TFramePoint& p : corners)
        points[count++] = ProjectPoint(View, X + p.X, Y + p.Y, Z + p.Z, Turn);
    Target.Canvas().Brush.Colour = Colours[colour];
    if (!Faces) {
        Target.Polygon(points, count - 1);
        return;
    }
    Faces->Keep(count, Target.Canvas().Pen.Colour, Colours[colour]);
}

void TRoofFrame::FrontLip() const {
    Face(FaceAcrossY, {{0, SY, 0}, {SX, SY, 0}, {SX, SY, 6}, {0, SY, 6}});
}

void TRoofFrame::BackLip() const {
    Face(FaceAcrossY, {{0, 0, 0}, {SX, 0, 0}, {SX, 0, 6}, {0, 0, 6}});
}

void TRoofFrame::LeftLip() const {
    Face(FaceAcrossX, {{0, 0, 0}, {0, SY, 0}, {0, SY, 6}, {0, 0, 6}});
}
