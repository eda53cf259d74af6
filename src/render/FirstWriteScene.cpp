#include "render/FirstWriteScene.h"

#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "render/BandSplit.h"
#include "render/BrickScreenBox.h"
#include "render/BrickSilhouette.h"
#include "render/DrawContext.h"
#include "render/DrawingThreads.h"
#include "render/ForeseenBoxes.h"
#include "render/Scene.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/DrawBrick.h"

#include <algorithm>
#include <atomic>
#include <functional>

namespace {

enum TBoxKind : uint8_t {
    NoDrawing, // outside the boundary or the step limit, or a box of no size
    Foreseen,  // a plain box's, before drawing it
    Boxed,     // another kind's, from the block of space it keeps within, before drawing it
    Drawn,     // the bounds of the brick's recorded drawing
};

// What one frame shares among its bands.
struct TFrame {
    const TBlockList& Model;
    TBitmap& Bitmap;
    const TDrawContext& Context;
    TFirstWriteBuffers& Buffers;
    TBrickPaint Start, AfterBrick;
    size_t FirstDrawing = 0;
    std::atomic<bool> Failed{false};

    const TBrickPaint& PaintBefore(size_t i) const {
        return i == FirstDrawing ? Start : AfterBrick;
    }
};

// A target recording one brick at a time, with a context of its own, as the bricks write it.
struct TBrickRecorder {
    TCanvas Canvas;
    TDrawContext Context;
    TDrawRecording& Recording;
    TDrawObject Target;
    TRect Clip;

    TBrickRecorder(TBitmap& bitmap, const TDrawContext& context, TDrawRecording& recording)
        : Canvas(bitmap), Context(context), Recording(recording),
          Target(TDrawObject::Recording(bitmap, Canvas, recording)),
          Clip(Target.FastSurface()->ClipRect) {
        Target.Context = &Context;
    }
    // True when the drawing leaves the paint the next brick expects and takes no pen position
    // from the brick before.
    bool Record(const TBlock& brick, const TBrickPaint& before, const TBrickPaint& after) {
        Canvas.Pen = before.Pen;
        Canvas.Brush = before.Brush;
        Recording.Begin(&Clip);
        DrawBrick(brick, Target);
        return SamePaint(PaintOf(Canvas), after) && !Recording.NeedsStartPen();
    }
};

bool Inside(const TRect& inner, const TRect& outer) {
    return inner.Left > inner.Right || (inner.Left >= outer.Left && inner.Right <= outer.Right &&
                                        inner.Top >= outer.Top && inner.Bottom <= outer.Bottom);
}

constexpr size_t PrefetchDistance = 8;
// The pre-pass does less work a brick than the band walk, so it must fetch further ahead.
constexpr size_t BoxPrefetchDistance = 16;
// About what drawing one brick costs against filling one row of the background.
constexpr uint64_t BrickWork = 8;

// Where each brick writes, for the bricks first .. last - 1.
void FindBoxes(TFrame& frame, size_t first, size_t last, TDrawRecording& recording,
               TPartExtents& extents) {
    const TBlockList& model = frame.Model;
    TFirstWriteBuffers& buffers = frame.Buffers;
    const TDrawContext& context = frame.Context;
    const TBoxProjection projection(context.View, StudRaise(context));
    std::unique_ptr<TBrickRecorder> recorder;
    TForeseenBoxes foreseen(projection, context, extents);
    const TBrickVector& bricks = model.Items();
    for (size_t i = first; i < last && !frame.Failed; ++i) {
        // Bricks lie scattered on the heap and take little work each here: fetching a few
        // ahead keeps the loop from waiting on memory.
        if (i + BoxPrefetchDistance < last) {
            const char* ahead =
                reinterpret_cast<const char*>(bricks[i + BoxPrefetchDistance].get());
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + 64);
        }
        const TBlock& brick = *bricks[i];
        buffers.BoxKinds[i] = NoDrawing;
        if (!InsideCut(context.Boundary, brick) || model.StepLimit < brick.Step)
            continue;
        const char kind = brick.ClassKind();
        if (kind == 'B' && brick.SX == 0)
            continue; // draws nothing
        if (kind == 'B' && projection.Finite()) {
            buffers.Boxes[i] = projection.BoxOf(brick);
            buffers.BoxKinds[i] = Foreseen;
            continue;
        }
        if (foreseen.BoxOf(brick, buffers.Boxes[i])) {
            buffers.BoxKinds[i] = Boxed;
            continue;
        }
        if (!recorder)
            recorder = std::make_unique<TBrickRecorder>(frame.Bitmap, frame.Context, recording);
        if (!recorder->Record(brick, frame.AfterBrick, frame.AfterBrick))
            frame.Failed = true;
        buffers.Boxes[i] = recording.Bounds();
        buffers.BoxKinds[i] = Drawn;
    }
}

