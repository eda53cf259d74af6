// Bricks of an edited part definition take its new shape at the next paint.
#include "app/palette/PalettePanel.h"
#include "app/window/MainForm.h"
#include "model/PartStore.h"
#include "parts/DrawClass.h"

void TMainForm::PartDefinitionChanged(const TDrawClass& definition) {
    RebindGeneralBlocks(Model, definition);
    Editing.PartDefinitionChanged(definition);
    // New sizes can change which brick hides which.
    Model.SortedOctant = 99;
    if (Palette)
        Palette->Repaint();
    RedrawPicture();
}
