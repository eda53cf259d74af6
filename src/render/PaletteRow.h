#pragma once
// One row of the brick palette drawn into a bitmap: the brick (or combination model) of a
// palette key fitted and centred in a fixed small view, and the row's text.

#include "raster/Colour.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

class TBitmap;
class TBlockList;
class TDrawContext;

// Combination models as read for the rows, each kept until its file changes on disk, so a
// repaint of the list does not read every file again.
class TCombinationCache {
public:
    TCombinationCache();
    ~TCombinationCache();
    // The file's model, read again only when its time or size changed; raises when it cannot
    // be read.
    const TBlockList& Model(const std::string& fileName);

private:
    struct TEntry {
        std::filesystem::file_time_type Time;
        std::uintmax_t Size = 0;
        std::unique_ptr<TBlockList> Model;
    };
    std::map<std::string, TEntry> Entries;
};

// Rows are never drawn taller than this.
constexpr int MaxPaletteRowHeight = 255;

struct TPaletteRowStyle {
    int Width = 0;      // the row's width, which is the list's client width
    int RowHeight = 0;  // the list's row height; drawn at most MaxPaletteRowHeight high
    float Scale = 0.5f; // the page's scale, the largest the brick is drawn at
    bool Selected = false;
    TColour Face = clBtnFace;     // background of a row
    TColour Shadow = clBtnShadow; // background of the selected row
    TColour Colour = 0;           // the brick's colour; also black bricks of a combination
    bool Transparent = false;     // the transparency button is down
    bool StudsHidden = false;     // the per-brick stud button is down
};

// Sizes the bitmap to the row and draws it. The context's view and drawing options are as
// before afterwards. A key that makes no brick, or a model that does not load, leaves the row
// with its text only: drawing never reports errors.
// Combination models come from the cache when one is given.
void DrawPaletteRow(TBitmap& bitmap, TDrawContext& context, const std::string& key,
                    const TPaletteRowStyle& style, TCombinationCache* combinations = nullptr);
