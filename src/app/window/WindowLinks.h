#pragma once
// The main window's side of the palette panel and the advanced toolbox: what each may use of
// the window, and nothing more.

#include "app/palette/PaletteHost.h"
#include "app/tools/ToolboxHost.h"

class TMainForm;

class TPaletteLink : public TPaletteHost {
public:
    explicit TPaletteLink(TMainForm& form) : Form(form) {}

    QWidget* Window() override;
    TDrawContext& Context() override;
    int32_t CurrentColour() const override;
    bool Transparent() const override;
    bool StudsHidden() const override;
    bool Timing() const override;
    void PartDefinitionChanged(const TDrawClass& definition) override;
    void PartEditorClosed() override;

private:
    TMainForm& Form;
};

class TToolboxLink : public TToolboxHost {
public:
    explicit TToolboxLink(TMainForm& form) : Form(form) {}

    TBlockList& Model() override;
    int32_t CurrentColour() const override;
    void TakeColour(int32_t colour) override;
    void ModelChanged() override;
    void Redraw() override;
    int32_t GridXY() const override;
    int32_t GridZ() const override;
    void SetNewBrickStep(int32_t step) override;
    QAction& LDrawThisView() override;

private:
    TMainForm& Form;
};
