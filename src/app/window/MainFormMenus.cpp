// The main window's tool bars, their drop-down menus and the menu bar that repeats them.
#include "app/instructions/InstructionsFeature.h"
#include "app/tools/AdvancedToolbox.h"
#include "app/window/ColourSwatches.h"
#include "app/window/MainForm.h"

#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {
QToolButton* NewButton(QToolBar* bar, const QString& objectName, const QString& text,
                       const QString& hint) {
    auto* b = new QToolButton(bar);
    b->setObjectName(objectName);
    b->setText(text);
    b->setToolTip(hint);
    bar->addWidget(b);
    return b;
}

QAction* NewEntry(QMenu* menu, const QString& objectName, const QString& text, bool checkable,
                  int tag = 0) {
    QAction* a = menu->addAction(text);
    a->setObjectName(objectName);
    a->setCheckable(checkable);
    a->setData(tag);
    return a;
}

QToolBar* NewBar(TMainForm* form, const QString& title, Qt::ToolBarArea area) {
    auto* bar = new QToolBar(title, form);
    bar->setObjectName(title);
    bar->setMovable(true);
    form->addToolBar(area, bar);
    return bar;
}
} // namespace

void TMainForm::CreateMenus() {
    pumLoad = new QMenu(this);
    mNewmodel = NewEntry(pumLoad, "mNewmodel", "Open a &model...", false);
    mSubAssembly = NewEntry(pumLoad, "mSubAssembly", "Open as &subassembly...", false);
    pumSave = new QMenu(this);
    mSaveModel = NewEntry(pumSave, "mSaveModel", "Save the &complete model...", false);
    mSaveSelected = NewEntry(pumSave, "mSaveSelected", "Save &selected pieces only...", false);

    pumOptions = new QMenu(this);
    miGroup = NewEntry(pumOptions, "miGroup", "Make group", false);
    miBreak = NewEntry(pumOptions, "miBreak", "Break group(s)", false);
    pumOptions->addSeparator();
    mSafePos = NewEntry(pumOptions, "mSafePos", "Safe positioning", true);
    mSafePos->setChecked(true);
    mSafePos->setToolTip("ON to snap on top of other blocks");
    miWfOnMouse = NewEntry(pumOptions, "miWfOnMouse", "Wireframe on mouse rotate", true);
    Hints1 = NewEntry(pumOptions, "Hints1", "Hints", true);
    pumOptions->addSeparator();
    Advancedtoolbox1 = NewEntry(pumOptions, "Advancedtoolbox1", "Advanced toolbox", true);
    Boundary1 = NewEntry(pumOptions, "Boundary1", "Boundary...", true);
    Sequencer1 = NewEntry(pumOptions, "Sequencer1", "Sequencer", true);
    pumOptions->addSeparator();
    LDrawthisview1 = NewEntry(pumOptions, "LDrawthisview1", "LDraw this view", false);
    L2pov = NewEntry(pumOptions, "L2pov", "POV (via L2P)", false);
    L3pov = NewEntry(pumOptions, "L3pov", "POV (via L3P)", false);
    pumOptions->addSeparator();
    Backgroundpicture1 = NewEntry(pumOptions, "Backgroundpicture1", "Background picture...", false);
    mRestBg = NewEntry(pumOptions, "mRestBg", "Restore background color", false);
    pumOptions->addSeparator();
    miAbout = NewEntry(pumOptions, "miAbout", "About...", false);
    miExit = NewEntry(pumOptions, "miExit", "Exit", false);
    // The tool windows of these entries come with later work.
    for (QAction* a : {Advancedtoolbox1, Boundary1})
        a->setEnabled(false);

    pumViewOptions = new QMenu(this);
    auto* details = new QActionGroup(this);
    miNoDetail = NewEntry(pumViewOptions, "miNoDetail", "No details", true, 0);
    miMoreDetail = NewEntry(pumViewOptions, "miMoreDetail", "More detail (decorations)", true, 1);
    miMostDetail = NewEntry(pumViewOptions, "miMostDetail", "Even more detail (bitmaps)", true, 2);
    for (QAction* a : {miNoDetail, miMoreDetail, miMostDetail})
        details->addAction(a);
    miNoDetail->setChecked(true);
    pumViewOptions->addSeparator();
    miShading = NewEntry(pumViewOptions, "miShading", "Shading", true);
    miAdjustLight = NewEntry(pumViewOptions, "miAdjustLight", "Adjust light direction...", false);
    miAdjustLight->setEnabled(false);
    miSeeThroughBP = NewEntry(pumViewOptions, "miSeeThroughBP", "See through baseplate", true);

    pumStuds = new QMenu(this);
    auto* studs = new QActionGroup(this);
    FastStuds2 = NewEntry(pumStuds, "FastStuds2", "&Fast studs", true, 0);
    BetterStuds2 = NewEntry(pumStuds, "BetterStuds2", "&Better studs", true, 1);
    BestStuds2 = NewEntry(pumStuds, "BestStuds2", "Best &studs     (Slowest)", true, 2);
    Nostuds2 = NewEntry(pumStuds, "Nostuds2", "&No studs        (Fastest)", true, 3);
    for (QAction* a : {FastStuds2, BetterStuds2, BestStuds2, Nostuds2})
        studs->addAction(a);
    FastStuds2->setChecked(true);

    pumRendering = new QMenu(this);
    miAntiAlias = NewEntry(pumRendering, "miAntiAlias", "Anti-aliasing", true);
    pumRendering->addSeparator();
    auto* depths = new QActionGroup(this);
    pf8bit1 = NewEntry(pumRendering, "pf8bit1", "8 bits per pixel", true, 1);
    pf16bit1 = NewEntry(pumRendering, "pf16bit1", "16 bits per pixel", true, 2);
    pf24bit1 = NewEntry(pumRendering, "pf24bit1", "24 bits per pixel", true, 3);
    pf32bit1 = NewEntry(pumRendering, "pf32bit1", "32 bits per pixel", true, 4);
    pfdevice1 = NewEntry(pumRendering, "pfdevice1", "Device format", true, 5);
    for (QAction* a : {pf8bit1, pf16bit1, pf24bit1, pf32bit1, pfdevice1})
        depths->addAction(a);
    pf32bit1->setChecked(true);
    pumRendering->addSeparator();
    miTiming = NewEntry(pumRendering, "miTiming", "Timing", true);
    miAllCores = NewEntry(pumRendering, "miAllCores", "Draw on all cores", true);
    miSlowRender = NewEntry(pumRendering, "miSlowRender", "Slow rendering (piece by piece)", true);
    miCoveredStuds = NewEntry(pumRendering, "miCoveredStuds", "Don't render covered studs", true);

    // The viewing drop-down also gathers the settings of how the view is drawn.
    pumViewOptions->addSeparator();
    pumViewOptions->addAction(miWfOnMouse);
    pumViewOptions->addSeparator();
    pumViewOptions->addActions({pf8bit1, pf16bit1, pf24bit1, pf32bit1, pfdevice1});
}

