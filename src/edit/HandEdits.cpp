// Edits on the model's bricks by the mouse and the keys: picking up, selecting, the right
// button's in-place changes and deleting, each with the undo records it makes.
#include "edit/Hand.h"
#include "render/DrawContext.h"

#include <algorithm>

namespace {
// The box of the taken bricks, each bound starting as the pick-up always started it.
struct TTakenBounds {
    int64_t Min[3] = {9999, 9999, 9999}, Max[3] = {-9999, -9999, -9999};
    void Add(const TBlock& b) {
        const int64_t near[3] = {b.X, b.Y, b.Z}, far[3] = {b.FarX(), b.FarY(), b.FarZ()};
        for (int k = 0; k < 3; ++k) {
            Min[k] = std::min(Min[k], near[k]);
            Max[k] = std::max(Max[k], far[k]);
        }
    }
};

// An in-place change between its "[" and "]" records.
template <typename Change> void EditInPlace(TBlockList& model, TBlock& brick, Change change) {
    model.RecordCommand('[', brick);
    change(brick);
    model.RecordCommand(']', brick);
}
} // namespace

bool THand::PickUp(int i, bool alt, bool* modified) {
    *modified = false;
    if (i < 0 || i >= Model.Count())
        return false;
    TBlock& under = Model[i];
    auto taken = std::make_unique<TBlockList>();
    taken->CurrentOctant = Context.View.Octant;
    TTakenBounds bounds;
    if (under.Selected || alt) {
        int32_t copyGroup = alt ? NewGroupNumber() : 0;
        for (int j = 0; j < Model.Count(); ++j) {
            TBlock& b = Model[j];
            if (!b.Selected)
                continue;
            b.Selected = false;
            bounds.Add(b);
            if (alt) {
                std::unique_ptr<TBlock> copy = Clone(b);
                copy->Group = copyGroup;
                taken->Add(std::move(copy));
            } else {
                Model.RecordCommand('-', b);
                taken->Add(Model.Extract(j--));
            }
        }
    } else if (under.Baseplate) {
        return false;
    } else if (under.Group > 0) {
        int32_t group = under.Group;
        for (int j = 0; j < Model.Count(); ++j) {
            TBlock& b = Model[j];
            if (b.Group != group || b.Baseplate)
                continue;
            b.Selected = false;
            bounds.Add(b);
            Model.RecordCommand('-', b);
            taken->Add(Model.Extract(j--));
        }
        *modified = true;
    } else {
        Model.RecordCommand('-', under);
        DropHand();
        BrickInHand = Model.Extract(i);
        BrickInHand->Selected = false;
        PlaceOnce = true;
        *modified = true;
        return true;
    }
    if (taken->Count() == 0)
        return false;
    std::unique_ptr<TBlock> box =
        CreateBrickFromKey(" " + std::to_string((bounds.Max[0] - bounds.Min[0]) / 20) + "x" +
                           std::to_string((bounds.Max[1] - bounds.Min[1]) / 20) + "x" +
                           std::to_string((bounds.Max[2] - bounds.Min[2]) * 3 / 24));
    box->X = int32_t(bounds.Min[0]);
    box->Y = int32_t(bounds.Min[1]);
    box->Z = int32_t(bounds.Min[2]);
    DropHand();
    GroupInHand = std::move(taken);
    HoldingGroup = true;
    BrickInHand = std::move(box);
    PlaceOnce = !alt;
    return true;
}

void THand::ClickSelect(int i, bool ctrl) {
    if (i < 0 || i >= Model.Count() || Model[i].Baseplate)
        return;
    TBlock& clicked = Model[i];
    bool selected = !clicked.Selected;
    if (ctrl || clicked.Group <= 0) {
        clicked.Selected = selected;
        return;
    }
    int32_t group = clicked.Group;
    for (const auto& b : Model.Items())
        if (b->Group == group)
            b->Selected = selected;
}

void THand::ToggleStuds(int i) {
    EditInPlace(Model, Model[i], [](TBlock& b) { b.Studs = !b.Studs; });
}

void THand::TurnBrick(int i) {
    TBlock& clicked = Model[i];
    if (clicked.Group <= 0) {
        EditInPlace(Model, clicked, [](TBlock& b) { b.Rotate(); });
    } else {
        int32_t group = clicked.Group;
        for (const auto& b : Model.Items())
            if (b->Group == group)
                EditInPlace(Model, *b, [](TBlock& turned) { turned.Rotate(); });
    }
    // A turned footprint may no longer stand in drawing order; the next frame sorts again.
    Model.SortedOctant = 99;
}

void THand::PaintBrick(int i, int32_t colour, bool transparent) {
    EditInPlace(Model, Model[i], [&](TBlock& b) {
        b.Colour = colour;
        b.Transparent = transparent;
    });
}

bool THand::DeleteSelected() {
    bool any = false;
    for (int i = Model.Count() - 1; i >= 0; --i) {
        if (!Model[i].Selected)
            continue;
        Model.RecordCommand('-', Model[i]);
        Model.Delete(i);
        any = true;
    }
    return any;
}

bool THand::DeselectAll() {
    bool any = false;
    for (const auto& b : Model.Items()) {
        any = any || b->Selected;
        b->Selected = false;
    }
    return any;
}
