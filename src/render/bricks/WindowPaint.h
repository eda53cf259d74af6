#pragma once
// What the face operations of windows, doors and wheels share while one of them draws: the
// brick frame, the colours of the face classes and the drawing of frame polygons.

#include "base/Geometry.h"
#include "raster/Colour.h"
#include "render/bricks/TurnFrame.h"

#include <initializer_list>

class TDrawObject;
struct TFaceList;
struct TViewState;

// Colour classes of the frame faces: 1 across X, 2 across Y, 3 flat, 5 the sill slope.
enum class TFaceClass { Class1, Class2, Class3, Class5 };

struct TWindowPaint {
    TTurnFrame Frame;
    TColour Class1 = 0, Class2 = 0, Class3 = 0, Class5 = 0;
    TColour Glass = 0xFFFFFF;
    // Faces kept here instead of drawn, when set.
    TFaceList* Faces = nullptr;
};

// The window, door or wheel being drawn; set by TWindow::Draw. Drawing runs on one thread.
TWindowPaint& WindowPaint();

struct TWindowPoint {
    double X, Y, Z;
};

// The longest polygon of the frame shapes.
constexpr int MaxFramePoints = 8;

// Projects up to MaxFramePoints frame points with the view rows of the frame's turn; returns
// how many were written.
int ProjectFramePoints(const TViewState& view, const TTurnFrame& frame,
                       std::initializer_list<TWindowPoint> points, TPoint* out);

// One polygon of 3 to MaxFramePoints points in the current pen and brush, or kept.
void FacePolygon(TDrawObject& target, const TPoint* points, int count);

// One polygon filled in the colour of its class, with the current pen and brush style.
void FramePolygon(TDrawObject& target, TFaceClass colourClass,
                  std::initializer_list<TWindowPoint> points);