// Drawing work foreseen for each row, for the bricks first .. last - 1: a brick that may write
// inside the clip rectangle counts at the middle of its rows there. Bricks hidden behind others
// count too, as the hidden are spread about as the drawn are.
void AddBrickWork(const TFirstWriteBuffers& buffers, size_t first, size_t last, const TRect& clip,
                  std::vector<uint32_t>& rowWork) {
    for (size_t i = first; i < last; ++i) {
        const TRect& box = buffers.Boxes[i];
        if (buffers.BoxKinds[i] == NoDrawing || box.Right < clip.Left || box.Left > clip.Right)
            continue;
        const int top = std::max(box.Top, clip.Top), bottom = std::min(box.Bottom, clip.Bottom);
        if (top <= bottom)
            ++rowWork[size_t(top + (bottom - top) / 2)];
    }
}

// The work of bricks of all chunks, weighed against a row's background.
void SumRowWork(const std::vector<std::vector<uint32_t>>& chunkWork, int chunks,
                std::vector<uint64_t>& rowWork) {
    for (size_t y = 0; y < rowWork.size(); ++y) {
        uint64_t work = 0;
        for (int c = 0; c < chunks; ++c)
            work += chunkWork[size_t(c)][y];
        rowWork[y] = BrickWork * work + 1;
    }
}

// The writers a forward drawing has in force when brick i begins: those the last brick before
// it that sets any left.
bool BlendingBefore(const TFrame& frame, size_t i, TBrickRecorder& recorder) {
    while (i-- > 0) {
        if (frame.Buffers.BoxKinds[i] == NoDrawing)
            continue;
        recorder.Record(frame.Model.Items(int(i)), frame.PaintBefore(i), frame.AfterBrick);
        if (recorder.Recording.WritersLeft() >= 0)
            return recorder.Recording.WritersLeft() == 1;
    }
    return false;
}

