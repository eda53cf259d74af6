// The part editor's brick: opening on a key, the kind and sizes, the preview and accepting.
#include "base/Text.h"
#include "model/Block.h"
#include "model/PaletteKey.h"
#include "model/PartStore.h"
#include "raster/Canvas.h"
#include "render/DrawContext.h"
#include "tools/AskFileAndPart.h"
#include "tools/PartEditor.h"
#include "tools/PartEditorWidgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>
#include <cstring>

namespace {
constexpr const char* KindLetters = "BTNCEIRWGO";
constexpr int GeneralRow = 8;
// Built-in kinds come in whole studs and plates: no size below one of them can be made.
constexpr int StudUnits = 20, PlateUnits = 8;

TColour FaceColourOf(const QWidget& widget) {
    QColor c = widget.palette().color(QPalette::Button);
    return RGB(c.red(), c.green(), c.blue());
}
} // namespace

void TAddHard::Open(const std::string& key, TMode openMode) {
    mode = openMode;
    switch (mode) {
    case TMode::EditBlock:
        setWindowTitle("Edit block");
        btnAddPiece->setText("Replace");
        break;
    case TMode::AddBlock:
        setWindowTitle("Add new block");
        btnAddPiece->setText("Add");
        break;
    case TMode::Hardcoded:
        setWindowTitle("Add new hardcoded block");
        btnAddPiece->setText("Add");
        break;
    }
    edtIdent->setText(QString::fromStdString(KeyPartID(key)));
    ShowDetail(std::clamp(context.DetailLevel, 0, 2));
    LoadBrick(KeyBody(key));
}

char TAddHard::KindLetter() const {
    int row = lbBlockTypes->currentRow();
    return row >= 0 && row < 10 ? KindLetters[row] : 'B';
}

bool TAddHard::General() const {
    return KindLetter() == 'G';
}

std::string TAddHard::Key() const {
    std::string key;
    if (General())
        key = "G " + currentFile + ", " + currentPart;
    else
        key = std::string(1, KindLetter()) + " " + std::to_string(edtX->value() / 20) + "x" +
              std::to_string(edtY->value() / 20) + "x" + std::to_string(edtZ->value() * 3 / 24);
    std::string identity = Trim(edtIdent->text().toStdString());
    return identity.empty() ? key : key + "|" + identity;
}

void TAddHard::LoadBrick(const std::string& key) {
    // The brick points at the working copy: it goes first. The cached definition is never
    // touched here.
    brick.reset();
    working.reset();
    SelectedPolygon = SelectedVertex = -1;
    try {
        std::unique_ptr<TBlock> made = CreateBrickFromKey(key);
        if (made) {
            made->Colour = colour;
            if (made->Kind == 'G' && made->Definition) {
                working = std::make_unique<TDrawClass>(*made->Definition);
                working->HighlightPolygon = -1;
                if (mode == TMode::AddBlock)
                    working->PartName = "template";
                made->Definition = working.get();
                currentFile = working->FileName;
                currentPart = working->PartName;
            }
            brick = std::move(made);
        }
    } catch (const std::exception&) {
        // A key that names nothing leaves the preview empty; the user can choose another kind.
        brick.reset();
        working.reset();
    }
    updating = true;
    char kind = brick ? brick->Kind : KeyBody(key).empty() ? 'B' : KeyBody(key)[0];
    const char* letter = std::strchr(KindLetters, kind);
    lbBlockTypes->setCurrentRow(letter && kind ? int(letter - KindLetters) : 0);
    updating = false;
    ShowKind();
}

void TAddHard::ShowKind() {
    bool general = General();
    PolygonPanel->setVisible(general);
    for (QWidget* w : {static_cast<QWidget*>(spbDet0), static_cast<QWidget*>(spbDet1),
                       static_cast<QWidget*>(spbDet2), static_cast<QWidget*>(spbColor)})
        w->setVisible(general);
    EditMenu->setEnabled(general);
    updating = true;
    for (int axis = 0; axis < 3; ++axis) {
        QSpinBox* box = axis == 0 ? edtX : axis == 1 ? edtY : edtZ;
        int unit = axis == 2 ? PlateUnits : StudUnits;
        box->setMinimum(general ? 1 : unit);
        box->setSingleStep(general ? 1 : unit);
    }
    if (brick)
        SetDimensions(brick->SX, brick->SY, brick->SZ);
    updating = false;
    FillPolygonLists();
    // The window narrows to the settings panel for the built-in kinds.
    adjustSize();
    if (!general)
        resize(minimumSizeHint().width(), height());
    PaintBox1->update();
}

