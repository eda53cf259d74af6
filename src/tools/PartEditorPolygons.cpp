// The part editor's polygon modeller: the three lists, coordinates, flags and shape commands
// of a general block's working copy.
#include "model/Block.h"
#include "parts/DrawClass.h"
#include "parts/DrawClassEdits.h"
#include "tools/PartEditor.h"
#include "tools/PartEditorWidgets.h"

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

void TAddHard::FillPolygonLists() {
    lbAllPolys->clear();
    if (working) {
        for (int i = 0; i < working->PolygonCount(); ++i)
            lbAllPolys->addItem(QString::number(PolygonListNumber(*working, i)));
        if (working->IsPolygon(SelectedPolygon))
            lbAllPolys->setCurrentRow(SelectedPolygon);
    }
    FillDrawOrder();
    FillCoordinates();
    PaintBox1->update();
}

void TAddHard::FillDrawOrder() {
    lbDrawOrder->clear();
    if (!working)
        return;
    for (int32_t poly : working->DrawOrder[size_t(speOctant->value())].Items)
        lbDrawOrder->addItem(QString::number(poly + 1));
}

void TAddHard::FillCoordinates() {
    lbCoord->clear();
    if (!working || !working->IsPolygon(SelectedPolygon))
        return;
    for (const TPoint3& p : working->Polygons[size_t(SelectedPolygon)].Points)
        lbCoord->addItem(VertexLine(p));
    if (SelectedVertex >= 0 && SelectedVertex < lbCoord->count())
        lbCoord->setCurrentRow(SelectedVertex);
}

void TAddHard::ShowAdjustments(const TPoint3& p) {
    bool was = updating;
    updating = true;
    AdjX->setValue(p.X);
    AdjY->setValue(p.Y);
    AdjZ->setValue(p.Z);
    updating = was;
}

void TAddHard::SelectPolygon(int poly) {
    if (!working || !working->IsPolygon(poly))
        return;
    SelectedPolygon = poly;
    SelectedVertex = -1;
    cbDetail->setCurrentIndex(std::clamp(working->GetDetail(poly), 0, 2));
    lbAllPolys->setCurrentRow(poly);
    FillCoordinates();
    if (working->GetPointCount(poly) > 0)
        ShowAdjustments(working->GetPoint(poly, 0));
    PaintBox1->update();
}

void TAddHard::SelectVertex(int vertex) {
    if (!working || !working->IsPolygon(SelectedPolygon))
        return;
    // Read from the point itself: the list's fixed columns run into each other below -999.
    TPoint3 p = working->GetPoint(SelectedPolygon, vertex);
    SelectedVertex = vertex;
    ShowAdjustments(p);
}

