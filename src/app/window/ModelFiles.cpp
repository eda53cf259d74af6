#include "app/window/ModelFiles.h"

#include "app/dialogs/OpenModelDialog.h"
#include "exchange/LoadModel.h"

#include <QFileDialog>
#include <algorithm>
#include <filesystem>

namespace {
constexpr size_t RecentMenuEntries = 15;
constexpr size_t RecentKept = 12;

std::string FolderOf(const std::string& name) {
    return std::filesystem::path(name).parent_path().string();
}
} // namespace

void TModelFiles::StartIn(const std::string& folder) {
    DirOpen = DirSave = DirSub = DirSaveSel = folder;
}

void TModelFiles::SetFileName(const std::string& name) {
    FileName = name;
    SaveDialogName = std::filesystem::path(name).filename().string();
}

void TModelFiles::Opening(const std::string& fileName, int mode) {
    auto known = std::find(Recent.begin(), Recent.end(), fileName);
    if (known != Recent.end()) {
        Recent.erase(known);
        Recent.insert(Recent.begin(), fileName);
        if (Recent.size() > RecentKept)
            Recent.resize(RecentKept);
    } else {
        Recent.insert(Recent.begin(), fileName);
    }
    (mode == LoadWhole ? DirOpen : DirSub) = FolderOf(fileName);
}

std::string TModelFiles::AskOpen(const QString& title, int mode) {
    if (!OpenDialog)
        OpenDialog = new TOpenModelDialog(&Window);
    TOpenModelDialog& dialog = *OpenDialog;
    dialog.setWindowTitle(title);
    dialog.setDirectory(QString::fromStdString(mode == LoadWhole ? DirOpen : DirSub));
    if (!FileName.empty())
        dialog.selectFile(QString::fromStdString(FileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first().toStdString();
}

std::string TModelFiles::AskSave(bool all) {
    std::string& folder = all ? DirSave : DirSaveSel;
    std::string name = all ? SaveDialogName : std::string();
    if (name.size() >= 4 && name[name.size() - 4] == '.')
        name.resize(name.size() - 4);
    QFileDialog dialog(&Window, all ? "Save model as..." : "Save selected parts as...");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(
        {"Tessaryn Files (*.LGO *.lgo)", "LDRAW Files (*.DAT *.dat)", "All files (*)"});
    dialog.setDefaultSuffix("lgo");
    if (!folder.empty())
        dialog.setDirectory(QString::fromStdString(folder));
    dialog.selectFile(QString::fromStdString(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    std::string fileName = dialog.selectedFiles().first().toStdString();
    folder = FolderOf(fileName);
    return fileName;
}

std::vector<std::string> TModelFiles::MenuEntries() const {
    return {Recent.begin(), Recent.begin() + std::min(Recent.size(), RecentMenuEntries)};
}
