#include "exchange/instructions/StepPicture.h"

#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Scene.h"
#include "render/View.h"
#include "render/ViewControls.h"

#include <algorithm>
#include <climits>

namespace {

int32_t Lightened(int32_t colour, int percent) {
    auto toward = [percent](int channel) { return channel + (255 - channel) * percent / 100; };
    return int32_t(RGB(toward(RedOf(TColour(colour))), toward(GreenOf(TColour(colour))),
                       toward(BlueOf(TColour(colour)))));
}

// The colour that draws with the transparency hatch whatever the flag says.
constexpr int32_t HatchColour = 0xFFFF00;

} // namespace

void FitWholeModel(TViewState& view, const TBlockList& model, int width, int height, float fill) {
    TModelBounds bounds;
    for (const auto& brick : model.Items())
        bounds.Add(*brick);
    if (model.Count() == 0)
        bounds = {0, 0, 0, 0, 0, 0};
    TViewState unit = view;
    unit.ViewScale = 1;
    unit.OriginX = unit.OriginY = 0;
    double left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (int corner = 0; corner < 8; ++corner) {
        TPoint p = ProjectPoint(unit, double(corner & 1 ? bounds.MaxX : bounds.MinX),
                                double(corner & 2 ? bounds.MaxY : bounds.MinY),
                                double(corner & 4 ? bounds.MaxZ : bounds.MinZ));
        left = std::min(left, double(p.X)), right = std::max(right, double(p.X));
        top = std::min(top, double(p.Y)), bottom = std::max(bottom, double(p.Y));
    }
    const double scale =
        fill * std::min(width / std::max(1.0, right - left), height / std::max(1.0, bottom - top));
    view.ViewScale = float(scale);
    view.OriginX = float(width / 2.0 - scale * (left + right) / 2);
    view.OriginY = float(height / 2.0 - scale * (top + bottom) / 2);
}

TStepStage::TStepStage(TBlockList& model, const std::vector<TBuildStep>& steps, int k,
                       const TStepStyle& style)
    : Model(model), StepLimit(model.StepLimit) {
    Saved.reserve(size_t(model.Count()));
    for (size_t index = 0; index < steps.size(); ++index)
        for (TBlock* brick : steps[index].Bricks) {
            Saved.push_back({brick, brick->Step, brick->Colour, brick->Transparent});
            brick->Step = int32_t(index);
            if (style.LightenEarlier && int(index) < k) {
                brick->Transparent = brick->Transparent || brick->Colour == HatchColour;
                brick->Colour = Lightened(brick->Colour, style.LightenPercent);
            }
        }
    model.StepLimit = k;
}

TStepStage::~TStepStage() {
    for (const TSaved& saved : Saved) {
        saved.Brick->Step = saved.Step;
        saved.Brick->Colour = saved.Colour;
        saved.Brick->Transparent = saved.Transparent;
    }
    Model.StepLimit = StepLimit;
}

void RenderPictureRows(TBlockList& model, TDrawContext& context, int width, int height, int top,
                       TBitmap& band, TColour background) {
    band.SetPixelFormat(TPixelFormat::pf32bit);
    band.SetSize(width, band.Height());
    context.ComputeStudMetrics();
    const int octant = context.View.Octant;
    model.CurrentOctant = octant;
    if (model.SortedOctant != octant && model.Count() > 1)
        model.Sort(octant);
    TCanvas canvas(band);
    canvas.ShowRows(top, height);
    TDrawObject target = TDrawObject::CreateForBand(band, canvas);
    target.Context = &context;
    canvas.Brush.Colour = background;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    target.FillRect({0, 0, width, height});
    DrawAll(model, target, false);
}
