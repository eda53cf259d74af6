#include "cli/RenderSetup.h"

#include "base/Error.h"
#include "cli/RenderOptions.h"
#include "cli/ViewOptions.h"
#include "exchange/LoadModel.h"
#include "exchange/ldraw/shapes/LDrawShapes.h"
#include "render/ZoomToFit.h"

namespace {
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

} // namespace

TRenderSetup::TRenderSetup(const TCliArgs& args, const std::string& modelFile) {
    std::vector<int32_t> size = ViewSizeOption(args);
    TPixelFormat format = PixelFormatOption(args);
    const int threads = IntOption(args, "--threads", TDrawingThreads::CoreCount(), 1, 1024);
    AntiAliased = args.Has("--antialias");
    if (AntiAliased)
        format = TPixelFormat::pf32bit;

    std::unique_ptr<TLDrawShapes> shapes = LDrawLibOption(args);
    LoadModel(Model, modelFile, LoadWhole, 0, shapes.get());
    Model.StepLimit = IntOption(args, "--step-limit", 0);
    Controls.FormResize(size[0], size[1]);
    SetView(args, Model, HasHeaderLine(modelFile), Controls, Context);
    if (args.Has("--fit"))
        if (std::optional<TZoomFit> fit = ZoomToFit(Context.View, Model, size[0], size[1])) {
            Controls.SetControl(Controls.ScaleBar, fit->ScaleBar);
            Controls.SetControl(Controls.OffsetX, fit->OffsetX);
            Controls.SetControl(Controls.OffsetY, fit->OffsetY);
        }
    SetDisplayOptions(args, Context);
    Background.Colour = HexColourOption(args, "--background", 0xF0F0F0);
    View.SetPixelFormat(format);
    View.SetSize(size[0], size[1]);
    Threads = std::make_unique<TDrawingThreads>(threads);
    Context.Threads = Threads.get();
}

const std::vector<TCliOption>& RenderSetupOptions() {
    static const std::vector<TCliOption> options = {
        {"--size", true},       {"--tilt", true},
        {"--azimuth", true},    {"--scale-bar", true},
        {"--offset", true},     {"--shading", false},
        {"--studs", true},      {"--detail", true},
        {"--wireframe", false}, {"--see-through-baseplate", false},
        {"--antialias", false}, {"--bpp", true},
        {"--background", true}, {"--light", true},
        {"--step-limit", true}, {"--cut", true},
        {"--threads", true},    {"--ldraw-lib", true},
        {"--fit", false}};
    return options;
}

const char* RenderSetupHelp =
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
    "  --threads N                 draw on N threads, 1 to 1024 (default: one per core);\n"
    "                              the pictures are the same for every N\n"
    "  --ldraw-lib DIR             draw LDraw parts no mapping row serves from the LDraw\n"
    "                              library DIR\n"
    "  --fit                       zoom and shift the view so the whole model shows at the\n"
    "                              view's tilt and azimuth (after the options above)\n";
