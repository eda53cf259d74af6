#pragma once
// The picture frame over the view: its rectangle, the title bar's hot areas, and how the mouse
// moves and sizes it. Plain logic; the window draws it and turns the answers into actions.

#include "base/Geometry.h"
#include "exchange/pictures/Picture.h"

// In the order a press outside the frame tries them.
enum class TFrameArea {
    None,
    Close,
    WholeView,
    PresetSize,
    SaveAsSeen,
    SaveAntiAliased,
    SaveDouble,
    SaveFourfold,
    SaveEightfold,
    SizeLabel
};

enum class TFrameCursor { Normal, Move, SizeNS, SizeWE, SizeNWSE, SizeNESW, Hand };

struct TFrameKeys {
    bool Ctrl = false, Shift = false, Alt = false;
};

class TCameraFrame {
public:
    static constexpr int MinimumSize = 64;
    static constexpr int TitleHeight = 13;

    TPictureFrame Rect{0, 0, 400, 300};
    bool On = false;
    bool Moving = false;
    bool DragTop = false, DragBottom = false, DragLeft = false, DragRight = false;

    // 400 x 300, 10 pixels right of the view's centre; only the first call places it, so the
    // frame keeps its place for the whole run.
    void PlaceAtStart(int viewWidth, int viewHeight);
    bool Placed() const { return IsPlaced; }

    // The hot area's rectangle (right and bottom outside) for the frame as it stands.
    TRect AreaRect(TFrameArea area) const;
    // Whether a save label was drawn last time; one that was not drawn does not act either.
    bool LabelShown(TFrameArea area) const;
    // Called on each drawing: decides the labels from the preset glyph's previous place, then
    // remembers the current place for the next drawing.
    void LayOut();

    // The first hot area under the point, in press order, or None.
    TFrameArea AreaAt(int x, int y) const;
    bool Inside(int x, int y) const;

    // A left press: inside the frame grabs edges or starts moving (answering None); outside it
    // answers the hot area that should act.
    TFrameArea Press(int x, int y);
    // A move with the button down.
    void Drag(int x, int y);
    // The button is up: only "on" stays.
    void Release();
    TFrameCursor CursorAt(int x, int y) const;

    void WholeView(int viewWidth, int viewHeight);
    void PresetSize(TFrameKeys keys);
    // The size dialog's answer: the frame keeps its centre. Sizes under the minimum raise TError
    // and leave the frame as it was.
    void Resize(int width, int height);

    int Width() const { return Rect.Right - Rect.Left; }
    int Height() const { return Rect.Bottom - Rect.Top; }

private:
    bool IsPlaced = false;
    int LastX = 0, LastY = 0;
    bool LaidOut = false;
    int PresetLeft = 0; // the preset glyph's left end at the previous drawing
    bool labelShown[4] = {};
    bool NearTop(int y) const;
    bool NearBottom(int y) const;
    bool NearLeft(int x) const;
    bool NearRight(int x) const;
};
