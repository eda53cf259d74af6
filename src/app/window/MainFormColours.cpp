// Colours for new bricks and the background: swatches, colour dialog, transparency, studs, hints.
#include "app/window/ColourSwatches.h"
#include "app/window/MainForm.h"

#include <QAction>
#include <QColorDialog>
#include <QToolButton>

namespace {
int32_t ColourValue(const QColor& c) {
    return c.red() | c.green() << 8 | c.blue() << 16;
}

QColor QColourOf(int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
} // namespace

void TMainForm::Edit7MouseDown(int swatch, bool rightButton) {
    if (rightButton) {
        Colours.Background = Colours.SwatchColour(swatch);
        RedrawPicture();
        return;
    }
    Colours.CurrentColour = Colours.SwatchColour(swatch);
    Colours.CurrentSwatch = swatch;
    Editing.RestyleHand([colour = Colours.CurrentColour](TBlock& b) { b.Colour = colour; });
}

void TMainForm::btnColorDlgClick() {
    QColor chosen = QColorDialog::getColor(QColourOf(Colours.CurrentColour), this, "Choose color");
    if (!chosen.isValid())
        return;
    Colours.CurrentColour = ColourValue(chosen);
    Colours.CurrentSwatch = -1;
    Editing.RestyleHand([colour = Colours.CurrentColour](TBlock& b) { b.Colour = colour; });
}

void TMainForm::TransparentMouseDown() {
    Editing.RestyleHand(
        [transparent = btnTransparent->isChecked()](TBlock& b) { b.Transparent = transparent; });
}

void TMainForm::btnPieceStudsClick() {
    // The button down means bricks without studs.
    Editing.RestyleHand([studs = !btnPieceStuds->isChecked()](TBlock& b) { b.Studs = studs; });
}

void TMainForm::Hints1Click() {
    HintsOn = Hints1->isChecked();
}
