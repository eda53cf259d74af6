// The part editor's window: its controls, menus and their wiring.
#include "app/tools/PartEditor.h"

#include "app/tools/PartEditorWidgets.h"
#include "app/widgets/FrameImage.h"
#include "model/Block.h"
#include "render/DrawContext.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char* const KindNames[] = {"Block",           "Roof",  "Roof top", "Roof corner", "Roof end",
                                 "Roof top corner", "Round", "Window",   "General",     "Wheel"};

QToolButton* Button(QWidget* parent, const char* name, const QString& text,
                    const char* hint = nullptr) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    if (hint)
        button->setToolTip(hint);
    return button;
}

QSpinBox* SpinBox(QWidget* parent, const char* name, int low, int high) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    return box;
}
} // namespace

TAddHard::TAddHard(TDrawContext& context, int32_t colour, QWidget* parent)
    : QDialog(parent), Context(context), Colour(colour), SavedDetail(context.DetailLevel) {
    setObjectName("AddHard");
    setWindowTitle("Add new hardcoded block");
    CreateControls();
    CreateMenus();
    ConnectHandlers();
}

TAddHard::~TAddHard() {
    // The detail buttons set the program's detail; it is the user's again once the editor goes.
    Context.DetailLevel = SavedDetail;
    EditedBrick.reset();
}

QWidget* TAddHard::CreateSettingsPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    lbBlockTypes = new QListWidget(panel);
    lbBlockTypes->setObjectName("lbBlockTypes");
    for (const char* name : KindNames)
        lbBlockTypes->addItem(name);
    // All ten kinds at once, without a scroll bar.
    lbBlockTypes->setFixedHeight(lbBlockTypes->fontMetrics().height() * 10 +
                                 2 * lbBlockTypes->frameWidth() + 8);
    layout->addWidget(lbBlockTypes);

    auto* sizes = new QGridLayout;
    edtX = SpinBox(panel, "edtX", 1, 960);
    edtY = SpinBox(panel, "edtY", 1, 960);
    edtZ = SpinBox(panel, "edtZ", 1, 960);
    edtIdent = new QLineEdit(panel);
    edtIdent->setObjectName("edtIdent");
    sizes->addWidget(new QLabel("X:", panel), 0, 0);
    sizes->addWidget(edtX, 0, 1);
    sizes->addWidget(new QLabel("Y:", panel), 0, 2);
    sizes->addWidget(edtY, 0, 3);
    sizes->addWidget(new QLabel("Z:", panel), 0, 4);
    sizes->addWidget(edtZ, 0, 5);
    sizes->addWidget(new QLabel("Identity:", panel), 1, 0, 1, 2);
    sizes->addWidget(edtIdent, 1, 2, 1, 4);
    layout->addLayout(sizes);

    PaintBox1 = new TPartPreviewBox(panel);
    layout->addWidget(PaintBox1, 1);

    auto* view = new QHBoxLayout;
    btnRotLeft = Button(panel, "btnRotLeft", "<", "Turn left");
    btnRotRight = Button(panel, "btnRotRight", ">", "Turn right");
    btnRotUp = Button(panel, "btnRotUp", "^", "Tilt up");
    btnRotDown = Button(panel, "btnRotDown", "v", "Tilt down");
    btnZoomIn = Button(panel, "btnZoomIn", "+", "Zoom in");
    btnZoomOut = Button(panel, "btnZoomOut", "-", "Zoom out");
    for (QToolButton* b : {btnRotLeft, btnRotRight, btnRotUp, btnRotDown, btnZoomIn, btnZoomOut})
        view->addWidget(b);
    view->addStretch();
    layout->addLayout(view);

    auto* options = new QHBoxLayout;
    spbDet0 = Button(panel, "spbDet0", "0", "Detail shown");
    spbDet1 = Button(panel, "spbDet1", "1", "Detail shown");
    spbDet2 = Button(panel, "spbDet2", "2", "Detail shown");
    for (QToolButton* b : {spbDet0, spbDet1, spbDet2}) {
        b->setCheckable(true);
        b->setAutoExclusive(true);
        options->addWidget(b);
    }
    btnWireBase = Button(panel, "btnWireBase", "See-through", "See-through brick");
    btnWireBase->setCheckable(true);
    spbColor = Button(panel, "spbColor", "Colour...", "Colour of the selected polygon");
    options->addWidget(btnWireBase);
    options->addWidget(spbColor);
    options->addWidget(new QLabel("Octant:", panel));
    speOctant = SpinBox(panel, "speOctant", 0, 7);
    options->addWidget(speOctant);
    options->addStretch();
    layout->addLayout(options);

    auto* accept = new QHBoxLayout;
    btnAddPiece = new QPushButton("Add", panel);
    btnAddPiece->setObjectName("btnAddPiece");
    btnAddPiece->setDefault(true);
    btnCancel = new QPushButton("Cancel", panel);
    btnCancel->setObjectName("btnCancel");
    accept->addStretch();
    accept->addWidget(btnAddPiece);
    accept->addWidget(btnCancel);
    layout->addLayout(accept);
    return panel;
}