void TAddHard::AdjChange(int axis) {
    if (updating || !working || !working->IsPolygon(SelectedPolygon))
        return;
    int poly = SelectedPolygon;
    QSpinBox* box = axis == 0 ? AdjX : axis == 1 ? AdjY : AdjZ;
    if (SelectedVertex >= 0) {
        // Only the changed coordinate: the others may lie beyond what the boxes can show.
        TPoint3 p = working->GetPoint(poly, SelectedVertex);
        Coordinate(p, axis) = box->value();
        working->SetPoint(poly, SelectedVertex, p);
    } else if (working->GetPointCount(poly) > 0) {
        TPoint3 first = working->GetPoint(poly, 0);
        // Wrapping: absurd coordinates from a file move to absurd places, not into a fault.
        uint32_t delta = uint32_t(box->value()) - uint32_t(Coordinate(first, axis));
        for (int i = 0; i < working->GetPointCount(poly); ++i) {
            TPoint3 p = working->GetPoint(poly, i);
            Coordinate(p, axis) = int32_t(uint32_t(Coordinate(p, axis)) + delta);
            working->SetPoint(poly, i, p);
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
    if (!working || !working->IsPolygon(SelectedPolygon) || line < 0 || line > 30)
        return;
    int poly = SelectedPolygon;
    working->SetEdgeFlags(poly, ToggleEdgeMark(working->GetEdgeFlags(poly), line));
    lbAllPolys->item(poly)->setText(QString::number(PolygonListNumber(*working, poly)));
    lbCoord->viewport()->update();
    PaintBox1->update();
}

void TAddHard::cbDetailChange() {
    if (working && working->IsPolygon(SelectedPolygon))
        working->SetDetail(SelectedPolygon, cbDetail->currentIndex());
    PaintBox1->update();
}

void TAddHard::spbColorClick() {
    if (!working || !working->IsPolygon(SelectedPolygon))
        return;
    int32_t value = working->GetPolyColour(SelectedPolygon);
    int32_t shown = value < 0 ? int32_t(0u - uint32_t(value)) : value == 0 ? colour : value;
    QColor chosen = QColorDialog::getColor(
        QColor(shown & 0xFF, (shown >> 8) & 0xFF, (shown >> 16) & 0xFF), this);
    if (chosen.isValid())
        SetPolygonColour(chosen.red() | chosen.green() << 8 | chosen.blue() << 16);
}

void TAddHard::SetPolygonColour(int32_t chosen) {
    if (!working || !working->IsPolygon(SelectedPolygon))
        return;
    // 0 stands for the brick's own colour, so black is kept as the nearest other value.
    if (chosen == 0)
        chosen = 1;
    bool transparent = working->GetPolyColour(SelectedPolygon) < 0;
    working->SetPolyColour(SelectedPolygon, transparent ? -chosen : chosen);
    PaintBox1->update();
}

void TAddHard::AddSurface(int tag) {
    if (!working)
        return;
    if (tag == 0 && working->IsPolygon(SelectedPolygon))
        working->CopyPolygon(SelectedPolygon);
    else
        working->AddPolygon({{0, 0, 0}, {0, 20, 0}, {20, 20, 0}, {20, 0, 0}});
    SelectedPolygon = working->PolygonCount() - 1;
    FillPolygonLists();
    SelectPolygon(SelectedPolygon);
}

void TAddHard::AddVertex(int tag) {
    if (!working || !working->IsPolygon(SelectedPolygon))
        return;
    int poly = SelectedPolygon;
    if (tag == 0 && SelectedVertex >= 0)
        working->InsertPoint(poly, SelectedVertex, {AdjX->value(), AdjY->value(), AdjZ->value()});
    else
        working->InsertPoint(poly, std::max(SelectedVertex, 0), {0, 0, 0});
    FillCoordinates();
    PaintBox1->update();
}

void TAddHard::Mirror(int tag) {
    if (!working)
        return;
    if (tag < 3) {
        if (!working->IsPolygon(SelectedPolygon))
            return;
        MirrorPolygon(*working, TAxis(tag), SelectedPolygon);
    } else {
        MirrorAll(*working, TAxis(tag - 3));
    }
    FillPolygonLists();
}

void TAddHard::Rotate(int tag) {
    if (!working)
        return;
    if (tag < 3) {
        if (!working->IsPolygon(SelectedPolygon))
            return;
        RotatePolygon(*working, TAxis(tag), SelectedPolygon);
        FillPolygonLists();
    } else {
        RotateAll(*working, TAxis(tag - 3));
        ShapeChanged();
    }
}

void TAddHard::Sort(int tag) {
    if (!working)
        return;
    if (tag == 0)
        working->PainterSort(speOctant->value());
    else
        working->PainterSortAll();
    FillDrawOrder();
    PaintBox1->update();
}

void TAddHard::Scale(TScaleStep step) {
    if (!working)
        return;
    ScaleShape(*working, step);
    ShapeChanged();
    RegenerateStuds();
}

void TAddHard::btnExtrudeClick() {
    if (!working || !working->IsPolygon(SelectedPolygon))
        return;
    if (ExtendPolygon(*working, SelectedPolygon, spExt->value()) > 0)
        FillPolygonLists();
}

void TAddHard::RegenerateStuds() {
    if (working && brick && cbAutoStuds->isChecked())
        working->AutoStuds(brick->SX / 20, brick->SY / 20);
    PaintBox1->update();
}

void TAddHard::cbAutoStudsClick() {
    if (!working)
        return;
    if (cbAutoStuds->isChecked()) {
        RegenerateStuds();
        return;
    }
    working->ClearTopStuds();
    working->BottomStuds.clear();
    working->Modified = true;
    PaintBox1->update();
}

void TAddHard::TransparentClick() {
    if (!working || !working->IsPolygon(SelectedPolygon))
        return;
    working->SetPolyColour(SelectedPolygon,
                           ToggleTransparency(working->GetPolyColour(SelectedPolygon)));
    PaintBox1->update();
}

void TAddHard::BorderClick() {
    if (!working || !working->IsPolygon(SelectedPolygon))
        return;
    working->SetEdgeFlags(SelectedPolygon, ToggleBorder(working->GetEdgeFlags(SelectedPolygon)));
    FillPolygonLists();
}

void TAddHard::DeleteClick() {
    if (!working || !working->IsPolygon(SelectedPolygon))
        return;
    int row = SelectedPolygon;
    working->DeletePolygon(row);
    SelectedPolygon = SelectedVertex = -1;
    FillPolygonLists();
    if (lbAllPolys->count() > 0)
        lbAllPolys->setCurrentRow(std::min(row, lbAllPolys->count() - 1));
}

void TAddHard::DropOnDrawOrder(TPartEditorList* source, int sourceRow, int targetRow) {
    if (!working || !source || sourceRow < 0 || sourceRow >= source->count())
        return;
    int octant = speOctant->value();
    if (source == lbAllPolys)
        InsertIntoDrawOrder(*working, octant, targetRow,
                            std::abs(source->item(sourceRow)->text().toInt()) - 1);
    else if (source == lbDrawOrder)
        MoveInDrawOrder(*working, octant, sourceRow, targetRow);
    FillDrawOrder();
    PaintBox1->update();
}

void TAddHard::DropOnTrash(TPartEditorList* source, int sourceRow) {
    if (!working || !source || sourceRow < 0 || sourceRow >= source->count())
        return;
    if (source == lbDrawOrder) {
        RemoveFromDrawOrder(*working, speOctant->value(), sourceRow);
        FillDrawOrder();
    } else if (source == lbAllPolys) {
        if (QMessageBox::question(this, windowTitle(),
                                  "Do You really want to delete\nthis polygon permanently?") !=
            QMessageBox::Yes)
            return;
        int poly = std::abs(source->item(sourceRow)->text().toInt()) - 1;
        bool wasSelected = poly == SelectedPolygon;
        working->DeletePolygon(poly);
        if (wasSelected)
            SelectedPolygon = SelectedVertex = -1;
        else if (SelectedPolygon > poly)
            --SelectedPolygon;
        FillPolygonLists();
    } else if (source == lbCoord && working->IsPolygon(SelectedPolygon)) {
        if (working->GetPointCount(SelectedPolygon) <= MinPolygonPoints) {
            QMessageBox::information(this, windowTitle(), "A polygon needs at least three points.");
            return;
        }
        working->DeletePoint(SelectedPolygon, sourceRow);
        SelectedVertex = -1;
        FillCoordinates();
    }
    PaintBox1->update();
}