void TMainForm::CreateToolBars() {
    QToolBar* file = NewBar(this, "File", Qt::TopToolBarArea);
    btnClear = NewButton(file, "btnClear", "New", "New model");
    btnLoad = NewButton(file, "btnLoad", "Open", "Open a model");
    btnLoad->setMenu(pumLoad);
    btnLoad->setPopupMode(QToolButton::InstantPopup);
    btnSave = NewButton(file, "btnSave", "Save", "Save the model");
    btnSave->setMenu(pumSave);
    btnSave->setPopupMode(QToolButton::InstantPopup);
    btnUndo = NewButton(file, "btnUndo", "Undo", "Undo");
    btnRedo = NewButton(file, "btnRedo", "Redo", "Redo");
    btnUndo->setEnabled(false);
    btnRedo->setEnabled(false);
    btnOptions = NewButton(file, "btnOptions", "Options", "Options");
    btnOptions->setMenu(pumOptions);
    btnOptions->setPopupMode(QToolButton::InstantPopup);
    btnSavePic = NewButton(file, "btnSavePic", "Picture", "Save picture");
    btnPrint = NewButton(file, "btnPrint", "Print", "Print");

    QToolBar* view = NewBar(this, "View", Qt::TopToolBarArea);
    btnRotUp = NewButton(view, "btnRotUp", QString::fromUtf8("\u25b2"), "Rotate up");
    btnRotDown = NewButton(view, "btnRotDown", QString::fromUtf8("\u25bc"), "Rotate down");
    btnRotLeft = NewButton(view, "btnRotLeft", QString::fromUtf8("\u25c0"), "Rotate left");
    btnRotRight = NewButton(view, "btnRotRight", QString::fromUtf8("\u25b6"), "Rotate right");
    btnZoomIn = NewButton(view, "btnZoomIn", "+", "Zoom in");
    btnZoomOut = NewButton(view, "btnZoomOut", QString::fromUtf8("\u2212"), "Zoom out");
    for (QToolButton* b : {btnRotUp, btnRotDown, btnRotLeft, btnRotRight})
        b->setAutoRepeat(true);
    for (QToolButton* b : {btnZoomIn, btnZoomOut}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatInterval(200);
    }
    btnHome = NewButton(view, "btnHome", "Centre", "Restore standard view");
    btnRestoreView = NewButton(view, "btnRestoreView", "Reset", "Restore original view");
    btnRefresh = NewButton(view, "btnRefresh", "Refresh", "Refresh display");
    btnZoomFit = NewButton(view, "btnZoomFit", "Fit", "Zoom to fit (F11)");

    QToolBar* fixed = NewBar(this, "Fixed views", Qt::TopToolBarArea);
    const char* names[10] = {"btnTopView",    "btnFromFront", "btnFromRight", "btnFromLeft",
                             "btnFromBack",   "btnFrontLeft", "btnBackRight", "btnBackLeft",
                             "btnFrontRight", "btnFrontView"};
    const char* hints[10] = {"Top view",   "From front", "From right", "From left",   "From back",
                             "Front left", "Back right", "Back left",  "Front right", "Front view"};
    const char* glyphs[10] = {"T", "F", "R", "L", "B", "FL", "BR", "BL", "FR", "V"};
    for (int tag = 0; tag < 10; ++tag)
        FixedViews.push_back(NewButton(fixed, names[tag], glyphs[tag], hints[tag]));

    addToolBarBreak(Qt::TopToolBarArea);
    QToolBar* display = NewBar(this, "Display", Qt::TopToolBarArea);
    btnViewOptions = NewButton(display, "btnViewOptions", "Viewing", "Viewing options");
    btnViewOptions->setMenu(pumViewOptions);
    btnViewOptions->setPopupMode(QToolButton::MenuButtonPopup);
    btnStuds = NewButton(display, "btnStuds", "Studs", "Stud options");
    btnStuds->setCheckable(true);
    btnStuds->setMenu(pumStuds);
    btnStuds->setPopupMode(QToolButton::MenuButtonPopup);
    btnWireFrame = NewButton(display, "btnWireFrame", "Wire", "Rendering options");
    btnWireFrame->setCheckable(true);
    btnWireFrame->setMenu(pumRendering);
    btnWireFrame->setPopupMode(QToolButton::MenuButtonPopup);

    BrickSelectionBar = NewBar(this, "Brick selection", Qt::TopToolBarArea);
    btnPointer = NewButton(BrickSelectionBar, "btnPointer", "Pointer", "Select pointer mode");
    btnTransparent =
        NewButton(BrickSelectionBar, "btnTransparent", "Transp.", "Transparent blocks");
    btnTransparent->setCheckable(true);
    btnPieceStuds = NewButton(BrickSelectionBar, "btnPieceStuds", "No studs", "Studded blocks");
    btnPieceStuds->setCheckable(true);
    cbResolution = new QComboBox(BrickSelectionBar);
    cbResolution->setObjectName("cbResolution");
    cbResolution->addItems({"Normal", "Half", "Fine"});
    cbResolution->setToolTip("Positioning grid");
    BrickSelectionBar->addWidget(cbResolution);

    QToolBar* colours = NewBar(this, "Colors", Qt::BottomToolBarArea);
    Swatches = new TColourSwatches(colours);
    colours->addWidget(Swatches);
    btnColorDlg = NewButton(colours, "btnColorDlg", "Color...", "Choose color");

    QToolBar* base = NewBar(this, "Baseplate", Qt::BottomToolBarArea);
    base->addWidget(new QLabel("Baseplate ", base));
    BSizeX = new QLineEdit("16", base);
    BSizeY = new QLineEdit("8", base);
    for (QLineEdit* e : {BSizeX, BSizeY}) {
        e->setFixedWidth(40);
        base->addWidget(e);
    }
    BSizeX->setObjectName("BSizeX");
    BSizeY->setObjectName("BSizeY");
    BSizeX->setToolTip("Baseplate length (studs)");
    BSizeY->setToolTip("Baseplate width (studs)");
    ThickBase = NewButton(base, "ThickBase", "Thick", "Thick baseplate");
    ThickBase->setCheckable(true);

    MiscBar = NewBar(this, "Misc.", Qt::BottomToolBarArea);
    btnExit = NewButton(MiscBar, "btnExit", "Exit", "Exit");
}