QWidget* TAddHard::CreatePolygonPanel() {
    PolygonPanel = new QWidget(this);
    PolygonPanel->setObjectName("PolygonPanel");
    auto* layout = new QGridLayout(PolygonPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto list = [this](const char* name, const char* title, int column) {
        auto* l = new TPartEditorList(PolygonPanel);
        l->setObjectName(name);
        auto* grid = static_cast<QGridLayout*>(PolygonPanel->layout());
        grid->addWidget(new QLabel(title, PolygonPanel), 0, column);
        grid->addWidget(l, 1, column);
        return l;
    };
    lbAllPolys = list("lbAllPolys", "All", 0);
    lbDrawOrder = list("lbDrawOrder", "Draw", 1);
    lbCoord = list("lbCoord", "Coordinates", 2);
    lbAllPolys->setMaximumWidth(70);
    lbDrawOrder->setMaximumWidth(70);
    lbCoord->setFont(QFont("Monospace"));
    lbCoord->setMinimumWidth(130);
    lbDrawOrder->DropSources = {lbAllPolys, lbDrawOrder};
    lbAllPolys->setAcceptDrops(false);
    lbCoord->setAcceptDrops(false);
    auto* ticks = new TEdgeTickDelegate(lbCoord);
    ticks->Ticked = [this](int row) {
        return WorkingClass && WorkingClass->IsPolygon(SelectedPolygon) &&
               EdgeMarkTicked(WorkingClass->GetEdgeFlags(SelectedPolygon), row);
    };
    lbCoord->setItemDelegate(ticks);

    auto* adjust = new QGridLayout;
    AdjX = SpinBox(PolygonPanel, "AdjX", -9999, 9999);
    AdjY = SpinBox(PolygonPanel, "AdjY", -9999, 9999);
    AdjZ = SpinBox(PolygonPanel, "AdjZ", -9999, 9999);
    cbDetail = new QComboBox(PolygonPanel);
    cbDetail->setObjectName("cbDetail");
    cbDetail->addItems({"0", "1", "2"});
    spExt = SpinBox(PolygonPanel, "spExt", -960, 960);
    spExt->setValue(24);
    adjust->addWidget(new QLabel("X", PolygonPanel), 0, 0);
    adjust->addWidget(AdjX, 0, 1);
    adjust->addWidget(new QLabel("Y", PolygonPanel), 1, 0);
    adjust->addWidget(AdjY, 1, 1);
    adjust->addWidget(new QLabel("Z", PolygonPanel), 2, 0);
    adjust->addWidget(AdjZ, 2, 1);
    adjust->addWidget(new QLabel("Detail", PolygonPanel), 3, 0);
    adjust->addWidget(cbDetail, 3, 1);
    adjust->addWidget(new QLabel("Extend by", PolygonPanel), 4, 0);
    adjust->addWidget(spExt, 4, 1);
    layout->addLayout(adjust, 2, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    btnAddPolygon = Button(PolygonPanel, "btnAddPolygon", "Polygon", "Add or copy a polygon");
    btnAddVertex = Button(PolygonPanel, "btnAddVertex", "Point", "Add or copy a point");
    btnExtrude = Button(PolygonPanel, "btnExtrude", "Extend", "Add side polygons");
    btnTrash = new TTrashButton(PolygonPanel);
    for (QToolButton* b :
         {btnAddPolygon, btnAddVertex, btnExtrude, static_cast<QToolButton*>(btnTrash)})
        buttons->addWidget(b);
    layout->addLayout(buttons, 3, 0, 1, 3);
    cbAutoStuds = new QCheckBox("Auto Studs", PolygonPanel);
    cbAutoStuds->setObjectName("cbAutoStuds");
    layout->addWidget(cbAutoStuds, 4, 0, 1, 3);
    return PolygonPanel;
}

void TAddHard::CreateControls() {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateSettingsPanel(), 1);
    layout->addWidget(CreatePolygonPanel());
    for (QSpinBox* box : {edtX, edtY, edtZ})
        box->installEventFilter(this);
    lbCoord->installEventFilter(this);
    lbAllPolys->installEventFilter(this);
}

void TAddHard::CreateMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    auto add = [this](QMenu* menu, const char* name, const char* caption,
                      std::function<void()> handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, handler] { Run(handler); });
        return action;
    };
    EditMenu = bar->addMenu("&Edit");
    mmAddSurface = add(EditMenu, "mmAddSurface", "&Add surface", [this] { AddSurface(1); });
    mmCopySurface = add(EditMenu, "mmCopySurface", "&Copy surface", [this] { AddSurface(0); });
    mmAddVertex = add(EditMenu, "mmAddVertex", "Add &point", [this] { AddVertex(1); });
    mmCopyVertex = add(EditMenu, "mmCopyVertex", "C&opy point", [this] { AddVertex(0); });
    EditMenu->addSeparator();
    static const char* const axes[] = {"&X", "&Y", "&Z", "All &X", "All &Y", "All &Z"};
    static const char* const mirrorNames[] = {"mmMirrorX",    "mmMirrorY",    "mmMirrorZ",
                                              "mmMirrorAllX", "mmMirrorAllY", "mmMirrorAllZ"};
    static const char* const rotateNames[] = {"mmRotateX",    "mmRotateY",    "mmRotateZ",
                                              "mmRotateAllX", "mmRotateAllY", "mmRotateAllZ"};
    QMenu* mirror = EditMenu->addMenu("&Mirror");
    QMenu* rotate = EditMenu->addMenu("&Rotate");
    for (int tag = 0; tag < 6; ++tag) {
        MirrorActions.push_back(
            add(mirror, mirrorNames[tag], axes[tag], [this, tag] { Mirror(tag); }));
        RotateActions.push_back(
            add(rotate, rotateNames[tag], axes[tag], [this, tag] { Rotate(tag); }));
        if (tag == 2) {
            mirror->addSeparator();
            rotate->addSeparator();
        }
    }
    QMenu* sort = EditMenu->addMenu("&Sort");
    mmSortCurrent = add(sort, "mmSortCurrent", "Sort &current", [this] { Sort(0); });
    mmSortAll = add(sort, "mmSortAll", "Sort &all", [this] { Sort(1); });
    QMenu* scale = EditMenu->addMenu("S&cale");
    mmScaleXY2 = add(scale, "mmScaleXY2", "XY * 2", [this] { Scale(TScaleStep::XYTimes2); });
    mmScaleZ2 = add(scale, "mmScaleZ2", "Z * 2", [this] { Scale(TScaleStep::ZTimes2); });
    mmScaleXYd2 = add(scale, "mmScaleXYd2", "XY / 2", [this] { Scale(TScaleStep::XYHalf); });
    mmScaleZd2 = add(scale, "mmScaleZd2", "Z / 2", [this] { Scale(TScaleStep::ZHalf); });

    pumAllPolys = new QMenu(this);
    miTransparent =
        add(pumAllPolys, "miTransparent", "Transparent", [this] { TransparentClick(); });
    miBorder = add(pumAllPolys, "miBorder", "Border", [this] { BorderClick(); });
    miDelete = add(pumAllPolys, "miDelete", "Delete", [this] { DeleteClick(); });
    miTransparent->setCheckable(true);
    miBorder->setCheckable(true);
    pumDrawOrder = new QMenu(this);
    add(pumDrawOrder, "miSort", "&Sort", [this] { Sort(0); });
}

