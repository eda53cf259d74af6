#pragma once
// What the palette panel uses of the window it sits in; the main window implements it.

#include <cstdint>

class QWidget;
class TDrawClass;
class TDrawContext;

class TPaletteHost {
public:
    virtual ~TPaletteHost() = default;

    // The window the palette's dialogs and messages belong to.
    virtual QWidget* Window() = 0;
    virtual TDrawContext& Context() = 0;
    virtual int32_t CurrentColour() const = 0;
    // The style the tool buttons give new bricks, which the rows show.
    virtual bool Transparent() const = 0;
    virtual bool StudsHidden() const = 0;
    // "Timing" is on: the fill time goes to the window's caption.
    virtual bool Timing() const = 0;
    // The part editor stored a definition: every brick of it takes the new shape.
    virtual void PartDefinitionChanged(const TDrawClass& definition) = 0;
    // The part editor closed: the drawing options it borrowed are shown again, with a new frame.
    virtual void PartEditorClosed() = 0;
};
