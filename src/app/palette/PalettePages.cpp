#include "app/palette/PalettePages.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "model/ModelFile.h"

#include <algorithm>
#include <filesystem>

const std::vector<std::string> TPalettePages::NoKeys;

std::vector<std::string> TPalettePages::PageTitles() const {
    std::vector<std::string> titles{RecentlyUsedTitle};
    for (const TPaletteSettings& page : Pages)
        titles.push_back(page.Title);
    return titles;
}

const std::vector<std::string>& TPalettePages::ShownKeys() const {
    if (ShowingRecent)
        return RecentBricks;
    return CurrentPage < PageCount() ? Pages[size_t(CurrentPage)].Bricks : NoKeys;
}

int TPalettePages::ShownRowHeight() const {
    if (ShowingRecent)
        return RecentRowHeight;
    return CurrentPage < PageCount() ? Pages[size_t(CurrentPage)].Height : RecentRowHeight;
}

int TPalettePages::PageToShow(int n) const {
    if (n < 0)
        n = PageCount() - 1;
    return n >= 0 && n < PageCount() ? n : 0;
}

int TPalettePages::PreviousPage() const {
    return CurrentPage - 1 < 0 ? PageCount() - 1 : CurrentPage - 1;
}

int TPalettePages::NextPage() const {
    return CurrentPage + 1 >= PageCount() ? 0 : CurrentPage + 1;
}

int32_t TPalettePages::RowColour(int row, int32_t currentColour) const {
    if (ShowingRecent && row >= 0 && size_t(row) < RecentColours.size())
        return RecentColours[size_t(row)];
    return currentColour;
}

void TPalettePages::UseKey(const std::string& key, int32_t currentColour, int listRowHeight) {
    auto known = std::find(RecentBricks.begin(), RecentBricks.end(), key);
    int32_t colour = currentColour;
    if (known != RecentBricks.end()) {
        size_t i = size_t(known - RecentBricks.begin());
        if (i < RecentColours.size()) {
            colour = RecentColours[i];
            RecentColours.erase(RecentColours.begin() + std::ptrdiff_t(i));
        }
        RecentBricks.erase(known);
    } else {
        RecentRowHeight = std::max(RecentRowHeight, listRowHeight);
    }
    RecentBricks.insert(RecentBricks.begin(), key);
    RecentColours.insert(RecentColours.begin(), colour);
}

void TPalettePages::ClearRecent() {
    RecentBricks.clear();
    RecentColours.clear();
    RecentRowHeight = 40;
}

void TPalettePages::RecolourNewest(int32_t colour) {
    if (RecentColours.empty())
        RecentColours.push_back(colour);
    else
        RecentColours.front() = colour;
}

int TPalettePages::AddPage() {
    TPaletteSettings page;
    page.Title = "Page" + std::to_string(Pages.size());
    page.Height = 40;
    page.Scale = 0.5f;
    Pages.push_back(page);
    return PageCount() - 1;
}

bool TPalettePages::RemovePage(int page) {
    if (page < 0 || page >= PageCount() || !Pages[size_t(page)].Bricks.empty())
        return false;
    Pages.erase(Pages.begin() + page);
    return true;
}

void TPalettePages::AddPageFromFile(const std::string& fileName, int page) {
    if (page < 0 || page >= PageCount())
        return;
    std::string file = std::filesystem::path(fileName).filename().string();
    for (const std::string& line : SplitLines(ReadWholeFile(fileName))) {
        size_t open = line.find('[');
        if (open == std::string::npos)
            continue;
        size_t close = line.find(']', open + 1);
        // A "[" without its "]" names no part.
        if (close == std::string::npos || close == open + 1)
            continue;
        std::string part = line.substr(open + 1, close - open - 1);
        Pages[size_t(page)].Bricks.push_back("G " + file + ", " + part);
    }
}

bool MoveKeyToPage(TPageList& pages, int fromPage, int row, int toPage, int before) {
    int count = int(pages.size());
    if (fromPage == toPage || fromPage < 0 || toPage < 0 || fromPage >= count || toPage >= count)
        return false;
    std::vector<std::string>& from = pages[size_t(fromPage)].Bricks;
    std::vector<std::string>& to = pages[size_t(toPage)].Bricks;
    if (row < 0 || row >= int(from.size()))
        return false;
    std::string key = from[size_t(row)];
    from.erase(from.begin() + row);
    if (before < 0 || before > int(to.size()))
        before = int(to.size());
    to.insert(to.begin() + before, key);
    return true;
}

bool MoveKeyInPage(TPaletteSettings& page, int row, int delta) {
    int other = row + delta;
    if (row < 0 || other < 0 || row >= int(page.Bricks.size()) || other >= int(page.Bricks.size()))
        return false;
    std::swap(page.Bricks[size_t(row)], page.Bricks[size_t(other)]);
    return true;
}

bool MovePage(TPageList& pages, int page, int delta) {
    int other = page + delta;
    if (page < 0 || other < 0 || page >= int(pages.size()) || other >= int(pages.size()))
        return false;
    std::swap(pages[size_t(page)], pages[size_t(other)]);
    return true;
}