void TAddHard::ConnectHandlers() {
    auto run = [this](auto handler) { return [this, handler] { Run(handler); }; };
    connect(lbBlockTypes, &QListWidget::currentRowChanged, this,
            run([this] { lbBlockTypesClick(); }));
    for (int axis = 0; axis < 3; ++axis) {
        QSpinBox* box = axis == 0 ? edtX : axis == 1 ? edtY : edtZ;
        connect(box, &QSpinBox::valueChanged, this, run([this] { DimensionChange(); }));
        QSpinBox* adj = axis == 0 ? AdjX : axis == 1 ? AdjY : AdjZ;
        connect(adj, &QSpinBox::valueChanged, this, run([this, axis] { AdjChange(axis); }));
    }
    connect(btnRotLeft, &QToolButton::clicked, this, [this] { RotateView(-1, 0); });
    connect(btnRotRight, &QToolButton::clicked, this, [this] { RotateView(1, 0); });
    connect(btnRotUp, &QToolButton::clicked, this, [this] { RotateView(0, 1); });
    connect(btnRotDown, &QToolButton::clicked, this, [this] { RotateView(0, -1); });
    connect(btnZoomIn, &QToolButton::clicked, this, [this] { Zoom(1); });
    connect(btnZoomOut, &QToolButton::clicked, this, [this] { Zoom(-1); });
    connect(spbDet0, &QToolButton::clicked, this, [this] { ShowDetail(0); });
    connect(spbDet1, &QToolButton::clicked, this, [this] { ShowDetail(1); });
    connect(spbDet2, &QToolButton::clicked, this, [this] { ShowDetail(2); });
    connect(btnWireBase, &QToolButton::clicked, this, [this] { btnWireBaseClick(); });
    connect(spbColor, &QToolButton::clicked, this, run([this] { spbColorClick(); }));
    connect(speOctant, &QSpinBox::valueChanged, this, run([this] { speOctantChange(); }));
    connect(btnAddPolygon, &QToolButton::clicked, this, run([this] { AddSurface(0); }));
    connect(btnAddVertex, &QToolButton::clicked, this, run([this] { AddVertex(0); }));
    connect(btnExtrude, &QToolButton::clicked, this, run([this] { btnExtrudeClick(); }));
    connect(cbAutoStuds, &QCheckBox::clicked, this, run([this] { cbAutoStudsClick(); }));
    connect(cbDetail, &QComboBox::activated, this, run([this] { cbDetailChange(); }));
    connect(btnAddPiece, &QPushButton::clicked, this, run([this] { btnAddPieceClick(); }));
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto selectFrom = [this](TPartEditorList* list) {
        connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) {
            Run([&] { SelectPolygon(std::abs(item->text().toInt()) - 1); });
        });
    };
    selectFrom(lbAllPolys);
    selectFrom(lbDrawOrder);
    connect(lbCoord, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Run([&] { SelectVertex(lbCoord->row(item)); }); });
    lbCoord->OnRightClick = [this](int row) { Run([&] { CoordRightClick(row); }); };
    lbAllPolys->OnRightClick = [this](int row) {
        lbAllPolys->setCurrentRow(row);
        Run([&] { SelectPolygon(row); });
        bool selected = WorkingClass && WorkingClass->IsPolygon(SelectedPolygon);
        for (QAction* a : {miTransparent, miBorder, miDelete})
            a->setEnabled(selected);
        if (selected) {
            miTransparent->setChecked(WorkingClass->GetPolyColour(SelectedPolygon) < 0);
            miBorder->setChecked((WorkingClass->GetEdgeFlags(SelectedPolygon) & 1) != 0);
        }
        pumAllPolys->exec(QCursor::pos());
    };
    lbDrawOrder->OnRightClick = [this](int) { pumDrawOrder->exec(QCursor::pos()); };
    lbDrawOrder->OnDrop = [this](TPartEditorList* source, int sourceRow, int targetRow) {
        Run([&] { DropOnDrawOrder(source, sourceRow, targetRow); });
    };
    btnTrash->OnDrop = [this](TPartEditorList* source, int sourceRow) {
        Run([&] { DropOnTrash(source, sourceRow); });
    };
    PaintBox1->OnPaint = [this](QPainter& painter) {
        DrawPreview();
        painter.drawImage(0, 0, FrameImage(Preview));
    };
    PaintBox1->OnTurn = [this](int turn, int tilt) { RotateView(turn, tilt); };
}

bool TAddHard::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, e);
    auto* key = static_cast<QKeyEvent*>(e);
    if (watched == lbCoord && QString("AaZzSsXxDdCc").contains(key->text()) &&
        !key->text().isEmpty()) {
        Run([&] { CoordKey(key->text().toUpper().at(0).unicode()); });
        return true;
    }
    if (watched == lbAllPolys && key->key() == Qt::Key_Delete) {
        Run([this] { DeleteClick(); });
        return true;
    }
    // Sizes of a general block change only through the spin buttons: each step stretches it.
    bool sizeBox = watched == edtX || watched == edtY || watched == edtZ;
    bool stepping = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                    key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown ||
                    key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (sizeBox && General() && !stepping)
        return true;
    return QDialog::eventFilter(watched, e);
}

void TAddHard::Run(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, windowTitle(), QString::fromStdString(e.what()));
    }
}
