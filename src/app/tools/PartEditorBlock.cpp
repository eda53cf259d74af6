// The part editor's brick: opening on a key, the kind and sizes, the preview and accepting.
#include "app/tools/AskFileAndPart.h"
#include "app/tools/PartEditor.h"
#include "app/tools/PartEditorWidgets.h"
#include "base/Text.h"
#include "model/Block.h"
#include "model/PaletteKey.h"
#include "model/PartStore.h"
#include "raster/Canvas.h"
#include "render/DrawContext.h"

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
    Mode = openMode;
    switch (Mode) {
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
    ShowDetail(std::clamp(Context.DetailLevel, 0, 2));
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
        key = "G " + CurrentFile + ", " + CurrentPart;
    else
        key = std::string(1, KindLetter()) + " " + std::to_string(edtX->value() / 20) + "x" +
              std::to_string(edtY->value() / 20) + "x" + std::to_string(edtZ->value() * 3 / 24);
    std::string identity = Trim(edtIdent->text().toStdString());
    return identity.empty() ? key : key + "|" + identity;
}

void TAddHard::LoadBrick(const std::string& key) {
    // The brick points at the working copy: it goes first. The cached definition is never
    // touched here.
    EditedBrick.reset();
    WorkingClass.reset();
    SelectedPolygon = SelectedVertex = -1;
    try {
        std::unique_ptr<TBlock> made = CreateBrickFromKey(key);
        if (made) {
            made->Colour = Colour;
            if (made->Kind == 'G' && made->Definition) {
                WorkingClass = std::make_unique<TDrawClass>(*made->Definition);
                WorkingClass->HighlightPolygon = -1;
                if (Mode == TMode::AddBlock)
                    WorkingClass->PartName = "template";
                made->Definition = WorkingClass.get();
                CurrentFile = WorkingClass->FileName;
                CurrentPart = WorkingClass->PartName;
            }
            EditedBrick = std::move(made);
        }
    } catch (const std::exception&) {
        // A key that names nothing leaves the preview empty; the user can choose another kind.
        EditedBrick.reset();
        WorkingClass.reset();
    }
    Updating = true;
    char kind = EditedBrick ? EditedBrick->Kind : KeyBody(key).empty() ? 'B' : KeyBody(key)[0];
    const char* letter = std::strchr(KindLetters, kind);
    lbBlockTypes->setCurrentRow(letter && kind ? int(letter - KindLetters) : 0);
    Updating = false;
    ShowKind();
}

void TAddHard::ShowKind() {
    bool general = General();
    PolygonPanel->setVisible(general);
    for (QWidget* w : {static_cast<QWidget*>(spbDet0), static_cast<QWidget*>(spbDet1),
                       static_cast<QWidget*>(spbDet2), static_cast<QWidget*>(spbColor)})
        w->setVisible(general);
    EditMenu->setEnabled(general);
    Updating = true;
    for (int axis = 0; axis < 3; ++axis) {
        QSpinBox* box = axis == 0 ? edtX : axis == 1 ? edtY : edtZ;
        int unit = axis == 2 ? PlateUnits : StudUnits;
        box->setMinimum(general ? 1 : unit);
        box->setSingleStep(general ? 1 : unit);
    }
    if (EditedBrick)
        SetDimensions(EditedBrick->SX, EditedBrick->SY, EditedBrick->SZ);
    Updating = false;
    FillPolygonLists();
    // The window narrows to the settings panel for the built-in kinds.
    adjustSize();
    if (!general)
        resize(minimumSizeHint().width(), height());
    PaintBox1->update();
}

void TAddHard::SetDimensions(int32_t x, int32_t y, int32_t z) {
    bool was = Updating;
    Updating = true;
    edtX->setValue(x);
    edtY->setValue(y);
    edtZ->setValue(z);
    Updating = was;
    RememberedSizes = {edtX->value(), edtY->value(), edtZ->value()};
}

void TAddHard::lbBlockTypesClick() {
    if (Updating)
        return;
    if (General() && !WorkingClass)
        LoadBrick("G " + CurrentFile + ", " + CurrentPart);
    else
        LoadBrick(Key());
}