void DrawBand(TFrame& frame, const TBackground& background, TRowBand band,
              TDrawRecording& recording, TCoverMask& mask, TDeferredBricks& deferred) {
    TBitmap& bitmap = frame.Bitmap;
    TCanvas canvas(bitmap);
    canvas.Band = band;
    canvas.Pen = frame.Start.Pen;
    canvas.Brush = frame.Start.Brush;
    TDrawObject target = TDrawObject::CreateForBand(bitmap, canvas);
    if (!background.Picture)
        target.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    TFirstWriteBuffers& buffers = frame.Buffers;
    TFastDraw& surface = *target.FastSurface();
    mask.Reset(surface.RowStep, band.Top, band.Bottom);
    surface.SetCoverMask(&mask);
    canvas.CoverMask = &mask;
    // What the band's canvas can write, which the surface's clip rectangle holds.
    const TRect clip = WithinBand({0, 0, bitmap.Width() - 1, bitmap.Height() - 1}, band);
    deferred.Clear();
    TBrickRecorder recorder(bitmap, frame.Context, recording);
    // The band's own copy of the context, as the bricks write their colours into it.
    target.Context = &recorder.Context;
    // A line clipped at an edge of the surface starts where the clipping puts it, which may lie
    // off the line's own columns (or rows, at a side edge): such a box is taken across the band.
    const auto clipped = [&](const TRect& box) {
        const bool acrossRows =
            box.Top < surface.ClipRect.Top || box.Bottom > surface.ClipRect.Bottom;
        const bool acrossColumns =
            box.Left < surface.ClipRect.Left || box.Right > surface.ClipRect.Right;
        return TRect{acrossRows ? clip.Left : std::max(box.Left, clip.Left),
                     acrossColumns ? clip.Top : std::max(box.Top, clip.Top),
                     acrossRows ? clip.Right : std::min(box.Right, clip.Right),
                     acrossColumns ? clip.Bottom : std::min(box.Bottom, clip.Bottom)};
    };
    const auto reachOf = [&](size_t i) { return clipped(buffers.Boxes[i]); };
    const auto hidden = [&](size_t i) {
        if (buffers.BoxKinds[i] == NoDrawing)
            return true;
        const TRect reach = reachOf(i);
        return reach.Left > reach.Right || reach.Top > reach.Bottom || mask.Covered(reach);
    };
    // A plain box is hidden too when every row of its outline is written, though the corners of
    // its rectangle are not: the rows not written throughout are looked at again within the
    // outline. Not for a box reaching past the surface's edges: a line clipped at a corner of
    // the surface may stray from its outline.
    const TSilhouetteView outlines(frame.Context.View, StudRaise(frame.Context));
    TBrickSilhouette silhouette;
    const auto hiddenByOutline = [&](size_t i, const TBlock& brick) {
        const TRect& box = buffers.Boxes[i];
        if (buffers.BoxKinds[i] != Foreseen || !Inside(box, surface.ClipRect))
            return false;
        const TRect reach = reachOf(i);
        // The middle half of the rectangle's rows a quarter, a half and three quarters down
        // lies mostly inside the outline: a brick in view nearly always shows in one of them,
        // and costs no outline then.
        const int quarterWidth = (reach.Right - reach.Left) / 4;
        const int height = box.Bottom - box.Top;
        for (const int y : {box.Top + height / 2, box.Top + height / 4, box.Bottom - height / 4})
            if (!mask.RowCovered(std::clamp(y, reach.Top, reach.Bottom), reach.Left + quarterWidth,
                                 reach.Right - quarterWidth))
                return false;
        if (!silhouette.Set(brick, outlines))
            return false;
        for (int y = reach.Top; y <= reach.Bottom; ++y) {
            if (mask.RowCovered(y, reach.Left, reach.Right))
                continue;
            const TColumns row = silhouette.Row(y, reach.Left, reach.Right);
            if (!mask.RowCovered(y, row.Left, row.Right))
                return false;
        }
        return true;
    };
    // A brick is looked at a few places ahead too, so that one still in view is fetched from
    // memory meanwhile; one hidden then stays hidden, as drawing only ever adds to the mask.
    const TBrickVector& bricks = frame.Model.Items();
    const size_t count = bricks.size();
    bool hiddenAhead[PrefetchDistance] = {};
    for (size_t i = count; i-- > 0;) {
        // Read before the brick ahead takes its place.
        const bool hiddenBefore = i + PrefetchDistance < count && hiddenAhead[i % PrefetchDistance];
        if (i >= PrefetchDistance) {
            const size_t ahead = i - PrefetchDistance;
            hiddenAhead[ahead % PrefetchDistance] = hidden(ahead);
            if (!hiddenAhead[ahead % PrefetchDistance]) {
                const char* brick = reinterpret_cast<const char*>(bricks[ahead].get());
                __builtin_prefetch(brick);
                __builtin_prefetch(brick + 64);
            }
        }
        if (hiddenBefore || hidden(i))
            continue;
        const TBlock& brick = frame.Model.Items(int(i));
        if (hiddenByOutline(i, brick))
            continue;
        const TRect& box = buffers.Boxes[i];
        if (frame.Failed)
            return;
        // The plain box and the sloped kinds draw straight into the band, without a recording
        // to turn around.
        if (buffers.BoxKinds[i] == Foreseen || buffers.BoxKinds[i] == Boxed) {
            const TBrickPaint& before = frame.PaintBefore(i);
            canvas.Pen = before.Pen;
            canvas.Brush = before.Brush;
            if (DrawNearestFirst(brick, target))
                continue;
        }
        // A box foreseen wrongly would have let bricks in view be passed over.
        if (!recorder.Record(brick, frame.PaintBefore(i), frame.AfterBrick) ||
            (buffers.BoxKinds[i] != Drawn && !Inside(recording.Bounds(), box))) {
            frame.Failed = true;
            return;
        }
        // What the brick draws opaquely after its last blending write lies over the rest of it:
        // drawn now, it hides what lies behind too.
        const size_t tail = recording.OpaqueTail();
        recording.ReplayBackwards(target, band, tail);
        if (tail == 0)
            continue;
        // What it draws opaquely before its first blending write (a window's frame behind its
        // glass) lies under the rest: drawn now too, once the pixels the rest must leave alone
        // are noted, so that only the rest waits.
        const size_t head = recording.OpaqueHead();
        const TRect reach = clipped(recording.BoundsOf(head, tail));
        if (reach.Left <= reach.Right && reach.Top <= reach.Bottom && !mask.Covered(reach)) {
            bool blending = false;
            if (recording.NeedsStartWriters()) {
                blending = BlendingBefore(frame, i, recorder);
                // The look back records other bricks over this one's recording.
                recorder.Record(brick, frame.PaintBefore(i), frame.AfterBrick);
            }
            deferred.Defer(i, reach, blending, mask);
        }
        recording.ReplayBackwards(target, band, 0, head);
    }
    surface.SetCoverMask(nullptr);
    canvas.CoverMask = nullptr;
    deferred.DrawBackToFront(bitmap, [&](size_t i, bool blending) {
        recorder.Record(frame.Model.Items(int(i)), frame.PaintBefore(i), frame.AfterBrick);
        recording.Replay(target, band, {blending, {}}, recording.OpaqueTail(),
                         recording.OpaqueHead());
    });
}

