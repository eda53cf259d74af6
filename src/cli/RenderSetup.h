#pragma once
// What the render and sequence commands share: the model loaded as the window would load it,
// the view and display options in force, and the view bitmap of the asked size.

#include "cli/CliCommand.h"
#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "render/DrawContext.h"
#include "render/DrawingThreads.h"
#include "render/RedrawGate.h"
#include "render/Scene.h"
#include "render/ViewControls.h"

#include <memory>
#include <string>
#include <vector>

struct TRenderSetup {
    // Checks --size and --bpp, loads the model, then sets the view and display options.
    TRenderSetup(const TCliArgs& args, const std::string& modelFile);

    std::unique_ptr<TDrawingThreads> Threads; // --threads, all cores by default
    TBlockList Model;                         // loaded in octant 0, as a freshly started program is
    TDrawContext Context;
    TRedrawGate Redraw;
    TViewControls Controls{Context, Redraw};
    TBitmap View;
    TBitmap Supersampled; // the anti-aliased frame's double-size render, kept between frames
    TBackground Background;
    bool AntiAliased = false;

    void Paint() { PaintFrame(Model, View, Context, Background, AntiAliased, &Supersampled); }
};

// The options of the view, the display and the model that both commands take, and their help
// from --tilt on (each command explains --size itself).
const std::vector<TCliOption>& RenderSetupOptions();
extern const char* RenderSetupHelp;
