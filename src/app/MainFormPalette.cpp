// The main window's side of the palette: the panel in the right-hand dock, and the brick a
// palette row puts in hand.
#include "app/ColourSwatches.h"
#include "app/MainForm.h"
#include "app/PalettePanel.h"
#include "app/ViewBox.h"
#include "model/LoadModel.h"
#include "model/PaletteKey.h"

#include <QAction>
#include <QCursor>
#include <QLayout>
#include <QToolButton>

void TMainForm::CreatePalette() {
    Palette = new TPalettePanel(*this, Settings.Pages, RightPanel);
    RightPanel->layout()->setContentsMargins(0, 0, 0, 0);
    RightPanel->layout()->addWidget(Palette);
    Palette->OnChoose = [this](const std::string& key, int32_t colour) {
        return TakeFromPalette(key, colour);
    };
    Palette->OnRightClick = [this] {
        Background = ButtonFaceColour();
        RedrawPicture();
    };
    // The rows show the current colour, studs, transparency, shading and bit depth.
    for (QAction* a : {pf8bit1, pf16bit1, pf24bit1, pf32bit1, pfdevice1, miAntiAlias})
        connect(a, &QAction::triggered, Palette, [this] { Palette->SetBitDepth(BitDepth); });
    connect(miShading, &QAction::triggered, Palette, [this] { Palette->Repaint(); });
    for (QToolButton* button : {btnTransparent, btnPieceStuds, btnColorDlg})
        connect(button, &QToolButton::clicked, Palette, [this] { Palette->Repaint(); });
    auto swatchDown = Swatches->OnSwatchMouseDown;
    Swatches->OnSwatchMouseDown = [this, swatchDown](int swatch, bool right) {
        if (swatchDown)
            swatchDown(swatch, right);
        if (!right && BrickInHand) {
            BrickInHand->Colour = CurrentColour;
            Palette->Pages.RecolourNewest(CurrentColour);
        }
        Palette->Repaint();
    };
}

void TMainForm::TakeInHand(std::unique_ptr<TBlock> brick) {
    BrickInHand = std::move(brick);
    if (BrickInHand)
        BrickInHand->Step = Model.StepLimit;
}

void TMainForm::DropHand() {
    BrickInHand.reset();
    SubAssembly.reset();
    SubAssemblyKey.clear();
    btnPointer->setChecked(true);
    RedrawPicture();
}

bool TMainForm::TakeFromPalette(const std::string& key, int32_t colour) {
    DropHand();
    if (IsSubAssemblyKey(key)) {
        // The combination is no model the user opened: the dialogs keep their folder and name.
        std::string folder = ModelDirSub, name = ModelFileName;
        try {
            LoadModelFile(SubAssemblyFile(key), LoadSubAssembly);
        } catch (...) {
            ModelDirSub = folder;
            SetModelFile(name);
            throw;
        }
        ModelDirSub = folder;
        SetModelFile(name);
        if (SubAssembly && SubAssembly->Count() > 0)
            TakeInHand(CreateBrickFromKey(SubAssemblyKey));
    } else {
        std::unique_ptr<TBlock> brick = CreateBrickFromKey(key);
        if (brick)
            brick->Colour = colour;
        TakeInHand(std::move(brick));
    }
    if (BrickInHand) {
        BrickInHand->X = LastDrop[0];
        BrickInHand->Y = LastDrop[1];
        BrickInHand->Z = LastDrop[2];
        TPoint p = ProjectPoint(Context.View, LastDrop[0], LastDrop[1], LastDrop[2]);
        QCursor::setPos(PaintBox1->mapToGlobal(QPoint(p.X, p.Y)));
        BrickInHand->Studs = !btnPieceStuds->isChecked();
        BrickInHand->Transparent = btnTransparent->isChecked();
        btnPointer->setChecked(false);
    }
    ComputeViewMatrix(Context.View);
    return BrickInHand != nullptr;
}
