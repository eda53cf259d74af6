#pragma once
// A scroll bar's value: range, steps and a position that stays inside the range.

struct TScrollControl {
    int Min = 0, Max = 100, SmallStep = 1, LargeStep = 10, Position = 0;

    // Clamps to the range, as a scroll bar does; true when the position changed.
    bool SetPosition(int value) {
        int clamped = value < Min ? Min : value > Max ? Max : value;
        if (clamped == Position)
            return false;
        Position = clamped;
        return true;
    }
};