void TMainForm::CreateMenuBar() {
    // Titles without '&': every letter key belongs to the editing keys.
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu("File");
    file->addAction(mNewmodel);
    file->addAction(mSubAssembly);
    file->addSeparator();
    file->addAction(mSaveModel);
    file->addAction(mSaveSelected);
    file->addSeparator();
    // Building instructions, parts lists and layer steps.
    TInstructionsHost host;
    host.Window = this;
    host.Model = &Model;
    host.Context = &Context;
    host.ModelFile = [this] { return Files.FileName; };
    host.ModelChanged = [this] {
        Files.Modified = true;
        UpdateUndoButtons();
        Tools.AdvOptions->ShowStepLimit(Model.StepLimit);
        RedrawPicture();
    };
    Instructions = std::make_unique<TInstructionsFeature>(host);
    miInstructions = NewEntry(file, "miInstructions", "Building instructions...", false);
    miPartsList = NewEntry(file, "miPartsList", "Parts list...", false);
    miSetSteps = new QAction("Set steps from layers", this);
    miSetSteps->setObjectName("miSetSteps");
    connect(miInstructions, &QAction::triggered, this,
            [this] { Instructions->miInstructionsClick(); });
    connect(miPartsList, &QAction::triggered, this, [this] { Instructions->miPartsListClick(); });
    connect(miSetSteps, &QAction::triggered, this, [this] { Instructions->miSetStepsClick(); });
    file->addSeparator();
    file->addAction(miExit);
    QMenu* edit = bar->addMenu("Edit");
    edit->addAction(miGroup);
    edit->addAction(miBreak);
    edit->addSeparator();
    edit->addAction(miSetSteps);
    QMenu* display = bar->addMenu("Display");
    QList<QAction*> viewing = pumViewOptions->actions();
    display->addActions(viewing.mid(0, viewing.indexOf(miSeeThroughBP) + 1));
    display->addSeparator();
    display->addActions(pumStuds->actions());
    display->addSeparator();
    display->addActions(pumRendering->actions());
    display->addSeparator();
    mZoomToFit = display->addAction("Zoom to fit");
    mZoomToFit->setObjectName("mZoomToFit");
    QMenu* options = bar->addMenu("Options");
    for (QAction* a : pumOptions->actions())
        if (a != miGroup && a != miBreak && a != miAbout && a != miExit)
            options->addAction(a);
    QMenu* help = bar->addMenu("Help");
    help->addAction(miAbout);
    connect(edit, &QMenu::aboutToShow, this, [this] { pumOptionsPopup(); });
    connect(file, &QMenu::aboutToShow, this, [this] { pumSavePopup(); });
}
