// The palette's pages without a window: wrapping, the recently used page, page removal, pages
// from part files and the moves of the customise and reorder dialogs.
#include "app/palette/PalettePages.h"

#include "app/GuiTest.h"
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
    EXPECT_EQ(std::pair(Pages.PreviousPage(), Pages.NextPage()), std::pair(2, 1));
    Pages.CurrentPage = 2;
    EXPECT_EQ((std::array{Pages.NextPage(), Pages.PageToShow(-1), Pages.PageToShow(7)}),
              (std::array{0, 2, 0}));
    EXPECT_EQ(Pages.PageTitles(),
              (std::vector<std::string>{"<Recently used>", "Bricks", "Plates", "Empty"}));
    TPageList none;
    TPalettePages empty(none);
    EXPECT_TRUE(empty.PageToShow(-1) == 0 && !empty.NormalPageShown() && empty.ShownKeys().empty());
}

TEST_F(PalettePages, RecentlyUsedKeepsOneEntryPerKeyWithItsFirstColour) {
    Pages.UseKey("B2x2x3", 0xFF, 50);
    Pages.UseKey("B4x2x3|3001", 0xFF00, 30);
    Pages.UseKey("B2x2x3", 0xFF0000, 90);
    EXPECT_EQ(Pages.RecentBricks, (std::vector<std::string>{"B2x2x3", "B4x2x3|3001"}));
    EXPECT_EQ(Pages.RecentColours, (std::vector<int32_t>{0xFF, 0xFF00}));
    // Only a new entry raises the row height.
    EXPECT_EQ(Pages.RecentRowHeight, 50);
    for (bool recent : {true, false}) {
        Pages.ShowingRecent = recent;
        EXPECT_EQ(Pages.RowColour(1, 0x123456), recent ? 0xFF00 : 0x123456);
    }
    Pages.RecolourNewest(0xABCDEF);
    EXPECT_EQ(Pages.RecentColours.front(), 0xABCDEF);
    Pages.ClearRecent();
    EXPECT_TRUE(Pages.RecentBricks.empty() && Pages.RecentRowHeight == 40);
}

TEST_F(PalettePages, OnlyEmptyPagesAreRemovedAndNewPagesAreNumbered) {
    EXPECT_FALSE(Pages.RemovePage(0) || Pages.RemovePage(5));
    EXPECT_TRUE(Pages.RemovePage(2));
    EXPECT_EQ(Pages.PageCount(), 2);
    EXPECT_EQ(Pages.AddPage(), 2);
    EXPECT_EQ(std::tuple(List[2].Title, List[2].Height, List[2].Scale),
              std::tuple("Page2", 40, 0.5f));
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
    EXPECT_FALSE(MoveKeyToPage(List, 0, 0, 0, 0) || MoveKeyToPage(List, 0, 5, 1, 0));
    EXPECT_TRUE(MoveKeyToPage(List, 0, 1, 1, 0));
    EXPECT_EQ(List[1].Bricks, (std::vector<std::string>{"B4x2x3|3001", "B2x2x1|3022"}));
    EXPECT_TRUE(MoveKeyToPage(List, 0, 0, 2, -1));
    EXPECT_TRUE(List[0].Bricks.empty());
    EXPECT_EQ(List[2].Bricks, (std::vector<std::string>{"B2x2x3"}));
    EXPECT_TRUE(MoveKeyInPage(List[1], 0, 1));
    EXPECT_EQ(List[1].Bricks.front(), "B2x2x1|3022");
    EXPECT_FALSE(MoveKeyInPage(List[1], 1, 1));
    EXPECT_TRUE(MovePage(List, 1, -1));
    EXPECT_EQ(std::tuple(List[0].Title, List[0].Scale, List[0].Bricks.size()),
              std::tuple("Plates", 0.4f, 2u));
    EXPECT_FALSE(MovePage(List, 0, -1));
}
