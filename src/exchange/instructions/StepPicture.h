#pragma once
// The picture of one building step: the model up to that step, through the scene renderer, in
// a view fitted once to the whole model so it keeps its place from page to page. The bricks of
// earlier steps are drawn lighter, so the new ones stand out on a grey-scale print too.

#include "exchange/instructions/BuildSteps.h"
#include "raster/Colour.h"

#include <cstdint>
#include <vector>

class TBitmap;
class TBlockList;
class TDrawContext;
struct TViewState;

// The view's angles kept, its scale and origin set so the whole model fills `fill` of a
// picture of width x height, centred.
void FitWholeModel(TViewState& view, const TBlockList& model, int width, int height,
                   float fill = 0.94f);

struct TStepStyle {
    bool LightenEarlier = true;
    int LightenPercent = 60; // how far toward white the earlier steps are drawn
    TColour Background = 0xFFFFFF;
};

// While it lives, the model draws as at step k: each brick's step is its building step's index
// and the step limit is k; with the style's lightening, the bricks of earlier steps are paler.
// Everything is put back when it ends.
class TStepStage {
public:
    TStepStage(TBlockList& model, const std::vector<TBuildStep>& steps, int k,
               const TStepStyle& style);
    ~TStepStage();
    TStepStage(const TStepStage&) = delete;
    TStepStage& operator=(const TStepStage&) = delete;

private:
    struct TSaved {
        TBlock* Brick;
        int32_t Step, Colour;
        bool Transparent;
    };
    TBlockList& Model;
    int32_t StepLimit;
    std::vector<TSaved> Saved;
};

// Rows top .. top + band height - 1 of a width x height picture of the model as staged, in
// the context's view, into band (32 bits, sized to the picture's width). The pixels are those
// of the same rows of one picture-sized render.
void RenderPictureRows(TBlockList& model, TDrawContext& context, int width, int height, int top,
                       TBitmap& band, TColour background);

// Rows a picture band holds: small enough that a page at any resolution needs little memory.
constexpr int PictureBandRows = 256;