// The pen, brush and pen position one forward drawing of the bricks leaves on the canvas.
void LeaveCanvasAsForwards(TFrame& frame, TCanvas& canvas, TDrawRecording& recording) {
    const std::vector<uint8_t>& kinds = frame.Buffers.BoxKinds;
    TBrickRecorder recorder(frame.Bitmap, frame.Context, recording);
    bool paintKnown = false;
    for (size_t i = kinds.size(); i-- > 0;) {
        if (kinds[i] == NoDrawing)
            continue;
        recorder.Record(frame.Model.Items(int(i)), frame.PaintBefore(i), frame.AfterBrick);
        if (!paintKnown) {
            canvas.Pen = recorder.Canvas.Pen;
            canvas.Brush = recorder.Canvas.Brush;
            paintKnown = true;
        }
        if (recording.MovesPen()) {
            canvas.PenPos = recording.Left({}).PenPos;
            return;
        }
    }
}

// Whether DrawAll draws the brick at all: a box of no size leaves even the paint alone.
bool ChangesPaint(const TBlockList& model, const TDrawContext& context, size_t i) {
    const TBlock& brick = model.Items(int(i));
    return InsideCut(context.Boundary, brick) && model.StepLimit >= brick.Step &&
           !(brick.ClassKind() == 'B' && brick.SX == 0);
}

void RunTasks(TDrawingThreads* threads, int tasks, const std::function<void(int)>& job) {
    if (threads) {
        threads->Run(tasks, job);
        return;
    }
    for (int task = 0; task < tasks; ++task)
        job(task);
}

} // namespace

