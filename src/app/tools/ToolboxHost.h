#pragma once
// What the advanced toolbox uses of the main window; the window implements it in an adapter.

#include <cstdint>

class QAction;
class TBlockList;

class TToolboxHost {
public:
    virtual ~TToolboxHost() = default;

    virtual TBlockList& Model() = 0;
    virtual int32_t CurrentColour() const = 0;
    // The colour becomes the current one, with its swatch marked when it has one.
    virtual void TakeColour(int32_t colour) = 0;
    // The model was edited: it needs saving.
    virtual void ModelChanged() = 0;
    virtual void Redraw() = 0;
    virtual int32_t GridXY() const = 0;
    virtual int32_t GridZ() const = 0;
    // The step bricks taken in hand from now on get.
    virtual void SetNewBrickStep(int32_t step) = 0;
    // The window's "LDraw this view", which the toolbox's "LDraw" button runs.
    virtual QAction& LDrawThisView() = 0;
};
