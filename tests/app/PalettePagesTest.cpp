// The palette's pages without a window: wrapping, the recently used page, page removal, pages
// from part files and the moves of the customise and reorder dialogs.
#include "app/palette/PalettePages.h"

#include "GuiTest.h"
#include "base/Error.h"

namespace {
TPageList ThreePages() {
    TPageList pages(3);
    pages[0] = {"Bricks", 50, 0.5f, {"B2x2x3", "B4x2x3|3001"}};
    pages[1] = {"Plates", 40, 0.4f, {"B2x2x1|3022"}};
    pages[2] = {"Empty", 40, 0.5f, {}};
    return pages;
}
} // namespace

TEST(PalettePages, ArrowsWrapAndMissingPagesShowTheFirst) {
    TPageList list = ThreePages();
    TPalettePages pages(list);
    EXPECT_EQ(pages.PreviousPage(), 2);
    EXPECT_EQ(pages.NextPage(), 1);
    pages.CurrentPage = 2;
    EXPECT_EQ(pages.NextPage(), 0);
    EXPECT_EQ(pages.PageToShow(-1), 2);
    EXPECT_EQ(pages.PageToShow(7), 0);
    EXPECT_EQ(pages.PageTitles(),
              (std::vector<std::string>{"<Recently used>", "Bricks", "Plates", "Empty"}));
    TPageList none;
    TPalettePages empty(none);
    EXPECT_EQ(empty.PageToShow(-1), 0);
    EXPECT_FALSE(empty.NormalPageShown());
    EXPECT_TRUE(empty.ShownKeys().empty());
}

TEST(PalettePages, RecentlyUsedKeepsOneEntryPerKeyWithItsFirstColour) {
    TPageList list = ThreePages();
    TPalettePages pages(list);
    pages.UseKey("B2x2x3", 0xFF, 50);
    pages.UseKey("B4x2x3|3001", 0xFF00, 30);
    pages.UseKey("B2x2x3", 0xFF0000, 90);
    EXPECT_EQ(pages.RecentBricks, (std::vector<std::string>{"B2x2x3", "B4x2x3|3001"}));
    EXPECT_EQ(pages.RecentColours, (std::vector<int32_t>{0xFF, 0xFF00}));
    // Only a new entry raises the row height.
    EXPECT_EQ(pages.RecentRowHeight, 50);
    pages.ShowingRecent = true;
    EXPECT_EQ(pages.RowColour(1, 0x123456), 0xFF00);
    pages.ShowingRecent = false;
    EXPECT_EQ(pages.RowColour(1, 0x123456), 0x123456);
    pages.RecolourNewest(0xABCDEF);
    EXPECT_EQ(pages.RecentColours.front(), 0xABCDEF);
    pages.ClearRecent();
    EXPECT_TRUE(pages.RecentBricks.empty());
    EXPECT_EQ(pages.RecentRowHeight, 40);
}

TEST(PalettePages, OnlyEmptyPagesAreRemovedAndNewPagesAreNumbered) {
    TPageList list = ThreePages();
    TPalettePages pages(list);
    EXPECT_FALSE(pages.RemovePage(0));
    EXPECT_FALSE(pages.RemovePage(5));
    EXPECT_TRUE(pages.RemovePage(2));
    EXPECT_EQ(pages.PageCount(), 2);
    int added = pages.AddPage();
    EXPECT_EQ(added, 2);
    EXPECT_EQ(list[2].Title, "Page2");
    EXPECT_EQ(list[2].Height, 40);
    EXPECT_FLOAT_EQ(list[2].Scale, 0.5f);
}

TEST(PalettePages, PageFromPartFileListsItsParts) {
    std::string folder = TestFolder();
    WriteFile(folder + "mine.dat",
              "[alpha]\r\nNP=0\r\n\r\n[beta]\r\n[broken\r\n[]\r\nx=[gamma]\r\n");
    TPageList list = ThreePages();
    TPalettePages pages(list);
    pages.AddPageFromFile(folder + "mine.dat", 2);
    EXPECT_EQ(list[2].Bricks, (std::vector<std::string>{"G mine.dat, alpha", "G mine.dat, beta",
                                                        "G mine.dat, gamma"}));
    EXPECT_THROW(pages.AddPageFromFile(folder + "missing.dat", 2), TError);
}

TEST(PalettePages, BricksMoveBetweenAndWithinPagesAndPagesMoveWhole) {
    TPageList list = ThreePages();
    EXPECT_FALSE(MoveKeyToPage(list, 0, 0, 0, 0));
    EXPECT_FALSE(MoveKeyToPage(list, 0, 5, 1, 0));
    EXPECT_TRUE(MoveKeyToPage(list, 0, 1, 1, 0));
    EXPECT_EQ(list[1].Bricks, (std::vector<std::string>{"B4x2x3|3001", "B2x2x1|3022"}));
    EXPECT_TRUE(MoveKeyToPage(list, 0, 0, 2, -1));
    EXPECT_TRUE(list[0].Bricks.empty());
    EXPECT_EQ(list[2].Bricks, (std::vector<std::string>{"B2x2x3"}));
    EXPECT_TRUE(MoveKeyInPage(list[1], 0, 1));
    EXPECT_EQ(list[1].Bricks.front(), "B2x2x1|3022");
    EXPECT_FALSE(MoveKeyInPage(list[1], 1, 1));
    EXPECT_TRUE(MovePage(list, 1, -1));
    EXPECT_EQ(list[0].Title, "Plates");
    EXPECT_FLOAT_EQ(list[0].Scale, 0.4f);
    EXPECT_EQ(list[0].Bricks.size(), 2u);
    EXPECT_FALSE(MovePage(list, 0, -1));
}
