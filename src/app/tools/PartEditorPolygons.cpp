// The part editor's polygon modeller: the three lists, coordinates, flags and shape commands
// of a general block's working copy.
#include "app/tools/PartEditor.h"
#include "app/tools/PartEditorWidgets.h"
#include "model/Block.h"
#include "parts/DrawClass.h"
#include "parts/DrawClassEdits.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QMessageBox>
#include <QSpinBox>
#include <cstdio>

namespace {
// Fewer points make no face and give the painter's sort no box.
constexpr int MinPolygonPoints = 3;

QString VertexLine(const TPoint3& p) {
    char line[48];
    std::snprintf(line, sizeof line, "%4d%4d%4d", p.X, p.Y, p.Z);
    return line;
}

int32_t& Coordinate(TPoint3& p, int axis) {
    return axis == 0 ? p.X : axis == 1 ? p.Y : p.Z;
}
} // namespace

// The lists are refilled with their signals held: only the user's moves select.
void TAddHard::FillPolygonLists() {
    QSignalBlocker block(lbAllPolys);
    lbAllPolys->clear();
    if (WorkingClass) {
        for (int i = 0; i < WorkingClass->PolygonCount(); ++i)
            lbAllPolys->addItem(QString::number(PolygonListNumber(*WorkingClass, i)));
        if (WorkingClass->IsPolygon(SelectedPolygon))
            lbAllPolys->setCurrentRow(SelectedPolygon);
    }
    FillDrawOrder();
    FillCoordinates();
    PaintBox1->update();
}

void TAddHard::FillDrawOrder() {
    QSignalBlocker block(lbDrawOrder);
    lbDrawOrder->clear();
    if (!WorkingClass)
        return;
    for (int32_t poly : WorkingClass->DrawOrder[size_t(speOctant->value())].Items)
        lbDrawOrder->addItem(QString::number(poly + 1));
}

void TAddHard::FillCoordinates() {
    QSignalBlocker block(lbCoord);
    lbCoord->clear();
    if (!WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon))
        return;
    for (const TPoint3& p : WorkingClass->Polygons[size_t(SelectedPolygon)].Points)
        lbCoord->addItem(VertexLine(p));
    if (SelectedVertex >= 0 && SelectedVertex < lbCoord->count())
        lbCoord->setCurrentRow(SelectedVertex);
}

void TAddHard::ShowAdjustments(const TPoint3& p) {
    bool was = Updating;
    Updating = true;
    AdjX->setValue(p.X);
    AdjY->setValue(p.Y);
    AdjZ->setValue(p.Z);
    Updating = was;
}

void TAddHard::SelectPolygon(int poly) {
    if (!WorkingClass || !WorkingClass->IsPolygon(poly))
        return;
    SelectedPolygon = poly;
    SelectedVertex = -1;
    cbDetail->setCurrentIndex(std::clamp(WorkingClass->GetDetail(poly), 0, 2));
    {
        QSignalBlocker block(lbAllPolys);
        lbAllPolys->setCurrentRow(poly);
    }
    FillCoordinates();
    if (WorkingClass->GetPointCount(poly) > 0)
        ShowAdjustments(WorkingClass->GetPoint(poly, 0));
    PaintBox1->update();
}

void TAddHard::SelectVertex(int vertex) {
    if (!WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon))
        return;
    // Read from the point itself: the list's fixed columns run into each other below -999.
    TPoint3 p = WorkingClass->GetPoint(SelectedPolygon, vertex);
    SelectedVertex = vertex;
    ShowAdjustments(p);
}

void TAddHard::AdjChange(int axis) {
    if (Updating || !WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon))
        return;
    int poly = SelectedPolygon;
    QSpinBox* box = axis == 0 ? AdjX : axis == 1 ? AdjY : AdjZ;
    if (SelectedVertex >= 0) {
        // Only the changed coordinate: the others may lie beyond what the boxes can show.
        TPoint3 p = WorkingClass->GetPoint(poly, SelectedVertex);
        Coordinate(p, axis) = box->value();
        WorkingClass->SetPoint(poly, SelectedVertex, p);
    } else if (WorkingClass->GetPointCount(poly) > 0) {
        TPoint3 first = WorkingClass->GetPoint(poly, 0);
        // Wrapping: absurd coordinates from a file move to absurd places, not into a fault.
        uint32_t delta = uint32_t(box->value()) - uint32_t(Coordinate(first, axis));
        for (int i = 0; i < WorkingClass->GetPointCount(poly); ++i) {
            TPoint3 p = WorkingClass->GetPoint(poly, i);
            Coordinate(p, axis) = int32_t(uint32_t(Coordinate(p, axis)) + delta);
            WorkingClass->SetPoint(poly, i, p);
        }
        if (axis == 2)
            RegenerateStuds();
    }
    FillCoordinates();
    PaintBox1->update();
}

