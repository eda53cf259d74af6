// Start-up and shutdown of the main window: the settings file in, the settings file out.
#include "app/palette/PalettePanel.h"
#include "app/tools/Sequencer.h"
#include "app/view/ViewBox.h"
#include "app/widgets/WindowMessages.h"
#include "app/window/MainForm.h"
#include "base/FileNames.h"
#include "base/Text.h"
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

// The sequencer shown with the sequence read through its own open command, as if its dialog
// had picked the file: it reads the file, or says why not, and shows the first frame.
void OpenSequenceAtStart(TMainForm& form, const std::string& fileName) {
    if (!form.Sequencer1->isChecked())
        form.Sequencer1Click();
    auto ask = form.Sequencer.frmSeq->AskOpenName;
    form.Sequencer.frmSeq->AskOpenName = [&fileName] { return QString::fromStdString(fileName); };
    form.Sequencer.frmSeq->btnOpenClick();
    form.Sequencer.frmSeq->AskOpenName = ask;
}

void ApplySettings(TMainForm& form) {
    const TSettings& s = form.Settings;
    form.Files.StartIn(s.ModelDir);
    form.Pictures.PictureDir = form.Colours.BackgroundDir = s.PictureDir;
    form.LDrawthisview1->setEnabled(LDrawViewerFound(s.LDrawLib, s.LDrawProg));
    form.Hints1->setChecked(s.Hints);
    form.Hints1Click();
    form.FastStuds1Click(s.StudQual);
    form.NoDetailsClick(s.Details);
    form.Context.Shading = s.Shading;
    form.ShowDrawingOptions();
    form.miWfOnMouse->setChecked(s.WfOnMouse);
    form.miAllCores->setChecked(s.AllCores);
    form.Context.Threads = s.AllCores ? &form.DrawingThreads : nullptr;
    for (QAction* a : {form.pf8bit1, form.pf16bit1, form.pf24bit1, form.pf32bit1, form.pfdevice1})
        if (a->data().toInt() == s.BitDepth)
            form.pfdevice1Click(s.BitDepth);
}

void GatherSettings(TMainForm& form) {
    TSettings& s = form.Settings;
    s.ModelDir = form.Files.DirOpen;
    s.PictureDir = form.Pictures.PictureDir;
    s.Hints = form.Hints1->isChecked();
    s.StudQual = 0;
    for (QAction* a : {form.FastStuds2, form.BetterStuds2, form.BestStuds2, form.Nostuds2})
        if (a->isChecked())
            s.StudQual = a->data().toInt();
    s.Details = 0;
    for (QAction* a : {form.miNoDetail, form.miMoreDetail, form.miMostDetail})
        if (a->isChecked())
            s.Details = a->data().toInt();
    s.Shading = form.miShading->isChecked();
    s.WfOnMouse = form.miWfOnMouse->isChecked();
    s.AllCores = form.miAllCores->isChecked();
    s.BitDepth = form.Frame.BitDepth;
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
    ApplySettings(*this);
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
    Palette->SetBitDepth(Frame.BitDepth);
    Palette->ShowPage(0);

    Colours.SetDrawingColours();
    Colours.Background = ButtonFaceColour();
    Model.SortedOctant = 0;
    AddBaseplate();
    Tools.BoundaryExists = true;
    Redraw.Busy = false;
    QApplication::postEvent(this, new QEvent(WindowMessages::EventType(WindowMessages::StartUp)));
}

void TMainForm::StartUp() {
    QDir::setCurrent(QString::fromStdString(AppDir()));
    // A sequence opened from the desktop comes up in the sequencer, on the baseplate.
    if (EndsWithNoCase(StartFile, ".lgs")) {
        OpenSequenceAtStart(*this, StartFile);
    } else if (!StartFile.empty()) {
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
    GatherSettings(*this);
    try {
        SaveSettings(IniFileName, Settings);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(),
                             QString("The settings (and the palette pages in them) could not be "
                                     "written:\n") +
                                 e.what());
    }
}
