// The main window's construction, its private messages and its shutdown.
#include "app/window/MainForm.h"

#include "app/dialogs/AboutBox.h"
#include "app/instructions/InstructionsFeature.h"
#include "app/view/CanvasText.h"
#include "app/view/ViewBox.h"
#include "app/widgets/WindowMessages.h"
#include "app/window/ColourSwatches.h"
#include "base/Error.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QToolButton>

namespace {
QScrollBar* NewBar(QWidget* parent, const char* name, Qt::Orientation orientation, int min, int max,
                   int small, int large, int position) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setRange(min, max);
    bar->setSingleStep(small);
    bar->setPageStep(large);
    bar->setValue(position);
    return bar;
}
} // namespace

TMainForm::TMainForm(const std::vector<std::string>& args, QWidget* parent)
    : QMainWindow(parent), Args(args) {
    setObjectName("MainForm");
    InstallCanvasTextHooks();
    CreateMenus();
    CreateToolBars();
    CreateMenuBar();
    CreateViewPanel();
    ConnectHandlers();
    CreatePalette();
    CreateToolWindows();
    CreateSequencer();
    resize(1100, 760);
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateViewPanel() {
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    auto* lift = new QVBoxLayout;
    lblZLiftOff = new QLabel("19999", central);
    lblZLiftOff->setObjectName("lblZLiftOff");
    lblZLiftOff->setAlignment(Qt::AlignCenter);
    lblZLiftOff->setMinimumWidth(40);
    // Top of the bar is the highest level, as on the screen.
    ZLiftOff = NewBar(central, "ZLiftOff", Qt::Vertical, 0, 20000, 1, 24, 9999);
    ZLiftOff->setInvertedAppearance(true);
    ZLiftOff->setToolTip("Z cut-off");
    lift->addWidget(lblZLiftOff);
    lift->addWidget(ZLiftOff, 1, Qt::AlignHCenter);
    layout->addLayout(lift);

    auto* viewPanel = new QWidget(central);
    auto* grid = new QGridLayout(viewPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    PaintBox1 = new TViewBox(viewPanel);
    PaintBox1->setObjectName("PaintBox1");
    OffsetX = NewBar(viewPanel, "OffsetX", Qt::Horizontal, -5000, 5000, 5, 100, 0);
    OffsetY = NewBar(viewPanel, "OffsetY", Qt::Vertical, -5000, 5000, 5, 100, 0);
    btnCenter = new QToolButton(viewPanel);
    btnCenter->setObjectName("btnCenter");
    btnCenter->setToolTip("Restore standard view");
    int thick = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    btnCenter->setFixedSize(thick - 1, thick - 1);
    grid->addWidget(PaintBox1, 0, 0);
    grid->addWidget(OffsetY, 0, 1);
    grid->addWidget(OffsetX, 1, 0);
    grid->addWidget(btnCenter, 1, 1, Qt::AlignCenter);
    layout->addWidget(viewPanel, 1);

    RightPanel = new QWidget(central);
    RightPanel->setObjectName("RightPanel");
    RightPanel->setFixedWidth(220);
    RightPanel->setLayout(new QVBoxLayout);
    layout->addWidget(RightPanel);

    RotX = NewBar(this, "RotX", Qt::Horizontal, 0, 180, 5, 30, 0);
    RotZ = NewBar(this, "RotZ", Qt::Horizontal, 0, 360, 5, 45, 0);
    RotY = NewBar(this, "RotY", Qt::Horizontal, 0, 360, 10, 45, 0);
    ScaleBar = NewBar(this, "ScaleBar", Qt::Horizontal, 1, 80, 1, 10, 10);
    for (QScrollBar* hidden : {RotX, RotZ, RotY, ScaleBar})
        hidden->hide();
    setCentralWidget(central);
}

void TMainForm::ConnectHandlers() {
    BindViewControls();
    auto onClick = [this](QToolButton* button, void (TMainForm::*handler)()) {
        connect(button, &QToolButton::clicked, this,
                [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    auto onTrigger = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    onClick(btnClear, &TMainForm::btnClearClick);
    onClick(btnUndo, &TMainForm::btnUndoClick);
    onClick(btnRedo, &TMainForm::btnRedoClick);
    onClick(btnRefresh, &TMainForm::btnRefreshClick);
    onClick(btnWireFrame, &TMainForm::btnWireFrameClick);
    onClick(btnStuds, &TMainForm::btnStudsClick);
    onClick(btnViewOptions, &TMainForm::RedrawPicture);
    onClick(btnColorDlg, &TMainForm::btnColorDlgClick);
    connect(btnTransparent, &QToolButton::toggled, this, &TMainForm::TransparentMouseDown);
    connect(btnPieceStuds, &QToolButton::toggled, this, &TMainForm::btnPieceStudsClick);
    onClick(btnExit, &TMainForm::ExitButtonClick);
    onClick(ThickBase, &TMainForm::ThickBaseClick);
    onTrigger(mNewmodel, &TMainForm::mNewmodelClick);
    onTrigger(mSubAssembly, &TMainForm::mSubAssemblyClick);
    onTrigger(mSaveModel, &TMainForm::mSaveModelClick);
    onTrigger(mSaveSelected, &TMainForm::mSaveSelectedClick);
    onTrigger(miGroup, &TMainForm::miGroupClick);
    onTrigger(miBreak, &TMainForm::miBreakClick);
    onTrigger(Hints1, &TMainForm::Hints1Click);
    onTrigger(miShading, &TMainForm::miShadingClick);
    onTrigger(miSeeThroughBP, &TMainForm::miSeeThroughBPClick);
    onTrigger(miAllCores, &TMainForm::miAllCoresClick);
    onTrigger(miAntiAlias, &TMainForm::miAntiAliasClick);
    onTrigger(mRestBg, &TMainForm::mRestBgClick);
    onTrigger(Backgroundpicture1, &TMainForm::Backgroundpicture1Click);
    onTrigger(miExit, &TMainForm::ExitButtonClick);
    connect(miAbout, &QAction::triggered, this, [this] { TAbout(Version, this).exec(); });
    onTrigger(LDrawthisview1, &TMainForm::SpeedButton1Click);
    onTrigger(L2pov, &TMainForm::L2povClick);
    onTrigger(L3pov, &TMainForm::L3povClick);
    btnSavePic->setCheckable(true);
    onClick(btnSavePic, &TMainForm::btnSavePicClick);
    onClick(btnPrint, &TMainForm::btnPrintClick);
    for (QAction* a : {miNoDetail, miMoreDetail, miMostDetail})
        connect(a, &QAction::triggered, this, [this, a] { NoDetailsClick(a->data().toInt()); });
    for (QAction* a : {FastStuds2, BetterStuds2, BestStuds2, Nostuds2})
        connect(a, &QAction::triggered, this, [this, a] { FastStuds1Click(a->data().toInt()); });
    for (QAction* a : {pf8bit1, pf16bit1, pf24bit1, pf32bit1, pfdevice1})
        connect(a, &QAction::triggered, this, [this, a] {
            pfdevice1Click(a->data().toInt());
            RedrawPicture();
        });
    connect(pumLoad, &QMenu::aboutToShow, this, &TMainForm::pumLoadPopup);
    connect(pumSave, &QMenu::aboutToShow, this, &TMainForm::pumSavePopup);
    connect(pumOptions, &QMenu::aboutToShow, this, &TMainForm::pumOptionsPopup);
    connect(ZLiftOff, &QScrollBar::valueChanged, this, &TMainForm::ZLiftOffChange);
    for (QLineEdit* box : {BSizeX, BSizeY})
        connect(box, &QLineEdit::returnPressed, this,
                [this] { Guarded([this] { BSizeXKeyPress(); }); });
    connect(cbResolution, &QComboBox::currentIndexChanged, this, [this](int index) {
        static const int steps[3][2] = {{20, 8}, {10, 4}, {1, 1}};
        if (index >= 0 && index < 3) {
            GridXY = steps[index][0];
            GridZ = steps[index][1];
        }
    });
    Swatches->OnSwatchMouseDown = [this](int swatch, bool right) { Edit7MouseDown(swatch, right); };
    PaintBox1->OnPaint = [this](QPainter& painter) { PaintBox1Paint(painter); };
    Redraw.Repaint = [this] { PaintBox1->repaint(); };
    qApp->installEventFilter(this);
    ConnectEditing();
}

void TMainForm::Guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, windowTitle(), QString::fromStdString(e.what()));
    }
}

bool TMainForm::event(QEvent* e) {
    if (e->type() == WindowMessages::EventType(WindowMessages::StartUp)) {
        Guarded([this] { StartUp(); });
        return true;
    }
    if (e->type() == WindowMessages::EventType(WindowMessages::Redraw)) {
        RedrawPicture();
        return true;
    }
    return QMainWindow::event(e);
}

void TMainForm::closeEvent(QCloseEvent* e) {
    Sequencer.Stop();
    if (!AskSaveModel()) {
        e->ignore();
        return;
    }
    FormDestroy();
    e->accept();
}
