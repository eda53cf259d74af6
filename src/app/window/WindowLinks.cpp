#include "app/window/WindowLinks.h"

#include "app/palette/PalettePanel.h"
#include "app/window/MainForm.h"

#include <QAction>
#include <QToolButton>

QWidget* TPaletteLink::Window() {
    return &Form;
}

TDrawContext& TPaletteLink::Context() {
    return Form.Context;
}

int32_t TPaletteLink::CurrentColour() const {
    return Form.Colours.CurrentColour;
}

bool TPaletteLink::Transparent() const {
    return Form.btnTransparent->isChecked();
}

bool TPaletteLink::StudsHidden() const {
    return Form.btnPieceStuds->isChecked();
}

bool TPaletteLink::Timing() const {
    return Form.miTiming->isChecked();
}

void TPaletteLink::PartDefinitionChanged(const TDrawClass& definition) {
    Form.PartDefinitionChanged(definition);
}

void TPaletteLink::PartEditorClosed() {
    Form.ShowDrawingOptions();
    Form.RedrawPicture();
}

TBlockList& TToolboxLink::Model() {
    return Form.Model;
}

int32_t TToolboxLink::CurrentColour() const {
    return Form.Colours.CurrentColour;
}

void TToolboxLink::TakeColour(int32_t colour) {
    Form.Colours.Take(colour);
    Form.Palette->Repaint();
}

void TToolboxLink::ModelChanged() {
    Form.Files.Modified = true;
}

void TToolboxLink::Redraw() {
    Form.RedrawPicture();
}

int32_t TToolboxLink::GridXY() const {
    return Form.GridXY;
}

int32_t TToolboxLink::GridZ() const {
    return Form.GridZ;
}

void TToolboxLink::SetNewBrickStep(int32_t step) {
    Form.Editing.ToolboxStep = step;
}

QAction& TToolboxLink::LDrawThisView() {
    return *Form.LDrawthisview1;
}

const TBlock* TToolboxLink::BrickInHand() const {
    return Form.Editing.Hand.BrickInHand.get();
}
