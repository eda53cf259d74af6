#pragma once
// The view options shared by render and the external-renderer commands: --size, --tilt,
// --azimuth, --scale-bar, --offset, --light, --cut, --studs, --background.

#include "cli/CliCommand.h"
#include "exchange/external/ExternalView.h"

#include <cstdint>
#include <string>
#include <vector>

class TBlockList;
class TDrawContext;
class TViewControls;

// True when the model file has a header line (a line starting with '=').
bool HasHeaderLine(const std::string& fileName);

// --size as width and height, 800x600 when absent.
std::vector<int32_t> ViewSizeOption(const TCliArgs& args);

// The view as the main window takes it from the file, then the options' positions.
void SetView(const TCliArgs& args, const TBlockList& model, bool header, TViewControls& controls,
             TDrawContext& context);

// The main view the render command would draw, as the external renderers see it.
TExternalView ExternalViewOption(const TCliArgs& args, const TBlockList& model,
                                 const std::string& modelFile);

// The options of that view, for the commands' tables.
std::vector<TCliOption> ViewOptionList();