void TAddHard::SetDimensions(int32_t x, int32_t y, int32_t z) {
    bool was = updating;
    updating = true;
    edtX->setValue(x);
    edtY->setValue(y);
    edtZ->setValue(z);
    updating = was;
    remembered = {edtX->value(), edtY->value(), edtZ->value()};
}

void TAddHard::lbBlockTypesClick() {
    if (updating)
        return;
    if (General() && !working)
        LoadBrick("G " + currentFile + ", " + currentPart);
    else
        LoadBrick(Key());
}

void TAddHard::DimensionChange() {
    if (updating)
        return;
    if (!General()) {
        LoadBrick(KeyBody(Key()));
        return;
    }
    if (!working || !brick)
        return;
    TSizes now{edtX->value(), edtY->value(), edtZ->value()};
    StretchShape(*working, remembered, now);
    remembered = now;
    brick->SX = now[0];
    brick->SY = now[1];
    brick->SZ = now[2];
    RegenerateStuds();
    FillCoordinates();
    PaintBox1->update();
}

void TAddHard::ShapeChanged() {
    if (!working || !brick)
        return;
    brick->SX = working->BBX;
    brick->SY = working->BBY;
    brick->SZ = working->BBZ;
    SetDimensions(brick->SX, brick->SY, brick->SZ);
    FillPolygonLists();
    PaintBox1->update();
}

void TAddHard::RotateView(int turn, int tilt) {
    if (turn != 0)
        Angles.TurnBy(10 * turn);
    if (tilt != 0)
        Angles.TiltBy(10 * tilt);
    PaintBox1->update();
}

void TAddHard::Zoom(int tenths) {
    Angles.ZoomBy(tenths);
    PaintBox1->update();
}

void TAddHard::ShowDetail(int level) {
    context.DetailLevel = level;
    (level == 0 ? spbDet0 : level == 1 ? spbDet1 : spbDet2)->setChecked(true);
    PaintBox1->update();
}

void TAddHard::btnWireBaseClick() {
    if (brick)
        brick->Transparent = !brick->Transparent;
    btnWireBase->setChecked(brick && brick->Transparent);
    PaintBox1->update();
}

void TAddHard::speOctantChange() {
    if (updating)
        return;
    Angles.ShowOctant(speOctant->value());
    FillDrawOrder();
    PaintBox1->update();
}

void TAddHard::DrawPreview() {
    preview.SetSize(std::max(1, PaintBox1->width()), std::max(1, PaintBox1->height()));
    TColour face = FaceColourOf(*this);
    if (!brick) {
        TCanvas& canvas = preview.Canvas();
        canvas.Brush.Style = TBrushStyle::bsSolid;
        canvas.Brush.Colour = face;
        canvas.FillRect({0, 0, preview.Width(), preview.Height()});
        return;
    }
    if (working)
        working->HighlightPolygon = SelectedPolygon;
    try {
        LastOctantSeen = DrawPartPreview(preview, context, *brick, Angles, face);
    } catch (const std::exception&) {
        // Drawing never reports errors (a missing picture, say); the view is back already.
        return;
    }
    if (speOctant->value() != LastOctantSeen) {
        updating = true;
        speOctant->setValue(LastOctantSeen);
        updating = false;
        FillDrawOrder();
    }
}

void TAddHard::btnAddPieceClick() {
    // The identity goes into palette keys and model lines, which split at ':' and blanks.
    CheckTypedPartID(Trim(edtIdent->text().toStdString()));
    if (General() && !working) {
        // Accepting would hand back some other part's key in place of the one that failed.
        QMessageBox::warning(this, windowTitle(),
                             "The part definition of this brick could not be loaded; choose "
                             "another kind of brick or Cancel.");
        return;
    }
    if (General()) {
        working->HighlightPolygon = -1;
        SelectedPolygon = SelectedVertex = -1;
        if (SameText(working->FileName, "template.dat") ||
            SameText(working->PartName, "template")) {
            TAskFileAndPart ask(this);
            ask.SetNames(working->FileName, working->PartName,
                         Trim(edtIdent->text().toStdString()));
            if (ask.exec() != QDialog::Accepted)
                return;
            working->FileName = ask.FileName();
            working->PartName = ask.PartName();
            edtIdent->setText(QString::fromStdString(ask.Identity()));
        }
        TDrawClass& stored = StorePartDefinition(*working);
        currentFile = stored.FileName;
        currentPart = stored.PartName;
        if (OnPartStored)
            OnPartStored(stored);
    }
    accept();
}