void TAddHard::CoordKey(int key) {
    switch (key) {
    case 'A':
        AdjX->setValue(AdjX->value() + 1);
        break;
    case 'Z':
        AdjX->setValue(AdjX->value() - 1);
        break;
    case 'S':
        AdjY->setValue(AdjY->value() + 1);
        break;
    case 'X':
        AdjY->setValue(AdjY->value() - 1);
        break;
    case 'D':
        AdjZ->setValue(AdjZ->value() + 1);
        break;
    case 'C':
        AdjZ->setValue(AdjZ->value() - 1);
        break;
    }
}

void TAddHard::CoordRightClick(int line) {
    if (!WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon) || line < 0 || line > 30)
        return;
    int poly = SelectedPolygon;
    WorkingClass->SetEdgeFlags(poly, ToggleEdgeMark(WorkingClass->GetEdgeFlags(poly), line));
    lbAllPolys->item(poly)->setText(QString::number(PolygonListNumber(*WorkingClass, poly)));
    lbCoord->viewport()->update();
    PaintBox1->update();
}

void TAddHard::cbDetailChange() {
    if (WorkingClass && WorkingClass->IsPolygon(SelectedPolygon))
        WorkingClass->SetDetail(SelectedPolygon, cbDetail->currentIndex());
    PaintBox1->update();
}

void TAddHard::spbColorClick() {
    if (!WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon))
        return;
    int32_t value = WorkingClass->GetPolyColour(SelectedPolygon);
    int32_t shown = value < 0 ? int32_t(0u - uint32_t(value)) : value == 0 ? Colour : value;
    QColor chosen = QColorDialog::getColor(
        QColor(shown & 0xFF, (shown >> 8) & 0xFF, (shown >> 16) & 0xFF), this);
    if (chosen.isValid())
        SetPolygonColour(chosen.red() | chosen.green() << 8 | chosen.blue() << 16);
}

void TAddHard::SetPolygonColour(int32_t chosen) {
    if (!WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon))
        return;
    // 0 stands for the brick's own colour, so black is kept as the nearest other value.
    if (chosen == 0)
        chosen = 1;
    bool transparent = WorkingClass->GetPolyColour(SelectedPolygon) < 0;
    WorkingClass->SetPolyColour(SelectedPolygon, transparent ? -chosen : chosen);
    PaintBox1->update();
}

void TAddHard::AddSurface(int tag) {
    if (!WorkingClass)
        return;
    if (tag == 0 && WorkingClass->IsPolygon(SelectedPolygon))
        WorkingClass->CopyPolygon(SelectedPolygon);
    else
        WorkingClass->AddPolygon({{0, 0, 0}, {0, 20, 0}, {20, 20, 0}, {20, 0, 0}});
    SelectedPolygon = WorkingClass->PolygonCount() - 1;
    FillPolygonLists();
    SelectPolygon(SelectedPolygon);
}

void TAddHard::AddVertex(int tag) {
    if (!WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon))
        return;
    int poly = SelectedPolygon;
    if (tag == 0 && SelectedVertex >= 0)
        WorkingClass->InsertPoint(poly, SelectedVertex,
                                  {AdjX->value(), AdjY->value(), AdjZ->value()});
    else
        WorkingClass->InsertPoint(poly, std::max(SelectedVertex, 0), {0, 0, 0});
    FillCoordinates();
    PaintBox1->update();
}

void TAddHard::Mirror(int tag) {
    if (!WorkingClass)
        return;
    if (tag < 3) {
        if (!WorkingClass->IsPolygon(SelectedPolygon))
            return;
        MirrorPolygon(*WorkingClass, TAxis(tag), SelectedPolygon);
    } else {
        MirrorAll(*WorkingClass, TAxis(tag - 3));
    }
    FillPolygonLists();
}

void TAddHard::Rotate(int tag) {
    if (!WorkingClass)
        return;
    if (tag < 3) {
        if (!WorkingClass->IsPolygon(SelectedPolygon))
            return;
        RotatePolygon(*WorkingClass, TAxis(tag), SelectedPolygon);
        FillPolygonLists();
    } else {
        RotateAll(*WorkingClass, TAxis(tag - 3));
        ShapeChanged();
    }
}

