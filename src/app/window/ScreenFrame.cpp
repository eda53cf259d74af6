#include "app/window/ScreenFrame.h"

#include "render/Scene.h"

#include <QElapsedTimer>

void TScreenFrame::Resize(int width, int height) {
    Bitmap.SetSize(width, height);
    Rgb32Copy.Invalidate();
}

void TScreenFrame::SetBitDepth(int code) {
    if (::SetBitDepth(Bitmap, code))
        BitDepth = code;
    Rgb32Copy.Invalidate();
}

void TScreenFrame::Render(TBlockList& model, TDrawContext& context, const TBackground& background,
                          bool antiAliased, const std::function<void()>& show) {
    ++FramesPainted;
    QElapsedTimer timer;
    timer.start();
    Painting = true;
    try {
        if (!antiAliased)
            Supersampled.SetSize(0, 0);
        Rgb32Copy.Invalidate();
        PaintFrame(model, Bitmap, context, background, antiAliased, &Supersampled);
        show();
    } catch (const std::exception&) {
        // The guard below is cleared all the same, so the next request paints again.
    }
    Painting = false;
    LastMilliseconds = int(timer.elapsed());
}
