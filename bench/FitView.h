#pragma once
// Fitting a generated model into a picture, shared by the benchmarks and the whole-frame tests.

#include "base/Geometry.h"
#include "model/BlockList.h"
#include "render/View.h"

// The screen box of the model's bounding box under the view's angles, at scale 1 and origin 0.
TRect ProjectedBox(const TBlockList& model, TViewState view);

// Scales and centres the view so that the model's projected box fills `zoom` of the picture.
void FitView(TViewState& view, const TBlockList& model, int width, int height, float zoom);
