#include "parts/DrawClass.h"

TDrawClass::TDrawClass() = default;

void TDrawClass::Assign(const TDrawClass& source) {
    if (this == &source)
        return;
    BBX = source.BBX;
    BBY = source.BBY;
    BBZ = source.BBZ;
    Polygons = source.Polygons;
    DrawOrder = source.DrawOrder;
    RotOffsets = source.RotOffsets;
    TopStudPolygon = source.TopStudPolygon;
    TopStuds = source.TopStuds;
    BottomStudPolygon = source.BottomStudPolygon;
    BottomStuds = source.BottomStuds;
    FileName = source.FileName;
    PartName = source.PartName;
    HighlightPolygon = source.HighlightPolygon;
    PartVariant = source.PartVariant;
    BitmapFile = source.BitmapFile;
    BitmapPolygon = source.BitmapPolygon;
    Modified = source.Modified;
}
