#pragma once
// Which studs of a brick can reach the bitmap at all. Studs lie on a lattice that projects
// affinely, so the indices whose drawing could touch the bitmap follow from the view; the others
// draw nothing and are skipped, which keeps a brick of millions of studs from stalling a frame.

#include "base/Geometry.h"

struct TViewState;

class TStudWindow {
public:
    // The lattice base + 20i along X + 20j along Y (z fixed); a stud's drawing stays within
    // reachX and reachY pixels of its projected centre; the bitmap is width x height.
    TStudWindow(const TViewState& view, double baseX, double baseY, double z, int reachX,
                int reachY, int width, int height);
    // A window that narrows nothing: the whole lattice is walked.
    TStudWindow() = default;

    // Off, Columns and Rows narrow nothing: small lattices are walked whole, as narrowing them
    // costs more than drawing a stray stud.
    bool Narrowing = false;

    // Narrows first..last (inclusive) to the columns i that can hold a visible stud.
    void Columns(int& first, int& last) const;
    // Narrows first..last to the rows j of column i whose stud can reach the bitmap.
    void Rows(int i, int& first, int& last) const;

private:
    double OriginX = 0, OriginY = 0; // unrounded screen position of stud (0, 0)
    double StepIX = 0, StepIY = 0;   // screen step of one column
    double StepJX = 0, StepJY = 0;   // screen step of one row
    // The bitmap widened by the reach and the rounding.
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};
