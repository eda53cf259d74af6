// The main window's side of the palette: the panel in the right-hand dock, its keys, and the
// brick a palette row puts in hand.
#include "app/palette/PalettePanel.h"
#include "app/window/ColourSwatches.h"
#include "app/window/MainForm.h"
#include "exchange/LoadModel.h"
#include "model/PaletteKey.h"

#include <QAction>
#include <QLayout>
#include <QToolButton>

void TMainForm::CreatePalette() {
    Palette = new TPalettePanel(PaletteLink, Settings.Pages, RightPanel);
    RightPanel->layout()->setContentsMargins(0, 0, 0, 0);
    RightPanel->layout()->addWidget(Palette);
    Palette->OnChoose = [this](const std::string& key, int32_t colour) {
        return TakeFromPalette(key, colour);
    };
    Palette->OnRightClick = [this] {
        Colours.Background = ButtonFaceColour();
        RedrawPicture();
    };
    // The rows show the current colour, studs, transparency, shading and bit depth.
    for (QAction* a : {pf8bit1, pf16bit1, pf24bit1, pf32bit1, pfdevice1, miAntiAlias})
        connect(a, &QAction::triggered, Palette, [this] { Palette->SetBitDepth(Frame.BitDepth); });
    connect(miShading, &QAction::triggered, Palette, [this] { Palette->Repaint(); });
    for (QToolButton* button : {btnTransparent, btnPieceStuds, btnColorDlg})
        connect(button, &QToolButton::clicked, Palette, [this] { Palette->Repaint(); });
    auto swatchDown = Swatches->OnSwatchMouseDown;
    Swatches->OnSwatchMouseDown = [this, swatchDown](int swatch, bool right) {
        if (swatchDown)
            swatchDown(swatch, right);
        // The newest recently used brick is the one in hand: it keeps the colour it gets.
        if (!right && !Editing.Hand.Empty())
            Palette->Pages.RecolourNewest(Colours.CurrentColour);
        Palette->Repaint();
    };
}

bool TMainForm::TakeFromPalette(const std::string& key, int32_t colour) {
    DropHand();
    if (IsSubAssemblyKey(key)) {
        // The combination is no model the user opened: the dialogs keep their folder and name.
        std::string folder = Files.DirSub, name = Files.FileName;
        try {
            LoadModelFile(SubAssemblyFile(key), LoadSubAssembly);
        } catch (...) {
            Files.DirSub = folder;
            SetModelFile(name);
            throw;
        }
        Files.DirSub = folder;
        SetModelFile(name);
    } else {
        std::unique_ptr<TBlock> brick = CreateBrickFromKey(key);
        if (brick) {
            brick->Colour = colour;
            Editing.Hand.TakeInHand(std::move(brick), Editing.ToolboxStep);
        }
    }
    if (!Editing.Hand.Empty()) {
        Editing.PlaceAtLastDrop();
        TBlock& brick = *Editing.Hand.BrickInHand;
        brick.Studs = !btnPieceStuds->isChecked();
        brick.Transparent = btnTransparent->isChecked();
        Editing.DrawHand();
        Tools.ShowBrick(&brick);
        btnPointer->setChecked(false);
    }
    ComputeViewMatrix(Context.View);
    return !Editing.Hand.Empty();
}
