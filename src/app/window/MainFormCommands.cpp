// The model commands: new, open, save, recent files, groups, undo and redo, exit.
#include "app/palette/PalettePanel.h"
#include "app/tools/AdvancedToolbox.h"
#include "app/window/MainForm.h"
#include "base/Text.h"
#include "exchange/LoadModel.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/LDrawExportReport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/ModelFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QToolButton>

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
    StopSequencer();
    if (!AskSaveModel())
        return;
    SetModelFile("");
    Model.Clear();
    SubAssembly.reset();
    AddBaseplate();
    Redraw.Busy = true;
    Guarded([this] { BSizeXKeyPress(); });
    Redraw.Busy = false;
    StartOverModel();
    RedrawPicture();
    Files.Modified = false;
}

void TMainForm::StartOverModel() {
    // The boundary's highest level becomes the bar's position and its last accepted one.
    ZCutOff.LastPosition = Context.Boundary.TopOff();
    BoundaryTopMoved();
    QSignalBlocker block(ZLiftOff);
    ZLiftOff->setValue(ZCutOff.LastPosition);
    lblZLiftOff->setText(QString::number(ZCutOff.LastPosition));
    btnUndo->setEnabled(false);
    btnRedo->setEnabled(false);
    Palette->ClearRecentlyUsed();
}

void TMainForm::UpdateUndoButtons() {
    btnUndo->setEnabled(Model.UndoCount() > 0);
    btnRedo->setEnabled(Model.RedoCount() > 0);
}

void TMainForm::LoadModelFile(const std::string& fileName, int mode) {
    StopSequencer();
    Files.Opening(fileName, mode);
    if (mode == LoadWhole) {
        Model.Clear();
        SubAssembly.reset();
        StartOverModel();
        Files.Modified = false;
    }
    SetModelFile(fileName);
    Redraw.Busy = true;
    TLoadResult result;
    try {
        result = LoadModel(Model, fileName, mode, Colours.CurrentColour);
    } catch (...) {
        Redraw.Busy = false;
        RedrawPicture();
        throw;
    }
    if (mode == LoadWhole) {
        TModelHeader header = HeaderOfList(Model);
        Controls.ApplyFileView(header.RotX, header.RotZ, header.ScaleBar, header.OffsetX,
                               header.OffsetY, header.Studs != 0);
        SyncViewBars();
        if (result.BaseplateIndex >= 0) {
            const TBlock& plate = Model[result.BaseplateIndex];
            BSizeX->setText(QString::number(plate.SX / 20));
            BSizeY->setText(QString::number(plate.SY / 20));
            ThickBase->setChecked(plate.SZ == 24);
        }
        UpdateUndoButtons();
        Tools.AdvOptions->ShowStepLimit(Model.StepLimit);
    } else {
        SubAssembly = std::move(result.SubAssembly);
        SubAssemblyKey = result.PlaceKey;
        TakeSubAssemblyInHand();
    }
    Redraw.Busy = false;
    RedrawPicture();
    if (result.ImportReport && result.ImportReport->Skipped() > 0)
        ShowExchangeNotice("LDraw import", ImportReportMessage(*result.ImportReport));
}

void TMainForm::ShowExchangeNotice(const std::string& title, const std::string& text) {
    auto* box = new QMessageBox(QMessageBox::Information, QString::fromStdString(title),
                                QString::fromStdString(text), QMessageBox::Ok, this);
    box->setObjectName("ExchangeNotice");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
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
        SaveLDrawFile(fileName, bricks, LDrawMap(), &report);
        if (report.LeftOut() > 0)
            ShowExchangeNotice("LDraw export", ExportReportMessage(report));
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
    ToolboxShowSelection();
    btnRefreshClick();
}

void TMainForm::btnRedoClick() {
    Guarded([this] { Model.Redo(); });
    UpdateUndoButtons();
    ToolboxShowSelection();
    btnRefreshClick();
}

void TMainForm::ExitButtonClick() {
    close();
}
