// The palette's context menu commands: combination models, part IDs, pages and the dialogs.
#include "app/dialogs/OpenModelDialog.h"
#include "app/palette/CustomizeDialog.h"
#include "app/palette/PageDialogs.h"
#include "app/palette/PaletteListBox.h"
#include "app/palette/PalettePanel.h"
#include "base/FileNames.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/Block.h"
#include "model/PaletteKey.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {
// A brick of the key whose identity no row of the mapping table knows gets a row.
void MapPartID(const std::string& key) {
    std::unique_ptr<TBlock> brick = IsSubAssemblyKey(key) ? nullptr : CreateBrickFromKey(key);
    if (!brick || brick->PartID.empty())
        return;
    TLDrawOffsets offsets;
    LDrawMap().FindLDrawRecord(*brick, offsets);
}
} // namespace

void TPalettePanel::Addcombo1Click() {
    if (!Pages.NormalPageShown())
        return;
    TOpenModelDialog dialog(Host.Window());
    dialog.setWindowTitle("Add combo part");
    dialog.setDirectory(QString::fromStdString(AppDir() + "Combos"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        AddCombo(dialog.selectedFiles().first().toStdString());
}

void TPalettePanel::AddCombo(const std::string& fileName) {
    if (!Pages.NormalPageShown())
        return;
    std::string name = fileName;
    const std::string& appDir = AppDir();
    if (name.size() > appDir.size() && SameText(name.substr(0, appDir.size()), appDir))
        name = name.substr(appDir.size());
    if (EndsWithNoCase(name, ".lgo"))
        name.resize(name.size() - 4);
    std::vector<std::string>& keys = Pages.Pages[size_t(Pages.CurrentPage)].Bricks;
    int row = SelectedPageRow();
    keys.insert(row >= 0 ? keys.begin() + row : keys.end(), "M " + name);
    ShowPage(Pages.CurrentPage);
}

void TPalettePanel::Removeblock1Click() {
    int row = SelectedPageRow();
    if (row < 0)
        return;
    std::vector<std::string>& keys = Pages.Pages[size_t(Pages.CurrentPage)].Bricks;
    keys.erase(keys.begin() + row);
    delete ListBox1->takeItem(row);
}

void TPalettePanel::miEditIDClick() {
    int row = SelectedPageRow();
    if (row < 0)
        return;
    TfrmEditID dialog(Host.Window());
    dialog.edID->setText(QString::fromStdString(
        KeyPartID(Pages.Pages[size_t(Pages.CurrentPage)].Bricks[size_t(row)])));
    if (dialog.exec() == QDialog::Accepted)
        EditID(dialog.PartID());
}

bool TPalettePanel::EditID(const std::string& partID) {
    int row = SelectedPageRow();
    if (row < 0)
        return false;
    CheckTypedPartID(partID);
    std::string& key = Pages.Pages[size_t(Pages.CurrentPage)].Bricks[size_t(row)];
    std::string oldKey = key;
    key = KeyWithPartID(key, partID);
    std::string newKey = key;
    ShowPage(Pages.CurrentPage);
    ListBox1->setCurrentRow(row);
    MapPartIDs(oldKey, newKey);
    return true;
}

void TPalettePanel::MapPartIDs(const std::string& oldKey, const std::string& newKey) {
    // Without a mapping table there is nothing to keep in step.
    if (!FileExists(LDrawMap().FileName()))
        return;
    LoadLDrawMap();
    MapPartID(oldKey);
    MapPartID(newKey);
}

void TPalettePanel::Addnewpage1Click() {
    ShowPage(Pages.AddPage());
}

void TPalettePanel::Addpagefromfile1Click() {
    QString file = QFileDialog::getOpenFileName(Host.Window(), "Load parts from file",
                                                QString::fromStdString(AppDir() + "parts"),
                                                "Part files (*.dat *.DAT);;All files (*)");
    if (file.isEmpty())
        return;
    int page = Pages.AddPage();
    try {
        Pages.AddPageFromFile(file.toStdString(), page);
    } catch (...) {
        // A file that cannot be read leaves no empty page behind.
        Pages.RemovePage(page);
        throw;
    }
    ShowPage(page);
    Properties1Click();
}

void TPalettePanel::Removepage1Click() {
    if (!Pages.NormalPageShown())
        return;
    if (!Pages.RemovePage(Pages.CurrentPage)) {
        QMessageBox::information(Host.Window(), Host.Window()->windowTitle(),
                                 "Only an empty page can be removed: move or remove its bricks "
                                 "first.");
        return;
    }
    ShowPage(Pages.CurrentPage);
}

void TPalettePanel::Properties1Click() {
    if (!Pages.NormalPageShown())
        return;
    TPaletteSettings& page = Pages.Pages[size_t(Pages.CurrentPage)];
    TfrmProperties dialog(Host.Window());
    dialog.SetPage(page);
    if (dialog.exec() == QDialog::Accepted && dialog.StoreInto(page))
        ShowPage(Pages.CurrentPage);
}

void TPalettePanel::Reorderpages1Click() {
    TfrmReorder dialog(Pages.Pages, Host.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    Pages.Pages = dialog.Pages;
    ShowPage(Pages.CurrentPage);
}

void TPalettePanel::Customizepages1Click() {
    TfrmCustomize dialog(
        Pages.Pages, Pages.RecentBricks, Pages.RecentColours,
        [this](QPainter& painter, const QRect& rect, const std::string& key,
               std::optional<int32_t> colour, int rowHeight, float scale, bool selected) {
            DrawKeyRow(painter, rect, key, colour.value_or(Host.CurrentColour()), rowHeight, scale,
                       selected);
        },
        Host.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    Pages.Pages = dialog.Pages;
    ShowPage(Pages.CurrentPage);
}
