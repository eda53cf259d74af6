#pragma once
// The edits that fit the L3P converter's "test.pov" to the main view: colour fixes, the view's
// background, and a camera looking from the view's direction at the middle of the model.

#include "exchange/external/ExternalView.h"

#include <string>
#include <vector>

void PatchL3PScene(std::vector<std::string>& lines, const TExternalView& view,
                   const TModelBounds& bounds);
