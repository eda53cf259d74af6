#include "render/Scene.h"

#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "raster/PixelRows.h"
#include "render/BandedScene.h"
#include "render/DrawContext.h"
#include "render/DrawingThreads.h"
#include "render/FirstWriteScene.h"
#include "render/bricks/DrawBrick.h"

#include <vector>

void DrawAll(const TBlockList& model, TDrawObject& target, bool force) {
    DrawBricks(model, target, 0, model.Items().size(), force);
}

void DrawBricks(const TBlockList& model, TDrawObject& target, size_t first, size_t last,
                bool force) {
    const TCuttingBox& boundary = target.Context->Boundary;
    const TBrickVector& bricks = model.Items();
    for (size_t i = first; i < last; ++i) {
        // Bricks lie scattered on the heap; fetching the next one while this one draws keeps
        // the first look at each brick from waiting on memory. A brick spans two cache lines
        // (its step lies in the second).
        if (i + 1 < last) {
            const char* next = reinterpret_cast<const char*>(bricks[i + 1].get());
            __builtin_prefetch(next);
            __builtin_prefetch(next + 64);
        }
        TBlock& brick = *bricks[i];
        if ((force || InsideCut(boundary, brick)) && model.StepLimit >= brick.Step)
            DrawBrick(brick, target);
    }
}

int BrickAt(const TBlockList& model, const TDrawContext& context, int x, int y) {
    for (int i = model.Count() - 1; i >= 0; --i) {
        const TBlock& brick = model.Items(i);
        if (InsideCut(context.Boundary, brick) && BrickHitTest(brick, context, x, y))
            return i;
    }
    return -1;
}

void DrawScene(TBlockList& model, TBitmap& bitmap, TDrawContext& context,
               const TBackground& background) {
    context.ComputeStudMetrics();
    int octant = context.View.Octant;
    model.CurrentOctant = octant;
    if (model.SortedOctant != octant)
        model.Sort(octant);
    if (context.FrontToBack && DrawSceneFirstWriteWins(model, bitmap, context, background))
        return;
    if (context.Threads && (context.Threads->Count() > 1 || context.Bands > 1)) {
        const int bands = context.Bands > 0
                              ? context.Bands
                              : DefaultBands(bitmap.Height(), context.Threads->Count());
        DrawSceneInBands(model, bitmap, context, background, *context.Threads, bands);
        return;
    }
    TDrawObject target = TDrawObject::CreateFromBitmap(bitmap);
    target.Context = &context;
    TCanvas& canvas = target.Canvas();
    canvas.Brush.Colour = background.Colour;
    TRect whole{0, 0, bitmap.Width(), bitmap.Height()};
    if (background.Picture)
        target.StretchDraw(whole, *background.Picture);
    else
        target.FillRect(whole);
    DrawAll(model, target, false);
}

void PaintFrame(TBlockList& model, TBitmap& viewBitmap, TDrawContext& context,
                const TBackground& background, bool antiAliased, TBitmap* supersampled) {
    if (antiAliased)
        RenderAntiAliased(model, viewBitmap, context, background, supersampled);
    else
        DrawScene(model, viewBitmap, context, background);
}

void RenderToBitmap(TBlockList& model, TBitmap& bitmap, TPoint offset, int factor,
                    TDrawContext& context, const TBackground& background) {
    TViewState view = context.View;
    TStudMetrics studs = context.Studs;
    context.View.ViewScale = view.ViewScale * float(factor);
    context.View.OriginX = float(factor) * (view.OriginX - float(offset.X));
    context.View.OriginY = float(factor) * (view.OriginY - float(offset.Y));
    try {
        DrawScene(model, bitmap, context, background);
    } catch (...) {
        context.View = view;
        context.Studs = studs;
        throw;
    }
    context.View = view;
    context.Studs = studs;
}

void RenderAntiAliased(TBlockList& model, TBitmap& target, TDrawContext& context,
                       const TBackground& background, TBitmap* supersampled) {
    int width = target.Width(), height = target.Height();
    TBitmap own;
    TBitmap& large = supersampled ? *supersampled : own;
    // The scene's background fills all of it, so pixels left from a former frame do not show.
    large.SetPixelFormat(TPixelFormat::pf32bit);
    large.SetSize(2 * width, 2 * height);
    RenderToBitmap(model, large, {0, 0}, 2, context, background);
    // Read as plain colours and written back through the target's own format: a target of
    // fewer than four bytes a pixel must not be overrun.
    std::vector<TColour> top(size_t(2 * width)), bottom(size_t(2 * width)),
        row(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        ReadRow(large, 2 * y, 0, 2 * width, top.data());
        ReadRow(large, 2 * y + 1, 0, 2 * width, bottom.data());
        for (int x = 0; x < width; ++x)
            row[x] = MeanOfFour(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]);
        WriteRow(target, y, 0, width, row.data());
    }
}

TColour MeanOfFour(TColour a, TColour b, TColour c, TColour d) {
    return RGB((RedOf(a) + RedOf(b) + RedOf(c) + RedOf(d)) / 4,
               (GreenOf(a) + GreenOf(b) + GreenOf(c) + GreenOf(d)) / 4,
               (BlueOf(a) + BlueOf(b) + BlueOf(c) + BlueOf(d)) / 4);
}

bool SetBitDepth(TBitmap& bitmap, int code) {
    static const TPixelFormat Formats[] = {TPixelFormat::pf8bit, TPixelFormat::pf16bit,
                                           TPixelFormat::pf24bit, TPixelFormat::pf32bit,
                                           TPixelFormat::pfDevice};
    if (code < 1 || code > 5)
        return false;
    bitmap.SetPixelFormat(Formats[code - 1]);
    return true;
}
