#include "render/BandedScene.h"

#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/DrawingThreads.h"
#include "render/Scene.h"
#include "render/bricks/BrickPaint.h"

#include <algorithm>
#include <vector>

namespace {

// One share of the bricks, recorded on one thread.
struct TChunk {
    size_t First, Last; // into the model's items
    TBrickPaint Start, Left;
    TRecordingStart Replay;
};

void RecordChunk(const TBlockList& model, TBitmap& bitmap, const TDrawContext& context,
                 TDrawRecording& recording, TChunk& chunk) {
    TCanvas canvas(bitmap);
    canvas.Pen = chunk.Start.Pen;
    canvas.Brush = chunk.Start.Brush;
    TDrawContext own = context;
    TDrawObject target = TDrawObject::Recording(bitmap, canvas, recording);
    target.Context = &own;
    DrawBricks(model, target, chunk.First, chunk.Last, false);
    chunk.Left = PaintOf(canvas);
}

void DrawBand(TBitmap& bitmap, const TBackground& background, const TBrickPaint& frameStart,
              const std::vector<TDrawRecording>& recordings, const std::vector<TChunk>& chunks,
              TRowBand band) {
    TCanvas canvas(bitmap);
    canvas.Band = band;
    canvas.Pen = frameStart.Pen;
    canvas.Brush = frameStart.Brush;
    TDrawObject target = TDrawObject::CreateForBand(bitmap, canvas);
    if (!background.Picture)
        target.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    for (size_t c = 0; c < chunks.size(); ++c)
        recordings[c].Replay(target, band, chunks[c].Replay);
}

} // namespace

int DefaultBands(int rows, int threads) {
    // More bands than threads evens out bands of more and fewer bricks; more still would set
    // up the polygons across band edges too often.
    return std::clamp(2 * threads, 1, std::max(1, rows));
}

void DrawSceneInBands(const TBlockList& model, TBitmap& bitmap, const TDrawContext& context,
                      const TBackground& background, TDrawingThreads& threads, int bands) {
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Colour = background.Colour;
    if (background.Picture)
        canvas.StretchDraw({0, 0, bitmap.Width(), bitmap.Height()}, *background.Picture);
    const TBrickPaint frameStart = PaintOf(canvas);

    // Every brick that draws leaves the same pen and brush, so the chunks after the first start
    // from that; a chunk whose bricks before left something else is recorded again below.
    const TBrickPaint afterBrick = PaintAfterDraw(context);

    // More chunks than threads, so that a thread held up elsewhere delays the frame less.
    const size_t count = model.Items().size();
    const size_t chunkCount = size_t(2 * threads.Count());
    std::vector<TChunk> chunks(chunkCount);
    for (size_t c = 0; c < chunkCount; ++c)
        chunks[c] = {count * c / chunkCount,
                     count * (c + 1) / chunkCount,
                     c == 0 ? frameStart : afterBrick,
                     {},
                     {}};
    std::vector<TDrawRecording>& recordings = threads.Recordings;
    if (recordings.size() < chunkCount)
        recordings.resize(chunkCount);
    threads.Run(int(chunkCount), [&](int c) {
        RecordChunk(model, bitmap, context, recordings[size_t(c)], chunks[size_t(c)]);
    });
    TRecordingStart start{false, canvas.PenPos};
    for (size_t c = 0; c < chunkCount; ++c) {
        if (c > 0 && !SamePaint(chunks[c - 1].Left, chunks[c].Start)) {
            chunks[c].Start = chunks[c - 1].Left;
            RecordChunk(model, bitmap, context, recordings[c], chunks[c]);
        }
        chunks[c].Replay = start;
        start = recordings[c].Left(start);
    }
    // The bitmap's canvas ends as one drawing of the whole would leave it.
    canvas.Pen = chunks.back().Left.Pen;
    canvas.Brush = chunks.back().Left.Brush;
    canvas.PenPos = start.PenPos;

    const int rows = bitmap.Height();
    bands = std::clamp(bands, 1, std::max(1, rows));
    threads.Run(bands, [&](int b) {
        const TRowBand band{int(int64_t(rows) * b / bands),
                            int(int64_t(rows) * (b + 1) / bands) - 1};
        DrawBand(bitmap, background, frameStart, recordings, chunks, band);
    });
}
