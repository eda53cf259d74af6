#include "app/window/Colours.h"

#include "app/window/ColourSwatches.h"
#include "render/DrawContext.h"

int32_t TColours::SwatchColour(int index) const {
    const QColor& c = Swatches->Swatch[size_t(index)].Colour;
    return c.red() | c.green() << 8 | c.blue() << 16;
}

void TColours::SetDrawingColours() {
    Drawing.ColourRed = SwatchColour(11);
    Drawing.ColourGray = SwatchColour(1);
    Drawing.ColourBlack = SwatchColour(3);
    Drawing.ColourBlue = SwatchColour(5);
    CurrentColour = SwatchColour(0);
}

void TColours::Take(int32_t colour) {
    CurrentColour = colour;
    CurrentSwatch = -1;
    for (int i = 0; i < TColourSwatches::Count; ++i)
        if (SwatchColour(i) == colour)
            CurrentSwatch = i;
}

bool TColours::Cycle(int direction) {
    const auto& order = TColourSwatches::CycleOrder;
    int count = int(order.size());
    for (int i = 0; i < count; ++i) {
        if (SwatchColour(order[size_t(i)]) != CurrentColour)
            continue;
        int next = order[size_t((i + direction + count) % count)];
        CurrentColour = SwatchColour(next);
        CurrentSwatch = next;
        return true;
    }
    return false;
}

void TColours::ClearPicture() {
    BackgroundPicture.SetSize(0, 0);
    BackgroundFile.clear();
}
