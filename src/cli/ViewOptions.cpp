#include "cli/ViewOptions.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "cli/RenderOptions.h"
#include "model/BlockList.h"
#include "model/ModelFile.h"
#include "render/DrawContext.h"
#include "render/RedrawGate.h"
#include "render/ViewControls.h"

bool HasHeaderLine(const std::string& fileName) {
    for (const std::string& line : SplitLines(ReadWholeFile(fileName)))
        if (!line.empty() && line[0] == '=')
            return true;
    return false;
}

std::vector<int32_t> ViewSizeOption(const TCliArgs& args) {
    auto size = IntListOption(args, "--size", 2, 'x').value_or(std::vector<int32_t>{800, 600});
    if (size[0] < 1 || size[1] < 1)
        throw TError("--size must give a width and height of at least 1");
    return size;
}

void SetView(const TCliArgs& args, const TBlockList& model, bool header, TViewControls& controls,
             TDrawContext& context) {
    if (header)
        controls.ApplyFileView(model.FileRotX, model.FileRotZ, model.FileScaleBar,
                               model.FileOffsetX, model.FileOffsetY, model.FileStuds != 0);
    controls.SetControl(controls.RotX, IntOption(args, "--tilt", controls.RotX.Position));
    controls.SetControl(controls.RotZ, IntOption(args, "--azimuth", controls.RotZ.Position));
    controls.SetControl(controls.ScaleBar,
                        IntOption(args, "--scale-bar", controls.ScaleBar.Position));
    if (auto offset = IntListOption(args, "--offset", 2, ',')) {
        controls.SetControl(controls.OffsetX, (*offset)[0]);
        controls.SetControl(controls.OffsetY, (*offset)[1]);
    }
    if (auto light = IntListOption(args, "--light", 3, ',')) {
        context.Light = {(*light)[0], (*light)[1], (*light)[2]};
        context.ComputeLightFactors();
    }
    if (auto cut = IntListOption(args, "--cut", 6, ',')) {
        TCuttingBox& box = context.Boundary;
        box = {(*cut)[0], (*cut)[1], (*cut)[2], (*cut)[3], (*cut)[4], (*cut)[5], true};
    }
}

TExternalView ExternalViewOption(const TCliArgs& args, const TBlockList& model,
                                 const std::string& modelFile) {
    std::vector<int32_t> size = ViewSizeOption(args);
    TDrawContext context;
    TRedrawGate redraw;
    TViewControls controls(context, redraw);
    controls.FormResize(size[0], size[1]);
    SetView(args, model, HasHeaderLine(modelFile), controls, context);
    return ExternalViewOf(context.View, size[0], size[1],
                          int32_t(HexColourOption(args, "--background", 0xF0F0F0)));
}

std::vector<TCliOption> ViewOptionList() {
    return {{"--size", true},   {"--tilt", true},  {"--azimuth", true},   {"--scale-bar", true},
            {"--offset", true}, {"--studs", true}, {"--background", true}};
}
