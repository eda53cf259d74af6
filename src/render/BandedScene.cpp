#include "render/BandedScene.h"

#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/DrawingThreads.h"
#include "render/Scene.h"
#include "render/bricks/DrawBrick.h"

#include <algorithm>
#include <vector>

namespace {

// What one brick's drawing left on the canvas and the surface, which the next brick drawn may
// read: a band that skips bricks sets it before each brick it draws.
struct TCarriedState {
    TPen Pen;
    TBrush Brush;
    bool Blending = false;
};

bool SameState(const TPen& pen, const TBrush& brush, const TCarriedState& state) {
    return pen.Colour == state.Pen.Colour && brush.Colour == state.Brush.Colour &&
           brush.Style == state.Brush.Style;
}

// A brick to draw, with the rows it reaches and the state it starts from.
struct TBandBrick {
    TBlock* Brick;
    TRowExtent Rows;
    TCarriedState Start;
};

std::vector<TBandBrick> VisibleBricks(const TBlockList& model, const TDrawContext& context) {
    std::vector<TBandBrick> visible;
    visible.reserve(model.Items().size());
    for (const auto& brick : model.Items())
        if (InsideCut(context.Boundary, *brick) && model.StepLimit >= brick->Step)
            visible.push_back({brick.get(), {}, {}});
    return visible;
}

// Measures bricks first .. last - 1, each from the frame's starting state.
void MeasureBricks(TBitmap& bitmap, const TDrawContext& context, const TCarriedState& frameStart,
                   std::vector<TBandBrick>& bricks, std::vector<TCarriedState>& left,
                   std::vector<signed char>& blending, std::vector<char>& changed, size_t first,
                   size_t last) {
    TCanvas canvas(bitmap);
    TDrawContext own = context;
    TDrawMeasure measure;
    TDrawObject target = TDrawObject::Measuring(canvas, measure);
    target.Context = &own;
    for (size_t i = first; i < last; ++i) {
        canvas.Pen = frameStart.Pen;
        canvas.Brush = frameStart.Brush;
        measure = {};
        DrawBrick(*bricks[i].Brick, target);
        bricks[i].Rows = measure.Rows;
        blending[i] = static_cast<signed char>(measure.Blending);
        changed[i] = !SameState(canvas.Pen, canvas.Brush, frameStart);
        left[i] = {canvas.Pen, canvas.Brush, false};
    }
}

void DrawBand(TBitmap& bitmap, const TDrawContext& context, const TBackground& background,
              const TCarriedState& frameStart, const std::vector<TBandBrick>& bricks,
              TRowBand band) {
    TCanvas canvas(bitmap);
    canvas.Band = band;
    canvas.Pen = frameStart.Pen;
    canvas.Brush = frameStart.Brush;
    TDrawContext own = context;
    TDrawObject target = TDrawObject::CreateForBand(bitmap, canvas);
    target.Context = &own;
    if (!background.Picture)
        target.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    TFastDraw* surface = target.FastSurface();
    for (const TBandBrick& brick : bricks) {
        if (!band.Meets(brick.Rows.Top, brick.Rows.Bottom))
            continue;
        canvas.Pen = brick.Start.Pen;
        canvas.Brush = brick.Start.Brush;
        if (surface)
            surface->SetBlending(brick.Start.Blending);
        DrawBrick(*brick.Brick, target);
    }
}

} // namespace

int DefaultBands(int rows, int threads) {
    // More bands than threads evens out bands of more and fewer bricks; more still would draw
    // the bricks across band edges too often.
    return std::clamp(2 * threads, 1, std::max(1, rows));
}

void DrawSceneInBands(const TBlockList& model, TBitmap& bitmap, const TDrawContext& context,
                      const TBackground& background, TDrawingThreads& threads, int bands) {
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Colour = background.Colour;
    if (background.Picture)
        canvas.StretchDraw({0, 0, bitmap.Width(), bitmap.Height()}, *background.Picture);
    const TCarriedState frameStart{canvas.Pen, canvas.Brush, false};

    std::vector<TBandBrick> bricks = VisibleBricks(model, context);
    const size_t count = bricks.size();
    std::vector<TCarriedState> left(count);
    std::vector<signed char> blending(count);
    std::vector<char> changed(count); // not vector<bool>: threads write neighbouring entries
    const int chunks = threads.Count();
    threads.Run(chunks, [&](int chunk) {
        MeasureBricks(bitmap, context, frameStart, bricks, left, blending, changed,
                      count * size_t(chunk) / size_t(chunks),
                      count * size_t(chunk + 1) / size_t(chunks));
    });
    // Each brick starts from what the last brick that changed anything left.
    TCarriedState state = frameStart;
    for (size_t i = 0; i < count; ++i) {
        bricks[i].Start = state;
        if (changed[i]) {
            state.Pen = left[i].Pen;
            state.Brush = left[i].Brush;
        }
        if (blending[i] >= 0)
            state.Blending = blending[i] == 1;
    }
    // The bitmap's canvas ends as one drawing of the whole would leave it.
    canvas.Pen = state.Pen;
    canvas.Brush = state.Brush;

    const int rows = bitmap.Height();
    bands = std::clamp(bands, 1, std::max(1, rows));
    threads.Run(bands, [&](int b) {
        const TRowBand band{int(int64_t(rows) * b / bands),
                            int(int64_t(rows) * (b + 1) / bands) - 1};
        DrawBand(bitmap, context, background, frameStart, bricks, band);
    });
}
