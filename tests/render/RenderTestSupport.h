#pragma once
// Small scenes for the drawing tests: a context with a chosen view and a bitmap to draw into.

#include "model/Block.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "raster/DrawRecording.h"
#include "render/DrawContext.h"
#include "render/bricks/DrawBrick.h"
#include "support/Bricks.h"
#include "support/Pixels.h"

#include <memory>

inline void SetView(TDrawContext& context, int tilt, int azimuth, float scale, float originX,
                    float originY) {
    context.View.TiltA = DegreesToAngle(tilt);
    context.View.AzimuthC = DegreesToAngle(azimuth);
    context.View.ViewScale = scale;
    context.View.OriginX = originX;
    context.View.OriginY = originY;
    ComputeViewMatrix(context.View);
    context.ComputeStudMetrics();
}

// A bitmap filled with one colour and a drawing target on it that reads the context.
struct TTestCanvas {
    TBitmap Bitmap;
    TDrawObject Target;

    TTestCanvas(int width, int height, TDrawContext& context, TColour background = 0xFFFFFF,
                TPixelFormat format = TPixelFormat::pf32bit)
        : Bitmap(width, height, format), Target(TDrawObject::CreateFromBitmap(Bitmap)) {
        Target.Context = &context;
        Target.Canvas().Brush.Colour = background;
        Target.FillRect({0, 0, width, height});
    }

    TColour At(int x, int y) const { return Bitmap.Pixel(x, y); }
    TColour At(TPoint p) const { return Bitmap.Pixel(p.X, p.Y); }
};

// Every point the brick's drawing records on the bitmap, as a front-to-back frame bounds it.
inline TRect RecordedDrawingBounds(const TBlock& brick, TBitmap& bitmap, TDrawContext& context) {
    TCanvas canvas(bitmap);
    TDrawRecording recording;
    TDrawObject target = TDrawObject::Recording(bitmap, canvas, recording);
    target.Context = &context;
    recording.Begin(&target.FastSurface()->ClipRect);
    DrawBrick(brick, target);
    return recording.Bounds();
}
