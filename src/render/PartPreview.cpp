#include "render/PartPreview.h"

#include "model/Block.h"
#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/bricks/DrawBrick.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr float TwoPi = float(2 * std::numbers::pi);
constexpr float Pi = float(std::numbers::pi);

float Radians(int degrees) {
    return float(degrees * std::numbers::pi / 180);
}

// Restores the shared view however the drawing ends.
struct TViewRestorer {
    TDrawContext& Context;
    TViewState View;
    TStudMetrics Studs;
    explicit TViewRestorer(TDrawContext& context)
        : Context(context), View(context.View), Studs(context.Studs) {}
    ~TViewRestorer() {
        Context.View = View;
        Context.Studs = Studs;
    }
};
} // namespace

void TPreviewAngles::TurnBy(int degrees) {
    Turn += Radians(degrees);
    if (Turn < 0)
        Turn = TwoPi;
    else if (Turn > TwoPi)
        Turn = 0;
}

void TPreviewAngles::TiltBy(int degrees) {
    Tilt = std::clamp(Tilt + Radians(degrees), 0.0f, Pi);
}

void TPreviewAngles::ZoomBy(int tenths) {
    Zoom = std::max(MinPreviewZoom, Zoom + 0.1f * float(tenths));
}

void TPreviewAngles::ShowOctant(int octant) {
    static const int turns[4] = {30, 150, 210, 330};
    Tilt = Radians(octant < 4 ? 60 : 120);
    Turn = Radians(turns[((octant % 4) + 4) % 4]);
}

int DrawPartPreview(TBitmap& bitmap, TDrawContext& context, TBlock& brick,
                    const TPreviewAngles& angles, TColour background) {
    TDrawObject target = TDrawObject::CreateFromBitmap(bitmap);
    target.Context = &context;
    TCanvas& canvas = target.Canvas();
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Colour = background;
    canvas.FillRect({0, 0, bitmap.Width(), bitmap.Height()});

    TViewRestorer restorer(context);
    TViewState& view = context.View;
    view.TiltA = angles.Tilt;
    view.AzimuthC = angles.Turn;
    view.SpinB = 0;
    // Zoom 1 shows the brick's largest side over half the smaller side of the preview.
    int32_t largest = std::max({brick.SX, brick.SY, brick.SZ, int32_t(1)});
    float fit = float(std::min(bitmap.Width(), bitmap.Height())) / 2.0f / float(largest);
    view.ViewScale = angles.Zoom * fit;
    view.OriginX = view.OriginY = 0;
    ComputeViewMatrix(view);
    TPoint centre =
        ProjectPoint(view, double(brick.X) + brick.SX / 2.0, double(brick.Y) + brick.SY / 2.0,
                     double(brick.Z) + brick.SZ / 2.0);
    view.OriginX = float(bitmap.Width() / 2 - centre.X);
    view.OriginY = float(bitmap.Height() / 2 - centre.Y);
    context.ComputeStudMetrics();
    int octant = view.Octant;
    DrawBrick(brick, target);
    return octant;
}
