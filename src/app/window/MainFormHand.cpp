// The hand on screen: painted over the last frame inside the view's paint, never by drawing the
// scene again; erasing paints the frame alone over the hand's place.
#include "app/view/ViewBox.h"
#include "app/widgets/FrameImage.h"
#include "app/window/MainForm.h"

#include <QPainter>

void TMainForm::DrawHand() {
    HandShown = true;
    if (Hand.Empty())
        return;
    TRect r = HandScreenRect(Hand, Context, ViewBitmap.Width(), ViewBitmap.Height());
    RepaintHand(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

void TMainForm::EraseHand() {
    if (!HandShown)
        return;
    HandShown = false;
    RepaintHand(HandRect);
}

void TMainForm::RepaintHand(const QRect& area) {
    if (area.isEmpty())
        return;
    HandOnlyPaint = true;
    PaintBox1->repaint(area);
    HandOnlyPaint = false;
}

void TMainForm::PaintHand(QPainter& painter) {
    QImage shown = FrameImage(ViewBitmap);
    if (HandOnlyPaint) {
        ++HandPaints;
        painter.drawImage(0, 0, shown); // clipped to the hand's old and new places
    }
    HandRect = QRect();
    if (!HandShown || Hand.Empty() || shown.isNull())
        return;
    const QImage& frame = HandFrame.Of(shown);
    try {
        DrawHandLayer(Hand, Context,
                      {frame.constBits(), int(frame.bytesPerLine()), frame.width(), frame.height()},
                      HandLayer);
    } catch (const std::exception&) {
        return; // a hand that cannot be drawn is left out; the frame stays whole
    }
    const TRect& r = HandLayer.Rect;
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    TBitmap& layer = HandLayer.Bitmap;
    QImage image(layer.ScanLine(0), layer.Width(), layer.Height(), layer.Pitch(),
                 QImage::Format_RGB32);
    painter.drawImage(r.Left, r.Top, image);
    HandRect = QRect(r.Left, r.Top, r.Width(), r.Height());
}
