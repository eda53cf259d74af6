#pragma once
// Scene options that change the model or the boundary: the baseplate's size and thickness, and
// the Z cut-off bar that moves the boundary's top.

#include <cstdint>
#include <functional>
#include <string>

class TBlockList;
struct TCuttingBox;

// Sizes the model's first baseplate from the length and width boxes (in studs), thick (one
// brick) or thin (one plate), adding a grey baseplate when the model has none. The fields are
// set in turn, so text that is no integer stops the update at its field with the parser's error.
void SizeBaseplate(TBlockList& model, const std::string& length, const std::string& width,
                   bool thick, int32_t gray);

// The Z cut-off bar: a move by one position steps the boundary's top a grid step, a jump goes
// to the lowest or highest level; without the boundary window it stays off (19999).
class TZCutOff {
public:
    static constexpr int32_t BarLow = 0, BarHigh = 20000;
    // Always a position the bar can hold, so that a single step is never taken for a jump.
    int32_t LastPosition = 9999; // before start-up

    // The level becomes the last accepted position, as near to it as the bar reaches.
    void Accept(int32_t level);

    // The answer for the bar's new position, handed to show (which sets the bar and its label)
    // while further changes are ignored: setting the bar fires this handler again.
    int32_t Change(int32_t position, TCuttingBox& box, bool boundaryExists, int32_t modelTop,
                   int32_t gridStep, const std::function<void(int32_t)>& show);

private:
    bool Changing = false;
};
