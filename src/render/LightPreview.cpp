#include "render/LightPreview.h"

#include "render/DrawContext.h"

void PreviewLight(TDrawContext& context, const TLightVector& trial,
                  const std::function<void()>& redraw) {
    TLightVector remembered = context.Light;
    context.Light = trial;
    context.ComputeLightFactors();
    if (redraw)
        redraw();
    context.Light = remembered;
}

void ApplyLight(TDrawContext& context, const TLightVector& light) {
    context.Light = light;
    context.ComputeLightFactors();
}
