#pragma once
// Editing with the brick in hand: the hand, the sub-assembly waiting for it, what the mouse and
// the keys leave between events, and the hand painted over the last frame.

#include "edit/Hand.h"
#include "edit/HandDrawing.h"

#include <QPoint>
#include <QRect>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QPainter;
class TBlockList;
class TDrawClass;
class TDrawContext;
class TViewBox;
class TScreenFrame;

class THandEditing {
public:
    // The view box is made after this object.
    THandEditing(TBlockList& model, TDrawContext& context, TScreenFrame& frame,
                 TViewBox* const& viewBox)
        : Hand(model, context), Context(context), Frame(frame), ViewBox(viewBox) {}

    THand Hand;
    // A loaded sub-assembly waiting for the hand, with the key of the box that stands for it.
    std::unique_ptr<TBlockList> SubAssembly;
    std::string SubAssemblyKey;
    // The step new bricks get; the advanced toolbox's "Step:" field sets it.
    int32_t ToolboxStep = 0;
    // Where the last press, or the last step of a turning drag, was.
    int MouseDownX = 0, MouseDownY = 0;
    // A right-button drag turns the view, in wireframe while it lasts.
    bool TurningView = false, WireBeforeTurn = false;
    // A key is being handled; one that arrives meanwhile (from a dialog it opened) is not ours.
    bool KeyBusy = false;
    // Where the pointer was last moved for the hand (view coordinates), -1 when none pending.
    QPoint PointerTarget{-1, -1};
    // Repaints of the hand alone, for the tests and the timing.
    int HandPaints = 0;

    void DrawHand();
    void EraseHand();
    // Whether the next frame paints the hand.
    void SetShown(bool shown) { Shown = shown; }
    // Repaints the area from the last frame with the hand over it, the scene not drawn again.
    void RepaintOverFrame(const QRect& area);
    // Within RepaintOverFrame: the paint draws the frame and what lies over it, nothing more.
    bool OverFrameOnly() const { return OnlyOverFrame; }
    // The hand over the frame the painter shows.
    void PaintHand(QPainter& painter);

    // Moves the mouse pointer over the model point, for the hand to follow.
    void MovePointerTo(int32_t x, int32_t y, int32_t z);
    // The pointer moved to the view point: false for the move that echoes our own pointer warp,
    // which would snap the hand back by rounding.
    bool UserMovedPointer(int x, int y);
    // The brick in hand goes to the last drop's place, with the pointer over it.
    void PlaceAtLastDrop();
    // The waiting sub-assembly goes into the hand as a group at the last drop's place; false
    // when there was nothing to take.
    bool TakeSubAssembly();
    // The change reaches whatever is in hand, which is drawn again with it.
    void RestyleHand(const std::function<void(TBlock&)>& change);
    // The bricks in hand and in the waiting sub-assembly take an edited part's new shape.
    void PartDefinitionChanged(const TDrawClass& definition);

private:
    TDrawContext& Context;
    TScreenFrame& Frame;
    TViewBox* const& ViewBox;
    bool Shown = false;
    bool OnlyOverFrame = false;
    THandLayer HandLayer;
    QRect HandRect; // where the hand was last painted
};
