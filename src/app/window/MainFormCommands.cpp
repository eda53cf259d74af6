// The model commands: new, open, save, recent files, groups, undo and redo, exit.
#include "app/palette/PalettePanel.h"
#include "app/tools/AdvancedToolbox.h"
#include "app/window/MainForm.h"
#include "base/Text.h"
#include "exchange/LoadModel.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/LDrawExportReport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/shapes/LDrawShapes.h"
#include "model/ModelFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QToolButton>

namespace {
// Tells the user what an exchange left out, in a message that does not wait for an answer.
void ShowExchangeNotice(QWidget* parent, const std::string& title, const std::string& text) {
    auto* box = new QMessageBox(QMessageBox::Information, QString::fromStdString(title),
                                QString::fromStdString(text), QMessageBox::Ok, parent);
    box->setObjectName("ExchangeNotice");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// A new or opened model starts with the Z cut-off at the top, no undo and an empty
// "<Recently used>" page.
void StartOverModel(TMainForm& form) {
    // The boundary's highest level becomes the bar's position and its last accepted one.
    form.Tools.ZCutOff.Accept(form.Context.Boundary.TopOff());
    form.Tools.TopMoved();
    QSignalBlocker block(form.ZLiftOff);
    form.ZLiftOff->setValue(form.Tools.ZCutOff.LastPosition);
    form.lblZLiftOff->setText(QString::number(form.Tools.ZCutOff.LastPosition));
    form.btnUndo->setEnabled(false);
    form.btnRedo->setEnabled(false);
    form.Palette->ClearRecentlyUsed();
}
} // namespace

bool TMainForm::AskSaveModel() {
    if (!Files.Modified)
        return true;
    auto answer = QMessageBox::question(
        this, windowTitle(), "The model has not been saved!\r\nDo You want to save it now?",
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes) {
        bool saved = false;
        Guarded([&] { saved = SaveModel(true); });
        if (!saved)
            return false;
    }
    Files.Modified = false;
    return true;
}

void TMainForm::SetModelFile(const std::string& name) {
    QString caption = windowTitle();
    int dash = caption.indexOf(" - ");
    if (dash >= 0)
        caption.truncate(dash);
    if (!name.empty())
        caption += " - " + QString::fromStdString(name);
    setWindowTitle(caption);
    Files.SetFileName(name);
}

void TMainForm::AddBaseplate() {
    auto plate = std::make_unique<TBlock>();
    plate->Create(-8, -4, -1, 16, 8, 1, Colours.ColourGray(), !btnPieceStuds->isChecked(), true,
                  false, "3865");
    Model.Add(std::move(plate));
}

void TMainForm::btnClearClick() {
    Sequencer.Stop();
    if (!AskSaveModel())
        return;
    SetModelFile("");
    Model.Clear();
    Editing.SubAssembly.reset();
    AddBaseplate();
    Redraw.Busy = true;
    Guarded([this] { BSizeXKeyPress(); });
    Redraw.Busy = false;
    StartOverModel(*this);
    RedrawPicture();
    Files.Modified = false;
}

void TMainForm::UpdateUndoButtons() {
    btnUndo->setEnabled(Model.UndoCount() > 0);
    btnRedo->setEnabled(Model.RedoCount() > 0);
}

void TMainForm::LoadModelFile(const std::string& fileName, int mode) {
    Sequencer.Stop();
    Files.Opening(fileName, mode);
    if (mode == LoadWhole) {
        Model.Clear();
        Editing.SubAssembly.reset();
        StartOverModel(*this);
        Files.Modified = false;
    }
    SetModelFile(fileName);
    Redraw.Busy = true;
    TLoadResult result;
    try {
        std::unique_ptr<TLDrawShapes> shapes = OpenLDrawLibrary(ExpandHome(Settings.LDrawLib));
        result = LoadModel(Model, fileName, mode, Colours.CurrentColour, shapes.get());
    } catch (...) {
        Redraw.Busy = false;
        RedrawPicture();
        throw;
    }
    if (mode == LoadWhole) {
        TModelHeader header = HeaderOfList(Model);
        Controls.ApplyFileView(header.RotX, header.RotZ, header.ScaleBar, header.OffsetX,
                               header.OffsetY, header.Studs != 0);
        ViewBars.Sync();
        if (result.BaseplateIndex >= 0) {
            const TBlock& plate = Model[result.BaseplateIndex];
            BSizeX->setText(QString::number(plate.SX / 20));
            BSizeY->setText(QString::number(plate.SY / 20));
            ThickBase->setChecked(plate.SZ == 24);
        }
        UpdateUndoButtons();
        Tools.AdvOptions->ShowStepLimit(Model.StepLimit);
    } else {
        Editing.SubAssembly = std::move(result.SubAssembly);
        Editing.SubAssemblyKey = result.PlaceKey;
        if (Editing.TakeSubAssembly())
            btnPointer->setChecked(false);
    }
    Redraw.Busy = false;
    // An LDraw file carries no view: show it whole from the standard angles.
    if (mode == LoadWhole && result.ImportReport) {
        const TReferenceView standard;
        SetViewAngles(standard.RotX, standard.RotZ);
        ZoomToFitClick();
        Controls.TakeReferenceView();
    }
    RedrawPicture();
    if (result.ImportReport && result.ImportReport->Skipped() > 0) {
        std::string hint = LibraryHint(*result.ImportReport);
        ShowExchangeNotice(this, "LDraw import",
                           ImportReportMessage(*result.ImportReport) +
                               (hint.empty() ? "" : "\n\n" + hint));
    }
}

bool TMainForm::OpenModelDialog(const QString& title, int mode) {
    std::string fileName = Files.AskOpen(title, mode);
    if (fileName.empty())
        return false;
    LoadModelFile(fileName, mode);
    return true;
}

void TMainForm::mNewmodelClick() {
    if (AskSaveModel())
        Guarded([this] { OpenModelDialog("Load a complete model", LoadWhole); });
}

void TMainForm::mSubAssemblyClick() {
    std::string remembered = Files.FileName;
    Guarded([this] {
        if (OpenModelDialog("Load a subassembly", LoadSubAssembly))
            btnPointer->setChecked(false);
    });
    SetModelFile(remembered);
}

void TMainForm::pumLoadPopup() {
    for (QAction* a : pumLoad->actions()) {
        if (a->data().toInt() == -1) {
            pumLoad->removeAction(a);
            a->deleteLater();
        }
    }
    for (const std::string& name : Files.MenuEntries()) {
        QAction* a = pumLoad->addAction(QString::fromStdString(name));
        a->setData(-1);
        connect(a, &QAction::triggered, this,
                [this, name] { Guarded([&] { LoadModelFile(name, LoadSubAssembly); }); });
    }
}

bool TMainForm::SaveModel(bool all) {
    std::string fileName = Files.AskSave(all);
    if (fileName.empty())
        return false;
    SaveModelAs(fileName, all);
    return true;
}

void TMainForm::SaveModelAs(const std::string& fileName, bool all) {
    SetModelFile(fileName);
    TModelHeader header{Controls.RotX.Position,     Controls.RotZ.Position,
                        Controls.ScaleBar.Position, Controls.OffsetX.Position,
                        Controls.OffsetY.Position,  Context.StudsHidden ? 0 : 1};
    if (EndsWithNoCase(fileName, ".dat")) {
        // LDraw files always take the whole model.
        std::vector<TBlock*> bricks;
        for (const auto& brick : Model.Items())
            bricks.push_back(brick.get());
        TLDrawExportReport report;
        std::unique_ptr<TLDrawShapes> shapes = OpenLDrawLibrary(ExpandHome(Settings.LDrawLib));
        SaveLDrawFile(fileName, bricks, LDrawMap(), &report, shapes ? &shapes->Colours() : nullptr);
        if (report.LeftOut() > 0)
            ShowExchangeNotice(this, "LDraw export", ExportReportMessage(report));
    } else {
        SaveModelFile(Model, fileName, header, all);
    }
    if (all)
        Files.Modified = false;
    Controls.TakeReferenceView();
}

void TMainForm::mSaveModelClick() {
    Guarded([this] { SaveModel(true); });
}

void TMainForm::mSaveSelectedClick() {
    Guarded([this] { SaveModel(false); });
}

void TMainForm::pumSavePopup() {
    mSaveSelected->setEnabled(Model.FirstSelected() >= 0);
}

void TMainForm::pumOptionsPopup() {
    int first = Model.FirstSelected();
    miGroup->setEnabled(first >= 0);
    miBreak->setEnabled(first >= 0 && Model[first].Group > 0);
}

void TMainForm::miGroupClick() {
    Model.GroupSelected();
    RedrawPicture();
}

void TMainForm::miBreakClick() {
    Model.UngroupSelected();
    RedrawPicture();
}

void TMainForm::btnUndoClick() {
    Guarded([this] { Model.Undo(); });
    UpdateUndoButtons();
    Tools.ShowSelection();
    btnRefreshClick();
}

void TMainForm::btnRedoClick() {
    Guarded([this] { Model.Redo(); });
    UpdateUndoButtons();
    Tools.ShowSelection();
    btnRefreshClick();
}

void TMainForm::ExitButtonClick() {
    close();
}