void TAddHard::Sort(int tag) {
    if (!WorkingClass)
        return;
    if (tag == 0)
        WorkingClass->PainterSort(speOctant->value());
    else
        WorkingClass->PainterSortAll();
    FillDrawOrder();
    PaintBox1->update();
}

void TAddHard::Scale(TScaleStep step) {
    if (!WorkingClass)
        return;
    ScaleShape(*WorkingClass, step);
    ShapeChanged();
    RegenerateStuds();
}

void TAddHard::btnExtrudeClick() {
    if (!WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon))
        return;
    if (ExtendPolygon(*WorkingClass, SelectedPolygon, spExt->value()) > 0)
        FillPolygonLists();
}

void TAddHard::RegenerateStuds() {
    if (WorkingClass && EditedBrick && cbAutoStuds->isChecked())
        WorkingClass->AutoStuds(EditedBrick->SX / 20, EditedBrick->SY / 20);
    PaintBox1->update();
}

void TAddHard::cbAutoStudsClick() {
    if (!WorkingClass)
        return;
    if (cbAutoStuds->isChecked()) {
        RegenerateStuds();
        return;
    }
    WorkingClass->ClearTopStuds();
    WorkingClass->BottomStuds.clear();
    WorkingClass->MarkEdited();
    PaintBox1->update();
}

void TAddHard::TransparentClick() {
    if (!WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon))
        return;
    WorkingClass->SetPolyColour(SelectedPolygon,
                                ToggleTransparency(WorkingClass->GetPolyColour(SelectedPolygon)));
    PaintBox1->update();
}

void TAddHard::BorderClick() {
    if (!WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon))
        return;
    WorkingClass->SetEdgeFlags(SelectedPolygon,
                               ToggleBorder(WorkingClass->GetEdgeFlags(SelectedPolygon)));
    FillPolygonLists();
}

void TAddHard::DeleteClick() {
    if (!WorkingClass || !WorkingClass->IsPolygon(SelectedPolygon))
        return;
    int row = SelectedPolygon;
    WorkingClass->DeletePolygon(row);
    SelectedPolygon = SelectedVertex = -1;
    FillPolygonLists();
    if (lbAllPolys->count() > 0)
        lbAllPolys->setCurrentRow(std::min(row, lbAllPolys->count() - 1));
}

void TAddHard::DropOnDrawOrder(TPartEditorList* source, int sourceRow, int targetRow) {
    if (!WorkingClass || !source || sourceRow < 0 || sourceRow >= source->count())
        return;
    int octant = speOctant->value();
    if (source == lbAllPolys)
        InsertIntoDrawOrder(*WorkingClass, octant, targetRow,
                            std::abs(source->item(sourceRow)->text().toInt()) - 1);
    else if (source == lbDrawOrder)
        MoveInDrawOrder(*WorkingClass, octant, sourceRow, targetRow);
    FillDrawOrder();
    PaintBox1->update();
}

void TAddHard::DropOnTrash(TPartEditorList* source, int sourceRow) {
    if (!WorkingClass || !source || sourceRow < 0 || sourceRow >= source->count())
        return;
    if (source == lbDrawOrder) {
        RemoveFromDrawOrder(*WorkingClass, speOctant->value(), sourceRow);
        FillDrawOrder();
    } else if (source == lbAllPolys) {
        if (QMessageBox::question(this, windowTitle(),
                                  "Do You really want to delete\nthis polygon permanently?") !=
            QMessageBox::Yes)
            return;
        int poly = std::abs(source->item(sourceRow)->text().toInt()) - 1;
        bool wasSelected = poly == SelectedPolygon;
        WorkingClass->DeletePolygon(poly);
        if (wasSelected)
            SelectedPolygon = SelectedVertex = -1;
        else if (SelectedPolygon > poly)
            --SelectedPolygon;
        FillPolygonLists();
    } else if (source == lbCoord && WorkingClass->IsPolygon(SelectedPolygon)) {
        if (WorkingClass->GetPointCount(SelectedPolygon) <= MinPolygonPoints) {
            QMessageBox::information(this, windowTitle(), "A polygon needs at least three points.");
            return;
        }
        WorkingClass->DeletePoint(SelectedPolygon, sourceRow);
        SelectedVertex = -1;
        FillCoordinates();
    }
    PaintBox1->update();
}
