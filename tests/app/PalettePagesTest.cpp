// The palette's pages without a window: wrapping, the recently used page, page removal, pages
// from part files and the moves of the customise and reorder dialogs.
#include "app/palette/PalettePages.h"

#include "GuiTest.h"
#include "base/Error.h"

namespace {
struct PalettePages : ::testing::Test {
    TPageList List{{"Bricks", 50, 0.5f, {"B2x2x3", "B4x2x3|3001"}},
                   {"Plates", 40, 0.4f, {"B2x2x1|3022"}},
                   {"Empty", 40, 0.5f, {}}};
    TPalettePages Pages{List};
};
} // namespace

TEST_F(PalettePages, ArrowsWrapAndMissingPagesShowTheFirst) {
    EXPECT_EQ(Pages.PreviousPage(), 2);
    EXPECT_EQ(Pages.NextPage(), 1);
    Pages.CurrentPage = 2;
    EXPECT_EQ(Pages.NextPage(), 0);
    EXPECT_EQ(Pages.PageToShow(-1), 2);
    EXPECT_EQ(Pages.PageToShow(7), 0);
    EXPECT_EQ(Pages.PageTitles(),
              (std::vector<std::string>{"<Recently used>", "Bricks", "Plates", "Empty"}));
    TPageList none;
    TPalettePages empty(none);
    EXPECT_EQ(empty.PageToShow(-1), 0);
    EXPECT_FALSE(empty.NormalPageShown());
    EXPECT_TRUE(empty.ShownKeys().empty());
}

TEST_F(PalettePages, RecentlyUsedKeepsOneEntryPerKeyWithItsFirstColour) {
    Pages.UseKey("B2x2x3", 0xFF, 50);
    Pages.UseKey("B4x2x3|3001", 0xFF00, 30);
    Pages.UseKey("B2x2x3", 0xFF0000, 90);
    EXPECT_EQ(Pages.RecentBricks, (std::vector<std::string>{"B2x2x3", "B4x2x3|3001"}));
    EXPECT_EQ(Pages.RecentColours, (std::vector<int32_t>{0xFF, 0xFF00}));
    // Only a new entry raises the row height.
    EXPECT_EQ(Pages.RecentRowHeight, 50);
    Pages.ShowingRecent = true;
    EXPECT_EQ(Pages.RowColour(1, 0x123456), 0xFF00);
    Pages.ShowingRecent = false;
    EXPECT_EQ(Pages.RowColour(1, 0x123456), 0x123456);
    Pages.RecolourNewest(0xABCDEF);
    EXPECT_EQ(Pages.RecentColours.front(), 0xABCDEF);
    Pages.ClearRecent();
    EXPECT_TRUE(Pages.RecentBricks.empty());
    EXPECT_EQ(Pages.RecentRowHeight, 40);
}

TEST_F(PalettePages, OnlyEmptyPagesAreRemovedAndNewPagesAreNumbered) {
    EXPECT_FALSE(Pages.RemovePage(0));
    EXPECT_FALSE(Pages.RemovePage(5));
    EXPECT_TRUE(Pages.RemovePage(2));
    EXPECT_EQ(Pages.PageCount(), 2);
    int added = Pages.AddPage();
    EXPECT_EQ(added, 2);
    EXPECT_EQ(List[2].Title, "Page2");
    EXPECT_EQ(List[2].Height, 40);
    EXPECT_FLOAT_EQ(List[2].Scale, 0.5f);
}

TEST_F(PalettePages, PageFromPartFileListsItsParts) {
    std::string folder = TestFolder();
    WriteFile(folder + "mine.dat",
              "[alpha]\r\nNP=0\r\n\r\n[beta]\r\n[broken\r\n[]\r\nx=[gamma]\r\n");
    Pages.AddPageFromFile(folder + "mine.dat", 2);
    EXPECT_EQ(List[2].Bricks, (std::vector<std::string>{"G mine.dat, alpha", "G mine.dat, beta",
                                                        "G mine.dat, gamma"}));
    EXPECT_THROW(Pages.AddPageFromFile(folder + "missing.dat", 2), TError);
}

TEST_F(PalettePages, BricksMoveBetweenAndWithinPagesAndPagesMoveWhole) {
    EXPECT_FALSE(MoveKeyToPage(List, 0, 0, 0, 0));
    EXPECT_FALSE(MoveKeyToPage(List, 0, 5, 1, 0));
    EXPECT_TRUE(MoveKeyToPage(List, 0, 1, 1, 0));
    EXPECT_EQ(List[1].Bricks, (std::vector<std::string>{"B4x2x3|3001", "B2x2x1|3022"}));
    EXPECT_TRUE(MoveKeyToPage(List, 0, 0, 2, -1));
    EXPECT_TRUE(List[0].Bricks.empty());
    EXPECT_EQ(List[2].Bricks, (std::vector<std::string>{"B2x2x3"}));
    EXPECT_TRUE(MoveKeyInPage(List[1], 0, 1));
    EXPECT_EQ(List[1].Bricks.front(), "B2x2x1|3022");
    EXPECT_FALSE(MoveKeyInPage(List[1], 1, 1));
    EXPECT_TRUE(MovePage(List, 1, -1));
    EXPECT_EQ(List[0].Title, "Plates");
    EXPECT_FLOAT_EQ(List[0].Scale, 0.4f);
    EXPECT_EQ(List[0].Bricks.size(), 2u);
    EXPECT_FALSE(MovePage(List, 0, -1));
}
