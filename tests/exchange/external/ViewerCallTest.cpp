#include "exchange/external/ViewerCall.h"

#include "exchange/external/LDrawViewCommand.h"
#include "support/ScopedPath.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <numbers>

using TWords = std::vector<std::string>;

TEST(CommandWords, SplitsAsTheShellDoes) {
    EXPECT_EQ(CommandWords(R"(  povray  'my scenes/a b' "say \"hi\" \$x \n" g\ h '' +W320)"),
              TWords({"povray", "my scenes/a b", R"(say "hi" $x \n)", "g h", "", "+W320"}));
}

// Latitude is the height above the horizon (straight down 90, from below negative), longitude
// turns against the view's turn as the viewer matrix does; float residues are rounded away.
TEST(LeoCadArguments, TheViewsAnglesSizeAndLibrary) {
    const double pi = std::numbers::pi;
    const std::tuple<double, double, const char*, TWords> cases[] = {
        {0, float(pi / 2), "", {"0", "0", "-w", "800", "-h", "600", "m.dat"}},
        {pi / 2, 0, "/lib", {"90", "270", "-w", "800", "-h", "600", "-l", "/lib", "m.dat"}},
        {2 * pi + 0.5, 2 * pi / 3, "", {"-30", "331.35", "-w", "800", "-h", "600", "m.dat"}}};
    for (const auto& [turn, tilt, library, expected] : cases) {
        TWords words = {"--orthographic", "--camera-angles"};
        words.insert(words.end(), expected.begin(), expected.end());
        TExternalView view{.Width = 800, .Height = 600, .Turn = turn, .Tilt = tilt};
        EXPECT_EQ(LeoCadArguments(view, "m.dat", library), words) << turn;
    }
}

// The viewer in the LDraw folder starts by its full name; a viewer found nowhere gives way to
// leocad from the PATH, which gets the LDraw folder as its library once that holds parts; with
// neither, the configured name stays for the report. The file name stays one argument.
TEST(ViewerCall, TheProgramFoundIsTheProgramStarted) {
    TTempFolder lib, bin, empty;
    for (const auto& file : {lib.Write("viewer", ""), bin.Write("leocad", "")})
        std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    const TExternalView view{.Tilt = std::numbers::pi / 2};
    TScopedPath path(bin.Path.string());
    TProgramCall call = ViewerCall(lib.Dir(), "viewer", "a b.dat", view, false);
    EXPECT_EQ(call.Program, lib.File("viewer"));
    EXPECT_EQ(call.Arguments, LDrawViewArguments("viewer", "a b.dat", view, false));
    EXPECT_EQ(call.Arguments.back(), "a b.dat");
    call = ViewerCall(lib.Dir(), "ldview", "a b.dat", view, false);
    EXPECT_EQ(call.Program, bin.File("leocad"));
    EXPECT_EQ(call.Arguments, LeoCadArguments(view, "a b.dat"));
    std::filesystem::create_directories(lib.File("parts"));
    EXPECT_EQ(ViewerCall(lib.Dir(), "leocad", "t.dat", view, false).Arguments.end()[-2],
              lib.File(""));
    TScopedPath nothing(empty.Path.string());
    EXPECT_FALSE(FindViewer(lib.Dir(), "ldview").has_value());
    EXPECT_EQ(ViewerCall(lib.Dir(), "ldview", "t.dat", view, true).Program, "ldview");
}
