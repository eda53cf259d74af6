#pragma once
// The palette's pages and its "<Recently used>" page, without any window: page navigation,
// the recently used keys with their colours, and the edits of the page commands and dialogs.

#include "app/system/Settings.h"

#include <cstdint>
#include <string>
#include <vector>

using TPageList = std::vector<TPaletteSettings>;

constexpr const char* RecentlyUsedTitle = "<Recently used>";

class TPalettePages {
public:
    // The pages are the settings' pages, so the settings written at exit hold every edit.
    explicit TPalettePages(TPageList& pages) : Pages(pages) {}

    TPageList& Pages;
    int CurrentPage = 0;
    // The recently used page is shown; CurrentPage keeps the normal page to go back to.
    bool ShowingRecent = false;
    std::vector<std::string> RecentBricks; // newest first
    std::vector<int32_t> RecentColours;
    int RecentRowHeight = 40;

    int PageCount() const { return int(Pages.size()); }
    // "<Recently used>" followed by the page titles: the selector's items.
    std::vector<std::string> PageTitles() const;
    // The keys and row height of what the list shows.
    const std::vector<std::string>& ShownKeys() const;
    int ShownRowHeight() const;
    // A normal page is shown (the selector's index is above 0).
    bool NormalPageShown() const { return !ShowingRecent && CurrentPage < PageCount(); }

    // The page ShowPage(n) shows: n < 0 is the last page, a page that does not exist is page 0.
    int PageToShow(int n) const;
    // The pages the arrow buttons show, wrapping at both ends.
    int PreviousPage() const;
    int NextPage() const;

    // The colour a click on row i gives the brick: the one remembered on the recently used
    // page, the current colour elsewhere.
    int32_t RowColour(int row, int32_t currentColour) const;
    // The key moves to the top of the recently used page with the colour it had there, or
    // enters it with the current colour; a new entry raises RecentRowHeight to the list's
    // row height.
    void UseKey(const std::string& key, int32_t currentColour, int listRowHeight);
    void ClearRecent();
    // The newest entry takes a colour chosen while its brick is in hand.
    void RecolourNewest(int32_t colour);

    // A page with no bricks titled "Page%d" with its 0-based number, 40 pixels, scale 0.5;
    // returns its index.
    int AddPage();
    // False (nothing changes) for a page that holds bricks or does not exist.
    bool RemovePage(int page);
    // One general-block key "G file, part" per "[part]" line of a part-definition file;
    // raises TError when the file cannot be read.
    void AddPageFromFile(const std::string& fileName, int page);

private:
    static const std::vector<std::string> NoKeys;
};

// Moves the key at row `from` of one page to another page before row `before` (appended
// when before is outside the page). False, and nothing moves, when the pages are the same or
// either index is invalid.
bool MoveKeyToPage(TPageList& pages, int fromPage, int row, int toPage, int before);
// Swaps row with its neighbour (delta -1 or +1); false at the ends.
bool MoveKeyInPage(TPaletteSettings& page, int row, int delta);
// Swaps page with its neighbour, titles, keys, heights and scales together; false at the ends.
bool MovePage(TPageList& pages, int page, int delta);
