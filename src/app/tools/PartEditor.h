#pragma once
// "Add new hardcoded block": the part editor. Built-in kinds get a kind, three sizes and an
// identity; general blocks are edited polygon by polygon on a working copy of their part
// definition, with a hand-editable draw order per octant. The result is a palette key.

#include "parts/DrawClass.h"
#include "parts/DrawClassEdits.h"
#include "raster/Bitmap.h"
#include "render/PartPreview.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;
class TBlock;
class TDrawContext;
class TEdgeTickDelegate;
class TPartEditorList;
class TPartPreviewBox;
class TTrashButton;

class TAddHard : public QDialog {
    Q_OBJECT
public:
    // How the palette opened the editor: captions, and whether accepting makes a new part.
    enum class TMode { Hardcoded, EditBlock, AddBlock };

    // The context is the main view's: the preview borrows its view and detail setting and
    // gives them back.
    TAddHard(TDrawContext& context, int32_t colour, QWidget* parent = nullptr);
    ~TAddHard() override;

    // Opens on a palette key (with "|" and the identity when there is one).
    void Open(const std::string& key, TMode mode);
    // The palette key of the brick as it stands.
    std::string Key() const;
    // Called with the cached definition after an accepted general block was stored, so every
    // brick of that part can take the new shape.
    std::function<void(TDrawClass&)> OnPartStored;

    // Controls, named as the handlers and tests know them.
    QListWidget* lbBlockTypes;
    QSpinBox *edtX, *edtY, *edtZ;
    QLineEdit* edtIdent;
    TPartPreviewBox* PaintBox1;
    QToolButton *btnRotLeft, *btnRotRight, *btnRotUp, *btnRotDown, *btnZoomIn, *btnZoomOut;
    QToolButton *spbDet0, *spbDet1, *spbDet2, *btnWireBase, *spbColor;
    QSpinBox* speOctant;
    QPushButton *btnAddPiece, *btnCancel;
    QWidget* PolygonPanel;
    TPartEditorList *lbAllPolys, *lbDrawOrder, *lbCoord;
    QSpinBox *AdjX, *AdjY, *AdjZ, *spExt;
    QComboBox* cbDetail;
    QToolButton *btnAddPolygon, *btnAddVertex, *btnExtrude;
    TTrashButton* btnTrash;
    QCheckBox* cbAutoStuds;
    QMenu *EditMenu, *pumAllPolys, *pumDrawOrder;
    QAction *mmAddSurface, *mmCopySurface, *mmAddVertex, *mmCopyVertex;
    QAction *mmSortCurrent, *mmSortAll, *mmScaleXY2, *mmScaleZ2, *mmScaleXYd2, *mmScaleZd2;
    QAction *miTransparent, *miBorder, *miDelete;
    std::vector<QAction*> MirrorActions, RotateActions; // tags 0 to 5

    // The editor's state, read by the tests.
    TBlock* Brick() const { return EditedBrick.get(); }
    TDrawClass* Working() const { return WorkingClass.get(); }
    int SelectedPolygon = -1, SelectedVertex = -1;
    TPreviewAngles Angles;
    int LastOctantSeen = 0;

    // Handlers.
    void lbBlockTypesClick();
    void DimensionChange();
    void RotateView(int turn, int tilt);
    void Zoom(int tenths);
    void ShowDetail(int level);
    void btnWireBaseClick();
    void spbColorClick();
    void SetPolygonColour(int32_t colour);
    void speOctantChange();
    void AddSurface(int tag);
    void AddVertex(int tag);
    void Mirror(int tag);
    void Rotate(int tag);
    void Sort(int tag);
    void Scale(TScaleStep step);
    void btnExtrudeClick();
    void cbAutoStudsClick();
    void TransparentClick();
    void BorderClick();
    void DeleteClick();
    void SelectPolygon(int poly);
    void SelectVertex(int vertex);
    void AdjChange(int axis);
    void CoordKey(int key);
    void CoordRightClick(int line);
    void cbDetailChange();
    void DropOnDrawOrder(TPartEditorList* source, int sourceRow, int targetRow);
    void DropOnTrash(TPartEditorList* source, int sourceRow);
    void btnAddPieceClick();
    // Draws the preview into its bitmap; the octant it was seen from is shown.
    void DrawPreview();
    const TBitmap& PreviewBitmap() const { return Preview; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    TDrawContext& Context;
    int32_t Colour;
    int SavedDetail;
    TMode Mode = TMode::Hardcoded;
    std::unique_ptr<TBlock> EditedBrick;
    std::unique_ptr<TDrawClass> WorkingClass;
    std::string CurrentFile = "template.dat", CurrentPart = "template";
    TSizes RememberedSizes{};
    TBitmap Preview;
    bool Updating = false;

    void CreateControls();
    void CreateMenus();
    QWidget* CreateSettingsPanel();
    QWidget* CreatePolygonPanel();
    void ConnectHandlers();
    void LoadBrick(const std::string& key);
    char KindLetter() const;
    bool General() const;
    void ShowKind();
    void SetDimensions(int32_t x, int32_t y, int32_t z);
    void ShapeChanged();
    void RegenerateStuds();
    void FillPolygonLists();
    void FillDrawOrder();
    void FillCoordinates();
    void ShowAdjustments(const TPoint3& p);
    void Run(const std::function<void()>& command);
};
