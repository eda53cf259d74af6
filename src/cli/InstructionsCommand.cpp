// instructions MODEL -o OUT.pdf [options]: the building instructions as a PDF booklet.

#include "base/Error.h"
#include "cli/CliCommand.h"
#include "cli/RenderOptions.h"
#include "cli/RenderSetup.h"
#include "exchange/instructions/InstructionBook.h"
#include "exchange/instructions/PdfPainter.h"
#include "exchange/ldraw/LDrawMap.h"

#include <filesystem>
#include <ostream>

namespace {

const char* Usage = "instructions MODEL -o OUT.pdf [options]";

TPageSetup SetupOption(const TCliArgs& args) {
    auto paper = args.Values.find("--page");
    TPageSetup setup =
        PageSetupFor(paper == args.Values.end() ? "A4" : paper->second, args.Has("--landscape"));
    setup.StepsPerPage = IntOption(args, "--steps-per-page", 1, 1, 4);
    if (setup.StepsPerPage == 3)
        throw TError("--steps-per-page must be 1, 2 or 4, not \"3\"");
    setup.Dpi = IntOption(args, "--dpi", 300, 36, 600);
    setup.MaxNew = IntOption(args, "--max-new", DefaultMaxNewBricks, 1, 100000);
    return setup;
}

void RunInstructions(const TCliArgs& args, std::ostream& out) {
    RequirePositionals(args, 1, Usage);
    auto file = args.Values.find("-o");
    if (file == args.Values.end())
        throw TError(std::string("usage: ") + Usage);
    const TPageSetup setup = SetupOption(args);
    TRenderSetup render(args, args.Positionals[0]);
    TLDrawMap& map = LDrawMap();
    map.Load();
    // Pictures are drawn band by band on this thread; the frame threads would only wait.
    render.Context.Threads = nullptr;
    const std::string title = std::filesystem::path(args.Positionals[0]).stem().string();
    TInstructionBook book(render.Model, render.Context, map, title, setup);
    TPdfPainter pdf(file->second, setup.Width, setup.Height);
    for (int page = 0; page < book.PageCount(); ++page)
        book.PaintPage(page, pdf);
    pdf.Finish();
    out << "pages " << book.PageCount() << " steps " << book.StepCount() << "\n";
}

} // namespace

TCliCommand InstructionsCommand() {
    std::vector<TCliOption> options = RenderSetupOptions();
    options.insert(options.end(), {{"-o", true},
                                   {"--page", true},
                                   {"--landscape", false},
                                   {"--steps-per-page", true},
                                   {"--dpi", true},
                                   {"--max-new", true}});
    return {"instructions",
            "instructions MODEL -o OUT.pdf [options]\n"
            "                              writes the building instructions of MODEL as a PDF: "
            "a\n"
            "                              cover, the steps (each with its parts and picture, "
            "the\n"
            "                              earlier steps paler), the parts; prints\n"
            "                                pages N steps M\n"
            "  --page A4|Letter            page size (default A4)\n"
            "  --landscape                 landscape pages (default portrait)\n"
            "  --steps-per-page N          1, 2 or 4 (default 1)\n"
            "  --dpi N                     resolution of the pictures, 36 to 600 (default 300)\n"
            "  --max-new N                 most new bricks in a step when a model with one step\n"
            "                              is split into layers (default 12)\n"
            "  view and display options as for render: --tilt, --azimuth, --shading, --studs,\n"
            "                              --detail, --wireframe, --light, --cut; the picture\n"
            "                              fits the page, whatever --size and --scale-bar say\n",
            options, RunInstructions};
}
