// The hand on screen is painted over the last frame inside the view's paint, never by drawing
// the scene again; erasing paints the frame alone over the hand's place.
#include "app/window/HandEditing.h"

#include "app/view/ViewBox.h"
#include "app/widgets/FrameImage.h"
#include "app/window/ScreenFrame.h"
#include "model/PartStore.h"
#include "parts/DrawClass.h"
#include "render/DrawContext.h"
#include "render/View.h"

#include <QCursor>
#include <QPainter>

void THandEditing::DrawHand() {
    Shown = true;
    if (Hand.Empty())
        return;
    TRect r = HandScreenRect(Hand, Context, Frame.Bitmap.Width(), Frame.Bitmap.Height());
    RepaintOverFrame(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

void THandEditing::EraseHand() {
    if (!Shown)
        return;
    Shown = false;
    RepaintOverFrame(HandRect);
}

void THandEditing::RepaintOverFrame(const QRect& area) {
    if (area.isEmpty())
        return;
    OnlyOverFrame = true;
    ViewBox->repaint(area);
    OnlyOverFrame = false;
}

void THandEditing::PaintHand(QPainter& painter) {
    QImage shown = FrameImage(Frame.Bitmap);
    if (OnlyOverFrame) {
        ++HandPaints;
        painter.drawImage(0, 0, shown); // clipped to the hand's old and new places
    }
    HandRect = QRect();
    if (!Shown || Hand.Empty() || shown.isNull())
        return;
    const QImage& frame = Frame.Rgb32(shown);
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

void THandEditing::MovePointerTo(int32_t x, int32_t y, int32_t z) {
    TPoint p = ProjectPoint(Context.View, x, y, z);
    PointerTarget = QPoint(p.X, p.Y);
    QCursor::setPos(ViewBox->mapToGlobal(PointerTarget));
}

bool THandEditing::UserMovedPointer(int x, int y) {
    bool echo = QPoint(x, y) == PointerTarget;
    PointerTarget = QPoint(-1, -1);
    return !echo;
}

void THandEditing::PlaceAtLastDrop() {
    TBlock& brick = *Hand.BrickInHand;
    brick.X = Hand.LastDrop[0];
    brick.Y = Hand.LastDrop[1];
    brick.Z = Hand.LastDrop[2];
    MovePointerTo(brick.X, brick.Y, brick.Z);
}

bool THandEditing::TakeSubAssembly() {
    if (!SubAssembly || SubAssembly->Count() == 0) {
        SubAssembly.reset();
        return false;
    }
    Hand.TakeGroupInHand(std::move(SubAssembly), CreateBrickFromKey(SubAssemblyKey), ToolboxStep);
    if (Hand.Empty())
        return false;
    PlaceAtLastDrop();
    Shown = true;
    return true;
}

void THandEditing::RestyleHand(const std::function<void(TBlock&)>& change) {
    if (Hand.Empty())
        return;
    EraseHand();
    Hand.RestyleHand(change);
    DrawHand();
}

void THandEditing::PartDefinitionChanged(const TDrawClass& definition) {
    if (SubAssembly)
        RebindGeneralBlocks(*SubAssembly, definition);
    if (Hand.GroupInHand)
        RebindGeneralBlocks(*Hand.GroupInHand, definition);
    if (Hand.BrickInHand && Hand.BrickInHand->Definition == &definition)
        Hand.BrickInHand->SetDefinition(definition.FileName, definition.PartName);
}
