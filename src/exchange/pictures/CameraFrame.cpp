#include "exchange/pictures/CameraFrame.h"

#include "base/Error.h"

#include <algorithm>
#include <string>

namespace {

constexpr int EdgeReach = 3;
constexpr int AreaHeight = 12;

int LabelIndex(TFrameArea area) {
    switch (area) {
    case TFrameArea::SaveAntiAliased:
        return 0;
    case TFrameArea::SaveDouble:
        return 1;
    case TFrameArea::SaveFourfold:
        return 2;
    case TFrameArea::SaveEightfold:
        return 3;
    default:
        return -1;
    }
}

// The right end of save label i, which must lie left of the preset glyph to be drawn.
int LabelRight(int left, int i) {
    return left + 32 + 20 * i;
}

} // namespace

void TCameraFrame::PlaceAtStart(int viewWidth, int viewHeight) {
    if (IsPlaced)
        return;
    IsPlaced = true;
    Rect.Left = viewWidth / 2 - 190;
    Rect.Top = viewHeight / 2 - 150;
    Rect.Right = Rect.Left + 400;
    Rect.Bottom = Rect.Top + 300;
}

TRect TCameraFrame::AreaRect(TFrameArea area) const {
    int top = Rect.Top - TitleHeight, bottom = top + AreaHeight;
    int l = Rect.Left, r = Rect.Right;
    switch (area) {
    case TFrameArea::Close:
        return {r - 12, top, r - 4, bottom};
    case TFrameArea::WholeView:
        return {r - 26, top, r - 18, bottom};
    case TFrameArea::PresetSize:
        return {r - 42, top, r - 34, bottom};
    case TFrameArea::SaveAsSeen:
        return {l + 4, top, l + 12, bottom};
    case TFrameArea::SaveAntiAliased:
    case TFrameArea::SaveDouble:
    case TFrameArea::SaveFourfold:
    case TFrameArea::SaveEightfold: {
        int right = LabelRight(l, LabelIndex(area));
        return {right - 8, top, right, bottom};
    }
    case TFrameArea::SizeLabel:
        return {r + 4, top, r + 54, bottom};
    case TFrameArea::None:
        break;
    }
    return {};
}

bool TCameraFrame::LabelShown(TFrameArea area) const {
    int i = LabelIndex(area);
    return i < 0 || labelShown[i];
}

void TCameraFrame::LayOut() {
    int currentPreset = AreaRect(TFrameArea::PresetSize).Left;
    if (!LaidOut)
        PresetLeft = currentPreset;
    LaidOut = true;
    for (int i = 0; i < 4; ++i)
        labelShown[i] = LabelRight(Rect.Left, i) < PresetLeft;
    PresetLeft = currentPreset;
}

TFrameArea TCameraFrame::AreaAt(int x, int y) const {
    for (int a = int(TFrameArea::Close); a <= int(TFrameArea::SizeLabel); ++a) {
        auto area = TFrameArea(a);
        TRect r = AreaRect(area);
        if (LabelShown(area) && x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom)
            return area;
    }
    return TFrameArea::None;
}

bool TCameraFrame::Inside(int x, int y) const {
    return x >= Rect.Left && x < Rect.Right && y >= Rect.Top && y < Rect.Bottom;
}

bool TCameraFrame::NearTop(int y) const {
    return y - Rect.Top < EdgeReach;
}
bool TCameraFrame::NearBottom(int y) const {
    return Rect.Bottom - y <= EdgeReach;
}
bool TCameraFrame::NearLeft(int x) const {
    return x - Rect.Left < EdgeReach;
}
bool TCameraFrame::NearRight(int x) const {
    return Rect.Right - x <= EdgeReach;
}

TFrameArea TCameraFrame::Press(int x, int y) {
    LastX = x;
    LastY = y;
    if (!Inside(x, y))
        return AreaAt(x, y);
    DragTop = NearTop(y);
    DragBottom = !DragTop && NearBottom(y);
    DragLeft = NearLeft(x);
    DragRight = !DragLeft && NearRight(x);
    Moving = !(DragTop || DragBottom || DragLeft || DragRight);
    return TFrameArea::None;
}

void TCameraFrame::Drag(int x, int y) {
    int dx = x - LastX, dy = y - LastY;
    LastX = x;
    LastY = y;
    if (DragTop)
        Rect.Top = std::min(Rect.Top + dy, Rect.Bottom - MinimumSize);
    if (DragBottom)
        Rect.Bottom = std::max(Rect.Bottom + dy, Rect.Top + MinimumSize);
    if (DragLeft)
        Rect.Left = std::min(Rect.Left + dx, Rect.Right - MinimumSize);
    if (DragRight)
        Rect.Right = std::max(Rect.Right + dx, Rect.Left + MinimumSize);
    if (Moving)
        Rect = {Rect.Left + dx, Rect.Top + dy, Rect.Right + dx, Rect.Bottom + dy};
}

void TCameraFrame::Release() {
    Moving = DragTop = DragBottom = DragLeft = DragRight = false;
}

TFrameCursor TCameraFrame::CursorAt(int x, int y) const {
    if (!Inside(x, y)) {
        TFrameArea area = AreaAt(x, y);
        return area == TFrameArea::None || area == TFrameArea::SizeLabel ? TFrameCursor::Normal
                                                                         : TFrameCursor::Hand;
    }
    bool top = NearTop(y), bottom = !top && NearBottom(y);
    bool left = NearLeft(x), right = !left && NearRight(x);
    if ((top && left) || (bottom && right))
        return TFrameCursor::SizeNWSE;
    if ((top && right) || (bottom && left))
        return TFrameCursor::SizeNESW;
    if (top || bottom)
        return TFrameCursor::SizeNS;
    if (left || right)
        return TFrameCursor::SizeWE;
    return TFrameCursor::Move;
}

void TCameraFrame::WholeView(int viewWidth, int viewHeight) {
    Rect = {2, 14, viewWidth - 2, viewHeight - 2};
}

void TCameraFrame::PresetSize(TFrameKeys keys) {
    int width = 116, height = 116;
    if (keys.Ctrl)
        width = 150, height = 192;
    else if (keys.Shift)
        width = 320, height = 240;
    else if (keys.Alt)
        width = 640, height = 480;
    Rect.Right = Rect.Left + width;
    Rect.Bottom = Rect.Top + height;
}

void TCameraFrame::Resize(int width, int height) {
    if (width < MinimumSize || height < MinimumSize)
        throw TError("The picture frame must be at least " + std::to_string(MinimumSize) + " x " +
                     std::to_string(MinimumSize) + " pixels, not " + std::to_string(width) + " x " +
                     std::to_string(height));
    int dw = width - Width(), dh = height - Height();
    Rect.Left -= dw / 2;
    Rect.Right = Rect.Left + width;
    Rect.Top -= dh / 2;
    Rect.Bottom = Rect.Top + height;
}