bool DrawSceneFirstWriteWins(const TBlockList& model, TBitmap& bitmap, TDrawContext& context,
                             const TBackground& background) {
    const int rows = bitmap.Height();
    std::unique_ptr<TFastDraw> surface = FastDrawFor(bitmap);
    if (!surface || !surface->TakesCoverMask())
        return false;
    TFirstWriteBuffers& buffers = context.Buffers.FirstWrite();
    const size_t count = model.Items().size();
    buffers.Boxes.resize(count);
    buffers.BoxKinds.resize(count);
    const TRect clip = WithinBand(surface->ClipRect, {0, rows - 1});
    surface.reset();

    TCanvas& canvas = bitmap.Canvas();
    TFrame frame{model, bitmap, context, buffers, PaintOf(canvas), PaintAfterDraw(context)};
    frame.Start.Brush.Colour = background.Colour;
    while (frame.FirstDrawing < count && !ChangesPaint(model, context, frame.FirstDrawing))
        ++frame.FirstDrawing;

    TDrawingThreads* threads = context.Threads;
    const int threadCount = threads ? threads->Count() : 1;
    const int chunks = 2 * threadCount;
    // Bands of equal work let each thread draw one, and walk the bricks once; a thread done
    // early splits what another has not begun.
    const bool evenWork = context.Bands <= 0 && threadCount > 1 && rows > 0;
    const int bands = std::clamp(context.Bands > 0 ? context.Bands
                                 : evenWork        ? threadCount
                                                   : 1,
                                 1, std::max(1, rows));
    if (buffers.ChunkRowWork.size() < size_t(chunks))
        buffers.ChunkRowWork.resize(size_t(chunks));
    if (buffers.Extents.size() < size_t(chunks))
        buffers.Extents.resize(size_t(chunks));
    if (buffers.Recordings.size() < size_t(std::max(chunks, bands)))
        buffers.Recordings.resize(size_t(std::max(chunks, bands)));
    if (buffers.Masks.size() < size_t(bands)) {
        buffers.Masks.resize(size_t(bands));
        buffers.Deferred.resize(size_t(bands));
    }
    RunTasks(threads, chunks, [&](int c) {
        const size_t first = count * size_t(c) / size_t(chunks),
                     last = count * size_t(c + 1) / size_t(chunks);
        FindBoxes(frame, first, last, buffers.Recordings[size_t(c)], buffers.Extents[size_t(c)]);
        if (evenWork) {
            std::vector<uint32_t>& work = buffers.ChunkRowWork[size_t(c)];
            work.assign(size_t(rows), 0);
            AddBrickWork(buffers, first, last, clip, work);
        }
    });
    if (frame.Failed)
        return false;

    std::vector<int>& tops = buffers.BandTops;
    if (evenWork) {
        buffers.RowWork.resize(size_t(rows));
        SumRowWork(buffers.ChunkRowWork, chunks, buffers.RowWork);
        SplitRowsAtEqualWork(buffers.RowWork, bands, tops);
        buffers.BandQueue.Start(tops, buffers.RowWork);
    } else {
        tops.resize(size_t(bands) + 1);
        for (int b = 0; b <= bands; ++b)
            tops[size_t(b)] = int(int64_t(rows) * b / bands);
    }
    canvas.Brush.Colour = background.Colour;
    if (background.Picture)
        canvas.StretchDraw({0, 0, bitmap.Width(), rows}, *background.Picture);
    if (evenWork) {
        RunTasks(threads, bands, [&](int t) {
            TRowBand band;
            for (bool again = false; !frame.Failed && buffers.BandQueue.Take(again, band);
                 again = true)
                DrawBand(frame, background, band, buffers.Recordings[size_t(t)],
                         buffers.Masks[size_t(t)], buffers.Deferred[size_t(t)]);
        });
    } else {
        RunTasks(threads, bands, [&](int b) {
            const TRowBand band{tops[size_t(b)], tops[size_t(b) + 1] - 1};
            DrawBand(frame, background, band, buffers.Recordings[size_t(b)],
                     buffers.Masks[size_t(b)], buffers.Deferred[size_t(b)]);
        });
    }
    if (frame.Failed)
        return false;
    LeaveCanvasAsForwards(frame, canvas, buffers.Recordings[0]);
    return true;
}
