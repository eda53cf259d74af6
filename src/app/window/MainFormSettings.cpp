// Start-up and shutdown of the main window: the settings file in, the settings file out.
#include "app/palette/PalettePanel.h"
#include "app/view/ViewBox.h"
#include "app/widgets/WindowMessages.h"
#include "app/window/MainForm.h"
#include "base/FileNames.h"
#include "parts/PartFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

namespace {
// A relative name from the command line means the folder the program was started in, which
// the start-up step leaves for AppDir.
std::string FromLaunchFolder(const std::string& name) {
    std::error_code ec;
    if (name.empty() || std::filesystem::path(name).is_absolute())
        return name;
    std::filesystem::path full = std::filesystem::absolute(name, ec);
    return ec ? name : full.string();
}
} // namespace

void TMainForm::FormCreate() {
    Redraw.Busy = true;
    setWindowTitle(QString("Tessaryn Ver ") + Version);
    SetViewAngles(70, 30);
    ZLiftOff->setValue(9999);
    ZLiftOffChange();
    Controls.TakeReferenceView();

    TCommandLine commandLine = ReadIniName(Args, AppDir());
    IniFileName = FromLaunchFolder(commandLine.IniFileName);
    StartFile = commandLine.StartFile;
    if (!StartFile.empty() && std::filesystem::exists(StartFile))
        StartFile = FromLaunchFolder(StartFile);
    Settings = ReadSettings(IniFileName, AppDir(), ExecutableDir());
    ApplySettings();
    // A missing file has nothing to convert; it is written at exit.
    if (Settings.Version == 1 && std::filesystem::exists(IniFileName)) {
        try {
            SaveSettings(IniFileName, Settings);
        } catch (const std::exception& e) {
            QMessageBox::warning(this, windowTitle(),
                                 QString("The settings could not be converted:\n") + e.what());
        }
    }
    Settings.Version = 2;
    Palette->SetBitDepth(BitDepth);
    Palette->ShowPage(0);

    Colours.SetDrawingColours();
    Colours.Background = ButtonFaceColour();
    Model.SortedOctant = 0;
    AddBaseplate();
    BoundaryExists = true;
    Redraw.Busy = false;
    QApplication::postEvent(this, new QEvent(WindowMessages::EventType(WindowMessages::StartUp)));
}

void TMainForm::ApplySettings() {
    const TSettings& s = Settings;
    Files.StartIn(s.ModelDir);
    Pictures.PictureDir = Colours.BackgroundDir = s.PictureDir;
    LDrawthisview1->setEnabled(LDrawViewerFound(s.LDrawLib, s.LDrawProg));
    Hints1->setChecked(s.Hints);
    Hints1Click();
    FastStuds1Click(s.StudQual);
    NoDetailsClick(s.Details);
    Context.Shading = s.Shading;
    ShowDrawingOptions();
    miWfOnMouse->setChecked(s.WfOnMouse);
    miAllCores->setChecked(s.AllCores);
    Context.Threads = s.AllCores ? &DrawingThreads : nullptr;
    for (QAction* a : {pf8bit1, pf16bit1, pf24bit1, pf32bit1, pfdevice1})
        if (a->data().toInt() == s.BitDepth)
            pfdevice1Click(s.BitDepth);
}

void TMainForm::GatherSettings() {
    TSettings& s = Settings;
    s.ModelDir = Files.DirOpen;
    s.PictureDir = Pictures.PictureDir;
    s.Hints = Hints1->isChecked();
    s.StudQual = 0;
    for (QAction* a : {FastStuds2, BetterStuds2, BestStuds2, Nostuds2})
        if (a->isChecked())
            s.StudQual = a->data().toInt();
    s.Details = 0;
    for (QAction* a : {miNoDetail, miMoreDetail, miMostDetail})
        if (a->isChecked())
            s.Details = a->data().toInt();
    s.Shading = miShading->isChecked();
    s.WfOnMouse = miWfOnMouse->isChecked();
    s.AllCores = miAllCores->isChecked();
    s.BitDepth = BitDepth;
}

void TMainForm::StartUp() {
    QDir::setCurrent(QString::fromStdString(AppDir()));
    if (!StartFile.empty()) {
        LoadModelFile(StartFile, 0);
        Tools.Boundary.ResetKept(Model);
    }
    // The two bars go to the far end of their docks.
    for (QToolBar* bar : {BrickSelectionBar, MiscBar})
        addToolBar(toolBarArea(bar), bar);
}

void TMainForm::FormDestroy() {
    try {
        SaveModifiedDrawClasses();
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(),
                             QString("The changed part definitions could not be written:\n") +
                                 e.what());
    }
    GatherSettings();
    try {
        SaveSettings(IniFileName, Settings);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(),
                             QString("The settings (and the palette pages in them) could not be "
                                     "written:\n") +
                                 e.what());
    }
}
