// render MODEL -o OUT [options]: the frame the main view would show, saved as a picture.

#include "base/Error.h"
#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "cli/RenderOptions.h"
#include "cli/ViewOptions.h"
#include "exchange/LoadModel.h"
#include "exchange/Picture.h"
#include "model/ModelFile.h"
#include "raster/Bitmap.h"
#include "raster/PictureFiles.h"
#include "render/DrawContext.h"
#include "render/RedrawGate.h"
#include "render/Scene.h"
#include "render/ViewControls.h"

#include <ostream>

namespace {

const char* Usage = "render MODEL -o OUT [options]";

TPixelFormat PixelFormatOption(const TCliArgs& args) {
    auto it = args.Values.find("--bpp");
    if (it == args.Values.end())
        return TPixelFormat::pf32bit;
    const std::string& text = it->second;
    if (text == "device")
        return TPixelFormat::pfDevice;
    static const std::pair<const char*, TPixelFormat> Formats[] = {{"8", TPixelFormat::pf8bit},
                                                                   {"15", TPixelFormat::pf15bit},
                                                                   {"16", TPixelFormat::pf16bit},
                                                                   {"24", TPixelFormat::pf24bit},
                                                                   {"32", TPixelFormat::pf32bit}};
    for (const auto& [name, format] : Formats)
        if (text == name)
            return format;
    throw TError("--bpp must be 8, 15, 16, 24, 32 or device, not \"" + text + "\"");
}

void SetDisplayOptions(const TCliArgs& args, TDrawContext& context) {
    context.Shading = args.Has("--shading");
    // Quality 3 hides the studs; so does a header that had them hidden, whatever the quality.
    int studs = IntOption(args, "--studs", 0, 0, 3);
    context.SetStudStyle(studs);
    if (studs == 3)
        context.StudsHidden = true;
    context.ChooseDetail(IntOption(args, "--detail", 0, 0, 2));
    context.SeeThroughBaseplate = args.Has("--see-through-baseplate");
    if (args.Has("--wireframe"))
        context.SetWireFrame(true);
}

void RunRender(const TCliArgs& args, std::ostream&) {
    RequirePositionals(args, 1, Usage);
    auto out = args.Values.find("-o");
    if (out == args.Values.end())
        throw TError(std::string("usage: ") + Usage);
    std::vector<int32_t> size = ViewSizeOption(args);
    int variant = IntOption(args, "--variant", 0);
    if (variant != 0 && variant != 1 && variant != 2 && variant != 4 && variant != 8)
        throw TError("--variant must be 0, 1, 2, 4 or 8, not \"" + std::to_string(variant) + "\"");
    TPixelFormat format = PixelFormatOption(args);
    bool antiAliased = args.Has("--antialias");
    if (antiAliased)
        format = TPixelFormat::pf32bit;

    const std::string& modelFile = args.Positionals[0];
    TBlockList model; // loaded in octant 0, as a freshly started program is
    LoadModel(model, modelFile, LoadWhole);
    model.StepLimit = IntOption(args, "--step-limit", 0);

    TDrawContext context;
    TRedrawGate redraw;
    TViewControls controls(context, redraw);
    controls.FormResize(size[0], size[1]);
    SetView(args, model, HasHeaderLine(modelFile), controls, context);
    SetDisplayOptions(args, context);

    TBackground background;
    background.Colour = HexColourOption(args, "--background", 0xF0F0F0);
    TBitmap view(size[0], size[1], format);
    PaintFrame(model, view, context, background, antiAliased);

    TPictureFrame frame{0, 0, size[0], size[1]};
    if (auto given = IntListOption(args, "--frame", 4, ','))
        frame = {(*given)[0], (*given)[1], (*given)[2], (*given)[3]};
    auto picture = MakePicture(variant, frame, view, model, context, background);
    WritePictureFile(*picture, out->second);
}

} // namespace

TCliCommand RenderCommand() {
    return {
        "render",
        "render MODEL -o OUT [options]\n"
        "                              loads MODEL as a whole model and renders the frame the\n"
        "                              main view would show, then saves it (\".jpg\" anywhere in\n"
        "                              the lower-case name: JPEG; else \".png\": PNG; else BMP)\n"
        "  --size WxH                  view size (default 800x600)\n"
        "  --tilt T --azimuth A --scale-bar S --offset X,Y\n"
        "                              integer control positions (defaults: the file header's\n"
        "                              values; without a header 70, 30, 10, 0,0), each clamped\n"
        "                              to its control's range\n"
        "  --shading                   shading on (default off)\n"
        "  --studs Q                   stud quality 0 fast, 1 better, 2 best, 3 none (default\n"
        "                              0); a header whose studs value is 0 also hides them\n"
        "  --detail D                  detail level 0, 1 or 2 (default 0)\n"
        "  --wireframe  --see-through-baseplate\n"
        "  --antialias                 anti-aliased frame; switches the view to 32 bits first\n"
        "  --bpp N                     8, 15, 16, 24, 32 or device (default 32)\n"
        "  --background RRGGBB         view colour as hex red-green-blue (default F0F0F0)\n"
        "  --light X,Y,Z               light vector (default -7,0,10)\n"
        "  --step-limit N              model step limit (default 0)\n"
        "  --cut XL,XH,YL,YH,ZL,ZH     boundary box in force (default: only -19999 <= Z and\n"
        "                              Z + SZ <= 19999 are tested)\n"
        "  --frame L,T,R,B             save this picture frame instead of the whole view\n"
        "  --variant V                 0, 1, 2, 4 or 8 (default 0); without --frame the frame is\n"
        "                              the whole view\n",
        {{"-o", true},
         {"--size", true},
         {"--tilt", true},
         {"--azimuth", true},
         {"--scale-bar", true},
         {"--offset", true},
         {"--shading", false},
         {"--studs", true},
         {"--detail", true},
         {"--wireframe", false},
         {"--see-through-baseplate", false},
         {"--antialias", false},
         {"--bpp", true},
         {"--background", true},
         {"--light", true},
         {"--step-limit", true},
         {"--cut", true},
         {"--frame", true},
         {"--variant", true}},
        RunRender};
}