void TAddHard::DimensionChange() {
    if (Updating)
        return;
    if (!General()) {
        LoadBrick(KeyBody(Key()));
        return;
    }
    if (!WorkingClass || !EditedBrick)
        return;
    TSizes now{edtX->value(), edtY->value(), edtZ->value()};
    StretchShape(*WorkingClass, RememberedSizes, now);
    RememberedSizes = now;
    EditedBrick->SX = now[0];
    EditedBrick->SY = now[1];
    EditedBrick->SZ = now[2];
    RegenerateStuds();
    FillCoordinates();
    PaintBox1->update();
}

void TAddHard::ShapeChanged() {
    if (!WorkingClass || !EditedBrick)
        return;
    EditedBrick->SX = WorkingClass->BBX;
    EditedBrick->SY = WorkingClass->BBY;
    EditedBrick->SZ = WorkingClass->BBZ;
    SetDimensions(EditedBrick->SX, EditedBrick->SY, EditedBrick->SZ);
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
    Context.DetailLevel = level;
    (level == 0 ? spbDet0 : level == 1 ? spbDet1 : spbDet2)->setChecked(true);
    PaintBox1->update();
}

void TAddHard::btnWireBaseClick() {
    if (EditedBrick)
        EditedBrick->Transparent = !EditedBrick->Transparent;
    btnWireBase->setChecked(EditedBrick && EditedBrick->Transparent);
    PaintBox1->update();
}

void TAddHard::speOctantChange() {
    if (Updating)
        return;
    Angles.ShowOctant(speOctant->value());
    FillDrawOrder();
    PaintBox1->update();
}

void TAddHard::DrawPreview() {
    Preview.SetSize(std::max(1, PaintBox1->width()), std::max(1, PaintBox1->height()));
    TColour face = FaceColourOf(*this);
    if (!EditedBrick) {
        TCanvas& canvas = Preview.Canvas();
        canvas.Brush.Style = TBrushStyle::bsSolid;
        canvas.Brush.Colour = face;
        canvas.FillRect({0, 0, Preview.Width(), Preview.Height()});
        return;
    }
    if (WorkingClass)
        WorkingClass->HighlightPolygon = SelectedPolygon;
    try {
        LastOctantSeen = DrawPartPreview(Preview, Context, *EditedBrick, Angles, face);
    } catch (const std::exception&) {
        // Drawing never reports errors (a missing picture, say); the view is back already.
        return;
    }
    if (speOctant->value() != LastOctantSeen) {
        Updating = true;
        speOctant->setValue(LastOctantSeen);
        Updating = false;
        FillDrawOrder();
    }
}

void TAddHard::btnAddPieceClick() {
    // The identity goes into palette keys and model lines, which split at ':' and blanks.
    CheckTypedPartID(Trim(edtIdent->text().toStdString()));
    if (General() && !WorkingClass) {
        // Accepting would hand back some other part's key in place of the one that failed.
        QMessageBox::warning(this, windowTitle(),
                             "The part definition of this brick could not be loaded; choose "
                             "another kind of brick or Cancel.");
        return;
    }
    if (General()) {
        WorkingClass->HighlightPolygon = -1;
        SelectedPolygon = SelectedVertex = -1;
        if (SameText(WorkingClass->FileName, "template.dat") ||
            SameText(WorkingClass->PartName, "template")) {
            TAskFileAndPart ask(this);
            ask.SetNames(WorkingClass->FileName, WorkingClass->PartName,
                         Trim(edtIdent->text().toStdString()));
            if (ask.exec() != QDialog::Accepted)
                return;
            WorkingClass->FileName = ask.FileName();
            WorkingClass->PartName = ask.PartName();
            edtIdent->setText(QString::fromStdString(ask.Identity()));
        }
        TDrawClass& stored = StorePartDefinition(*WorkingClass);
        CurrentFile = stored.FileName;
        CurrentPart = stored.PartName;
        if (OnPartStored)
            OnPartStored(stored);
    }
    accept();
}
