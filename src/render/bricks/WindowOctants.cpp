// The order in which each local octant draws the faces of a window or door.

#include "render/bricks/BrickDrawers.h"

#include <cstddef>

namespace {

// The face operations each octant calls, farthest first; pointers to virtual members, so a
// door or a wheel draws its own faces.
using TFaceOp = void (TWindowDrawer::*)(TDrawObject&);
using W = TWindowDrawer;

constexpr TFaceOp Octant0[] = {&W::WindowRightInner, &W::WindowExtra1,  &W::WindowSillSlope,
                               &W::WindowSillRiser,  &W::WindowSillTop, &W::WindowGlass,
                               &W::WindowInset,      &W::WindowFront,   &W::WindowLeftOuter,
                               &W::WindowTop};
constexpr TFaceOp Octant1[] = {&W::WindowFront,   &W::WindowRightInner, &W::WindowInset,
                               &W::WindowSillTop, &W::WindowGlass,      &W::WindowSillBack,
                               &W::WindowExtra1,  &W::WindowLeftOuter,  &W::WindowBack,
                               &W::WindowTop};
constexpr TFaceOp Octant2[] = {&W::WindowFront,   &W::WindowLeftInner,  &W::WindowInset,
                               &W::WindowSillTop, &W::WindowGlass,      &W::WindowSillBack,
                               &W::WindowExtra1,  &W::WindowRightOuter, &W::WindowBack,
                               &W::WindowTop};
constexpr TFaceOp Octant3[] = {&W::WindowLeftInner, &W::WindowExtra1,     &W::WindowInset,
                               &W::WindowSillSlope, &W::WindowSillRiser,  &W::WindowSillTop,
                               &W::WindowGlass,     &W::WindowRightOuter, &W::WindowFront,
                               &W::WindowTop};
constexpr TFaceOp Octant4[] = {&W::WindowLintel,    &W::WindowRightInner, &W::WindowGlass,
                               &W::WindowExtra1,    &W::WindowSillStep,   &W::WindowInset,
                               &W::WindowSillRiser, &W::WindowSillSlope,  &W::WindowFront,
                               &W::WindowLeftOuter, &W::WindowBottom};
constexpr TFaceOp Octant5[] = {&W::WindowFront,      &W::WindowLintel, &W::WindowSillStep,
                               &W::WindowRightInner, &W::WindowGlass,  &W::WindowInset,
                               &W::WindowSillBack,   &W::WindowExtra1, &W::WindowBack,
                               &W::WindowLeftOuter,  &W::WindowBottom};
constexpr TFaceOp Octant6[] = {&W::WindowFront,      &W::WindowLintel, &W::WindowSillStep,
                               &W::WindowLeftInner,  &W::WindowGlass,  &W::WindowInset,
                               &W::WindowSillBack,   &W::WindowExtra1, &W::WindowBack,
                               &W::WindowRightOuter, &W::WindowBottom};
constexpr TFaceOp Octant7[] = {&W::WindowLintel,     &W::WindowLeftInner, &W::WindowGlass,
                               &W::WindowExtra1,     &W::WindowSillStep,  &W::WindowInset,
                               &W::WindowSillRiser,  &W::WindowSillSlope, &W::WindowFront,
                               &W::WindowRightOuter, &W::WindowBottom};

template <size_t N>
void DrawFaces(TWindowDrawer& window, TDrawObject& target, const TFaceOp (&faces)[N]) {
    for (TFaceOp face : faces)
        (window.*face)(target);
}

} // namespace

void TWindowDrawer::DrawOctant(TDrawObject& target, int octant) {
    switch (octant) {
    case 0:
        DrawFaces(*this, target, Octant0);
        break;
    case 1:
        DrawFaces(*this, target, Octant1);
        break;
    case 2:
        DrawFaces(*this, target, Octant2);
        break;
    case 3:
        DrawFaces(*this, target, Octant3);
        break;
    case 4:
        DrawFaces(*this, target, Octant4);
        break;
    case 5:
        DrawFaces(*this, target, Octant5);
        break;
    case 6:
        DrawFaces(*this, target, Octant6);
        break;
    default:
        DrawFaces(*this, target, Octant7);
        break;
    }
}
