#pragma once
// The POV-Ray scene of the L2P route: the converter's "test.inc" placed under lights and a
// camera that looks at the model from the main view's direction.

#include "exchange/external/ExternalView.h"

#include <string>
#include <vector>

// The camera's distance factor: 9 times the cube root of the model's largest extent.
double L2PCameraDistance(const TModelBounds& bounds);

// The 23 lines of "TS_test.pov".
std::vector<std::string> L2PSceneLines(const TExternalView& view, const TModelBounds& bounds);

// "<povray> +I<scene> -V +W320 +H240".
std::string PovRayCommand(const std::string& povRayEng, const std::string& sceneFile);

// The background colour as POV-Ray text, each channel divided by 255.
std::string PovBackground(int32_t colour);
