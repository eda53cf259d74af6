#include "base/ShippedMerge.h"

#include <gtest/gtest.h>

namespace {
const std::string BaseIni = "[Main]\r\nVersion=2\r\nPages=1\r\nLDrawLib=~/ldraw\r\n\r\n"
                            "[Page1]\r\nTitle=Bricks\r\nCount=1\r\nBrick0=B1x1x3\r\n";
// What the program writes back at exit: the same pages, its own [State], no changes.
const std::string SavedIni = "[Main]\r\nVersion=2\r\nPages=1\r\nLDrawLib=~/ldraw\r\n\r\n"
                             "[State]\r\nShading=1\r\n\r\n"
                             "[Page1]\r\nTitle=Bricks\r\nCount=1\r\nBrick0=B1x1x3\r\n";
const std::string NewerIni = "[Main]\r\nVersion=2\r\nPages=2\r\nLDrawLib=/usr/share/ldraw\r\n\r\n"
                             "[Page1]\r\nTitle=Bricks\r\nCount=1\r\nBrick0=B1x1x3\r\n\r\n"
                             "[Page2]\r\nTitle=Plates\r\nCount=1\r\nBrick0=B1x1x1\r\n";
const std::string MinePages = "[Main]\nVersion=2\nPages=1\nLDrawLib=/mine\n\n"
                              "[Page1]\nTitle=Mine\nCount=1\nBrick0=B1x1x3\n";
const std::string Row = "B 1 1 3 1 0 0 0 0 0 3005.DAT 0";

std::string Bare(std::string text) { // line ends of bare carriage returns
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at + 1, 1);
    return text;
}
} // namespace

// Base, mine and newer of a shipped file: the merge, or "no merge" where both sides changed.
TEST(ShippedMerge, MergesWhereOnlyOneSideChanged) {
    const struct {
        const char* Name;
        std::string Base, Mine, Newer, Merged;
    } cases[] = {
        // Unchanged pages and keys take the newer settings; the program's [State] stays.
        {"tessaryn.INI", BaseIni, SavedIni, NewerIni,
         "[Main]\r\nVersion=2\r\nPages=2\r\nLDrawLib=/usr/share/ldraw\r\n\r\n"
         "[State]\r\nShading=1\r\n\r\n[Page1]\r\nTitle=Bricks\r\nCount=1\r\nBrick0=B1x1x3\r\n\r\n"
         "[Page2]\r\nTitle=Plates\r\nCount=1\r\nBrick0=B1x1x1\r\n"},
        // Bare carriage returns merge line by line too.
        {"tessaryn.INI", BaseIni, Bare(SavedIni), NewerIni,
         "[Main]\nVersion=2\nPages=2\nLDrawLib=/usr/share/ldraw\n\n[State]\nShading=1\n\n"
         "[Page1]\nTitle=Bricks\nCount=1\nBrick0=B1x1x3\n\n[Page2]\nTitle=Plates\nCount=1\n"
         "Brick0=B1x1x1\n"},
        // The user's pages and keys stay where the newer settings leave them alone.
        {"tessaryn.INI", BaseIni, MinePages, BaseIni + "[State]\r\nHints=1\r\n",
         MinePages + "\n[State]\nHints=1\n"},
        {"tessaryn.INI", BaseIni, MinePages, NewerIni, "no merge"},
        {"tessaryn.INI", BaseIni,
         "[Main]\nVersion=2\nPages=1\nLDrawLib=/mine\n\n[Page1]\nTitle=Bricks\nCount=1\n"
         "Brick0=B1x1x3\n",
         NewerIni, "no merge"},
        // "[]" opens a section of no name: each side changed another section. Comments stay.
        {"tessaryn.INI", "[A]\nx=1\n[]\ny=1\n", "[A]\nx=1\n[]\n;mine\ny=2\n", "[A]\nx=3\n[]\ny=1\n",
         "[A]\nx=3\n\n;mine\ny=2\n"},
        // Rows the program added follow the newer rows; newer comments alone change nothing.
        {"ts2ld.lst", "; comment\r\n" + Row + "\r\n", Row + "\r\nB 9 9 x.DAT 0\r\n",
         "; comment\r\n" + Row + "\r\nB 2 3004.DAT 0",
         "; comment\r\n" + Row + "\r\nB 2 3004.DAT 0\r\nB 9 9 x.DAT 0\r\n"},
        {"ts2ld.lst", Row + "\n", "B 1 mine.DAT 0\n", Row + "\nB 2 3004.DAT 0\n", "no merge"},
        {"ts2ld.lst", Row + "\n", "B 1 mine.DAT 0\n", "; newer\n" + Row + "\n", "B 1 mine.DAT 0\n"},
        {"ts2ld.lst", "a\n", "a\nb\n", "a\nc\n", "a\nc\nb\n"},
        {"parts/parts.dat", "a\n", "a\nb\n", "a\nc\n", "no merge"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MergeShipped(c.Name, c.Base, c.Mine, c.Newer).value_or("no merge"), c.Merged)
            << c.Name << " mine: " << c.Mine;
}
