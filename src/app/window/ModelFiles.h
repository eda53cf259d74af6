#pragma once
// The model's files: its name, whether it needs saving, the recently used files, the folder
// each dialog starts in, and the open and save dialogs.

#include <QString>
#include <string>
#include <vector>

class QWidget;
class TOpenModelDialog;

class TModelFiles {
public:
    explicit TModelFiles(QWidget& window) : Window(window) {}

    bool Modified = false;
    std::string FileName;
    // Newest first, for the "Load" menu.
    std::vector<std::string> Recent;
    std::string DirOpen, DirSave, DirSub, DirSaveSel;
    // What the save dialog proposes: the model file's name without its folder.
    std::string SaveDialogName;

    // Every dialog starts in the folder the settings give.
    void StartIn(const std::string& folder);
    void SetFileName(const std::string& name);
    // A file being opened (whole or as a sub-assembly) goes to the top of the recent files,
    // and its folder is where that dialog starts next time.
    void Opening(const std::string& fileName, int mode);
    // Asks for a model to open; empty when cancelled.
    std::string AskOpen(const QString& title, int mode);
    // Asks where the model (or its selected bricks) goes; empty when cancelled.
    std::string AskSave(bool all);
    // The recent files the "Load" menu lists.
    std::vector<std::string> MenuEntries() const;

private:
    QWidget& Window;
    // Made at the first open command and kept for the rest of the run, so its size, view and
    // filter stay as the user left them.
    TOpenModelDialog* OpenDialog = nullptr;
};
