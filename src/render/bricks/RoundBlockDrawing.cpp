// The round brick: a cylinder of two ellipses joined by a rectangle, studs within its circle.

#include "model/BlockKinds.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Studs.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/DrawBrick.h"

#include <algorithm>
#include <cmath>

namespace {

bool Within(int n, int low, int high) {
    return n >= low && n <= high;
}

bool BothIn(int i, int j, std::initializer_list<int> set) {
    return std::find(set.begin(), set.end(), i) != set.end() &&
           std::find(set.begin(), set.end(), j) != set.end();
}

// Whether stud (i, j), both counted from 1, lies inside the circle of a diameter.
bool StudInCircle(int32_t diameter, int i, int j) {
    switch (diameter) {
    case 60:
        return i == 2 || j == 2;
    case 80:
        return Within(i, 2, 3) || Within(j, 2, 3);
    case 100:
        return Within(i, 2, 4) || Within(j, 2, 4);
    case 120:
        return Within(i, 3, 4) || Within(j, 3, 4) || BothIn(i, j, {2, 5});
    case 140:
        return Within(i, 3, 5) || Within(j, 3, 5) || BothIn(i, j, {2, 6});
    case 160:
        return Within(i, 4, 5) || Within(j, 4, 5) || BothIn(i, j, {2, 3, 6, 7});
    default:
        return diameter < 60;
    }
}

// A screen offset scaled from a brick height, held where the raster code can add a few.
int ScaledOffset(int32_t height, int brickUp) {
    int64_t offset = int64_t(height) * brickUp / 24;
    return int(std::clamp<int64_t>(offset, -int64_t(ScreenLimit), int64_t(ScreenLimit)));
}

// The ellipses' half axes, the top's raise and the bottom's centre on screen.
struct TRoundShape {
    int A, B, HX, HY;
    TPoint C;
};

TRoundShape RoundShapeOf(const TBlock& brick, const TDrawContext& context) {
    const TViewState& view = context.View;
    return {RoundHalfEven(brick.SX / 2.0 * view.ViewScale),
            RoundHalfEven(std::fabs(std::cos(double(view.TiltA))) * brick.SY / 2 * view.ViewScale),
            ScaledOffset(brick.SZ, context.Studs.BrickUp.X),
            ScaledOffset(brick.SZ, context.Studs.BrickUp.Y),
            ProjectPoint(view, double(brick.X) + brick.SX / 2, double(brick.Y) + brick.SY / 2,
                         brick.Z)};
}

enum TRoundPart { Body, Bottom, Side, Top, StudsOnTop, Ring };

} // namespace

TRect RoundBodyBox(const TBlock& brick, const TDrawContext& context) {
    if (brick.SX == 0)
        return {0, 0, -1, -1};
    const TRoundShape s = RoundShapeOf(brick, context);
    // The ellipses' boxes as drawn, the top one raised; the side lies between them.
    return {std::min(s.C.X - s.A, s.C.X - s.A + s.HX), std::min(s.C.Y - s.B, s.C.Y - s.B + s.HY),
            std::max(s.C.X + s.A + 1, s.C.X + s.A + s.HX + 1),
            std::max(s.C.Y + s.B + 1, s.C.Y + s.B + s.HY + 1)};
}

void TRoundBlockDrawer::Draw(TDrawObject& target) {
    if (Brick.SX == 0)
        return;
    TDrawContext& context = DrawContextOf(target);
    // Shading changes only the pen: the brush keeps the brick colour.
    PrepareBrickPaint(Brick, target.Canvas(), context);
    DrawParts(target, false);
    ResetAfterDraw(target.Canvas(), context);
}

bool TRoundBlockDrawer::DrawNearestFirst(TDrawObject& target) {
    if (!PrepareNearestFirst(Brick, target))
        return false;
    // The studs or tube ring come after the parts, which leave opaque writers.
    target.FastSurface()->SetBlending(false);
    DrawParts(target, true);
    ResetAfterDraw(target.Canvas(), DrawContextOf(target));
    return true;
}

void TRoundBlockDrawer::DrawParts(TDrawObject& target, bool nearestFirst) {
    TDrawContext& context = DrawContextOf(target);
    TCanvas& canvas = target.Canvas();
    const TViewState& view = context.View;
    const TRoundShape shape = RoundShapeOf(Brick, context);
    const int a = shape.A, b = shape.B, hx = shape.HX, hy = shape.HY;
    const TPoint c = shape.C;

    const auto draw = [&](TRoundPart part) {
        switch (part) {
        case Body:
            target.Rectangle(c.X - a + hx, c.Y + hy, c.X + a + 1, c.Y);
            break;
        case Bottom:
            target.Ellipse(c.X - a, c.Y - b, c.X + a + 1, c.Y + b + 1);
            break;
        case Top:
            target.Ellipse(c.X - a + hx, c.Y - b + hy, c.X + a + hx + 1, c.Y + b + hy + 1);
            break;
        case Side: { // without its outline, over the near half of the first ellipse
            const TColour pen = canvas.Pen.Colour;
            canvas.Pen.Colour = canvas.Brush.Colour;
            target.Rectangle(c.X - a + hx + 1, c.Y + hy, c.X + a, c.Y);
            canvas.Pen.Colour = pen;
            break;
        }
        case StudsOnTop:
            if (Brick.Studs && !context.StudsHidden)
                DrawStuds(target);
            break;
        case Ring:
            DrawTubeRing(target, context, c.X, c.Y);
            break;
        }
    };
    // Each part is drawn opaquely in one pen and brush: nearest first they come the other way.
    static constexpr TRoundPart Above[] = {Body, Bottom, Side, Top, StudsOnTop};
    static constexpr TRoundPart Below[] = {Body, Top, Side, Bottom, Ring};
    const TRoundPart* parts = view.Octant < 4 ? Above : Below;
    for (int k = 0; k < 5; ++k)
        draw(parts[nearestFirst ? 4 - k : k]);
}

void TRoundBlockDrawer::DrawStuds(TDrawObject& target) {
    const TDrawContext& context = DrawContextOf(target);
    double baseX = double(Brick.X) + 10, baseY = double(Brick.Y) + 10, z = double(Brick.FarZ());
    TStudWindow window = StudWindowFor(target, context, Brick, baseX, baseY, z, true);
    int iFirst = 0, iLast = Brick.SX / 20 - 1;
    window.Columns(iFirst, iLast);
    for (int i = iFirst; i <= iLast; ++i) {
        int jFirst = 0, jLast = Brick.SY / 20 - 1;
        window.Rows(i, jFirst, jLast);
        for (int j = jFirst; j <= jLast; ++j) {
            if (!StudInCircle(Brick.SX, i + 1, j + 1))
                continue;
            TPoint centre = ProjectPoint(context.View, baseX + 20.0 * i, baseY + 20.0 * j, z);
            DrawStud(target, context, centre.X, centre.Y);
        }
    }
}
