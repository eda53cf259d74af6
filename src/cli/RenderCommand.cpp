// render MODEL -o OUT [options]: the frame the main view would show, saved as a picture.

#include "base/DeferredSync.h"
#include "base/Error.h"
#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "cli/RenderOptions.h"
#include "cli/RenderSetup.h"
#include "cli/ViewOptions.h"
#include "exchange/pictures/Picture.h"
#include "raster/PictureFiles.h"

#include <ostream>

namespace {

const char* Usage = "render MODEL -o OUT [options]";

void RunRender(const TCliArgs& args, std::ostream&) {
    RequirePositionals(args, 1, Usage);
    auto out = args.Values.find("-o");
    if (out == args.Values.end())
        throw TError(std::string("usage: ") + Usage);
    ViewSizeOption(args); // a bad size is reported before a bad variant, as it always was
    int variant = IntOption(args, "--variant", 0);
    if (variant != 0 && variant != 1 && variant != 2 && variant != 4 && variant != 8)
        throw TError("--variant must be 0, 1, 2, 4 or 8, not \"" + std::to_string(variant) + "\"");
    TRenderSetup setup(args, args.Positionals[0]);
    // The other variants render the picture afresh; the view itself would be drawn for nothing.
    if (variant == 0)
        setup.Paint();

    TPictureFrame frame{0, 0, setup.View.Width(), setup.View.Height()};
    if (auto given = IntListOption(args, "--frame", 4, ','))
        frame = {(*given)[0], (*given)[1], (*given)[2], (*given)[3]};
    TDeferredSync sync;
    WritePicture(variant, frame, setup.View, setup.Model, setup.Context, setup.Background,
                 out->second, PictureFormatFor(out->second), &sync);
    sync.Finish();
}

} // namespace

TCliCommand RenderCommand() {
    std::vector<TCliOption> options = RenderSetupOptions();
    options.insert(options.end(), {{"-o", true}, {"--frame", true}, {"--variant", true}});
    return {"render",
            std::string("render MODEL -o OUT [options]\n"
                        "                              loads MODEL as a whole model and renders "
                        "the frame the\n"
                        "                              main view would show, then saves it "
                        "(\".jpg\" anywhere in\n"
                        "                              the lower-case name: JPEG; else \".png\": "
                        "PNG; else BMP)\n"
                        "  --size WxH                  view size (default 800x600)\n") +
                RenderSetupHelp +
                "  --frame L,T,R,B             save this picture frame instead of the whole view\n"
                "  --variant V                 0, 1, 2, 4 or 8 (default 0); without --frame the "
                "frame is\n"
                "                              the whole view\n",
            options, RunRender};
}
