#pragma once
// The off-screen frame the view box shows: the view bitmap in the chosen bit depth, its
// anti-aliased double-size render and the 32-bit copy the hand is drawn against.

#include "app/view/Rgb32Frame.h"
#include "raster/Bitmap.h"

#include <functional>

class TBlockList;
class TDrawContext;
struct TBackground;

class TScreenFrame {
public:
    // Always the view box's size.
    TBitmap Bitmap;
    // Kept from frame to frame; emptied while anti-aliasing is off.
    TBitmap Supersampled;
    // Pixel format code of the bitmap: 1 = 8, 2 = 16, 3 = 24, 4 = 32 bits, 5 = device.
    int BitDepth = 4;
    // Frames rendered and the milliseconds the last one took, for the tests and the timing.
    int FramesPainted = 0, LastMilliseconds = 0;
    // A frame is being drawn: a paint that arrives meanwhile draws nothing.
    bool Painting = false;

    void Resize(int width, int height);
    void SetBitDepth(int code);
    // Draws the model into the bitmap, then show puts it on the screen, both timed. Drawing
    // reports no errors: a frame that fails ends there, and the next one is drawn afresh.
    void Render(TBlockList& model, TDrawContext& context, const TBackground& background,
                bool antiAliased, const std::function<void()>& show);
    // The frame as 32-bit rows: shown itself when it is 32-bit, otherwise converted once per
    // frame.
    const QImage& Rgb32(const QImage& shown) { return Rgb32Copy.Of(shown); }

private:
    TRgb32Frame Rgb32Copy;
};
